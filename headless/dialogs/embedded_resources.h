// The resource scripts (resources/*.rc), embedded at build time.
#pragma once

#include <string_view>
#include <vector>

namespace vxh::dialogs {

struct EmbeddedResource {
  std::string_view file;  // "hatch.rc"
  std::string_view text;
};

const std::vector<EmbeddedResource>& EmbeddedResources();

}  // namespace vxh::dialogs
