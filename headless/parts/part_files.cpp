#include "headless/parts/part_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "headless/ascii_case.h"
#include "headless/drawing/document.h"
#include "headless/dxf/dxf_file.h"
#include "headless/files/host_paths.h"
#include "headless/kvd/kvd_file.h"

namespace vxh {

namespace {

namespace fs = std::filesystem;

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

std::optional<std::string> SameNameOtherCase(const fs::path& path) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string wanted = AsciiLowered(path.filename().string());
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (AsciiLowered(it->path().filename().string()) == wanted && IsFile(it->path()))
      return (path.has_parent_path() ? folder / it->path().filename() : it->path().filename()).string();
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindPartFile(const std::string& name) {
  if (name.empty()) return std::nullopt;
  const fs::path path(ResolveHostName(name));
  if (IsFile(path)) return path.string();
  if (!path.has_filename()) return std::nullopt;
  return SameNameOtherCase(path);
}

std::unique_ptr<Document> ReadPartDrawing(const std::string& path) {
  if (HasExtension(path, ".dxf")) return ImportDxf(path);
  return LoadKvd(path);
}

}  // namespace vxh
