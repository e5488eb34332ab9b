#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "headless/win/key_names.h"

namespace vxh::win {
namespace {

struct StrokeCase {
  const char* name;
  int virtual_key;
  bool shift;
  char character;  // what ToAscii gives back
};

TEST(KeyNames, ScriptNamesTypeTheirCharacter) {
  const StrokeCase cases[] = {{"h", 'H', false, 'h'},
                              {"H", 'H', true, 'H'},
                              {"!", '1', true, '!'},
                              {"7", '7', false, '7'},
                              {"+", 0xBB, true, '+'},
                              {"TAB", VK_TAB, false, '\t'},
                              {"left", VK_LEFT, false, 0},
                              {"Delete", VK_DELETE, false, 0},
                              {"ADD", VK_ADD, false, '+'},
                              {"SUBTRACT", VK_SUBTRACT, false, '-'},
                              {"ENTER", VK_RETURN, false, '\r'}};
  for (const StrokeCase& c : cases) {
    const std::optional<KeyStroke> stroke = KeyStrokeFor(c.name);
    ASSERT_TRUE(stroke.has_value()) << c.name;
    EXPECT_EQ(stroke->virtual_key, c.virtual_key) << c.name;
    EXPECT_EQ(stroke->shift, c.shift) << c.name;
    EXPECT_EQ(CharacterOf(stroke->virtual_key, stroke->shift, false), c.character) << c.name;
  }
  EXPECT_FALSE(KeyStrokeFor("F13").has_value());
  EXPECT_FALSE(KeyStrokeFor("").has_value());
}

TEST(KeyNames, ToAsciiReadsShiftFromTheKeyboardState) {
  BYTE state[256] = {};
  WORD out = 0;
  EXPECT_EQ(ToAscii('1', 2, state, &out, 0), 1);
  EXPECT_EQ(out, '1');
  state[VK_SHIFT] = 0x80;
  EXPECT_EQ(ToAscii('1', 2, state, &out, 0), 1);
  EXPECT_EQ(out, '!');
  EXPECT_EQ(ToAscii(VK_LEFT, 0x4B, state, &out, 0), 0);
}

TEST(KeyNames, KeyDataCarriesScanCodeAndUpBits) {
  const auto down = static_cast<std::uint32_t>(KeyData('H', false));
  const auto up = static_cast<std::uint32_t>(KeyData('H', true));
  EXPECT_EQ((down >> 16) & 0xFF, 0x23u);
  EXPECT_EQ(down & 0xFFFF, 1u);
  EXPECT_EQ(down >> 30, 0u);
  EXPECT_EQ(up >> 30, 3u);
  EXPECT_NE(static_cast<std::uint32_t>(KeyData(VK_UP, false)) & (1u << 24), 0u);  // extended key
}

}  // namespace
}  // namespace vxh::win
