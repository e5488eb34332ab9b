// Writing a drawing as a file: .kvd natively, .png, .svg and .pdf as pictures.
#pragma once

#include <string>

namespace vxh {
class Document;
class Session;
}  // namespace vxh

namespace vxcli {

bool IsPicture(const std::string& path);
void WriteOutput(vxh::Session& session, const std::string& path, bool strict = false);

}  // namespace vxcli
