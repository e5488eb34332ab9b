// The keys a script can press with <key NAME>: named keys (TAB, LEFT, UP,
// RIGHT, DOWN, DELETE, ADD, SUBTRACT, ESCAPE, ENTER, SPACE, BACK; any case)
// and single printable characters, typed as on a US keyboard ("h" plain, "H"
// and "!" with SHIFT).
#pragma once

#include <optional>
#include <string_view>

#include "host/win_api.h"

namespace vxh::win {

struct KeyStroke {
  int virtual_key = 0;
  bool shift = false;
};

std::optional<KeyStroke> KeyStrokeFor(std::string_view name);

// The character a key gives on a US keyboard, 0 when it gives none.
char CharacterOf(int virtual_key, bool shift, bool ctrl);

// The key data of WM_KEYDOWN and WM_KEYUP: repeat count 1, the scan code in
// bits 16 to 23, the extended-key bit 24, and for a key-up bits 30 and 31.
LPARAM KeyData(int virtual_key, bool key_up);

}  // namespace vxh::win
