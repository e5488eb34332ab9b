#include <cmath>
#include <filesystem>
#include <fstream>

#include "headless/drawing/document.h"
#include "headless/kvd/kvd_file.h"
#include "headless/session/session_core.h"
#include "tests/support/records.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

namespace fs = std::filesystem;

// A drawing holding one line from the origin, as a part file.
void WriteLinePart(const fs::path& path, double length) {
  Document part;
  part.Work().Append(vxtest::Line(0, 0, length, 0).data());
  SaveKvd(part, path.string());
}

class PartInsert : public TransformTest {
 protected:
  void SetUp() override {
    TransformTest::SetUp();
    dir_ = fs::path(::testing::TempDir()) /
           ("vorlix-parts-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
    WriteLinePart(dir_ / "door.kvd", 2);
    WriteLinePart(dir_ / "ab.kvd", 1);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Name(const std::string& file) const { return "\"" + (dir_ / file).string() + "\""; }

  fs::path dir_;
};

TEST_F(PartInsert, ThreeClicksInsertWithTheScaleAndAngleOfEachClick) {
  Run("VXPARTM;" + Name("door") + ";1,1;2;3,3;<move 3,3>;<hold shift>;<move 3,13>;<release all>;5,5;<esc>");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 3u);
  const double a = 6 * static_cast<double>(0.2617994f);
  ExpectSegment(all[0], {1, 1, 3, 1}, "first click: scale 1");
  ExpectSegment(all[1], {3, 3, 7, 3}, "after a typed 2");
  ExpectSegment(all[2], {5, 5, 5 + 4 * std::cos(a), 5 + 4 * std::sin(a)}, "turned 90 with SHIFT");
  for (vx::Entity e : all) EXPECT_FALSE(Selected(e));
  Run("UNDO");
  EXPECT_EQ(Entities().size(), 2u) << "each insertion is its own step";
}

// The place prompt repeats after each insertion; Enter at the name takes the
// one the prompt offers, the previous one.
TEST_F(PartInsert, PromptsOfferTheNameAndRepeatAfterEachInsertion) {
  Run("VXPARTM;" + Name("door") + ";1,1;<esc>");
  const std::string place = "? Place part at (CTRL = scale, SHIFT = rotate, SHIFT+CTRL = free rotate):";
  const std::vector<std::string> expected = {
      "> VXPARTM", "? Filename []: ", "= " + (dir_ / "door").string(), place, "= 1,1", place, "= <esc>"};
  EXPECT_EQ(TranscriptLines(), expected);
  Run("VXPARTM;;2,2;<esc>");
  EXPECT_EQ(Entities().size(), 2u);
  EXPECT_EQ(TranscriptLines().at(expected.size() + 1), "? Filename [" + (dir_ / "door").string() + "]: ");
}

struct NameCase {
  const char* name;
  const char* typed;
  std::size_t inserted;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class PartNameTried : public PartInsert, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PartNameTried, LoadsOrEndsSilently) {
  Run("VXPARTM;" + Name(GetParam().typed) + (GetParam().inserted ? ";1,1;<esc>" : ""));
  EXPECT_EQ(Entities().size(), GetParam().inserted);
  for (const std::string& line : TranscriptLines()) EXPECT_EQ(line.find("[Error]"), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(Names, PartNameTried,
                         ::testing::Values(NameCase{"BareNameGetsTheExtension", "door", 1},
                                           NameCase{"FullNameIsTakenAsIs", "door.kvd", 1},
                                           NameCase{"TwoLetterNameGetsTheExtension", "ab", 1},
                                           NameCase{"NameWithAPointIsTriedOnlyAsIs", "ab.kv", 0},
                                           NameCase{"MissingFileEndsSilently", "window", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PartInsert, ADamagedFileEndsSilently) {
  std::ofstream(dir_ / "bad.kvd") << "not a drawing";
  Run("VXPARTM;" + Name("bad.kvd"));
  EXPECT_TRUE(Entities().empty());
}

TEST_F(PartInsert, OpenFileDialogStartsInTheWorkFolderThenOffersTheLastPart) {
  Run("VXPART;<esc>;VXPARTM;<esc>");
  const std::string host = SessionCore::Active("test").HostPath();
  std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(lines.at(1), "? Load part...:");
  EXPECT_EQ(lines.at(4), "? Filename [" + host + "Work]: ");
  Run("VXPART;" + Name("door.kvd") + ";4,4;<esc>");
  ExpectSegment(Entities().at(0), {4, 4, 6, 4}, "the chosen part");
  Run("VXPARTM;<esc>");
  EXPECT_EQ(TranscriptLines().at(TranscriptLines().size() - 2), "? Filename [" + (dir_ / "door.kvd").string() + "]: ");
}

TEST_F(PartInsert, ThePartFollowsTheCursorWithoutARubberLine) {
  Run("VXPARTM;" + Name("door") + ";<move 7,8>;<hold ctrl>;<move 7,28>;<esc>");
  ASSERT_EQ(Frames().size(), 2u);
  ExpectSegment(PreviewOf(FrameAt(0)).at(0).data(), {7, 8, 9, 8}, "placed at the cursor");
  const screen::Primitive& rubber = FrameAt(0).primitives.at(1);
  EXPECT_EQ(rubber.points, (std::vector<double>{7, 8, 0, 7, 8, 0}));
  EXPECT_EQ(FeedbackOf(FrameAt(1)), "Scale 2.00");
  ExpectSegment(PreviewOf(FrameAt(1)).at(0).data(), {7, 8, 11, 8}, "scaled about the part's origin");
}

TEST_F(PartInsert, ADxfDrawingIsAPartToo) {
  std::ofstream(dir_ / "bolt.dxf") << "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0.0\n20\n0.0\n30\n0.0\n"
                                      "11\n3.0\n21\n0.0\n31\n0.0\n0\nENDSEC\n0\nEOF\n";
  Run("VXPARTM;" + Name("bolt.dxf") + ";4,4;<esc>");
  ASSERT_EQ(Entities().size(), 1u);
  ExpectSegment(Entities()[0], {4, 4, 7, 4}, "the DXF line placed at 4,4");
}

}  // namespace
}  // namespace vxh::testing
