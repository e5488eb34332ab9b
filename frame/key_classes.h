// Which keys end a hooked prompt. The keyboard hook turns a command key (and,
// in strict mode, a command letter) into an Escape and remembers it; every
// other key reaches the host untouched.
#pragma once

namespace vx {

enum class KeyClass { kCommandKey, kCommandLetter, kOther };

// TAB, the arrows, DELETE, keypad ADD and SUBTRACT; the letters
// B C D F H I K L M N O R S T U; everything else.
KeyClass ClassifyKey(unsigned virtual_key);

}  // namespace vx
