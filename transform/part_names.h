// The file names of part insertion: the first folder offered, and the
// drawing extension added to a bare name.
#pragma once

#include <cstddef>

namespace vx {

// The host path up to and including its last backslash (all of it when it
// has none), then "Work"; cut to fit size bytes with the NUL.
void FirstPartFolder(const char* host_path, char* out, std::size_t size);

// A name that failed to load is tried again with ".KVD" unless its fourth
// character from the end is a point.
bool WantsExtension(const char* name);

// name + ".KVD" into out, cut to fit size bytes with the NUL.
void WithExtension(const char* name, char* out, std::size_t size);

}  // namespace vx
