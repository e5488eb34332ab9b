// Attributes are drawn with their own text format block when their record
// holds one (as the DXF reader and the host editor make them), and with the
// drawing's text defaults when it is the short form of the pack's records.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "headless/dxf/dxf_records.h"
#include "headless/render/text_run.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace vxh {
namespace {

TextSpec Spec(float height, float angle, std::uint16_t font) {
  TextSpec spec{};
  vx::PutF32(spec.data(), vx::kSpecHeight, height);
  vx::PutF32(spec.data(), vx::kSpecWidth, 1);
  vx::PutF32(spec.data(), vx::kSpecAngle, angle);
  vx::PutU16(spec.data(), vx::kSpecFont, font);
  return spec;
}

TEST(AttributeRun, TheRecordsOwnFormatBlockWinsOverTheDefaults) {
  const TextSpec defaults = Spec(1, 0, 0);
  dxf::AttributeText a;
  a.point = {3, 4};
  a.value = "DOOR-12";
  a.tag = "ID";
  auto full = dxf::AttributeRecord(a, Spec(7.5f, 0.5f, 3).data(), dxf::EntityStyle{});
  const auto run = TextRunOf(full.data(), defaults);
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->text, "DOOR-12");
  EXPECT_DOUBLE_EQ(run->height, 7.5);
  EXPECT_DOUBLE_EQ(run->angle, 0.5f);
  EXPECT_EQ(run->font, 3);
  EXPECT_DOUBLE_EQ(run->origin.x, 3);

  auto short_form = vxtest::Attribute(3, 4);
  const std::string value = "V";
  vx::PutU32(short_form.data(), vx::kAttrStringOffset, static_cast<std::uint32_t>(short_form.size()));
  short_form.insert(short_form.end(), value.begin(), value.end());
  short_form.push_back(0);
  vx::PutU32(short_form.data(), vx::kHdrSize, static_cast<std::uint32_t>(short_form.size()));
  const auto fallback = TextRunOf(short_form.data(), defaults);
  ASSERT_TRUE(fallback.has_value());
  EXPECT_EQ(fallback->text, "V");
  EXPECT_DOUBLE_EQ(fallback->height, 1);
}

}  // namespace
}  // namespace vxh
