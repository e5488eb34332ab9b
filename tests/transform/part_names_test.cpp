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

// The extension is tried only without a point fourth from the end.
TEST(PartNames, ExtensionIsTriedOnlyWithoutAPointFourthFromTheEnd) {
  const std::pair<const char*, bool> cases[] = {{"door", true}, {"door.kvd", false}, {"ab", true},
                                                {"", true},     {"a.b", true},       {".dxf", false}};
  for (const auto& [name, wants] : cases) EXPECT_EQ(WantsExtension(name), wants) << '"' << name << '"';
}

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
