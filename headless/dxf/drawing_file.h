// Drawing files by their extension: .dxf through the DXF converter, anything
// else as the native .kvd file.
#pragma once

#include <memory>
#include <string>

namespace vxh {

class Document;

bool IsDxfPath(const std::string& path);  // ".dxf" in any case
// Throws BadInput naming the file and the problem.
std::unique_ptr<Document> LoadDrawing(const std::string& path);
// Writes through a temporary file beside the target; throws WriteFailure.
void SaveDrawing(const Document& doc, const std::string& path);

}  // namespace vxh
