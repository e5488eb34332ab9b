// The keyboard hook that lets a waiting prompt end on keys the host would
// otherwise handle itself: a command key becomes an Escape (the prompt ends
// with a cancel status) and is remembered as the last key; "!" becomes an
// Enter and is remembered as '!'. Every event still reaches the host.
#pragma once

#include <cstdint>

#include "host/win_api.h"

namespace vx {

enum class KeyHookMode {
  kStrict,       // command letters end the prompt like command keys
  kLettersPass,  // command letters reach the prompt as typed text
};

// Clears the last key and installs the hook for the current thread.
void InstallKeyboardHook(KeyHookMode mode);
// Safe when no hook is installed.
void RemoveKeyboardHook();

// The key that ended the last hooked prompt: a virtual-key code, '!' (33), or
// 0 for a real Escape. Kept after removal until the next installation.
std::uint8_t LastKey();

inline constexpr std::uint8_t kLastKeyAccept = '!';

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM virtual_key, LPARAM key_data);

}  // namespace vx
