#include <gtest/gtest.h>

#include <string>

#include "host/win_api.h"

namespace {

std::string Format(const char* format, auto... args) {
  char out[1100];
  const int n = wsprintfA(out, format, args...);
  EXPECT_EQ(n, static_cast<int>(std::string(out).size()));
  return out;
}

TEST(Wsprintf, IntegersAsWindowsFormatsThem) {
  EXPECT_EQ(Format("%d", 42), "42");
  EXPECT_EQ(Format("%d", -7), "-7");
  EXPECT_EQ(Format("%i|%u", -1, 4294967295u), "-1|4294967295");
  EXPECT_EQ(Format("%5d|%-5d|%05d", 42, 42, -42), "   42|42   |-0042");
  EXPECT_EQ(Format("%x %X %#x", 255, 255, 255), "ff FF 0xff");
  EXPECT_EQ(Format("%.3d", 7), "007");
  EXPECT_EQ(Format("%ld %lu", -5, 5u), "-5 5");  // long is 32 bits there
  EXPECT_EQ(Format("%hd", 70000), "4464");       // 16 bits
  EXPECT_EQ(Format("%d", static_cast<int>(0x80000000u)), "-2147483648");
}

TEST(Wsprintf, TextsAndCharacters) {
  EXPECT_EQ(Format("%s.KVD", "part"), "part.KVD");
  EXPECT_EQ(Format("[%6s][%-6s][%.2s]", "ab", "ab", "abc"), "[    ab][ab    ][ab]");
  EXPECT_EQ(Format("%c%c", 'o', 'k'), "ok");
  EXPECT_EQ(Format("100%%"), "100%");
  EXPECT_EQ(Format("Patterns matching \"%s\":", "=AN"), "Patterns matching \"=AN\":");
}

TEST(Wsprintf, OutputStopsAt1024Characters) {
  const std::string long_text(2000, 'x');
  EXPECT_EQ(Format("%s", long_text.c_str()).size(), 1023u);
}

}  // namespace
