#include "text/style_keys.h"

#include <array>
#include <cstring>

#include "frame/keyboard_hook.h"
#include "host/entity_layout.h"
#include "host/number_stepping.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "host/win_api.h"
#include "text/text_access.h"
#include "text/text_placement.h"
#include "text/text_state.h"
#include "text/text_template.h"

namespace vx {

namespace {

constexpr std::array<std::uint8_t, 21> kFarTable = {11, 13, 15, 9, 4, 10, 16, 18, 20, 3, 5,
                                                    0,  0,  1,  2, 2, 6,  6,  7,  8,  8};
constexpr std::uint8_t kLastNormalCode = 8;

// Justification keys: the new code from a normal one; far on and off.
bool Justify(std::uint8_t key, int& code, bool& far_side) {
  switch (key) {
    case 'L': code = 3 * (code / 3); return true;
    case 'C': code = 3 * (code / 3) + 1; return true;
    case 'R': code = 3 * (code / 3) + 2; return true;
    case 'B': code = code % 3; return true;
    case 'M': code = code % 3 + 3; return true;
    case 'T': code = code % 3 + 6; return true;
    case 'F': far_side = true; return true;
    case 'N': far_side = false; return true;
    default: return false;
  }
}

std::uint8_t StyleBitOf(std::uint8_t key) {
  switch (key) {
    case 'S': return kStyleBold;
    case 'U': return kStyleUnderline;
    case 'I': return kStyleItalic;
    case 'O': return kStyleOutline;
    default: return 0;
  }
}

bool StepKey(std::uint8_t key, char* string, std::size_t capacity) {
  switch (key) {
    case VK_UP:
    case VK_ADD: StepNumber(string, capacity, 0); return true;
    case VK_DOWN:
    case VK_SUBTRACT: StepNumber(string, capacity, kStepDown); return true;
    case VK_RIGHT: StepNumber(string, capacity, kStepLastGroup); return true;
    case VK_LEFT: StepNumber(string, capacity, kStepLastGroup | kStepDown); return true;
    default: return false;
  }
}

bool JustifyOrStyle(std::uint8_t key, TextFormatBlock spec) {
  int code = spec.Justification();
  bool far_side = false;
  if (code > kLastNormalCode) {
    far_side = true;
    code = kFarTable[code % kFarTable.size()];
  }
  if (Justify(key, code, far_side)) {
    spec.SetJustification(static_cast<std::uint8_t>(far_side ? kFarTable[code] : code));
  } else if (const std::uint8_t bit = StyleBitOf(key)) {
    spec.SetStyleBits(spec.StyleBits() ^ bit);
  } else {
    return false;
  }
  spec.DetachStyle();
  return true;
}

}  // namespace

std::uint8_t FarJustification(std::uint8_t code) { return kFarTable[code % kFarTable.size()]; }

bool ApplyStyleKeyTo(std::uint8_t key, std::uint8_t* spec, char* string, std::size_t capacity) {
  return JustifyOrStyle(key, TextFormatBlock(spec)) || StepKey(key, string, capacity);
}

void ApplyStyleKey(std::uint8_t key) {
  std::uint8_t* templ = TextTemplate();
  std::uint8_t* spec = templ + kTextSpec;
  if (key == kLastKeyAccept) {
    Text().editor.shortcuts_disabled = 1;
  } else if (key == 'K') {
    if (std::uint8_t* record = MakeFirstTextDefaultsCurrent())
      std::memcpy(record + kTextDefaultsSpec, spec, kTextSpecBytes);
  } else if (key == 'H') {
    RunTextHelpDialog();
  } else if (key == 'D') {
    if (const std::uint8_t* record = TextDefaultsRecord())
      std::memcpy(spec, record + kTextDefaultsSpec, kTextSpecBytes);
  } else {
    ApplyStyleKeyTo(key, spec, reinterpret_cast<char*>(templ + kTextString), kTemplateStringMax + 1);
  }
}

}  // namespace vx
