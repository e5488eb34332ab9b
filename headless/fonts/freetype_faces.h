// The FreeType library and the faces opened so far, kept for the process.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace vxh {

// The face at index in the file, opened once and selected for Unicode.
// Throws HostFault naming the file when FreeType cannot open it.
FT_Face OpenFace(const std::string& path, int index);

}  // namespace vxh
