// Random bytes as a .kvd file: reading must either give a drawing that
// encodes back to a file that reads again, or a BadInput.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "headless/drawing/document.h"
#include "headless/host_error.h"
#include "headless/kvd/kvd_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<vxh::Document> doc;
  try {
    doc = vxh::DecodeKvd(data, size, "fuzz.kvd");
  } catch (const vxh::BadInput&) {
    return 0;
  }
  // Whatever was accepted must survive its own round trip unchanged.
  const std::vector<std::uint8_t> again = vxh::EncodeKvd(*doc, true);
  auto reread = vxh::DecodeKvd(again.data(), again.size(), "fuzz.kvd");
  if (vxh::EncodeKvd(*reread, true) != again) std::abort();
  return 0;
}
