// Reading and writing files whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vxh {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// Writes beside the target and renames, so a reader never sees half a file;
// creates the missing folders. Throws HostFault naming the path on failure.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace vxh
