// The headless host's screen: there is no window, so what the pack asks to
// draw is recorded here. Counters cover the drawing's own redraw requests;
// drag views record their primitives frame by frame (a frame ends when the
// drag routine hands the cursor back with XHReqCsr / XHReqCsr3). Turning the
// frames into pictures is the renderer's job and comes later.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "headless/geometry/matrix.h"
#include "host/settings_layout.h"

namespace vxh::screen {

struct Counts {
  int draws = 0;         // EDraw
  int erases = 0;        // EErase
  int marks = 0;         // EMark
  int show_changes = 0;  // ShowChanges
  int redraws = 0;       // Redraw
};

// A member of a container drawn with EDrawM, as it was at that moment, with
// the placement that carries it to the drawing (a symbol's members sit in
// the definition's coordinates).
struct PlacedRecord {
  std::vector<std::uint8_t> record;
  Matrix placement;
};

enum class PrimitiveKind { kEntity, kLine, kCircle, kText, kSetting };

struct Primitive {
  PrimitiveKind kind = PrimitiveKind::kLine;
  bool three_d = false;               // drawn through the 3-D object
  std::vector<double> points;         // line: 2 points; circle: centre (2 or 3 doubles each)
  double radius = 0;                  // circle
  std::string text;                   // text
  int setting = 0;                    // setting
  std::vector<std::uint8_t> record;   // entity (EDrawM) or text record
  std::vector<PlacedRecord> members;  // entity: what a container shows
};

struct Frame {
  double view_width = 0;
  double view_height = 0;
  std::vector<Primitive> primitives;
  std::array<double, 3> cursor{};  // where the cursor was drawn (RscAdr(4147) at the frame's end)
};

// What the screen recorded in a session. The session owns one; a new session
// starts with no counts and no frames.
class ScreenState {
 public:
  ScreenState();

  const Counts& ScreenCounts() const { return counts_; }
  Counts& MutableCounts() { return counts_; }
  // Finished frames, in order.
  const std::vector<Frame>& Frames() const { return frames_; }
  // Primitives drawn since the last frame ended.
  const std::vector<Primitive>& PendingPrimitives() const { return pending_; }
  void AddPrimitive(Primitive primitive);
  void EndFrame(double view_width, double view_height, const std::array<double, 3>& cursor = {});
  // Forgets the frames already recorded (a long run that only counts them).
  void ForgetFrames() { frames_.clear(); }

  // The active drawing window record handed out by GetADWin.
  void SetActiveWindow(double view_width, std::uint32_t pixel_width);
  std::uint8_t* ActiveWindowRecord() { return window_.data(); }

  // How many finished frames have been written as pictures.
  std::size_t& WrittenFrames() { return written_; }

 private:
  Counts counts_;
  std::vector<Frame> frames_;
  std::vector<Primitive> pending_;
  std::array<std::uint8_t, vx::kWinRecordBytes> window_{};
  std::size_t written_ = 0;
};

// The running session's screen; a HostFault naming `operation` when no
// session runs. The session defines it.
ScreenState& RunningScreen(const char* operation);

}  // namespace vxh::screen
