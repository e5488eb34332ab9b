#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "headless/host_error.h"
#include "headless/session/session.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/fonts/font_test_support.h"
#include "tests/support/records.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Font numbers of a new drawing's font table.
constexpr std::uint16_t kSimplex = 1;
constexpr std::uint16_t kComplex = 3;
constexpr std::uint16_t kDejaVuSans = 5;
constexpr std::uint16_t kLiberationSerif = 7;

struct TextSpec {
  std::string text = "Vorlix";
  std::uint16_t font = kSimplex;
  float height = 2.5f;
  float width = 1.0f;
  float angle = 0;
  std::uint8_t justify = 0;
  std::uint8_t style = 0;
  double x = 0, y = 0;
};

std::vector<std::uint8_t> TextRecord(const TextSpec& t) {
  vxtest::Record r = vxtest::Text(t.x, t.y, t.height, t.width, t.angle, t.text, t.justify);
  vx::PutU16(r.data(), vx::kTextSpec + vx::kSpecFont, t.font);
  vx::PutU8(r.data(), vx::kTextSpec + vx::kSpecStyleBits, t.style);
  return r;
}

double Length(const TextSpec& t) { return vx::LenText2(TextRecord(t).data()); }

struct Box {
  double min[2], max[2];
};

Box BoxOf(const TextSpec& t) {
  Box b{};
  vx::XCheckGText2(TextRecord(t).data(), b.min, b.max);
  return b;
}

class TextMetrics : public ::testing::Test {
 protected:
  fonttest::TempHostFolder home;
  std::ostringstream transcript;
  vxh::Session session{transcript};
};

TEST_F(TextMetrics, LengthGrowsWithTheStringAndScalesWithHeightAndWidthFactor) {
  for (const std::uint16_t font : {kSimplex, kComplex, kDejaVuSans, kLiberationSerif}) {
    SCOPED_TRACE(font);
    TextSpec t;
    t.font = font;
    const double base = Length(t);
    EXPECT_GT(base, 0);
    TextSpec longer = t;
    longer.text += "ab";
    EXPECT_GT(Length(longer), base);
    TextSpec taller = t;
    taller.height = 5;
    EXPECT_NEAR(Length(taller), 2 * base, 1e-9);
    TextSpec wider = t;
    wider.width = 1.5f;
    EXPECT_NEAR(Length(wider), 1.5 * base, 1e-9);
    // Lines are measured apart: the longest line is the length.
    TextSpec lines = t;
    lines.text = "ab\r\n" + t.text + "\r\nx";
    EXPECT_NEAR(Length(lines), base, 1e-9);
    TextSpec narrow = t;
    narrow.text = "iiii";
    TextSpec broad = t;
    broad.text = "WWWW";
    EXPECT_LT(Length(narrow), Length(broad)) << "proportional advances";
  }
}

TEST_F(TextMetrics, FontsMeasureDifferently) {
  TextSpec stroke, truetype;
  truetype.font = kDejaVuSans;
  EXPECT_NE(Length(stroke), Length(truetype));
  TextSpec bold = truetype;
  bold.style = 0x10;
  EXPECT_GT(Length(bold), Length(truetype));
}

struct JustifyCase {
  const char* name;
  int code;
  double left;    // box left over the length (0, -1/2, -1)
  double bottom;  // box bottom over the height (0, -1/2, -1)
};

TEST_F(TextMetrics, JustificationPlacesTheBoxAroundTheInsertionPoint) {
  const JustifyCase cases[] = {{"BottomLeft", 0, 0, 0},
                               {"BottomCentre", 1, -0.5, 0},
                               {"BottomRight", 2, -1, 0},
                               {"MiddleLeft", 3, 0, -0.5},
                               {"MiddleCentre", 4, -0.5, -0.5},
                               {"MiddleRight", 5, -1, -0.5},
                               {"TopLeft", 6, 0, -1},
                               {"TopCentre", 7, -0.5, -1},
                               {"TopRight", 8, -1, -1},
                               // Far codes stand for the normal codes of the far table.
                               {"FarBottomLeft", 11, 0, 0},
                               {"FarBottomCentre", 13, -0.5, 0},
                               {"FarMiddleLeft", 9, 0, -0.5},
                               {"FarTopRight", 20, -1, -1},
                               {"PastTheTableIsBottomLeft", 21, 0, 0}};
  for (const JustifyCase& c : cases) {
    for (std::uint16_t font : {kSimplex, kDejaVuSans}) {
      SCOPED_TRACE(std::string(c.name) + " in font " + std::to_string(font));
      TextSpec t;
      t.font = font;
      t.x = 10;
      t.y = 20;
      t.justify = static_cast<std::uint8_t>(c.code);
      const double length = Length(t);
      const Box b = BoxOf(t);
      EXPECT_NEAR(b.min[0], 10 + c.left * length, 1e-9);
      EXPECT_NEAR(b.max[0] - b.min[0], length, 1e-9);
      EXPECT_NEAR(b.min[1], 20 + c.bottom * 2.5, 1e-6);
      EXPECT_NEAR(b.max[1] - b.min[1], 2.5, 1e-6);
    }
  }
}

TEST_F(TextMetrics, MultiLineBoxAddsALinePitchPerLine) {
  TextSpec one, three;
  three.text = one.text + "\r\nx\r\ny";
  const Box a = BoxOf(one), b = BoxOf(three);
  EXPECT_NEAR(b.max[1] - b.min[1], 2.5 + 2 * 1.5 * 2.5, 1e-6);
  EXPECT_NEAR(b.max[0], a.max[0], 1e-9);
}

TEST_F(TextMetrics, ARotatedBoxHoldsTheRotatedCorners) {
  for (const double degrees : {90.0, 30.0, 180.0, -60.0}) {
    SCOPED_TRACE(degrees);
    TextSpec t;
    t.font = kLiberationSerif;
    t.x = 5;
    t.y = -3;
    t.angle = static_cast<float>(degrees * kPi / 180);
    const double a = static_cast<double>(t.angle), l = Length(t), h = 2.5;
    const double xs[4] = {0, l, l, 0}, ys[4] = {0, 0, h, h};
    double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
    for (int i = 0; i < 4; ++i) {
      const double x = 5 + xs[i] * std::cos(a) - ys[i] * std::sin(a);
      const double y = -3 + xs[i] * std::sin(a) + ys[i] * std::cos(a);
      lo[0] = std::min(lo[0], x), lo[1] = std::min(lo[1], y), hi[0] = std::max(hi[0], x), hi[1] = std::max(hi[1], y);
    }
    const Box b = BoxOf(t);
    for (int k = 0; k < 2; ++k) {
      EXPECT_NEAR(b.min[k], lo[k], 1e-6);
      EXPECT_NEAR(b.max[k], hi[k], 1e-6);
    }
    EXPECT_NEAR(Length(t), Length(TextSpec{t.text, t.font}), 1e-9) << "the length ignores the angle";
  }
}

TEST_F(TextMetrics, EXCheckUsesTheSameBox) {
  TextSpec t;
  t.font = kComplex;
  t.justify = 4;
  t.angle = 0.4f;
  std::vector<std::uint8_t> r = TextRecord(t);
  std::uint8_t box[vx::kBoxBytes] = {};
  vx::EXCheck(r.data(), box);
  const Box b = BoxOf(t);
  EXPECT_NEAR(vx::GetF64(box, vx::kBoxMinX), b.min[0], 1e-9);
  EXPECT_NEAR(vx::GetF64(box, vx::kBoxMinY), b.min[1], 1e-9);
  EXPECT_NEAR(vx::GetF64(box, vx::kBoxMaxX), b.max[0], 1e-9);
  EXPECT_NEAR(vx::GetF64(box, vx::kBoxMaxY), b.max[1], 1e-9);
}

TEST_F(TextMetrics, ARecordThatIsNotATextIsAHostFault) {
  const vxtest::Record line = vxtest::Line(0, 0, 1, 1);
  EXPECT_THROW(vx::LenText2(line.data()), vxh::HostFault);
  EXPECT_THROW(vx::LenText2(nullptr), vxh::HostFault);
}

}  // namespace
