#include <cstring>

#include "frame/command_table.h"
#include "host/host_api.h"

namespace vx {

namespace {

constexpr std::size_t kAboutBytes = 4096;
constexpr int kNamesPerLine = 5;

void Append(char* out, std::size_t size, std::size_t& used, const char* text) {
  const std::size_t n = std::strlen(text);
  if (used + n + 1 > size) return;  // the buffer keeps its NUL
  std::memcpy(out + used, text, n);
  used += n;
  out[used] = '\0';
}

}  // namespace

std::size_t FormatAboutText(const char* name_block, char* out, std::size_t size) {
  std::memset(out, 0, size);
  std::size_t used = 0;
  Append(out, size, used, "User commands:\n");
  int counter = 0;
  for (const char* name = name_block; *name != '\0'; name += std::strlen(name) + 1) {
    Append(out, size, used, counter == 0 ? "\n" : ", ");
    Append(out, size, used, name);
    counter = (counter + 1) % kNamesPerLine;
  }
  return used;
}

void AboutHandler() {
  char text[kAboutBytes];
  FormatAboutText(CommandNameBlock(), text, sizeof text);
  FormSt(text, -1, "About Vorlix", kBoxMessage);
}

}  // namespace vx
