// Prompt records: a text with placeholders "!01", "!02", ... and one value
// entry per placeholder. Used by ReqData (flags bit 0) and FormSt.
#pragma once

#include <cstdint>

namespace vx {

enum ValueType : std::uint8_t {
  kValText = 0,
  kValLongText = 2,
  kValInt3 = 3,
  kValInt = 5,
  kValFloat = 9,
  kValDouble = 10,
  kValPoint = 12,
  kValLength = 16,
  kValAngleF = 17,
  kValAngle = 19,
};

inline constexpr std::uint8_t kWidthCode = 5;
inline constexpr std::uint8_t kDefaultDecimals = 255;  // the host's default
inline constexpr int kMaxPlaceholders = 9;

struct PromptEntry {
  const void* value = nullptr;
  std::uint8_t type = kValText;
  std::uint8_t zero = 0;
  std::uint8_t width = kWidthCode;
  std::uint8_t decimals = kDefaultDecimals;
};

struct PromptRecord {
  const char* text = nullptr;
  PromptEntry entry[kMaxPlaceholders] = {};
};

static_assert(sizeof(PromptEntry) == sizeof(void*) + (sizeof(void*) == 4 ? 4 : 8));

}  // namespace vx
