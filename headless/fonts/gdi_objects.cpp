#include "headless/fonts/gdi_objects.h"

#include <cstring>
#include <exception>
#include <map>
#include <utility>
#include <memory>
#include <vector>

#include "host/drag_view.h"

namespace vxh {

namespace {

// A host view window's record: a drag view's bytes, then what was drawn.
constexpr std::size_t kHostViewBytes = 256;

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

GdiObjects& Objects() {
  static GdiObjects objects;
  return objects;
}

}  // namespace

const GdiFont* SelectedFont(HDC dc) {
  DeviceContext* context = Objects().Dc(dc);
  return context == nullptr ? nullptr : Objects().Font(context->selected);
}

HGDIOBJ StockFont() { return Objects().StockFont(); }

HBRUSH AddBrush(COLORREF colour) { return Objects().AddBrush(colour); }

bool BrushColour(HGDIOBJ brush, COLORREF& colour) {
  const COLORREF* c = Objects().Brush(brush);
  if (c == nullptr) return false;
  colour = *c;
  return true;
}

TextState* TextStateOf(HDC dc) {
  DeviceContext* context = Objects().Dc(dc);
  return context == nullptr ? nullptr : &context->text;
}

void RecordPaint(HDC dc, win::PaintOp op) {
  if (DeviceContext* context = Objects().Dc(dc)) context->painted.push_back(std::move(op));
}

std::vector<win::PaintOp> TakePaint(HDC dc) {
  DeviceContext* context = Objects().Dc(dc);
  if (context == nullptr) return {};
  return std::exchange(context->painted, {});
}

vx::DragView* OpenHostView(HWND window, const RECT& rect) {
  DeviceContext* context = Objects().PainterOf(window);
  if (context == nullptr) context = Objects().PainterOf(GetParent(window));
  if (context == nullptr) return nullptr;
  auto view = std::make_unique<HostView>();
  view->rect = rect;
  context->views.push_back(std::move(view));
  return context->views.back()->View();
}

bool DrawIntoHostView(vx::DragView* view, screen::Primitive primitive) {
  HostView* v = Objects().ViewOf(view).second;
  if (v == nullptr) return false;
  v->primitives.push_back(std::move(primitive));
  return true;
}

bool CloseHostView(vx::DragView* view) {
  auto [context, v] = Objects().ViewOf(view);
  if (v == nullptr) return false;
  win::PaintOp op;
  op.kind = win::PaintKind::kView;
  op.rect = v->rect;
  op.view_width = vx::ViewWidth(view);
  op.view_height = vx::ViewHeight(view);
  op.primitives = std::move(v->primitives);
  context->painted.push_back(std::move(op));
  std::erase_if(context->views, [&](const std::unique_ptr<HostView>& h) { return h.get() == v; });
  return true;
}

}  // namespace vxh

extern "C" {

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (font == nullptr) return nullptr;
  try {
    return vxh::Objects().AddFont(std::make_unique<vxh::GdiFont>(*font));
  } catch (const std::exception&) {
    return nullptr;  // Windows answers a font it cannot make with no handle
  }
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strike_out, DWORD charset, DWORD out_precision, DWORD clip_precision,
                  DWORD quality, DWORD pitch_and_family, LPCSTR face) {
  LOGFONTA d{};
  d.lfHeight = height;
  d.lfWidth = width;
  d.lfEscapement = escapement;
  d.lfOrientation = orientation;
  d.lfWeight = weight;
  d.lfItalic = static_cast<BYTE>(italic);
  d.lfUnderline = static_cast<BYTE>(underline);
  d.lfStrikeOut = static_cast<BYTE>(strike_out);
  d.lfCharSet = static_cast<BYTE>(charset);
  d.lfOutPrecision = static_cast<BYTE>(out_precision);
  d.lfClipPrecision = static_cast<BYTE>(clip_precision);
  d.lfQuality = static_cast<BYTE>(quality);
  d.lfPitchAndFamily = static_cast<BYTE>(pitch_and_family);
  if (face != nullptr) std::strncpy(d.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&d);
}

HDC GetDC(HWND window) {
  try {
    return vxh::Objects().AddDc(window);
  } catch (const std::exception&) {
    return nullptr;
  }
}

int ReleaseDC(HWND, HDC dc) { return vxh::Objects().ReleaseDc(dc) ? 1 : 0; }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  vxh::DeviceContext* context = vxh::Objects().Dc(dc);
  if (context == nullptr || object == nullptr) return nullptr;
  // A brush selected for painting changes nothing the headless host draws.
  if (vxh::Objects().Font(object) == nullptr) return vxh::Objects().Brush(object) != nullptr ? object : nullptr;
  HGDIOBJ previous = context->selected;
  context->selected = object;
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  if (vxh::Objects().DeleteBrush(object)) return TRUE;
  return vxh::Objects().DeleteFont(object) ? TRUE : FALSE;
}

}  // extern "C"
