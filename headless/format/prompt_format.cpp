#include "headless/format/prompt_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "headless/host_error.h"

namespace vxh {

namespace {

// Angles arrive in radians and are shown in degrees, with the pack's own π so
// that its constants (1.570796325 for 90°) read back as round numbers.
constexpr double kHostPi = 3.14159265;
constexpr double kDegreesPerRadian = 180.0 / kHostPi;

int Decimals(const vx::PromptEntry& entry, int fallback) {
  if (entry.decimals == vx::kDefaultDecimals) return fallback;
  return entry.decimals > kMaxDecimals ? kMaxDecimals : entry.decimals;
}

template <typename T>
T ValueOf(const vx::PromptEntry& entry) {
  T value;
  std::memcpy(&value, entry.value, sizeof value);
  return value;
}

// Fixed-point text; a value that rounds to zero is shown without a sign.
std::string Fixed(double value, int decimals) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string FormatEntry(const vx::PromptEntry& entry, int number) {
  switch (entry.type) {
    case vx::kValText:
    case vx::kValLongText: return static_cast<const char*>(entry.value);
    case vx::kValInt3: return std::to_string(ValueOf<std::int16_t>(entry));
    case vx::kValInt: return std::to_string(ValueOf<std::int32_t>(entry));
    case vx::kValFloat: return Fixed(ValueOf<float>(entry), Decimals(entry, kDefaultRealDecimals));
    case vx::kValDouble:
    case vx::kValLength: return Fixed(ValueOf<double>(entry), Decimals(entry, kDefaultRealDecimals));
    case vx::kValPoint: {
      const auto* xy = static_cast<const double*>(entry.value);
      const int decimals = Decimals(entry, kDefaultRealDecimals);
      return Fixed(xy[0], decimals) + "," + Fixed(xy[1], decimals);
    }
    case vx::kValAngleF:
      return Fixed(ValueOf<float>(entry) * kDegreesPerRadian, Decimals(entry, kDefaultAngleDecimals));
    case vx::kValAngle:
      return Fixed(ValueOf<double>(entry) * kDegreesPerRadian, Decimals(entry, kDefaultAngleDecimals));
    default:
      throw HostFault("prompt record entry " + std::to_string(number) + " has unknown value type code " +
                      std::to_string(entry.type));
  }
}

// The entry number of a placeholder "!0N" at text[i], or 0 when there is none.
int PlaceholderAt(const char* text, std::size_t i) {
  if (text[i] != '!' || text[i + 1] != '0') return 0;
  const char digit = text[i + 2];
  return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

}  // namespace

std::string FormatPromptRecord(const vx::PromptRecord& record) {
  if (record.text == nullptr) throw HostFault("prompt record without text");
  const char* text = record.text;
  std::string out;
  for (std::size_t i = 0; text[i] != 0; ++i) {
    const int number = PlaceholderAt(text, i);
    const vx::PromptEntry* entry = number > 0 ? &record.entry[number - 1] : nullptr;
    if (entry == nullptr || entry->value == nullptr) {
      out += text[i];
      continue;
    }
    out += FormatEntry(*entry, number);
    i += 2;
  }
  return out;
}

}  // namespace vxh
