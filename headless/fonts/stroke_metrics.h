// Advance widths of the host's stroke fonts, read from their files.
#pragma once

#include <string>
#include <string_view>

namespace vxh {

// Length of a run of characters in text heights: the sum of each
// character's advance plus the extra spacing, over the em size. The file is
// the one LoadFile gives for "#name" (made on first use). A font whose file
// is missing or damaged is said once on stderr and measured as 0.6 heights
// per character.
double StrokeRunLength(const std::string& font_name, std::string_view run);

}  // namespace vxh
