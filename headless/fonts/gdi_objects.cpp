#include "headless/fonts/gdi_objects.h"

#include <cstring>
#include <exception>
#include <map>
#include <memory>

namespace vxh {

namespace {

struct DeviceContext {
  HGDIOBJ selected = nullptr;
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
  HDC AddDc() {
    auto dc = std::make_unique<DeviceContext>();
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

 private:
  HGDIOBJ StockFont() {
    if (stock_ == nullptr) {
      LOGFONTA d{};
      std::strcpy(d.lfFaceName, kFallbackFamily);
      stock_ = AddFont(std::make_unique<GdiFont>(d));
    }
    return stock_;
  }

  std::map<HFONT, std::unique_ptr<GdiFont>> fonts_;
  std::map<HDC, std::unique_ptr<DeviceContext>> dcs_;
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

HDC GetDC(HWND) {
  try {
    return vxh::Objects().AddDc();
  } catch (const std::exception&) {
    return nullptr;
  }
}

int ReleaseDC(HWND, HDC dc) { return vxh::Objects().ReleaseDc(dc) ? 1 : 0; }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  vxh::DeviceContext* context = vxh::Objects().Dc(dc);
  if (context == nullptr || vxh::Objects().Font(object) == nullptr) return nullptr;
  HGDIOBJ previous = context->selected;
  context->selected = object;
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) { return vxh::Objects().DeleteFont(object) ? TRUE : FALSE; }

}  // extern "C"
