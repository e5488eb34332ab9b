#include <array>
#include <cstdint>
#include <string>

#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "measure/dim_scale_table.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

constexpr std::array<std::size_t, 6> kStyleFields = {vx::kDimBlockTextHeight,  vx::kDimBlockBaseline,
                                                     vx::kDimBlockOffsetPoint, vx::kDimBlockExtendPast,
                                                     vx::kDimBlockArrowLength, vx::kDimBlockArrowHeight};
constexpr std::array<std::size_t, 2> kArrowFields = {vx::kCurArrowLength, vx::kCurArrowHeight};
// The factors a fresh pack starts with, written out independently of the pack.
constexpr std::array<float, 8> kDefaultFactors = {1.0f, 2.0f, 0.3125f, 1.0f, 0.9f, 0.4f, 0.9f, 0.4f};

class DimScale : public HatchSession {
 protected:
  std::uint8_t* Current(int table) {
    std::uint8_t* t = session.Doc().WorkDL()->SettingsTable(table);
    return t + vx::GetU32(t, vx::kTableCurrentOffset);
  }
  std::uint8_t* Style() { return Current(vx::kTableDimStyles) + vx::kDimStyleBlock; }
  std::uint8_t* Settings() { return Current(vx::kTableCurrent); }
  void SetTextHeight(float h) { vx::PutF32(Current(vx::kTableTextDefaults), vx::kTextDefaultsSpec + 2, h); }

  // Marks every target so an untouched one is told from a written one.
  void MarkTargets() {
    for (std::size_t f : kStyleFields) vx::PutF32(Style(), f, -7.0f);
    for (std::size_t f : kArrowFields) vx::PutF32(Settings(), f, -7.0f);
  }
  float Target(std::size_t entry) {
    return entry < 6 ? vx::GetF32(Style(), kStyleFields[entry]) : vx::GetF32(Settings(), kArrowFields[entry - 6]);
  }
};

TEST_F(DimScale, AllTickedWithTheDefaultScaleFollowTheTextHeight) {
  MarkTargets();
  Run("VXDIMSCALE;{press ok}");
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(Target(i), 2.5f * kDefaultFactors[i]) << "entry " << i;
  const auto stored = Registry().Get(vx::kDimScaleKey, vx::kDimScaleValue);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->type, 3u);
  ASSERT_EQ(stored->data.size(), 64u);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(vx::GetU32(stored->data.data(), 8 * i), 1u);
    EXPECT_EQ(vx::GetF32(stored->data.data(), 8 * i + 4), kDefaultFactors[i]);
  }
}

TEST_F(DimScale, NowBeforeAnyDialogUsesTheDefaultTableAndTheTextHeight) {
  MarkTargets();
  SetTextHeight(4.0f);
  Run("VXDIMSCALENOW");
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(Target(i), 4.0f * kDefaultFactors[i]) << "entry " << i;
}

struct EntryCase {
  const char* answer;
  std::size_t unticked;
};

class DimScaleUnticked : public DimScale, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(DimScaleUnticked, AnUntickedEntryLeavesItsTargetAndIsStoredOff) {
  MarkTargets();
  Run(std::string("VXDIMSCALE;") + GetParam().answer);
  for (std::size_t i = 0; i < 8; ++i) {
    if (i == GetParam().unticked)
      EXPECT_EQ(Target(i), -7.0f) << "entry " << i;
    else
      EXPECT_EQ(Target(i), 3.0f * kDefaultFactors[i]) << "entry " << i;
  }
  SetTextHeight(1.0f);
  MarkTargets();
  Run("VXDIMSCALENOW");
  EXPECT_EQ(Target(GetParam().unticked), -7.0f) << "the stored table keeps the entry off";
}

INSTANTIATE_TEST_SUITE_P(Entries, DimScaleUnticked,
                         ::testing::Values(EntryCase{"{1038=3; 1050=0; press ok}", 1},
                                           EntryCase{"{1038=3; 1057=0; press ok}", 7}));

TEST_F(DimScale, TheFactorEditOfAnUntickedEntryIsClosed) {
  const std::string error = ErrorOf<BadInput>("VXDIMSCALE;{1051=0; 1045=2; press ok}");
  EXPECT_NE(error.find("1045"), std::string::npos) << error;
}

TEST_F(DimScale, ChangedFactorsAreStoredAndUsedByTheNextRun) {
  MarkTargets();
  Run("VXDIMSCALE;{1038=2; 1043=1.5; press ok}");
  EXPECT_EQ(Target(0), 3.0f);
  MarkTargets();
  Run("VXDIMSCALENOW");
  EXPECT_EQ(Target(0), 2.5f * 1.5f) << "the scale factor is taken afresh, the factor kept";
}

TEST_F(DimScale, CancelChangesNeitherTheRegistryNorTheStyles) {
  MarkTargets();
  Run("VXDIMSCALE;{1038=9; 1043=4; press cancel}");
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(Target(i), -7.0f);
  EXPECT_FALSE(Registry().Get(vx::kDimScaleKey, vx::kDimScaleValue).has_value());
  Run("VXDIMSCALENOW");
  EXPECT_EQ(Target(0), 2.5f) << "the cancelled factor did not stay in memory either";
}

}  // namespace
}  // namespace vxh::testing
