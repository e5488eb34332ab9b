// The resource scripts, embedded at build time: the pack's (resources/*.rc)
// and the host's own (headless/resources/*.rc).
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

}  // namespace vxh::dialogs
