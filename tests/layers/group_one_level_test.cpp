#include "headless/kvd/kvd_file.h"
#include "tests/layers/layers_fixture.h"

namespace vxh::testing {
namespace {

using GroupOneLevel = LayersTest;

TEST_F(GroupOneLevel, GroupsInsideGroupsAreFlattenedAndLeftEmpty) {
  // outer holds inner (lines at 1 and 2) and a line at 3; a line at 4 on its own.
  const vx::Entity outer = Add(HeaderOnly(vx::kKindGroup));
  vx::DList* outer_members = Work()->MakeMemberList(outer);
  const vx::Entity inner =
      AddContainer(outer_members, HeaderOnly(vx::kKindGroup), {LineOn(0, 0, 1, 9, 1), LineOn(0, 0, 2, 9, 2)});
  outer_members->AddRecord(LineOn(0, 0, 3, 9, 3).data());
  Add(LineOn(0, 0, 4, 9, 4));
  Add(LineOn(0, 0, 50, 9, 50));  // not selected
  const std::vector<std::uint8_t> before = EncodeKvd(session.Doc(), true);

  Run("VXGROUP1;at 5,3 + at 5,4");
  const std::vector<vx::Entity> top = Entities();
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(top[0], outer) << "the emptied group stays where it was";
  EXPECT_EQ(Heights({top[1]}), std::vector<double>{50});
  const vx::Entity group = top[2];
  EXPECT_EQ(KindOf(group), vx::kKindGroup);
  EXPECT_EQ(SizeOf(group), vx::kGroupSize);
  EXPECT_EQ(Heights(Members(Work(), group)), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(Members(Work(), outer), std::vector<vx::Entity>{inner}) << "only the emptied inner group is left";
  EXPECT_TRUE(Members(outer_members, inner).empty());

  Run("UNDO");
  EXPECT_EQ(EncodeKvd(session.Doc(), true), before);
}

TEST_F(GroupOneLevel, TheNewGroupTakesTheCurrentSettings) {
  const int layer = Layer("Walls");
  SetCurrentLayer(session.Doc(), "Walls");
  Add(LineOn(0, 0, 0, 9, 0));
  Run("VXGROUP1;all");
  const vx::Entity group = Entities().back();
  EXPECT_EQ(vx::GetU16(group, vx::kHdrLayer), layer);
}

TEST_F(GroupOneLevel, NothingButEmptyGroupsAddsNoGroup) {
  Add(HeaderOnly(vx::kKindGroup));
  AddContainer(Work(), HeaderOnly(vx::kKindGroup), {});
  Run("VXGROUP1;all");
  EXPECT_EQ(Entities().size(), 2u);
  Run("VXGROUP1;<esc>");
  EXPECT_EQ(Entities().size(), 2u);
}

}  // namespace
}  // namespace vxh::testing
