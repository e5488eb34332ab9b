// Scripted user events, "<esc>", "<move 10,20>", ...: parsed from the text
// between the angle brackets. Pure; the session decides what each one does.
#pragma once

#include <string>
#include <string_view>

namespace vxh::script {

enum class EventKind {
  kEsc,
  kEnter,
  kMove,  // x, y
  kView,  // view
  kYes,
  kNo,
  kHold,     // name: "shift" or "ctrl"
  kRelease,  // name: "shift", "ctrl" or "all"
  kKey,      // name: the key as written
  kDown,     // x, y
  kUp,       // x, y
  kRClick,
  kMenu,  // number
};

// The visible area of the drawing and its size in pixels.
struct ViewSpec {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double width_px = 0, height_px = 0;
};

struct Event {
  EventKind kind = EventKind::kEsc;
  double x = 0, y = 0;
  ViewSpec view;
  std::string name;
  int number = 0;
};

// Throws BadInput (message without position) for an unknown event or bad
// arguments.
Event ParseEvent(std::string_view body);

// "esc", "move", ... as a script writes it, for messages.
const char* EventName(EventKind kind);

// An event without arguments (<enter>, <rclick>, ...).
inline Event EventOf(EventKind kind) {
  Event event;
  event.kind = kind;
  return event;
}

}  // namespace vxh::script
