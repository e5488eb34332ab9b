#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hatch/hatch_layout.h"
#include "hatch/hatch_records.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "hatch/registry_keys.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

// Every byte of the defaults: the named fields have their values and all
// other bytes are zero.
TEST(HatchRecords, OptionDefaultsByteForByte) {
  const vx::HatchOptions o = vx::DefaultHatchOptions();
  std::uint8_t want[vx::kHatchOptionsBytes] = {};
  const double one = 1.0;
  std::memcpy(want + 113, &one, 8);
  std::memcpy(want + 145, ".25 Right Diagonal", 18);
  EXPECT_EQ(std::memcmp(o.bytes.data(), want, sizeof want), 0);
}

TEST(HatchRecords, SettingsDefaultsByteForByte) {
  const vx::HatchSettings s = vx::DefaultHatchSettings();
  std::uint8_t want[vx::kHatchSettingsBytes] = {};
  const double distance = 0.2;
  const double angle = 0.7853981625;
  const std::int32_t on = 1;
  std::memcpy(want + 65, &distance, 8);
  std::memcpy(want + 73, &angle, 8);
  std::memcpy(want + 97, &on, 4);
  for (int i = 0; i < 4; ++i) std::memcpy(want + 145 + 200 * i, "Solid", 5);
  std::memcpy(want + 945, &on, 4);
  EXPECT_EQ(std::memcmp(s.bytes.data(), want, sizeof want), 0);
}

TEST(HatchRecords, TextFieldsKeepAtMostTheirSizeLessOne) {
  vx::HatchSettings s;
  s.SetName(std::string(70, 'b'));
  EXPECT_EQ(s.Name(), std::string(64, 'b'));
  EXPECT_EQ(s.bytes[64], 0) << "the name field ends with its NUL";
  EXPECT_EQ(s.bytes[65], 0) << "the distance after it is untouched";
}

class HatchStorage : public HatchSession {};

TEST_F(HatchStorage, AnEmptyRegistryLeavesTheDefaults) {
  vx::PrepareHatchSettings();
  EXPECT_EQ(vx::Hatch().options.bytes, vx::DefaultHatchOptions().bytes);
  EXPECT_EQ(vx::Hatch().prepared.bytes, vx::DefaultHatchSettings().bytes);
  EXPECT_FALSE(std::filesystem::exists(registry_path)) << "reading creates no registry file";
}

TEST_F(HatchStorage, SaveThenLoadRoundTripsBothRecordsWhole) {
  vx::Hatch().options.SetPatName("Bricks");
  vx::Hatch().settings.SetDistance(1.5);
  vx::SaveHatchOptions();
  vx::SaveHatchSettings(std::string(64, 'x').c_str());
  const auto stored = Registry().Get(vx::kHatchKey, "Options");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->data.size(), vx::kHatchOptionsBytes);
  EXPECT_EQ(stored->type, 3u);
  vx::Hatch().options = vx::DefaultHatchOptions();
  vx::Hatch().settings = vx::DefaultHatchSettings();
  vx::LoadHatchOptions();
  vx::LoadHatchSettings(std::string(64, 'x').c_str());
  EXPECT_EQ(vx::Hatch().options.PatName(), "Bricks");
  EXPECT_EQ(vx::Hatch().settings.Distance(), 1.5);
  vx::SavedSettingsList list;
  vx::Hatch().settings.SetName(std::string(64, 'x'));
  vx::ListHatchSettings(list);
  ASSERT_EQ(list.names.size(), 1u);
  EXPECT_EQ(list.names[0], std::string(64, 'x')) << "a 64-character name is listed whole";
  EXPECT_EQ(list.selected, 0);
}

struct WrongSize {
  const char* label;
  std::size_t size;
};
void PrintTo(const WrongSize& c, std::ostream* os) { *os << c.label; }

class StoredValueOfWrongSize : public HatchSession, public ::testing::WithParamInterface<WrongSize> {};

// Neither a partial nor an overlong copy: the record stays as it is.
TEST_P(StoredValueOfWrongSize, IsTreatedAsMissing) {
  const std::vector<std::uint8_t> junk(GetParam().size, 0xAB);
  Registry().Set(vx::kHatchKey, "Options", 3, junk);
  Registry().Set(vx::kHatchSettingsKey, "", 3, junk);
  vx::PrepareHatchSettings();
  EXPECT_EQ(vx::Hatch().options.bytes, vx::DefaultHatchOptions().bytes);
  EXPECT_EQ(vx::Hatch().settings.bytes, vx::DefaultHatchSettings().bytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, StoredValueOfWrongSize,
                         ::testing::Values(WrongSize{"Empty", 0}, WrongSize{"Shorter", 100},
                                           WrongSize{"OneByteShort", 873}, WrongSize{"Longer", 2000}));

TEST_F(HatchStorage, DeleteRemovesOneSavedSettingAndToleratesAMissingKey) {
  vx::DeleteHatchSettings("none");  // no Settings key yet: nothing happens
  vx::SaveHatchSettings("A");
  vx::SaveHatchSettings("B");
  vx::DeleteHatchSettings("A");
  vx::SavedSettingsList list;
  vx::ListHatchSettings(list);
  EXPECT_EQ(list.names, std::vector<std::string>{"B"});
  EXPECT_EQ(list.selected, -1) << "the record's own name is empty";
}

struct ModifyCase {
  const char* label;
  bool modify;
  bool scale_offsets;
  double want_distance, want_angle, want_offset_x, want_scan_offset;
  double want_modify_scale;
};
void PrintTo(const ModifyCase& c, std::ostream* os) { *os << c.label; }

class PrepareHatchSettings : public HatchSession, public ::testing::WithParamInterface<ModifyCase> {};

TEST_P(PrepareHatchSettings, AppliesOrNeutralisesTheModification) {
  vx::HatchSettings s = LineSettings(0.5, 0.25);
  s.SetOffset(1, 2);
  s.SetScanOffset(1, 0.5);
  s.SetScaleOffsets(GetParam().scale_offsets);
  vx::HatchOptions o = vx::DefaultHatchOptions();
  o.SetModify(GetParam().modify);
  o.SetModifyScale(2);
  o.SetModifyRotation(0.125);
  o.SetModifyOffset(3, 4);
  UseSettings(s, o);
  const std::vector<std::uint8_t> stored = Registry().Get(vx::kHatchKey, "Options")->data;
  for (int run = 0; run < 2; ++run) {  // a second preparation must not compound the first
    vx::PrepareHatchSettings();
    const vx::HatchSettings& p = vx::Hatch().prepared;
    EXPECT_EQ(p.Distance(), GetParam().want_distance);
    EXPECT_EQ(p.Angle(), GetParam().want_angle);
    EXPECT_EQ(p.OffsetX(), GetParam().want_offset_x);
    EXPECT_EQ(p.ScanOffset(1), GetParam().want_scan_offset);
    EXPECT_EQ(vx::Hatch().options.ModifyScale(), GetParam().want_modify_scale);
  }
  EXPECT_EQ(Registry().Get(vx::kHatchKey, "Options")->data, stored) << "preparing changes nothing stored";
}

INSTANTIATE_TEST_SUITE_P(Flags, PrepareHatchSettings,
                         ::testing::Values(ModifyCase{"OnWithScaledOffsets", true, true, 1.0, 0.375, 4, 0.5, 2},
                                           ModifyCase{"OnWithOffsetsInUnits", true, false, 1.0, 0.375, 4, 1.0, 2},
                                           ModifyCase{"OffIsNeutral", false, true, 0.5, 0.25, 1, 0.5, 1}));

}  // namespace
}  // namespace vxh::testing
