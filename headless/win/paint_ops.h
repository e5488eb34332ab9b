// What the pack paints into a device context (owner-drawn controls): filled
// rectangles, edges, texts and host view windows with what was drawn into
// them, in order, so that a picture of the dialog can show it.
#pragma once

#include <string>
#include <vector>

#include "headless/screen/screen_log.h"
#include "host/win_api.h"

namespace vxh::win {

enum class PaintKind { kFill, kEdge, kText, kView };

struct PaintOp {
  PaintKind kind = PaintKind::kFill;
  RECT rect{};                                // pixels of the window the context paints
  COLORREF colour = 0;                        // fill: the brush; text: the text colour
  std::string text;                           // text, code page 1252
  UINT format = 0;                            // text: DrawTextA's format
  bool transparent = false;                   // text: drawn without its background
  COLORREF background = 0;                    // text: the background behind an opaque text
  double view_width = 0;                      // view: the visible area in drawing units,
  double view_height = 0;                     // centred on the origin
  std::vector<screen::Primitive> primitives;  // view: what was drawn into it
};

}  // namespace vxh::win
