// The lines of the pattern previews in the hatch dialog, in the coordinates
// of the preview's view (centred on the origin). Pure arithmetic, so the
// previews can be checked without a dialog.
#pragma once

#include <cstddef>
#include <vector>

#include "hatch/hatch_records.h"
#include "hatch/pat_list.h"

namespace vx {

struct PreviewLine {
  double x1, y1, x2, y2;
};

// The visible area of a simple line preview: 6.375 by 1.6875 distances.
inline constexpr double kLinePreviewWidth = 6.375;
inline constexpr double kLinePreviewHeight = 1.6875;
// Of a host fill style: 4.25 by 1.125 times its preview size.
inline constexpr double kFillPreviewWidth = 4.25;
inline constexpr double kFillPreviewHeight = 1.125;
// Of a PAT pattern, in preview units.
inline constexpr double kPatPreviewWidth = 8.5;
inline constexpr double kPatPreviewHeight = 2.25;

// A family of many more lines than the preview shows is cut off here, so a
// pattern of very fine spacing cannot stall the dialog.
inline constexpr std::size_t kMostPreviewLines = 4000;

// Scan line `line` of simple line settings: 17 lines a distance apart,
// centred on the origin, at the settings' angle. None when the distance is
// not a positive number.
std::vector<PreviewLine> LinePreviewLines(const HatchSettings& settings, std::size_t line);

// The scale that fits a PAT pattern's repeat into the preview.
double PatPreviewScale(const PatPattern& pattern);

// Every family of a PAT pattern at the preview scale, over the rectangle
// (-6, -2) to (6, 2), dashed as the fill engine dashes.
std::vector<PreviewLine> PatPreviewLines(const PatPattern& pattern);

}  // namespace vx
