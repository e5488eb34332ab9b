// The drawing name a script variable receives: the file name without its
// extension.
#pragma once

#include <cstddef>

namespace vx {

// Cuts `name` in place at its last "." that is not its first character and
// lies in its last path component, so a folder with a dot in its name keeps
// the rest of the path.
void CutExtension(char* name);

// The drawing's file name as the working list holds it (`list_name`, at most
// `list_name_bytes` bytes), or "error.kvd" without a working list
// (`list_name` null), cut at its extension, into `out` of `out_bytes`.
void DrawingNameForVariable(const char* list_name, std::size_t list_name_bytes, char* out, std::size_t out_bytes);

}  // namespace vx
