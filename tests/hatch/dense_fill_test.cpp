// Fills too dense to draw: a stored distance of 3e-5 over a box of 100 once
// made millions of line records and ran the process out of memory. Every
// fill command now refuses such a fill with an error box and leaves the
// drawing as it was; a dashed family that would make more lines than the
// fill's allowance stops there.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hatch/boundary.h"
#include "hatch/fill_context.h"
#include "hatch/hatch_family.h"
#include "hatch/hatch_state.h"
#include "host/host_api.h"
#include "host/settings_layout.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

constexpr char kTooDenseLine[] =
    "[Error] Error: The hatch is too dense to draw (more than 2000000 lines)\\n\\nUse a larger hatch distance or "
    "pattern scale.";

class DenseFill : public HatchSession {};

TEST_F(DenseFill, RegularAndSmartHatchRefuseAndLeaveTheDrawingAsItWas) {
  UseSettings(LineSettings(5e-5, 0.5));
  Run("BOX;0,0;100,100");
  const auto before = Snapshot(session.Doc().Work());
  for (const char* script : {"VXHATCHSTANDARD;all", "VXHATCHSMART;all;50,50"}) {
    SCOPED_TRACE(script);
    Run(script);
    EXPECT_EQ(TranscriptLines().back(), kTooDenseLine);
    EXPECT_EQ(Snapshot(session.Doc().Work()), before);
  }
}

TEST_F(DenseFill, ExplodeKeepsATooDenseFillAndExplodesTheOthers) {
  const std::uint8_t* style = vx::FindFStyleName(".25 Crosshatch");
  ASSERT_NE(style, nullptr);
  vx::SetCurFStyle(vx::GetU16(style, vx::kFillId));
  Run("BOX;0,0;1000000,1000000;BOX;-10,-10;-5,-5");
  vx::SetCurFStyle(0);
  const std::vector<vx::Entity> boxes = Entities();
  const std::vector<std::uint8_t> huge(boxes[0], boxes[0] + vx::GetU32(boxes[0], vx::kHdrSize));
  Run("VXHEXPLODE;all");
  EXPECT_EQ(TranscriptLines().back(), kTooDenseLine);
  const std::vector<vx::Entity> after = Entities();
  ASSERT_EQ(after.size(), 3u);  // the huge box, the small box without its fill, its lines
  EXPECT_EQ(std::vector<std::uint8_t>(after[0], after[0] + vx::GetU32(after[0], vx::kHdrSize)), huge);
  EXPECT_EQ(std::count_if(after.begin(), after.end(),
                          [](vx::Entity e) { return vx::GetI8(e, vx::kHdrKind) == vx::kKindGroup; }),
            1);
}

// The allowance counts dashes: a family whose every line is cut into more
// dashes than the fill has left stops at the allowance, whatever its spacing.
TEST_F(DenseFill, DashesStopAtTheFillsAllowance) {
  Run("BOX;0,0;10,10");
  vx::DList* boundary = vx::CreateDList("~HatchBorder.kvd", 2);
  vx::DList* source = vx::GetWorkDL();
  std::uint8_t box[vx::kBoxBytes] = {};
  double into[16];
  vx::BuildRotation(0, into);
  vx::Hatch().boundary = boundary;
  source->Walk(&vx::CollectBoundary, vx::kWalkAll, reinterpret_cast<std::intptr_t>(into),
               reinterpret_cast<std::intptr_t>(box));
  const float dashes[] = {0.01f, -0.01f};
  double back[16];
  vx::BuildRotation(0, back);
  vx::LineFamily family;
  family.spacing = 1;
  family.back = back;
  family.dashes = dashes;
  family.dash_count = 2;
  family.period = 0.02f;
  for (long allowance : {100L, 1000L}) {
    SCOPED_TRACE(allowance);
    vx::DList* dest = vx::CreateDList("~Lines.kvd", 2);
    vx::FillContext context(boundary, box);
    context.lines_left = allowance;
    EXPECT_EQ(vx::HatchFamily(dest, family, context), allowance);
    EXPECT_TRUE(context.too_dense);
    EXPECT_EQ(vx::HatchFamily(dest, family, context), 0) << "a fill once too dense adds nothing more";
    dest->Release();
  }
  vx::DList* dest = vx::CreateDList("~Lines.kvd", 2);
  vx::FillContext roomy(boundary, box);
  EXPECT_GT(vx::HatchFamily(dest, family, roomy), 4500);  // about 10 lines of 500 dashes
  EXPECT_FALSE(roomy.too_dense);
  dest->Release();
  boundary->Release();
  vx::Hatch().boundary = nullptr;
}

}  // namespace
}  // namespace vxh::testing
