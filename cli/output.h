// The files vorlix writes: drawings (.kvd, .dxf) and pictures (.png, .svg,
// .pdf), each through a temporary file beside the target, so a failed write
// leaves the previous file whole.
#pragma once

#include <string>
#include <vector>

namespace vxh {
class Document;
class Session;
}  // namespace vxh

namespace vxcli {

// The extensions each subcommand writes.
inline const std::vector<std::string> kDrawingTypes = {".kvd", ".dxf"};
inline const std::vector<std::string> kPictureTypes = {".png", ".svg", ".pdf"};
inline const std::vector<std::string> kOutputTypes = {".kvd", ".dxf", ".png", ".svg", ".pdf"};
inline const std::vector<std::string> kDialogPictureTypes = {".png", ".svg"};

// A BadInput "unknown output type ..." when `path` ends in none of `types`
// (any case); called before any work, so a wrong name costs nothing.
void RequireOutputType(const std::string& path, const std::vector<std::string>& types);

bool IsPicture(const std::string& path);
void WritePicture(vxh::Document& document, const std::string& path);
// The session's drawing as a drawing file or a picture, by extension.
void WriteOutput(vxh::Session& session, const std::string& path, bool strict = false);

}  // namespace vxcli
