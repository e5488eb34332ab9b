#include <iostream>

#include "cli/commands.h"
#include "cli/entity_listing.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/drawing/document.h"
#include "headless/dxf/drawing_file.h"

namespace vxcli {

int List(const std::string& drawing, bool json) {
  return Guarded([&] {
    const std::unique_ptr<vxh::Document> document = vxh::LoadDrawing(drawing);
    std::cout << (json ? ListJson(*document) : ListText(*document));
    std::cout.flush();
  });
}

int Render(const std::string& drawing, const std::string& out) {
  return Guarded([&] {
    RequireOutputType(out, kPictureTypes);
    WritePicture(*vxh::LoadDrawing(drawing), out);
  });
}

}  // namespace vxcli
