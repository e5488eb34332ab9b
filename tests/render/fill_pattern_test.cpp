#include "headless/render/fill_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "headless/drawing/settings_tables.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct FamilySpec {
  float angle, ox, oy, spacing;
  std::vector<float> dashes;
};

std::vector<std::uint8_t> FillRecord(const std::vector<FamilySpec>& families, float scale = 1) {
  std::size_t size = vx::kFillData + vx::kFillDataFamilies;
  for (const auto& f : families) size += vx::kFamilyFixedBytes + 4 * f.dashes.size();
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kRecSize, static_cast<std::uint32_t>(size));
  vx::PutU16(r.data(), vx::kFillId, 9);
  vx::PutU8(r.data(), vx::kFillType, vx::kFillTypeLineFamilies);
  vx::PutI8(r.data(), vx::kFillDataOffset, static_cast<std::int8_t>(vx::kFillData));
  std::uint8_t* data = r.data() + vx::kFillData;
  vx::PutU32(data, vx::kFillDataCount, static_cast<std::uint32_t>(families.size()));
  vx::PutF32(data, vx::kFillDataScale, scale);
  std::uint8_t* f = data + vx::kFillDataFamilies;
  for (const auto& spec : families) {
    vx::PutF32(f, vx::kFamAngle, spec.angle);
    vx::PutF32(f, vx::kFamOriginX, spec.ox);
    vx::PutF32(f, vx::kFamOriginY, spec.oy);
    vx::PutF32(f, vx::kFamSpacing, spec.spacing);
    vx::PutI32(f, vx::kFamDashCount, static_cast<std::int32_t>(spec.dashes.size()));
    for (std::size_t i = 0; i < spec.dashes.size(); ++i) vx::PutF32(f, vx::kFamDashes + 4 * i, spec.dashes[i]);
    f += vx::kFamilyFixedBytes + 4 * spec.dashes.size();
  }
  return r;
}

Box2 Square(double size) { return {0, 0, size, size}; }

TEST(FillPattern, ReadsEveryFamilyOfANewDrawingsCrosshatch) {
  SettingsTables tables;
  InstallDefaultTables(tables);
  const std::uint8_t* cross = FindRecordById(tables, vx::kTableFillStyles, 3);
  ASSERT_NE(cross, nullptr);
  const auto pattern = ReadFillPattern(cross);
  ASSERT_TRUE(pattern);
  ASSERT_EQ(pattern->families.size(), 2u);
  EXPECT_NEAR(pattern->families[0].angle, kPi / 4, 1e-6);
  EXPECT_NEAR(pattern->families[1].angle, 3 * kPi / 4, 1e-6);
  EXPECT_FLOAT_EQ(pattern->families[1].spacing, 0.25f);
  EXPECT_TRUE(pattern->families[0].dashes.empty());
}

TEST(FillPattern, FamiliesRunningPastTheRecordAreLeftOut) {
  auto record = FillRecord({{0, 0, 0, 1, {1, -1}}, {1, 0, 0, 1, {2, -2}}});
  vx::PutI32(record.data() + record.size() - 8 - vx::kFamilyFixedBytes, vx::kFamDashCount, 1000);
  const auto pattern = ReadFillPattern(record.data());
  ASSERT_TRUE(pattern);
  EXPECT_EQ(pattern->families.size(), 1u);

  auto broken = FillRecord({{0, 0, 0, 1, {}}});
  vx::PutI8(broken.data(), vx::kFillDataOffset, 120);  // past the record
  EXPECT_FALSE(ReadFillPattern(broken.data()));
  vx::PutI8(broken.data(), vx::kFillDataOffset, -3);
  EXPECT_FALSE(ReadFillPattern(broken.data()));
  auto other_type = FillRecord({{0, 0, 0, 1, {}}});
  vx::PutU8(other_type.data(), vx::kFillType, 1);
  EXPECT_FALSE(ReadFillPattern(other_type.data()));
}

TEST(FillPattern, OnlyAStyleWithoutFamiliesIsSolid) {
  EXPECT_TRUE(ReadFillPattern(FillRecord({}).data())->solid);
  EXPECT_FALSE(ReadFillPattern(FillRecord({{0, 0, 0, 1, {}}}).data())->solid);
  // Regression guard: families that cannot be read never turn into a solid block.
  auto unreadable = FillRecord({{0, 0, 0, 1, {1, -1}}});
  vx::PutI32(unreadable.data() + unreadable.size() - 8 - vx::kFamilyFixedBytes, vx::kFamDashCount, 1000);
  const auto pattern = ReadFillPattern(unreadable.data());
  ASSERT_TRUE(pattern);
  EXPECT_TRUE(pattern->families.empty());
  EXPECT_FALSE(pattern->solid);
}

TEST(FillPattern, HorizontalLinesAtEverySpacingAcrossTheBox) {
  const auto pattern = ReadFillPattern(FillRecord({{0, 0, 0.5f, 2, {}}}).data());
  const auto segments = HatchSegments(*pattern, Square(10));
  std::vector<double> ys;
  for (const auto& [a, b] : segments) {
    EXPECT_NEAR(a.y, b.y, 1e-12);
    EXPECT_LE(std::min(a.x, b.x), 0 + 1e-9);
    EXPECT_GE(std::max(a.x, b.x), 10 - 1e-9);
    ys.push_back(a.y);
  }
  EXPECT_EQ(ys, (std::vector<double>{0.5, 2.5, 4.5, 6.5, 8.5}));
}

TEST(FillPattern, ScaleWidensSpacingAndMovesTheOrigin) {
  const auto pattern = ReadFillPattern(FillRecord({{0, 0, 1, 1, {}}}, 3).data());
  std::vector<double> ys;
  for (const auto& s : HatchSegments(*pattern, Square(10))) ys.push_back(s.first.y);
  EXPECT_EQ(ys.size(), 4u);  // y = 0, 3, 6, 9
  for (double y : ys) EXPECT_NEAR(std::remainder(y, 3.0), 0, 1e-9);
}

TEST(FillPattern, DashesKeepTheirPhaseFromTheOrigin) {
  // Vertical lines, 1 drawn then 1 gap along y, starting at y = 0.5.
  const auto pattern = ReadFillPattern(FillRecord({{static_cast<float>(kPi / 2), 0, 0.5f, 5, {1, -1}}}).data());
  const auto segments = HatchSegments(*pattern, Square(4));
  ASSERT_FALSE(segments.empty());
  for (const auto& [a, b] : segments) {
    const double lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
    EXPECT_GE(lo, -1e-6);
    EXPECT_LE(hi, 4 + 1e-6);
    // Drawn stretches are [0.5 + 2k, 1.5 + 2k], cut at the box.
    EXPECT_TRUE(std::fabs(std::remainder(lo - 0.5, 2.0)) < 1e-6 || lo <= 1e-6) << lo;
    EXPECT_LE(hi - lo, 1 + 1e-6);
  }
}

TEST(FillPattern, AFamilyThatCannotBeDrawnIsLeftOut) {
  struct Case {
    const char* what;
    FamilySpec family;
  };
  const Case cases[] = {
      {"zero spacing", {0, 0, 0, 0, {}}},          {"negative spacing", {0, 0, 0, -1, {}}},
      {"not a number", {0, 0, 0, NAN, {}}},        {"angle not a number", {NAN, 0, 0, 1, {}}},
      {"millions of lines", {0, 0, 0, 1e-6f, {}}},
  };
  for (const Case& c : cases) {
    const auto pattern = ReadFillPattern(FillRecord({c.family}).data());
    ASSERT_TRUE(pattern) << c.what;
    EXPECT_TRUE(HatchSegments(*pattern, Square(10)).empty()) << c.what;
  }
}

TEST(FillPattern, APatternThatDoesNotAdvanceDrawsContinuousLines) {
  const auto pattern = ReadFillPattern(FillRecord({{0, 0, 0, 5, {0, 0}}}).data());
  const auto segments = HatchSegments(*pattern, Square(10));
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_NEAR(std::fabs(segments[0].second.x - segments[0].first.x), 10, 1e-9);
}

}  // namespace
}  // namespace vxh
