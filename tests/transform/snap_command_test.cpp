#include "headless/cursor/snap_settings.h"
#include "headless/host_error.h"
#include "headless/session/session_core.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {
namespace {

using SnapCommand = TransformTest;

std::optional<double> SnapGrid() { return SessionCore::Active("the test").Host().snap_grid; }

TEST_F(SnapCommand, SetsAndClearsTheGridAndRefusesSizesNotAboveZero) {
  EXPECT_FALSE(SnapGrid().has_value()) << "off in a new session";
  Run("SNAP;0.25");
  EXPECT_EQ(SnapGrid(), 0.25);
  Run("snap;OFF");
  EXPECT_FALSE(SnapGrid().has_value());
  Run("SNAP;1;SNAP;0;SNAP;-2;SNAP;wide");
  EXPECT_EQ(SnapGrid(), 1.0);
  const std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Error] The snap grid is a size above 0, or off"), 3);
}

TEST(SnapPoint, DragModeSnapsXYAndPlacementModeAlsoZ) {
  EXPECT_EQ(SnapPoint({1.3, -0.7, 0.8}, kSnapModeDrag, 0.5), (std::array<double, 3>{1.5, -0.5, 0.8}));
  EXPECT_EQ(SnapPoint({1.3, -0.7, 0.8}, kSnapModePlacement, 0.5), (std::array<double, 3>{1.5, -0.5, 1.0}));
  EXPECT_THROW(SnapPoint({0, 0, 0}, 1, 0.5), HostFault);
  EXPECT_EQ(SnapPoint({1.3, -0.7, 0.8}, kSnapModePlacement, std::nullopt), (std::array<double, 3>{1.3, -0.7, 0.8}));
  EXPECT_THROW(CheckedSnapGrid(0.0), HostFault);
}

}  // namespace
}  // namespace vxh::testing
