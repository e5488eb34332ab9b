// libFuzzer target: the DXF import on arbitrary bytes must either build a
// drawing or fail with BadInput, never crash, overread or run away.
#include <cstddef>
#include <cstdint>
#include <string>

#include "headless/drawing/document.h"
#include "headless/dxf/dxf_file.h"
#include "headless/host_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vxh::ReadDxfText(std::string(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
  } catch (const vxh::BadInput&) {
  }
  return 0;
}
