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
// is some: every input rewrites it. The folder goes when the process ends
// normally (libFuzzer leaves through exit at the end of a timed run); a
// crashing input leaves it behind with the evidence.
class ScratchFolder {
 public:
  ScratchFolder() {
    dir_ = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    dir_ /= "vorlix-fuzz-" + std::to_string(::getpid());
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const char* name) const { return (dir_ / name).string(); }

 private:
  std::filesystem::path dir_;
};

inline const std::string& ScratchRegistry() {
  static const ScratchFolder folder;
  static const std::string path = folder.File("registry.sqlite3");
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
