#include "frame/key_classes.h"

#include <algorithm>
#include <array>

#include "host/win_api.h"

namespace vx {

namespace {

constexpr std::array<unsigned, 8> kCommandKeys{VK_TAB,  VK_LEFT,   VK_UP,  VK_RIGHT,
                                               VK_DOWN, VK_DELETE, VK_ADD, VK_SUBTRACT};
constexpr std::array<char, 15> kCommandLetters{'B', 'C', 'D', 'F', 'H', 'I', 'K', 'L',
                                               'M', 'N', 'O', 'R', 'S', 'T', 'U'};

}  // namespace

KeyClass ClassifyKey(unsigned virtual_key) {
  if (std::find(kCommandKeys.begin(), kCommandKeys.end(), virtual_key) != kCommandKeys.end())
    return KeyClass::kCommandKey;
  const bool letter = std::any_of(kCommandLetters.begin(), kCommandLetters.end(),
                                  [&](char c) { return static_cast<unsigned>(c) == virtual_key; });
  return letter ? KeyClass::kCommandLetter : KeyClass::kOther;
}

}  // namespace vx
