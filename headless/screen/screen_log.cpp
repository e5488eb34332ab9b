#include "headless/screen/screen_log.h"

#include <array>
#include <utility>

#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::screen {

namespace {

// A visible width of 100 drawing units over 1000 pixels until the script
// sets a view.
constexpr double kDefaultViewWidth = 100.0;
constexpr std::uint32_t kDefaultPixelWidth = 1000;

struct ScreenState {
  Counts counts;
  std::vector<Frame> frames;
  std::vector<Primitive> pending;
  std::array<std::uint8_t, vx::kWinRecordBytes> window{};
};

ScreenState& State() {
  static ScreenState state = [] {
    ScreenState fresh;
    vx::PutF64(fresh.window.data(), vx::kWinViewWidth, kDefaultViewWidth);
    vx::PutU32(fresh.window.data(), vx::kWinPixelWidth, kDefaultPixelWidth);
    return fresh;
  }();
  return state;
}

}  // namespace

const Counts& ScreenCounts() { return State().counts; }
const std::vector<Frame>& Frames() { return State().frames; }
const std::vector<Primitive>& PendingPrimitives() { return State().pending; }

void ResetScreen() {
  State().counts = {};
  State().frames.clear();
  State().pending.clear();
  SetActiveWindow(kDefaultViewWidth, kDefaultPixelWidth);
}

void SetActiveWindow(double view_width, std::uint32_t pixel_width) {
  vx::PutF64(State().window.data(), vx::kWinViewWidth, view_width);
  vx::PutU32(State().window.data(), vx::kWinPixelWidth, pixel_width);
}

void CountDraw() { ++State().counts.draws; }
void CountErase() { ++State().counts.erases; }
void CountMark() { ++State().counts.marks; }
void CountShowChanges() { ++State().counts.show_changes; }
void CountRedraw() { ++State().counts.redraws; }

void AddPrimitive(Primitive primitive) { State().pending.push_back(std::move(primitive)); }

void EndFrame(double view_width, double view_height, const std::array<double, 3>& cursor) {
  State().frames.push_back({view_width, view_height, std::move(State().pending), cursor});
  State().pending.clear();
}

std::uint8_t* ActiveWindowRecord() { return State().window.data(); }

}  // namespace vxh::screen
