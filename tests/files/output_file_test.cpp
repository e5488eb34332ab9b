// Outputs are replaced whole or not at all: when a write fails at its last
// step the previous file is untouched and no temporary is left beside it.
#include "headless/files/output_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "headless/drawing/document.h"
#include "headless/dxf/drawing_file.h"
#include "headless/host_error.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/records.h"

namespace vxh {
namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::unique_ptr<Document> DrawingOfLines(int count) {
  auto doc = std::make_unique<Document>();
  for (int i = 0; i < count; ++i) doc->WorkDL()->AddRecord(vxtest::Line(0, i, 10, i).data());
  return doc;
}

// Makes the next writes fail just before their rename, as a full disk or a
// yanked drive would.
class FailingRename {
 public:
  FailingRename() {
    SetBeforeRenameHookForTests([this](const std::string& temporary) {
      seen_ = temporary;
      throw std::system_error(ENOSPC, std::generic_category());
    });
  }
  ~FailingRename() { SetBeforeRenameHookForTests({}); }
  FailingRename(const FailingRename&) = delete;
  FailingRename& operator=(const FailingRename&) = delete;
  const std::string& Temporary() const { return seen_; }

 private:
  std::string seen_;
};

TEST(OutputFile, AFailedWriteLeavesThePreviousDrawingWholeAndNoTemporary) {
  for (const char* name : {"drawing.kvd", "drawing.dxf", "DRAWING.DXF"}) {
    const std::string dir = vxtest::ScratchDir("output-failed");
    const std::string path = dir + "/" + name;
    SaveDrawing(*DrawingOfLines(2), path);
    const std::string before = Contents(path);
    ASSERT_FALSE(before.empty());
    std::string message, temporary;
    {
      FailingRename failing;
      try {
        SaveDrawing(*DrawingOfLines(50), path);
      } catch (const WriteFailure& e) {
        message = e.what();
      }
      temporary = failing.Temporary();
    }
    EXPECT_EQ(message, "cannot write \"" + path + "\": No space left on device") << name;
    EXPECT_EQ(Contents(path), before) << name;
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{name}) << name;
    EXPECT_EQ(std::filesystem::path(temporary).parent_path(), std::filesystem::path(dir)) << "written beside";
    EXPECT_EQ(std::filesystem::path(temporary).extension(), std::filesystem::path(path).extension())
        << "writers that choose their format by extension still can";
  }
}

TEST(OutputFile, ASuccessfulWriteReplacesTheFileAndKeepsItsMode) {
  const std::string dir = vxtest::ScratchDir("output-replaced");
  const std::string path = dir + "/out.bin";
  WriteBytesThroughTemporary(path, "old", 3);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  WriteBytesThroughTemporary(path, "new bytes", 9);
  EXPECT_EQ(Contents(path), "new bytes");
  struct stat status;
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"out.bin"});
}

TEST(OutputFile, AWritersOwnErrorNamesTheTargetNotTheTemporary) {
  const std::string dir = vxtest::ScratchDir("output-writer-error");
  const std::string path = dir + "/picture.png";
  std::string message;
  try {
    WriteThroughTemporary(
        path, [](const std::string& temporary) { throw BadInput("cairo cannot write \"" + temporary + "\""); });
  } catch (const WriteFailure& e) {
    message = e.what();
  }
  EXPECT_EQ(message, "cannot write \"" + path + "\": cairo cannot write \"" + path + "\"");
  EXPECT_TRUE(FilesIn(dir).empty());
}

TEST(OutputFile, AFolderThatRefusesWritesIsNamedWithTheSystemsReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string dir = vxtest::ScratchDir("output-read-only");
  const std::string path = dir + "/out.kvd";
  WriteBytesThroughTemporary(path, "old", 3);
  ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
  std::string message;
  try {
    WriteBytesThroughTemporary(path, "new", 3);
  } catch (const WriteFailure& e) {
    message = e.what();
  }
  ::chmod(dir.c_str(), 0755);
  EXPECT_EQ(message, "cannot write \"" + path + "\": Permission denied");
  EXPECT_EQ(Contents(path), "old");
}

}  // namespace
}  // namespace vxh
