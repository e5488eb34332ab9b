#include "headless/dialogs/string_match.h"

#include <gtest/gtest.h>

#include "host/host_api.h"

namespace vxh::dialogs {
namespace {

struct MatchCase {
  const char* pattern;
  const char* text;
  bool match;
};

TEST(StringMatch, WildcardRules) {
  const MatchCase cases[] = {
      {"ANSI31", "ansi31", true},
      {"ANSI3", "ANSI31", false},
      {"AN*", "ANSI31", true},
      {"*31", "ANSI31", true},
      {"*S*", "ANSI31", true},
      {"A?SI31", "ANSI31", true},
      {"A?SI31", "ASI31", false},
      {"*", "", true},
      {"", "", true},
      {"", "a", false},
      {"=AN", "ANSI31", true},
      {"=AN", "BANANA", false},
      {"=a?s", "ANSI31", true},
      {"=", "anything", true},
      {"=ANSI31", "ANSI31", true},
      {"a*b*c", "aXbYc", true},
      {"a*b*c", "aXbY", false},
      {"**x", "x", true},
      {"=*1", "ANSI31", true},
      {"?", "", false},
  };
  for (const MatchCase& c : cases)
    EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.match) << "\"" << c.pattern << "\" on \"" << c.text << "\"";
}

TEST(StringMatch, HostOperationTakesPatternFirst) {
  EXPECT_EQ(vx::StMatch("=BR", "BRICK"), 1);
  EXPECT_EQ(vx::StMatch("BRICK", "=BR"), 0);
  EXPECT_EQ(vx::StMatch(nullptr, "x"), 0);
  char buffer[8] = "old";
  vx::StCopy(buffer, "new");
  EXPECT_STREQ(buffer, "new");
  EXPECT_EQ(vx::StLen("Room 12"), 7);
}

}  // namespace
}  // namespace vxh::dialogs
