// Reading and writing files whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vxh {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// A BadInput "cannot read WHAT "PATH": REASON" when `path` is missing, a
// folder or cannot be opened for reading.
void RequireReadableFile(const std::string& path, const std::string& what);
// The whole file, read in large blocks; the same BadInput when it cannot be
// read.
std::vector<std::uint8_t> ReadInputFile(const std::string& path, const std::string& what);

// Writes beside the target and renames, so a reader never sees half a file;
// creates the missing folders. Throws HostFault naming the path on failure.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace vxh
