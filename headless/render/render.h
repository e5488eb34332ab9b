// Drawings as pictures: PNG, SVG or PDF by the file's extension.
#pragma once

#include <string>

namespace vxh {

class Document;

// Draws every visible entity of the working list, fitted into the picture
// with a margin. Throws BadInput for an unknown extension or a file that
// cannot be written.
void RenderDocument(Document& document, const std::string& path);

}  // namespace vxh
