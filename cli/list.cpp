#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/commands.h"
#include "cli/entity_listing.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/drawing/document.h"
#include "headless/dxf/drawing_file.h"
#include "headless/host_error.h"

namespace vxcli {

int List(const std::string& drawing, bool json, bool strict) {
  return Guarded([&] {
    const std::unique_ptr<vxh::Document> document = vxh::LoadDrawing(drawing, strict);
    errno = 0;
    std::cout << (json ? ListJson(*document) : ListText(*document)) << std::flush;
    if (!std::cout)
      throw vxh::WriteFailure(std::string("cannot write the listing: ") + std::strerror(errno != 0 ? errno : EIO));
  });
}

int Render(const std::string& drawing, const std::string& out, bool strict) {
  return Guarded([&] {
    RequireOutputType(out, kPictureTypes);
    WritePicture(*vxh::LoadDrawing(drawing, strict), out);
  });
}

}  // namespace vxcli
