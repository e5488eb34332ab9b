// Outputs (drawings and pictures) are written to a temporary file beside the
// target and renamed over it once whole and on disk: a write that fails or is
// interrupted leaves the previous file as it was and no temporary behind.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace vxh {

// Calls `write` with the name of a new, empty file in the target's folder
// that ends in the target's extension (writers that choose a format by
// extension keep working), then syncs it and renames it to `path`. Anything
// `write` throws, and every system error, becomes a WriteFailure naming
// `path` and the reason.
void WriteThroughTemporary(const std::string& path, const std::function<void(const std::string& temporary)>& write);
void WriteBytesThroughTemporary(const std::string& path, const void* data, std::size_t size);

// The WriteFailure a write to `path` would end in because its folder is
// missing or `path` is a folder, found before any work is done.
void RequireWritableTarget(const std::string& path);

// Called with the temporary's name just before the rename; what it throws is
// handled as a failed write. Tests use it to make a write fail at its last
// step; an empty function removes it.
void SetBeforeRenameHookForTests(std::function<void(const std::string& temporary)> hook);

}  // namespace vxh
