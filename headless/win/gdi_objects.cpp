#include "headless/win/gdi_objects.h"

#include <cstring>
#include <exception>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "headless/win/windows_state.h"
#include "host/drag_view.h"

namespace vxh {

namespace {

GdiObjects& Objects() { return win::RunningWindows("the device contexts").gdi; }

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
  const HostView* closed = v;  // clang 14 lets no lambda capture a structured binding
  std::erase_if(context->views, [closed](const std::unique_ptr<HostView>& h) { return h.get() == closed; });
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

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strike_out, DWORD charset, DWORD out_precision, DWORD clip_precision, DWORD quality,
                  DWORD pitch_and_family, LPCSTR face) {
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
