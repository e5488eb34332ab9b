// The fonts, brushes and device contexts the pack has made, with what each
// context painted and the host view windows open on it. The session's
// Windows state owns one table, so they all go with the session.
#pragma once

#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "headless/fonts/face_match.h"
#include "headless/fonts/gdi_font.h"
#include "headless/screen/screen_log.h"
#include "headless/win/paint_ops.h"
#include "host/kv_types.h"
#include "host/win_api.h"

namespace vxh {

// The text state of a device context.
struct TextState {
  COLORREF colour = 0;
  int background_mode = OPAQUE;
};

// A host view window's record: a drag view's bytes, then what was drawn.
inline constexpr std::size_t kHostViewBytes = 256;

struct HostView {
  alignas(8) std::uint8_t record[kHostViewBytes] = {};
  RECT rect{};
  std::vector<screen::Primitive> primitives;
  vx::DragView* View() { return reinterpret_cast<vx::DragView*>(record); }
};

struct DeviceContext {
  HGDIOBJ selected = nullptr;
  HWND window = nullptr;
  TextState text;
  std::vector<win::PaintOp> painted;
  std::vector<std::unique_ptr<HostView>> views;
};

class GdiObjects {
 public:
  HFONT AddFont(std::unique_ptr<GdiFont> font) {
    auto handle = reinterpret_cast<HFONT>(font.get());
    fonts_.emplace(handle, std::move(font));
    return handle;
  }
  GdiFont* Font(HGDIOBJ object) {
    auto it = fonts_.find(static_cast<HFONT>(object));
    return it == fonts_.end() ? nullptr : it->second.get();
  }
  bool DeleteFont(HGDIOBJ object) {
    // Windows refuses to delete a font while a device context has it selected.
    for (const auto& [handle, dc] : dcs_)
      if (dc->selected == object) return false;
    if (object == stock_) return false;  // stock objects outlive every caller
    return fonts_.erase(static_cast<HFONT>(object)) == 1;
  }
  HBRUSH AddBrush(COLORREF colour) {
    auto brush = std::make_unique<COLORREF>(colour);
    auto handle = reinterpret_cast<HBRUSH>(brush.get());
    brushes_.emplace(handle, std::move(brush));
    return handle;
  }
  const COLORREF* Brush(HGDIOBJ object) const {
    auto it = brushes_.find(static_cast<HBRUSH>(object));
    return it == brushes_.end() ? nullptr : it->second.get();
  }
  bool DeleteBrush(HGDIOBJ object) { return brushes_.erase(static_cast<HBRUSH>(object)) == 1; }
  // A live context that paints `window`.
  DeviceContext* PainterOf(HWND window) {
    for (auto& [handle, dc] : dcs_)
      if (dc->window == window) return dc.get();
    return nullptr;
  }
  // The context holding an open view, and the view.
  std::pair<DeviceContext*, HostView*> ViewOf(vx::DragView* view) {
    for (auto& [handle, dc] : dcs_)
      for (auto& v : dc->views)
        if (v->View() == view) return {dc.get(), v.get()};
    return {nullptr, nullptr};
  }
  HDC AddDc(HWND window) {
    auto dc = std::make_unique<DeviceContext>();
    dc->window = window;
    dc->selected = StockFont();
    auto handle = reinterpret_cast<HDC>(dc.get());
    dcs_.emplace(handle, std::move(dc));
    return handle;
  }
  DeviceContext* Dc(HDC handle) {
    auto it = dcs_.find(handle);
    return it == dcs_.end() ? nullptr : it->second.get();
  }
  bool ReleaseDc(HDC handle) { return dcs_.erase(handle) == 1; }

  HGDIOBJ StockFont() {
    if (stock_ == nullptr) {
      LOGFONTA d{};
      std::strcpy(d.lfFaceName, kFallbackFamily);
      stock_ = AddFont(std::make_unique<GdiFont>(d));
    }
    return stock_;
  }

 private:
  std::map<HFONT, std::unique_ptr<GdiFont>> fonts_;
  std::map<HDC, std::unique_ptr<DeviceContext>> dcs_;
  std::map<HBRUSH, std::unique_ptr<COLORREF>> brushes_;
  HGDIOBJ stock_ = nullptr;
};

}  // namespace vxh
