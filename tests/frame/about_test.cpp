#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/command_table.h"

namespace vx {
namespace {

TEST(CommandTable, HandlerSlotIStartsTheIthNameAndTheArrayEndsWithZero) {
  const Handler* handlers = HandlerArray();
  EXPECT_EQ(handlers[0], &AboutHandler);
  for (std::size_t i = 1; i <= kCommandCount; ++i) {
    EXPECT_EQ(handlers[i], kCommands[i - 1].handler) << kCommands[i - 1].name;
    EXPECT_NE(handlers[i], &AboutHandler) << "slot 0 must not be reachable by a name";
  }
  EXPECT_EQ(handlers[kCommandCount + 1], nullptr);
}

TEST(CommandTable, HandlersAreDistinct) {
  const Handler* handlers = HandlerArray();
  for (std::size_t i = 1; i <= kCommandCount; ++i)
    for (std::size_t j = i + 1; j <= kCommandCount; ++j)
      EXPECT_NE(handlers[i], handlers[j]) << kCommands[i - 1].name << " " << kCommands[j - 1].name;
}

TEST(About, ElevenLinesOfFiveNamesAfterABlankLine) {
  char text[4096];
  const std::size_t length = FormatAboutText(CommandNameBlock(), text, sizeof text);
  EXPECT_EQ(length, std::strlen(text));
  EXPECT_LT(length, 1024u) << "fits well inside the 4096-byte buffer";
  const std::string about = text;
  ASSERT_EQ(about.rfind("User commands:\n\nVXLAYERS, VXHIDEF, VXSHOWF, VXTHAWF, VXFREEZEF\nVXMTRIM, ", 0), 0u);

  std::vector<std::string> lines;
  std::size_t start = std::string("User commands:\n\n").size();
  while (start <= about.size()) {
    std::size_t end = about.find('\n', start);
    if (end == std::string::npos) end = about.size();
    lines.push_back(about.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 11u);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 4) << lines[i];
  }
  EXPECT_EQ(lines[10], "VXKEYSTAT, VXGTH, VXCMENU");
}

TEST(About, StopsAtTheBufferWithoutOverrunning) {
  char small[40];
  std::memset(small, 'x', sizeof small);
  FormatAboutText(CommandNameBlock(), small, sizeof small);
  EXPECT_EQ(small[sizeof small - 1], '\0');
  EXPECT_EQ(std::string(small).rfind("User commands:\n\nVXLAYERS", 0), 0u);
}

}  // namespace
}  // namespace vx
