// Host view windows for owner-drawn controls (CreateXWCtrl, RelXWCtrl) and
// the screen colours the pack paints them with. The headless screen is the
// usual CAD screen: black background, new entities in white.
#include <algorithm>
#include <array>
#include <cmath>

#include "headless/geometry/checked_pointer.h"
#include "headless/host_error.h"
#include "headless/render/line_look.h"
#include "headless/win/gdi_objects.h"
#include "host/host_api.h"

namespace vxh::dialogs {

namespace {

constexpr int kBackgroundColour = 0;  // black
constexpr int kCurrentColour = 7;     // white on the screen

// Colour numbers 0 to 9 on the screen; higher numbers take the drawing
// palette of the pictures.
constexpr std::array<COLORREF, 10> kScreenColours{0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00,
                                                  0xFF0000, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};

COLORREF ToColorRef(const Rgb& c) {
  const auto byte = [](double v) { return static_cast<COLORREF>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  return byte(c.r) | byte(c.g) << 8 | byte(c.b) << 16;
}

}  // namespace

}  // namespace vxh::dialogs

namespace vx {

extern "C" {

DragView* KVAPI CreateXWCtrl(void* parent, const int* rect) {
  vxh::Required(rect, "CreateXWCtrl", "rectangle");
  return vxh::OpenHostView(static_cast<HWND>(parent), RECT{rect[0], rect[1], rect[2], rect[3]});
}

void KVAPI RelXWCtrl(DragView* view) {
  if (!vxh::CloseHostView(view)) throw vxh::HostFault("RelXWCtrl: not an open host view window");
}

int KVAPI GetBkgndColor() { return vxh::dialogs::kBackgroundColour; }

int KVAPI GetCurColor() { return vxh::dialogs::kCurrentColour; }

std::uint32_t KVAPI LookupColor(int colour) {
  using vxh::dialogs::kScreenColours;
  if (colour >= 0 && colour < static_cast<int>(kScreenColours.size())) return kScreenColours[colour];
  if (colour < 256) return vxh::dialogs::ToColorRef(vxh::IndexedColour(static_cast<std::uint16_t>(colour)));
  return 0;
}

}  // extern "C"

}  // namespace vx
