#include "cli/convert.h"

#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/drawing/document.h"
#include "headless/dxf/drawing_file.h"

namespace vxcli {

int Convert(const std::string& in, const std::string& out, bool strict) {
  return Guarded([&] {
    RequireOutputType(out, kDrawingTypes);
    vxh::SaveDrawing(*vxh::LoadDrawing(in, strict), out, strict);
  });
}

}  // namespace vxcli
