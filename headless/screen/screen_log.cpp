#include "headless/screen/screen_log.h"

#include <utility>

#include "host/record.h"

namespace vxh::screen {

namespace {

// A visible width of 100 drawing units over 1000 pixels until the script
// sets a view.
constexpr double kDefaultViewWidth = 100.0;
constexpr std::uint32_t kDefaultPixelWidth = 1000;

}  // namespace

ScreenState::ScreenState() { SetActiveWindow(kDefaultViewWidth, kDefaultPixelWidth); }

void ScreenState::SetActiveWindow(double view_width, std::uint32_t pixel_width) {
  vx::PutF64(window_.data(), vx::kWinViewWidth, view_width);
  vx::PutU32(window_.data(), vx::kWinPixelWidth, pixel_width);
}

void ScreenState::AddPrimitive(Primitive primitive) { pending_.push_back(std::move(primitive)); }

void ScreenState::EndFrame(double view_width, double view_height, const std::array<double, 3>& cursor) {
  frames_.push_back({view_width, view_height, std::move(pending_), cursor});
  pending_.clear();
}

}  // namespace vxh::screen
