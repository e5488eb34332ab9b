#include "headless/dxf/drawing_file.h"

#include "headless/ascii_case.h"
#include "headless/drawing/document.h"
#include "headless/dxf/dxf_file.h"
#include "headless/files/whole_file.h"
#include "headless/kvd/kvd_file.h"

namespace vxh {

std::unique_ptr<Document> LoadDrawing(const std::string& path, bool strict) {
  RequireReadableFile(path, "drawing file");
  return HasExtension(path, ".dxf") ? ImportDxf(path, strict) : LoadKvd(path);
}

void SaveDrawing(const Document& doc, const std::string& path, bool strict) {
  if (HasExtension(path, ".dxf"))
    ExportDxf(doc, path, strict);
  else
    SaveKvd(doc, path);
}

}  // namespace vxh
