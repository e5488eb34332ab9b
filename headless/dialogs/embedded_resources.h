// The resource scripts, embedded at build time: the pack's (resources/*.rc)
// and the host's own (headless/resources/*.rc); and the pack's icons.
#pragma once

#include <string_view>
#include <vector>

namespace vxh::dialogs {

struct EmbeddedResource {
  std::string_view file;  // "hatch.rc"
  std::string_view text;
};

const std::vector<EmbeddedResource>& EmbeddedResources();
const std::vector<EmbeddedResource>& HostEmbeddedResources();

// The icons of resources/icons/, by file name ("method_scan.ico").
struct EmbeddedIcon {
  std::string_view file;
  std::string_view bytes;
};

const std::vector<EmbeddedIcon>& EmbeddedIcons();

}  // namespace vxh::dialogs
