#include "headless/render/line_look.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "headless/dxf/dxf_colour.h"

namespace vxh {
namespace {

TEST(LineLook, DashPatternsBecomeCairosOnOffOrder) {
  struct Case {
    const char* what;
    std::vector<float> pattern;
    std::vector<double> pixels;  // at 4 pixels per unit
  };
  const Case cases[] = {
      {"solid", {}, {}},
      {"dashed", {2.5f, -1.25f}, {10, 5}},
      {"dotted", {0, -1}, {0, 4}},
      {"dash dot", {2.5f, -0.75f, 0, -0.75f}, {10, 3, 0, 3}},
      {"two drawn in a row", {1, 2, -1}, {4, 0, 8, 4}},
      {"starting with a gap", {-1, 2}, {0, 4, 8, 0}},
      {"only a dash", {3}, {12, 0}},
      {"nothing advances", {0, 0}, {}},
      {"not a number", {1, NAN}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(CairoDashes(c.pattern, 4), c.pixels) << c.what;
}

TEST(LineLook, DashUnitsFollowTheDrawingWithinLimits) {
  EXPECT_DOUBLE_EQ(DashUnitPixels(10, 1), 10);
  EXPECT_DOUBLE_EQ(DashUnitPixels(5, 2), 10);
  EXPECT_DOUBLE_EQ(DashUnitPixels(0.01, 1), 4);   // a huge drawing: dashes stay visible
  EXPECT_DOUBLE_EQ(DashUnitPixels(1000, 1), 24);  // a tiny one: still dashed
  EXPECT_DOUBLE_EQ(DashUnitPixels(NAN, 1), 4);
}

TEST(LineLook, AnEntitysOwnPenWinsOverItsLayer) {
  const Rgb red = PenColour(0x0000FF, 3, 2);
  EXPECT_DOUBLE_EQ(red.r, 1);
  EXPECT_DOUBLE_EQ(red.g, 0);
  EXPECT_DOUBLE_EQ(red.b, 0);
  const Rgb blue = PenColour(0xFF0000, 0, 0);
  EXPECT_DOUBLE_EQ(blue.b, 1);
  EXPECT_EQ(PenColour(0, 3, 2), IndexedColour(3));
}

// A DXF entity of colour index 3 on a layer of another colour, beside one
// drawn by a layer of index 3, must not show two greens.
TEST(LineLook, ALayerColourAndAnEntityColourOfTheSameIndexLookAlike) {
  for (int index = 1; index <= 255; ++index) {
    if (index == dxf::kAciForeground) continue;  // an entity of index 7 takes its layer's colour
    EXPECT_EQ(PenColour(dxf::HostColour(index, -1), 0, 0), PenColour(0, static_cast<std::uint16_t>(index), 1))
        << "index " << index;
  }
  EXPECT_EQ(IndexedColour(7), Rgb{}) << "the foreground is black on paper";
}

TEST(LineLook, LayersWithoutColoursStillLookApart) {
  std::set<std::tuple<double, double, double>> seen;
  for (std::uint16_t layer = 0; layer < 8; ++layer) {
    const Rgb c = PenColour(0, 0, layer);
    seen.insert({c.r, c.g, c.b});
    EXPECT_LT(0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b, 0.6) << "layer " << layer << " is hard to read on white";
  }
  EXPECT_EQ(seen.size(), 8u);
}

TEST(LineLook, AWhitePenIsDarkenedToShowOnThePage) {
  const Rgb c = PenColour(0xFFFFFF, 0, 0);
  EXPECT_LT(c.r, 0.95);
  EXPECT_DOUBLE_EQ(c.r, c.g);
}

}  // namespace
}  // namespace vxh
