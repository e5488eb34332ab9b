// The one request the host holds while it waits for the script's answer.
#pragma once

#include <cstdint>
#include <string>

#include "host/kv_types.h"

namespace vxh {

struct PendingRequest {
  int kind = 0;
  void* buffer = nullptr;
  std::string prompt;  // as the host shows it
  std::intptr_t mode = 0;
  vx::Continuation next = nullptr;
  int flags = 0;

  bool AcceptsNumber() const;
  // Modes up to 0xFFFF are cursor styles; anything larger is a drag routine.
  vx::DragRoutine Drag() const;
};

// Typed angles are degrees; the host hands radians to the pack, converted
// with the pack's own value of pi so that typed and computed angles agree.
inline constexpr double kPackPi = 3.14159265;
inline constexpr double kDegreesToRadians = kPackPi / 180.0;

// Text answers fit the pack's 260-byte text buffers with their NUL.
inline constexpr std::size_t kMaxTextAnswer = 259;

// Status of a cancelled request (Escape).
inline constexpr int kStatusCancel = 1;

}  // namespace vxh
