// A headless session over a scratch registry for the fuzz targets that reach
// the pack through values stored in the registry: store the fuzzed bytes,
// run a script, and check that the drawing the commands left is one the
// .kvd reader takes back unchanged.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/host_error.h"
#include "headless/kvd/kvd_file.h"
#include "headless/registry/registry_store.h"
#include "headless/session/session.h"

namespace vxfuzz {

// One registry file per fuzzing process, in memory-backed storage when there
// is some: every input rewrites it.
inline const std::string& ScratchRegistry() {
  static const std::string path = [] {
    std::filesystem::path dir =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    dir /= "vorlix-fuzz-" + std::to_string(::getpid());
    std::filesystem::create_directories(dir);
    return (dir / "registry.sqlite3").string();
  }();
  return path;
}

inline void StoreBinary(const std::string& key, const std::string& name, const std::uint8_t* data, std::size_t size) {
  vxh::registry::Store(ScratchRegistry()).Set(key, name, 3, std::vector<std::uint8_t>(data, data + size));
}

inline void CheckDrawingRoundTrip(const vxh::Document& doc) {
  const std::vector<std::uint8_t> bytes = vxh::EncodeKvd(doc, true);
  const auto again = vxh::DecodeKvd(bytes.data(), bytes.size(), "fuzz.kvd");
  if (vxh::EncodeKvd(*again, true) != bytes) std::abort();
}

// Runs the script in a fresh session. A script error (BadInput) is the
// user's; a broken command protocol (HostFault) escapes and stops the fuzzer.
inline void RunScript(const std::string& script) {
  std::ostringstream transcript;
  vxh::Session session(transcript, {ScratchRegistry(), "", "", ""});
  try {
    session.RunText(script, "fuzz.vxs");
  } catch (const vxh::BadInput&) {
  }
  CheckDrawingRoundTrip(session.Doc());
}

}  // namespace vxfuzz
