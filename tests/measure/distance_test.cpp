#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

class DistanceCommand : public TransformTest {
 protected:
  std::vector<std::string> PlacedTexts() {
    std::vector<std::string> out;
    for (vx::Entity e : Entities())
      if (KindOf(e) == vx::kKindText) out.emplace_back(reinterpret_cast<const char*>(e + vx::kTextString));
    return out;
  }
  bool DialogShown() {
    for (const std::string& line : TranscriptLines())
      if (line.rfind("{ Vorlix Distance", 0) == 0) return true;
    return false;
  }
};

struct AsTextCase {
  const char* name;
  const char* points;  // the answers to both prompts
  int button;
  double expected;  // from the points, independently of the command
  double tolerance;
};

class DistanceAsText : public DistanceCommand, public ::testing::WithParamInterface<AsTextCase> {};

// The placed text reads back as the value of the button pressed.
TEST_P(DistanceAsText, PlacesTheChosenValue) {
  const AsTextCase& c = GetParam();
  // Text placement goes on placing copies until Escape.
  Run(std::string("VXDIST;") + c.points + ";{press " + std::to_string(c.button) + "};50,50;<esc>");
  const std::vector<std::string> texts = PlacedTexts();
  ASSERT_EQ(texts.size(), 1u) << transcript.str();
  char* rest = nullptr;
  const double got = std::strtod(texts[0].c_str(), &rest);
  EXPECT_NE(rest, texts[0].c_str()) << texts[0];
  EXPECT_NEAR(got, c.expected, c.tolerance) << texts[0];
}

constexpr double kDegrees = 180 / 3.14159265358979323846;

INSTANTIATE_TEST_SUITE_P(
    Values, DistanceAsText,
    ::testing::Values(AsTextCase{"distance", "10,20;13,24", 1060, 5, 1e-3},
                      AsTextCase{"diff_x", "10,20;4,24", 1061, -6, 1e-3},
                      AsTextCase{"diff_y", "10,20;4,24", 1062, 4, 1e-3},
                      AsTextCase{"angle", "0,0;-3,3", 1063, std::atan2(3.0, -3.0) * kDegrees, 1e-2},
                      AsTextCase{"enter_in_first_run_starts_at_origin", "<enter>;6,8", 1060, 10, 1e-3},
                      AsTextCase{"equal_points", "7,7;7,7", 1060, 0, 1e-9}),
    [](const ::testing::TestParamInfo<AsTextCase>& i) { return std::string(i.param.name); });

struct EndCase {
  const char* name;
  const char* script;
  bool dialog;
};

class DistanceEnds : public DistanceCommand, public ::testing::WithParamInterface<EndCase> {};

// Every way out but "As text" leaves the drawing as it was.
TEST_P(DistanceEnds, WritesNothing) {
  Run(GetParam().script);
  EXPECT_TRUE(PlacedTexts().empty()) << transcript.str();
  EXPECT_TRUE(Entities().empty());
  EXPECT_EQ(DialogShown(), GetParam().dialog);
}

INSTANTIATE_TEST_SUITE_P(Exits, DistanceEnds,
                         ::testing::Values(EndCase{"escape_first", "VXDIST;<esc>", false},
                                           EndCase{"escape_second", "VXDIST;1,1;<esc>", false},
                                           EndCase{"ok", "VXDIST;1,1;4,5;{press ok}", true},
                                           EndCase{"right_click", "VXDIST;1,1;4,5;<rclick>", true}),
                         [](const ::testing::TestParamInfo<EndCase>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace vxh::testing
