// Drawings as pictures: PNG, SVG or PDF by the file's extension.
#pragma once

#include <map>
#include <string>

#include "headless/render/picture_frame.h"

namespace vxh {

class Document;

struct RenderReport {
  PictureFrame frame;           // where the drawing landed
  std::map<int, int> left_out;  // entity kind -> how many the picture could not draw
};

// Draws every visible entity of the working list, containers by their
// members, fitted into the picture with a margin. Throws BadInput for an
// unknown extension or a file that cannot be written.
RenderReport RenderDrawing(Document& document, const std::string& path);

// RenderDrawing, saying on stderr what the picture left out.
void RenderDocument(Document& document, const std::string& path);

}  // namespace vxh
