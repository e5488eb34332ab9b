#include "cli/output.h"

#include <cstdio>

#include "headless/ascii_case.h"
#include "headless/files/output_file.h"
#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "headless/render/render.h"
#include "headless/session/session.h"

namespace vxcli {

bool IsPicture(const std::string& path) {
  for (const std::string& type : kPictureTypes)
    if (vxh::HasExtension(path, type)) return true;
  return false;
}

void RequireOutputType(const std::string& path, const std::vector<std::string>& types) {
  for (const std::string& type : types)
    if (vxh::HasExtension(path, type)) return;
  std::string use;
  for (std::size_t i = 0; i < types.size(); ++i)
    use += (i == 0 ? "" : (i + 1 == types.size() ? " or " : ", ")) + types[i];
  throw vxh::BadInput("unknown output type \"" + path + "\" (use " + use + ")");
}

void WritePicture(vxh::Document& document, const std::string& path) {
  vxh::RenderReport report;
  vxh::WriteThroughTemporary(path,
                             [&](const std::string& temporary) { report = vxh::RenderDrawing(document, temporary); });
  for (const auto& [kind, count] : report.left_out)
    std::fprintf(stderr, "vorlix: %s leaves out %d %s entit%s it cannot draw\n", path.c_str(), count,
                 vxh::KindName(kind).c_str(), count == 1 ? "y" : "ies");
}

void WriteOutput(vxh::Session& session, const std::string& path, bool strict) {
  RequireOutputType(path, kOutputTypes);
  if (IsPicture(path)) {
    WritePicture(session.Doc(), path);
  } else {
    session.Save(path, strict);
  }
}

}  // namespace vxcli
