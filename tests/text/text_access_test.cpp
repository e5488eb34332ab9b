// The string replacement of the three text-bearing kinds, through the working
// list of a session so that resizing and undo are the host's own.
#include <cstring>

#include "headless/kvd/kvd_file.h"
#include "tests/text/text_fixture.h"
#include "text/text_access.h"

namespace vxh::testing {
namespace {

using TextAccess = TextTest;

std::string StringOf(vx::Entity e) { return vx::GetTextString(e); }

TEST_F(TextAccess, LinesAndCirclesCarryNoText) {
  const vx::Entity line = Add(Work(), vxtest::Line(0, 0, 1, 1));
  const vx::Entity circle = Add(Work(), vxtest::Circle(0, 0, 1));
  for (vx::Entity e : {line, circle}) {
    EXPECT_EQ(vx::GetTextString(e), nullptr);
    EXPECT_EQ(vx::GetTextOrigin(e), nullptr);
    EXPECT_EQ(vx::SetTextString(Work(), e, "x", true, nullptr), e);
  }
}

TEST_F(TextAccess, TextsResizeToTheNewStringAndClearTheirCacheFlag) {
  vx::Entity text = AddText(3, 4, "Pos 7");
  text = vx::SetTextString(Work(), text, "Position 12", true, nullptr);
  EXPECT_EQ(SizeOf(text), vx::TextSize(11));
  EXPECT_EQ(StringOf(text), "Position 12");
  EXPECT_EQ(vx::GetU8(text, vx::kTextCacheFlag), 0);
  EXPECT_EQ(vx::ReadTextOrigin(vx::GetTextOrigin(text)).x, 3);
  text = vx::SetTextString(Work(), text, "", true, nullptr);
  EXPECT_EQ(SizeOf(text), vx::TextSize(0));
}

TEST_F(TextAccess, TextLikeEntitiesKeepTheirOwnLayout) {
  Record r = vxtest::Blank(vx::kKindTextLike, vx::TextLikeSize(3));
  std::memcpy(r.data() + vx::kTextLikeString, "abc", 3);
  vx::PutU8(r.data(), vx::kTextLikeCacheFlag, 1);
  vx::PutF64(r.data(), vx::kTextLikeX, 9);
  vx::Entity e = Add(Work(), r);
  EXPECT_EQ(vx::ReadTextOrigin(vx::GetTextOrigin(e)).x, 9);
  e = vx::SetTextString(Work(), e, "abcdef", true, nullptr);
  EXPECT_EQ(SizeOf(e), vx::TextLikeSize(6));
  EXPECT_EQ(StringOf(e), "abcdef");
  EXPECT_EQ(vx::GetU8(e, vx::kTextLikeCacheFlag), 0);
}

TEST_F(TextAccess, AnAttributeWithoutAStringGetsOneAtItsFirstStringPlace) {
  // Part offsets 100 (before 118, stays) and 118 (at it, moves by one).
  const Record before = AttributeRecord(130, 0, "", 100, 118);
  vx::Entity e = Add(Work(), before);
  EXPECT_EQ(vx::GetTextString(e), nullptr);
  e = vx::SetTextString(Work(), e, "AB", true, nullptr);
  ASSERT_EQ(SizeOf(e), 130u + 1 + 2);
  EXPECT_EQ(vx::GetU32(e, vx::kAttrStringOffset), vx::kAttrFirstString);
  EXPECT_EQ(StringOf(e), "AB");
  EXPECT_EQ(vx::GetU32(e, vx::kAttrPart1), 100u);
  EXPECT_EQ(vx::GetU32(e, vx::kAttrPart2), 118u + 3);
  // What lay from 118 on now follows the new string and its NUL.
  EXPECT_EQ(0, std::memcmp(e + 121, before.data() + 118, 130 - 118));
  EXPECT_EQ(0, std::memcmp(e + vx::kAttrX, before.data() + vx::kAttrX, 118 - vx::kAttrX));
}

// A new string moves what follows it, and a part offset past it, by the
// change in length; what lies before it stays.
TEST_F(TextAccess, AnAttributeStringMovesWhatFollowsItByTheChangeInLength) {
  const struct {
    const char* old_text;
    const char* new_text;
    std::uint32_t first_part;  // before the string: stays
  } cases[] = {{"four", "FOUR", 110}, {"longer", "ab", 110}, {"ab", "abcdefg", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.new_text);
    const Record before = AttributeRecord(140, 120, c.old_text, c.first_part, 130);
    const vx::Entity e = vx::SetTextString(Work(), Add(Work(), before), c.new_text, true, nullptr);
    const int delta = static_cast<int>(std::strlen(c.new_text)) - static_cast<int>(std::strlen(c.old_text));
    const std::size_t old_end = 120 + std::strlen(c.old_text) + 1;
    ASSERT_EQ(SizeOf(e), 140u + delta);
    EXPECT_EQ(StringOf(e), c.new_text);
    EXPECT_EQ(vx::GetU32(e, vx::kAttrPart1), c.first_part);
    EXPECT_EQ(vx::GetU32(e, vx::kAttrPart2), 130u + delta);
    EXPECT_EQ(
        0, std::memcmp(e + vx::kAttrStringOffset, before.data() + vx::kAttrStringOffset, 120 - vx::kAttrStringOffset));
    EXPECT_EQ(0, std::memcmp(e + old_end + delta, before.data() + old_end, 140 - old_end));
  }
}

// Records whose offsets point outside them are texts that do not apply: never
// read or written out of bounds.
TEST_F(TextAccess, AttributesWithOffsetsOutsideTheRecordAreLeftAlone) {
  struct Bad {
    const char* what;
    Record record;
  };
  Record no_nul = AttributeRecord(130, 120, "abc", 0, 0);
  std::memset(no_nul.data() + 120, 'x', 10);
  const Bad bad[] = {
      {"string offset past the end", AttributeRecord(130, 0, "", 0, 0)},
      {"string without NUL", no_nul},
      {"first part past the end", AttributeRecord(130, 120, "abc", 131, 0)},
      {"second part past the end", AttributeRecord(130, 120, "abc", 0, 4000)},
      {"part inside the string", AttributeRecord(130, 120, "abc", 121, 0)},
      {"too short for a first string", AttributeRecord(100, 0, "", 0, 0)},
  };
  for (const Bad& b : bad) {
    Record r = b.record;
    if (std::string(b.what) == "string offset past the end") vx::PutU32(r.data(), vx::kAttrStringOffset, 5000);
    const vx::Entity e = Add(Work(), r);
    EXPECT_EQ(vx::GetTextString(e), nullptr) << b.what;
    EXPECT_EQ(vx::SetTextString(Work(), e, "new text", true, nullptr), e) << b.what;
    EXPECT_EQ(Record(e, e + SizeOf(e)), r) << b.what;
  }
}

TEST_F(TextAccess, AnAttributeInsideASymbolIsDrawnWhereTheSymbolPutsItAndKeepsItsOwnPoint) {
  vx::DList* members = AddSymbol(Work(), Placement(std::acos(-1.0) / 2, 100, 0));
  const Record before = AttributeRecord(130, 120, "abc", 0, 0, 5, 0);
  const vx::Entity symbol = Entities().at(0);
  vx::Entity e = Add(members, before);
  double point[2] = {5, 0};
  vx::TransformToDrawing(point, symbol, e);
  EXPECT_NEAR(point[0], 100, 1e-9);
  EXPECT_NEAR(point[1], 5, 1e-9);
  e = vx::SetTextString(members, e, "abcd", true, symbol);
  EXPECT_EQ(StringOf(e), "abcd");
  EXPECT_EQ(vx::GetF64(e, vx::kAttrX), 5) << "the transform for drawing is undone";
  EXPECT_EQ(vx::GetF64(e, vx::kAttrY), 0);
  // With the no-transform bit the symbol's transform is not applied.
  vx::PutU16(e, vx::kAttrFlags, vx::kAttrNoTransform);
  double own[2] = {5, 0};
  vx::TransformToDrawing(own, symbol, e);
  EXPECT_EQ(own[0], 5);
}

TEST_F(TextAccess, AStringChangeIsOneUndoStepThatRestoresTheRecord) {
  Run("TEXT;1,1;\"Pos 7\"");
  const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);
  Work()->UndoMark();
  vx::SetTextString(Work(), Entities().at(0), "Position 8", true, nullptr);
  Run("UNDO");
  EXPECT_EQ(EncodeKvd(session.Doc(), true), before);
}

}  // namespace
}  // namespace vxh::testing
