// vorlix convert IN OUT: a drawing from one file type into another (.kvd and
// .dxf, by extension).
#pragma once

#include <string>

namespace vxcli {

int Convert(const std::string& in, const std::string& out, bool strict = false);

}  // namespace vxcli
