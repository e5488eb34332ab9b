// Drawing files by their extension: .dxf through the DXF converter, anything
// else as the native .kvd file.
#pragma once

#include <memory>
#include <string>

namespace vxh {

class Document;

// Throws BadInput naming the file and the problem. With `strict`, a DXF file
// that would lose something in the conversion throws DxfLoss instead of
// naming the loss on stderr (and nothing is written).
std::unique_ptr<Document> LoadDrawing(const std::string& path, bool strict = false);
// Writes through a temporary file beside the target; throws WriteFailure.
void SaveDrawing(const Document& doc, const std::string& path, bool strict = false);

}  // namespace vxh
