#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "headless/format/prompt_format.h"
#include "headless/host_error.h"
#include "host/prompt_record.h"

namespace {

using vx::PromptRecord;

PromptRecord One(const char* text, const void* value, std::uint8_t type, std::uint8_t decimals) {
  PromptRecord record;
  record.text = text;
  record.entry[0] = {value, type, 0, vx::kWidthCode, decimals};
  return record;
}

TEST(FormatPromptRecord, EachValueTypeCode) {
  const char* word = "walls";
  const char* lines = "one\r\ntwo";
  const std::int16_t small = -12;
  const std::int32_t large = 123456;
  const float single = 2.5f;
  const double real = 1.5;
  const double point[2] = {3, -4.25};
  const double length = 12.3456789;
  const float angle_f = 0.78539816f;
  const double right_angle = 1.570796325;
  const double tiny = -0.0001;
  struct Case {
    PromptRecord record;
    const char* expected;
  };
  const Case cases[] = {
      {One("Layer !01", word, vx::kValText, 255), "Layer walls"},
      {One("!01", lines, vx::kValLongText, 255), "one\r\ntwo"},
      {One("n=!01", &small, vx::kValInt3, 255), "n=-12"},
      {One("n=!01", &large, vx::kValInt, 2), "n=123456"},
      {One("Height: !01", &single, vx::kValFloat, 1), "Height: 2.5"},
      {One("Scale !01", &real, vx::kValDouble, 2), "Scale 1.50"},
      {One("At !01", point, vx::kValPoint, 1), "At 3.0,-4.2"},
      {One("L=!01", &length, vx::kValLength, 255), "L=12.3457"},
      {One("Angle: !01", &angle_f, vx::kValAngleF, 1), "Angle: 45.0"},
      {One("Angle: !01", &right_angle, vx::kValAngle, 1), "Angle: 90.0"},
      {One("Angle: !01", &right_angle, vx::kValAngle, 255), "Angle: 90.00"},
      {One("!01", &tiny, vx::kValDouble, 2), "0.00"},  // rounding to zero shows no sign
  };
  for (const auto& c : cases) EXPECT_EQ(vxh::FormatPromptRecord(c.record), c.expected);
}

TEST(FormatPromptRecord, SeveralPlaceholdersInAnyOrder) {
  const double x = 2, y = 0.5;
  PromptRecord record;
  record.text = "Y: !02 X: !01 (!01)";
  record.entry[0] = {&x, vx::kValDouble, 0, vx::kWidthCode, 2};
  record.entry[1] = {&y, vx::kValDouble, 0, vx::kWidthCode, 2};
  EXPECT_EQ(vxh::FormatPromptRecord(record), "Y: 0.50 X: 2.00 (2.00)");
}

TEST(FormatPromptRecord, PlaceholdersWithoutAValueStayVisible) {
  const double x = 1;
  PromptRecord record;
  record.text = "!01 !02 !0 !10 !";
  record.entry[0] = {&x, vx::kValDouble, 0, vx::kWidthCode, 0};
  EXPECT_EQ(vxh::FormatPromptRecord(record), "1 !02 !0 !10 !");
}

TEST(FormatPromptRecord, BrokenRecordsAreHostFaults) {
  const double x = 1;
  PromptRecord no_text;
  EXPECT_THROW(vxh::FormatPromptRecord(no_text), vxh::HostFault);
  try {
    vxh::FormatPromptRecord(One("!01", &x, 7, 2));
    FAIL() << "no fault";
  } catch (const vxh::HostFault& fault) {
    EXPECT_NE(std::string(fault.what()).find("value type code 7"), std::string::npos) << fault.what();
  }
}

}  // namespace
