// Draws a popup menu as a user sees it when it opens: a raised box with one
// row per item and a rule per separator, in the same light scheme as the
// dialog pictures.
#pragma once

#include <string>
#include <vector>

namespace vxh::dialogs {

struct MenuLine {
  bool separator = false;
  std::string text;  // code page 1252
};

// Writes a .png or .svg file; a BadInput for another extension or a file
// that cannot be written.
void DrawMenuPicture(const std::vector<MenuLine>& lines, const std::string& path);

}  // namespace vxh::dialogs
