#include <cmath>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A 3-4-5 line, a circle of radius 10 and a text, which has no length.
constexpr char kDrawing[] = "LINE;0,0;30,40;<enter>;CIRP;100,100;110,100;TEXT;80,80;hello;";

class LengthCommand : public TransformTest {
 protected:
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (vx::Entity e : Entities())
      if (KindOf(e) == vx::kKindText) out.emplace_back(reinterpret_cast<const char*>(e + vx::kTextString));
    return out;
  }
  int SelectedCount() {
    int n = 0;
    for (vx::Entity e : Entities()) n += Selected(e) ? 1 : 0;
    return n;
  }
};

struct MeasureCase {
  const char* name;
  const char* answers;  // after the first prompt, up to the dialog
  double expected;
};

class LengthAsText : public LengthCommand, public ::testing::WithParamInterface<MeasureCase> {};

// The placed text reads back as the measured length, against lengths worked
// out from the geometry.
TEST_P(LengthAsText, PlacesTheMeasuredLength) {
  Run(std::string(kDrawing) + "VXLENGTH;" + GetParam().answers + ";{press 1060};50,50;<esc>");
  const std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts.size(), 2u) << transcript.str();
  EXPECT_NEAR(std::strtod(texts[1].c_str(), nullptr), GetParam().expected, 1e-3) << texts[1];
}

INSTANTIATE_TEST_SUITE_P(Picks, LengthAsText,
                         ::testing::Values(MeasureCase{"line", "15,20", 50},
                                           MeasureCase{"circle", "110,100", 2 * kPi * 10},
                                           MeasureCase{"selection_skips_the_text", "<enter>;all", 50 + 2 * kPi * 10},
                                           MeasureCase{"selection_of_text_only", "<enter>;at 80,80", 0}),
                         [](const ::testing::TestParamInfo<MeasureCase>& i) { return std::string(i.param.name); });

struct IgnoredCase {
  const char* name;
  const char* selection;
  bool shown;
};

class IgnoredLine : public LengthCommand, public ::testing::WithParamInterface<IgnoredCase> {};

// A hidden static text refuses scripted input with its own error, a shown one
// with another: that tells whether the count line is visible.
TEST_P(IgnoredLine, ShowsOnlyWhenSomethingWasIgnored) {
  const std::string error =
      ErrorOf<std::exception>(std::string(kDrawing) + "VXLENGTH;<enter>;" + GetParam().selection + ";{1061=x}");
  EXPECT_EQ(error.find("is hidden") == std::string::npos, GetParam().shown) << error;
}

INSTANTIATE_TEST_SUITE_P(Selections, IgnoredLine,
                         ::testing::Values(IgnoredCase{"all_measurable", "window -1,-1 31,41", false},
                                           IgnoredCase{"one_text", "all", true},
                                           IgnoredCase{"only_text", "at 80,80", true}),
                         [](const ::testing::TestParamInfo<IgnoredCase>& i) { return std::string(i.param.name); });

TEST_F(LengthCommand, APickWithoutLengthIsAnErrorAndMarksNothing) {
  Run(std::string(kDrawing) + "VXLENGTH;80,80");
  EXPECT_EQ(TranscriptLines().back(), "[Error] Picked entity does not support length calculation");
  EXPECT_EQ(SelectedCount(), 0);
}

TEST_F(LengthCommand, APickOnNothingAsksAgain) {
  Run(std::string(kDrawing) + "VXLENGTH;500,500;15,20;{press 1060};50,50;<esc>");
  const std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts.size(), 2u) << transcript.str();
  EXPECT_NEAR(std::strtod(texts[1].c_str(), nullptr), 50, 1e-3);
}

TEST_F(LengthCommand, EscapeAtTheFirstPromptEnds) {
  Run(std::string(kDrawing) + "VXLENGTH;<esc>");
  EXPECT_EQ(TranscriptLines().back(), "= <esc>");
  EXPECT_EQ(Texts().size(), 1u);
}

}  // namespace
}  // namespace vxh::testing
