#include "headless/dxf/drawing_file.h"

#include <cctype>

#include "headless/drawing/document.h"
#include "headless/dxf/dxf_file.h"
#include "headless/files/whole_file.h"
#include "headless/kvd/kvd_file.h"

namespace vxh {

bool IsDxfPath(const std::string& path) {
  static constexpr char kExtension[] = ".dxf";
  constexpr std::size_t n = sizeof kExtension - 1;
  if (path.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    if (std::tolower(static_cast<unsigned char>(path[path.size() - n + i])) != kExtension[i]) return false;
  }
  return true;
}

std::unique_ptr<Document> LoadDrawing(const std::string& path, bool strict) {
  RequireReadableFile(path, "drawing file");
  return IsDxfPath(path) ? ImportDxf(path, strict) : LoadKvd(path);
}

void SaveDrawing(const Document& doc, const std::string& path, bool strict) {
  if (IsDxfPath(path)) ExportDxf(doc, path, strict);
  else SaveKvd(doc, path);
}

}  // namespace vxh
