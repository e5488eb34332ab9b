// Case folding touches ASCII letters only: code page 1252 bytes such as 0xE9
// (e acute) and 0xC9 (E acute) are different names to the host.
#include "headless/ascii_case.h"

#include <gtest/gtest.h>

#include <string>

namespace vxh {
namespace {

TEST(AsciiCase, FoldsOnlyAsciiLetters) {
  struct Case {
    std::string text, upper, lower;
  };
  const Case cases[] = {
      {"Layer 1", "LAYER 1", "layer 1"},
      {"\xE9t\xE9", "\xE9T\xE9", "\xE9t\xE9"},
      {"@[`{", "@[`{", "@[`{"},  // the neighbours of A-Z and a-z
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AsciiUppered(c.text), c.upper) << c.text;
    EXPECT_EQ(AsciiLowered(c.text), c.lower) << c.text;
  }
}

TEST(AsciiCase, ComparesNamesAndExtensions) {
  EXPECT_TRUE(SameIgnoringCase("Simplex", "SIMPLEX"));
  EXPECT_FALSE(SameIgnoringCase("\xE9", "\xC9"));
  EXPECT_FALSE(SameIgnoringCase("Simplex", "Simplex2"));
  struct Case {
    const char* path;
    const char* extension;
    bool has;
  };
  const Case cases[] = {
      {"plan.DXF", ".dxf", true},      {"plan.dxf", ".dxf", true}, {"dxf", ".dxf", false},
      {"plan.dxf.kvd", ".dxf", false}, {"a.Svg", ".svg", true},    {"", ".png", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasExtension(c.path, c.extension), c.has) << c.path;
}

}  // namespace
}  // namespace vxh
