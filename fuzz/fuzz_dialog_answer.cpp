// Random text as the body of a scripted dialog answer, read both as the
// answer to a pack dialog and as the answer to the host's text-specification
// dialog: a list of items or a BadInput, never a crash; an accepted text
// specification writes only inside its 23 bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "headless/dialogs/dialog_answer.h"
#include "headless/dialogs/text_spec_answer.h"
#include "headless/host_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string body(reinterpret_cast<const char*>(data), size);
  try {
    vxh::dialogs::ParseDialogAnswer(body);
  } catch (const vxh::BadInput&) {
  }
  try {
    const vxh::TextSpecAnswer answer = vxh::ParseTextSpecAnswer(body, "fuzz");
    std::array<std::uint8_t, 23> spec{};
    vxh::ApplyTextSpecAnswer(answer, spec.data());
  } catch (const vxh::BadInput&) {
  }
  return 0;
}
