// VXLOGFILEINIT and VXLOGFILEWRITE: the log lands where the host's
// FullFileName puts it, one line per write.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/fonts/font_test_support.h"
#include "tests/script/script_fixture.h"

namespace vxh::testing {
namespace {

namespace fs = std::filesystem;

class ScriptLog : public fonttest::OwnHostFolder, public ScriptTest {
 protected:
  fs::path Home() const { return home.Path(); }

  static std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(ScriptLog, InitNeitherCreatesNorEmptiesTheLog) {
  Run("VXLOGFILEWRITE;kept");
  Run("VXLOGFILEINIT;\"#VXLogFile.txt\";VXLOGFILEINIT;\"#fresh.txt\"");
  EXPECT_EQ(Contents(Home() / "VXLogFile.txt"), "kept\n");
  EXPECT_FALSE(fs::exists(Home() / "fresh.txt"));
}

TEST_F(ScriptLog, CancelledOrEmptyAnswersWriteNothing) {
  Run("VXLOGFILEWRITE;<esc>;VXLOGFILEWRITE;;VXLOGFILEINIT;<esc>");
  EXPECT_FALSE(fs::exists(Home() / "VXLogFile.txt"));
  Run("VXLOGFILEWRITE;\"\"");  // an empty text is a given answer: an empty line
  EXPECT_EQ(Contents(Home() / "VXLogFile.txt"), "\n");
}

TEST_F(ScriptLog, ALogThatCannotBeOpenedIsSkippedQuietly) {
  Run("VXLOGFILEINIT;\"" + (Home() / "no such folder" / "log.txt").string() + "\";VXLOGFILEWRITE;lost");
  Run("VXLOGFILEINIT;\"#\";VXLOGFILEWRITE;lost");  // the host folder itself
  EXPECT_EQ(transcript.str().find("[Error]"), std::string::npos);
  EXPECT_FALSE(fs::exists(Home() / "no such folder"));
}

}  // namespace
}  // namespace vxh::testing
