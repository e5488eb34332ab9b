// VXATTREXPL: attributes become texts carrying their origin, text
// specification and string; attributes without a string go; the rest of the
// selection only loses its marks. One undo step.
#include <cstring>

#include "headless/dxf/dxf_records.h"
#include "headless/kvd/kvd_file.h"
#include "tests/script/script_fixture.h"

namespace vxh::testing {
namespace {

using AttributeExplode = ScriptTest;

// An attribute with its string right after the fixed 119 bytes and a text
// specification whose bytes are numbered.
Record Attribute(const std::string& text, double x, double y) {
  const auto at = static_cast<std::uint32_t>(vx::kAttrTransformedBytes);
  Record r = AttributeRecord(at + static_cast<std::uint32_t>(text.size()) + 1 + 7, at, text, 0, 0, x, y);
  for (std::size_t i = vx::kAttrX + 16; i < vx::kAttrTransformedBytes; ++i) r[i] = static_cast<std::uint8_t>(i);
  return r;
}

Record AttributeWithoutString(double x, double y) {
  return AttributeRecord(vx::kAttrTransformedBytes + 4, 0, "", 0, 0, x, y);
}

// A text made from `attribute`: its placement bytes and string, nothing else.
void ExpectTextFrom(vx::Entity text, const Record& attribute, const std::string& string) {
  ASSERT_EQ(KindOf(text), vx::kKindText);
  EXPECT_EQ(SizeOf(text), vx::kTextString + 1 + string.size());
  EXPECT_EQ(std::memcmp(text + vx::kHdrKind + 1, attribute.data() + vx::kHdrKind + 1, vx::kTextX - vx::kHdrKind - 1), 0)
      << "the common header stays";
  EXPECT_EQ(X(text, vx::kTextX), vx::GetF64(attribute.data(), vx::kAttrX));
  EXPECT_EQ(X(text, vx::kTextY), vx::GetF64(attribute.data(), vx::kAttrY));
  EXPECT_EQ(std::memcmp(text + vx::kTextSpec, attribute.data() + vx::kAttrX + (vx::kTextSpec - vx::kTextX),
                        vx::kTextSpecBytes),
            0);
  EXPECT_EQ(reinterpret_cast<const char*>(text + vx::kTextString), string);
}

TEST_F(AttributeExplode, AttributesBecomeTextsAndThoseWithoutAStringGo) {
  const Record with = Attribute("Room 12", 3, 4);
  const Record long_one = Attribute(std::string(300, 'x'), 9, 9);
  Add(Work(), with);
  Add(Work(), AttributeWithoutString(1, 1));
  Add(Work(), long_one);
  Run("VXATTREXPL;all");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 2u);
  ExpectTextFrom(all[0], with, "Room 12");
  ExpectTextFrom(all[1], long_one, std::string(300, 'x'));
}

TEST_F(AttributeExplode, AttributesInsideASelectedGroupChangeAndTheGroupStays) {
  Add(Work(), Attribute("outside", 50, 50));
  vx::DList* group = AddGroup(Work());
  const Record a = Attribute("A", 0, 0), b = Attribute("Bee", 5, 0);
  Add(group, a);
  Add(group, b);
  Run("VXATTREXPL;last");
  EXPECT_TRUE(Transcribed("= last (1 selected)"));
  const std::vector<vx::Entity> top = Entities();
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(KindOf(top[0]), vx::kKindAttribute) << "not selected, not changed";
  EXPECT_EQ(KindOf(top[1]), vx::kKindGroup);
  std::vector<vx::Entity> members;
  group->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t out, std::intptr_t) {
        reinterpret_cast<std::vector<vx::Entity>*>(out)->push_back(e);
        return 0;
      },
      vx::kWalkAll, reinterpret_cast<std::intptr_t>(&members), 0);
  ASSERT_EQ(members.size(), 2u);
  ExpectTextFrom(members[0], a, "A");
  ExpectTextFrom(members[1], b, "Bee");
}

TEST_F(AttributeExplode, OtherEntitiesOnlyLoseTheirMarks) {
  const Record line = vxtest::Line(0, 0, 10, 0);
  const Record short_attribute = AttributeRecord(vx::kAttrFirstString, 0, "", 0, 0, 5, 0);
  const vx::Entity l = Add(Work(), line);
  const vx::Entity s = Add(Work(), short_attribute);
  Run("VXATTREXPL;all");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(Record(all[0], all[0] + SizeOf(all[0])), line);
  EXPECT_EQ(Record(all[1], all[1] + SizeOf(all[1])), short_attribute) << "too short to become a text";
  EXPECT_FALSE(session.Doc().Work().State(l).selected);
  EXPECT_FALSE(session.Doc().Work().State(s).selected);
}

TEST_F(AttributeExplode, OneUndoBringsEveryAttributeBack) {
  vx::DList* group = AddGroup(Work());
  Add(group, Attribute("in group", 0, 0));
  Add(Work(), Attribute("top", 5, 5));
  Add(Work(), AttributeWithoutString(6, 6));
  Add(Work(), vxtest::Line(0, 0, 1, 1));
  const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), false);
  Run("VXATTREXPL;all");
  EXPECT_NE(EncodeKvd(session.Doc(), false), before);
  Run("UNDO");
  EXPECT_EQ(EncodeKvd(session.Doc(), false), before);
}

TEST_F(AttributeExplode, CancelledSelectionChangesNothing) {
  Add(Work(), Attribute("kept", 0, 0));
  const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);
  Run("VXATTREXPL;<esc>");
  EXPECT_EQ(EncodeKvd(session.Doc(), true), before);
}

// An attribute read from DXF used to keep its text format block where the
// explode does not look, and its text got the second point's bytes as height.
TEST_F(AttributeExplode, ADxfAttributeKeepsItsHeightAngleAndSecondPoint) {
  dxf::AttributeText a;
  a.point = {3, 4};
  a.second = {8, 4};
  a.value = "Room 12";
  a.tag = "ROOM";
  std::uint8_t spec[vx::kTextSpecBytes] = {};
  vx::PutF32(spec, vx::kSpecHeight, 3.5f);
  vx::PutF32(spec, vx::kSpecAngle, 0.25f);
  Add(Work(), dxf::AttributeRecord(a, spec, {}));
  Run("VXATTREXPL;all");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(vx::GetF32(all[0], vx::kTextSpec + vx::kSpecHeight), 3.5f);
  EXPECT_EQ(vx::GetF32(all[0], vx::kTextSpec + vx::kSpecAngle), 0.25f);
  EXPECT_EQ(vx::GetF64(all[0], dxf::kTextSecondX), 8.0);
  EXPECT_EQ(reinterpret_cast<const char*>(all[0] + vx::kTextString), std::string("Room 12"));
}

}  // namespace
}  // namespace vxh::testing
