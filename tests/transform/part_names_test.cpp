#include "transform/part_names.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

TEST(PartNames, FirstFolderIsWorkBesideTheHostPathsLastBackslash) {
  char out[264];
  FirstPartFolder("C:\\Korvex\\KVW7.EXE", out, sizeof out);
  EXPECT_STREQ(out, "C:\\Korvex\\Work");
  FirstPartFolder("/home/u/.local/share/vorlix/", out, sizeof out);
  EXPECT_STREQ(out, "/home/u/.local/share/vorlix/Work");
  char small[8];
  FirstPartFolder("C:\\Korvex\\Long\\", small, sizeof small);
  EXPECT_EQ(std::string(small).size(), 7u) << "cut to the buffer";
}

struct ExtensionCase {
  const char* name;
  bool wants;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.name; }

class PartExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(PartExtension, TriedOnlyWithoutAPointFourthFromTheEnd) {
  EXPECT_EQ(WantsExtension(GetParam().name), GetParam().wants);
}

INSTANTIATE_TEST_SUITE_P(Names, PartExtension,
                         ::testing::Values(ExtensionCase{"door", true}, ExtensionCase{"door.kvd", false},
                                           ExtensionCase{"ab", true}, ExtensionCase{"", true},
                                           ExtensionCase{"a.b", true}, ExtensionCase{".dxf", false}),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (char& c : n)
                             if (c == '.') c = '_';
                           return n.empty() ? std::string("empty") : n;
                         });

TEST(PartNames, ExtensionIsAppendedInCapitals) {
  char out[264];
  WithExtension("door", out, sizeof out);
  EXPECT_STREQ(out, "door.KVD");
  std::string long_name(263, 'x');
  WithExtension(long_name.c_str(), out, sizeof out);
  EXPECT_EQ(std::string(out), long_name);
}

}  // namespace
}  // namespace vx
