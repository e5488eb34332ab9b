// A font as the Windows font services see it (a LOGFONTA made real): a
// TrueType face scaled to device units, with bold, italic, underline and
// strike-out, giving native glyph outlines and metrics.
#pragma once

#include <memory>
#include <optional>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "headless/fonts/native_outline.h"
#include "host/win_api.h"

namespace vxh {

struct GdiGlyph {
  NativeOutline outline;  // device units, y up from the baseline
  GLYPHMETRICS metrics{};
};

class GdiFont {
 public:
  // Throws HostFault when no TrueType face at all can be found.
  explicit GdiFont(const LOGFONTA& description);

  // The glyph of a code page 1252 character through the matrix; nothing
  // when the face has no usable outline for it.
  std::optional<GdiGlyph> Glyph(unsigned char code, const MAT2& matrix) const;

  // The cell increment along the baseline in whole device units.
  int Advance(unsigned char code) const;

 private:
  struct Loaded;
  bool Load(unsigned char code, Loaded& out) const;
  void AddLines(double advance, const MAT2& matrix, NativeOutline& outline) const;

  FT_Face face_ = nullptr;
  double scale_x_ = 1;  // device units per font unit
  double scale_y_ = 1;
  double shear_ = 0;   // synthetic italic: x += shear * y
  long embolden_ = 0;  // synthetic bold, font units
  bool underline_ = false;
  bool strike_out_ = false;
};

}  // namespace vxh
