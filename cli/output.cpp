#include "cli/output.h"

#include "headless/host_error.h"
#include "headless/render/render.h"
#include "headless/session/session.h"

namespace vxcli {

namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
  if (text.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = text[text.size() - suffix.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != suffix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsPicture(const std::string& path) {
  return EndsWith(path, ".png") || EndsWith(path, ".svg") || EndsWith(path, ".pdf");
}

void WriteOutput(vxh::Session& session, const std::string& path, bool strict) {
  if (IsPicture(path)) {
    vxh::RenderDocument(session.Doc(), path);
  } else if (EndsWith(path, ".kvd") || EndsWith(path, ".dxf")) {
    session.Save(path, strict);
  } else {
    throw vxh::BadInput("unknown output type: " + path + " (use .kvd, .dxf, .png, .svg or .pdf)");
  }
}

}  // namespace vxcli
