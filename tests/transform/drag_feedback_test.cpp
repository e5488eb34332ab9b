#include "transform/drag_feedback.h"

#include <gtest/gtest.h>

#include <string>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vx {
namespace {

struct FeedbackCase {
  const char* name;
  int mode;
  bool first, second, third;
  double second_value;
  const char* text;  // null: nothing shown
  ValueType type;
  std::uint8_t decimals;
};

TEST(FeedbackChoice, PicksTheTextAndValueType) {
  const FeedbackCase cases[] = {{"ScaleAlone", 1, true, false, false, 0, "Scale !01", kValDouble, 2},
                                {"ScaleWithEqualSecond", 1, true, true, false, 1.5, "Scale !01", kValDouble, 2},
                                {"ScaleWithDifferentSecond", 1, true, true, false, 3.0, "X: !01 Y: !02", kValDouble, 2},
                                {"ScaleWithoutValue", 1, false, true, true, 1.5, nullptr, kValDouble, 0},
                                {"AngleInRadians", 2, true, false, true, 0, "Angle: !01", kValAngle, 1},
                                {"AngleSinglePrecision", 2, false, false, true, 0, "Angle: !01", kValAngleF, 1},
                                {"AngleWithoutValue", 2, false, false, false, 0, nullptr, kValAngle, 0},
                                {"Height", 3, true, false, true, 0, "Height: !01", kValFloat, 1},
                                {"HeightWithoutThird", 3, true, false, false, 0, nullptr, kValFloat, 0},
                                {"ModeZero", 0, true, true, true, 0, nullptr, kValFloat, 0},
                                {"UnknownMode", 7, true, true, true, 0, nullptr, kValFloat, 0}};
  for (const FeedbackCase& c : cases) {
    SCOPED_TRACE(c.name);
    const double first = 1.5, second = c.second_value;
    const float third = 2.5f;
    const std::optional<PromptRecord> p =
        FeedbackPrompt(c.mode, c.first ? &first : nullptr, c.second ? &second : nullptr, c.third ? &third : nullptr);
    EXPECT_EQ(p.has_value(), c.text != nullptr);
    if (!p || c.text == nullptr) continue;
    EXPECT_STREQ(p->text, c.text);
    EXPECT_EQ(p->entry[0].type, c.type);
    EXPECT_EQ(p->entry[0].width, 5);
    EXPECT_EQ(p->entry[0].decimals, c.decimals);
  }
}

TEST(FeedbackChoice, DifferentScalesShowBothValuesInOrder) {
  const double x = 2.0, y = 0.5;
  const std::optional<PromptRecord> p = FeedbackPrompt(1, &x, &y, nullptr);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->entry[0].value, &x);
  EXPECT_EQ(p->entry[1].value, &y);
  EXPECT_EQ(p->entry[1].type, kValDouble);
  EXPECT_EQ(p->entry[1].decimals, 2);
}

TEST(FeedbackRecord, HoldsTheCursorAndATextFormatBlockSizedToTheView) {
  FeedbackRecord record;
  record.fill(0xAA);
  FillFeedbackRecord(record, 3.25, -4.5, 50.0);
  const std::uint8_t* r = record.data();
  EXPECT_EQ(GetF64(r, 0), 3.25);
  EXPECT_EQ(GetF64(r, 8), -4.5);
  for (std::size_t i = 16; i <= 48; ++i) EXPECT_EQ(r[i], 0) << i;
  const std::uint8_t* spec = r + 49;
  EXPECT_EQ(GetU16(spec, 0), 0);
  EXPECT_EQ(GetF32(spec, 2), 2.5f);
  EXPECT_EQ(GetF32(spec, 6), 1.0f);
  EXPECT_EQ(GetF32(spec, 10), 0.0f);
  EXPECT_EQ(GetF32(spec, 14), 150.0f);
  EXPECT_EQ(GetU16(spec, 18), 0);
  EXPECT_EQ(spec[20], 0);
  EXPECT_EQ(spec[21], 0);
  EXPECT_EQ(spec[22], 9);
  EXPECT_EQ(r[72], 0);
}

}  // namespace
}  // namespace vx
