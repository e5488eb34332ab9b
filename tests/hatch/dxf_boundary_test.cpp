// A user's case end to end: a DXF drawing (a square outline with a round
// hole, as a CAD program writes it) opened, hatched from a script with a
// pattern of a registered PAT file, and the lines checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

// A closed LWPOLYLINE from (0,0) to (10,10) and a CIRCLE of radius 2 at (5,5).
constexpr const char* kSquareWithHole =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n10\n0\n20\n0\n10\n10\n20\n0\n10\n10\n20\n10\n10\n0\n20\n10\n"
    "0\nCIRCLE\n8\n0\n10\n5\n20\n5\n40\n2\n"
    "0\nENDSEC\n0\nEOF\n";

class DxfBoundary : public HatchSession {
 protected:
  std::vector<Segment> HatchDxf(const std::string& pat, const std::string& name) {
    const std::string drawing = (dir / "square_with_hole.dxf").string();
    std::ofstream(drawing, std::ios::binary) << kSquareWithHole;
    UsePat(pat, name);
    session.Open(drawing);
    Run("VXHATCHSTANDARD;all");
    std::vector<Segment> lines = HatchLines();
    for (Segment& s : lines) {  // left end first
      if (s.x1 > s.x2) {
        std::swap(s.x1, s.x2);
        std::swap(s.y1, s.y2);
      }
    }
    std::sort(lines.begin(), lines.end(),
              [](const Segment& a, const Segment& b) { return a.y1 != b.y1 ? a.y1 < b.y1 : a.x1 < b.x1; });
    return lines;
  }
};

// Horizontal lines half a unit off the grid: y = 0.5 ... 9.5. The four that
// pass the hole (|y - 5| < 2) are cut in two at the circle. The pattern is
// looked up by its whole header, description included.
TEST_F(DxfBoundary, ContinuousPatternLinesLieWhereTheGeometrySays) {
  const std::vector<Segment> lines =
      HatchDxf("*Rows, rows one unit apart\n0, 0,0.5, 0,1\n", "Rows, rows one unit apart");
  ASSERT_EQ(lines.size(), 14u);
  std::size_t at = 0;
  for (int row = 0; row < 10; ++row) {
    const double y = row + 0.5;
    const double half_chord = std::fabs(y - 5) < 2 ? std::sqrt(4 - (y - 5) * (y - 5)) : -1;
    const std::vector<std::pair<double, double>> spans =
        half_chord < 0 ? std::vector<std::pair<double, double>>{{0, 10}}
                       : std::vector<std::pair<double, double>>{{0, 5 - half_chord}, {5 + half_chord, 10}};
    for (const auto& [x1, x2] : spans) {
      ASSERT_LT(at, lines.size());
      const Segment& s = lines[at++];
      EXPECT_NEAR(s.y1, y, 1e-7) << "row " << row;
      EXPECT_NEAR(s.y2, y, 1e-7) << "row " << row;
      EXPECT_NEAR(s.x1, x1, 1e-7) << "row " << row;
      EXPECT_NEAR(s.x2, x2, 1e-7) << "row " << row;
    }
  }
}

// A dashed pattern over the same drawing: every dash lies inside the square
// and outside the hole, and the dashes cover about half of each row.
TEST_F(DxfBoundary, DashedPatternStaysInsideTheAreaAndKeepsItsDuty) {
  const std::vector<Segment> lines = HatchDxf("*Dashes\n0, 0,0.5, 0,1, 0.5,-0.5\n", "Dashes");
  ASSERT_FALSE(lines.empty());
  for (const Segment& s : lines) {
    for (const auto& [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
      EXPECT_GE(x, -1e-7);
      EXPECT_LE(x, 10 + 1e-7);
      EXPECT_GE(std::hypot(x - 5, y - 5), 2 - 1e-7) << x << "," << y;
    }
    EXPECT_LE(s.Length(), 0.5 + 1e-7);
  }
  const double area_rows = 100 - 4 * (std::sqrt(4 - 2.25) + std::sqrt(4 - 0.25)) * 2;
  EXPECT_NEAR(TotalLength(lines), area_rows / 2, 14 * 0.5);
}

}  // namespace
}  // namespace vxh::testing
