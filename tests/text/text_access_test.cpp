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

TEST_F(TextAccess, AnAttributeStringOfTheSameLengthMovesNothing) {
  const Record before = AttributeRecord(140, 120, "four", 110, 130);
  vx::Entity e = Add(Work(), before);
  e = vx::SetTextString(Work(), e, "FOUR", true, nullptr);
  Record expected = before;
  std::memcpy(expected.data() + 120, "FOUR", 4);
  EXPECT_EQ(Record(e, e + SizeOf(e)), expected);
}

TEST_F(TextAccess, AShorterAttributeStringShrinksTheRecordByTheDifference) {
  const Record before = AttributeRecord(140, 120, "longer", 110, 130);
  vx::Entity e = Add(Work(), before);
  e = vx::SetTextString(Work(), e, "ab", true, nullptr);
  ASSERT_EQ(SizeOf(e), 136u);
  EXPECT_EQ(StringOf(e), "ab");
  EXPECT_EQ(vx::GetU32(e, vx::kAttrPart1), 110u);  // before the string: untouched
  EXPECT_EQ(vx::GetU32(e, vx::kAttrPart2), 126u);
  EXPECT_EQ(0, std::memcmp(e + 123, before.data() + 127, 140 - 127));
  EXPECT_EQ(0,
            std::memcmp(e + vx::kAttrStringOffset, before.data() + vx::kAttrStringOffset, 120 - vx::kAttrStringOffset));
}

TEST_F(TextAccess, ALongerAttributeStringGrowsTheRecordAndMovesTheLaterPart) {
  const Record before = AttributeRecord(140, 120, "ab", 0, 130);
  vx::Entity e = Add(Work(), before);
  e = vx::SetTextString(Work(), e, "abcdefg", true, nullptr);
  ASSERT_EQ(SizeOf(e), 145u);
  EXPECT_EQ(StringOf(e), "abcdefg");
  EXPECT_EQ(vx::GetU32(e, vx::kAttrPart1), 0u);
  EXPECT_EQ(vx::GetU32(e, vx::kAttrPart2), 135u);
  EXPECT_EQ(0, std::memcmp(e + 128, before.data() + 123, 140 - 123));
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
  vx::Entity symbol = nullptr;
  Work()->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t a, std::intptr_t) {
        *reinterpret_cast<vx::Entity*>(a) = e;
        return 1;
      },
      vx::kWalkAll, reinterpret_cast<std::intptr_t>(&symbol), 0);
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

TEST_F(TextAccess, TheTextFormatBlockNamesTheStyleFieldsOfAText) {
  Record r = vxtest::Text(0, 0, 2.5f, 0.8f, 0.25f, "x", 4);
  vx::PutU16(r.data(), vx::kTextSpec + vx::kSpecStyleRef, 7);
  vx::TextFormatBlock block = vx::TextFormatBlock::Of(r.data());
  EXPECT_EQ(block.Height(), 2.5f);
  EXPECT_EQ(block.WidthFactor(), 0.8f);
  EXPECT_EQ(block.Angle(), 0.25f);
  EXPECT_EQ(block.Justification(), 4);
  EXPECT_EQ(block.StyleReference(), 7);
  block.DetachStyle();
  block.SetStyleBits(vx::kStyleBold | vx::kStyleItalic);
  EXPECT_EQ(vx::GetU16(r.data(), vx::kTextSpec + vx::kSpecStyleRef), 0);
  EXPECT_EQ(vx::GetU8(r.data(), vx::kTextSpec + vx::kSpecStyleBits), 0x30);
  EXPECT_EQ(StringOf(r.data()), "x") << "the block ends where the string begins";
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
