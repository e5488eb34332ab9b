#include "headless/dialogs/field_values.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "headless/format/prompt_format.h"
#include "headless/host_error.h"
#include "headless/script/pending_request.h"
#include "headless/script/values.h"
#include "headless/text_encoding.h"
#include "host/prompt_record.h"

namespace vxh::dialogs {

namespace {

// Edits show what FormSt would show for the same value, so a dialog and a
// prompt agree.
std::string FormatThroughPrompt(const Binding& b) {
  vx::PromptRecord record;
  record.text = "!01";
  record.entry[0].value = b.value;
  record.entry[0].type = static_cast<std::uint8_t>(b.type);
  record.entry[0].decimals = static_cast<std::uint8_t>(b.decimals);
  return FormatPromptRecord(record);
}

[[noreturn]] void Refuse(const std::string& control, std::string_view text, const char* wanted) {
  throw BadInput(control + " takes " + wanted + ", got " + QuoteForMessage(text));
}

double Number(std::string_view text, const std::string& control) {
  const std::optional<double> v = script::ParseNumber(text);
  if (!v) Refuse(control, text, "a number");
  return *v;
}

void WriteText(const Binding& b, std::string_view text, const std::string& control) {
  if (b.width > 0 && text.size() > static_cast<std::size_t>(b.width))
    throw BadInput(control + " takes at most " + std::to_string(b.width) + " characters, got " +
                   std::to_string(text.size()));
  char* out = static_cast<char*>(b.value);
  std::memcpy(out, text.data(), text.size());
  out[text.size()] = '\0';
}

void WriteInteger(const Binding& b, std::string_view text, const std::string& control) {
  const std::optional<std::int32_t> v = script::ParseInteger(script::TrimBlanks(text));
  if (!v) Refuse(control, text, "a whole number");
  if (b.type == vx::kValInt3) {
    if (*v < INT16_MIN || *v > INT16_MAX) Refuse(control, text, "a whole number of 16 bits");
    const auto small = static_cast<std::int16_t>(*v);
    std::memcpy(b.value, &small, sizeof small);
  } else {
    std::memcpy(b.value, &*v, sizeof *v);
  }
}

void WritePoint(const Binding& b, std::string_view text, const std::string& control) {
  const std::optional<script::PointText> p = script::ParsePoint(text);
  if (!p || p->relative || p->count != 2) Refuse(control, text, "a point x,y");
  const double xy[2] = {p->x, p->y};
  std::memcpy(b.value, xy, sizeof xy);
}

template <typename T>
void Store(const Binding& b, double value) {
  const T v = static_cast<T>(value);
  std::memcpy(b.value, &v, sizeof v);
}

}  // namespace

std::string FormatField(const Binding& b) { return FormatThroughPrompt(b); }

void WriteField(const Binding& b, std::string_view text, const std::string& control) {
  switch (b.type) {
    case vx::kValText:
    case vx::kValLongText: return WriteText(b, text, control);
    case vx::kValInt3:
    case vx::kValInt: return WriteInteger(b, text, control);
    case vx::kValFloat: return Store<float>(b, Number(text, control));
    case vx::kValDouble:
    case vx::kValLength: return Store<double>(b, Number(text, control));
    case vx::kValPoint: return WritePoint(b, text, control);
    case vx::kValAngleF: return Store<float>(b, Number(text, control) * kDegreesToRadians);
    case vx::kValAngle: return Store<double>(b, Number(text, control) * kDegreesToRadians);
    default:
      throw HostFault(control + " is bound with the value type " + std::to_string(b.type) +
                      ", which edits do not have");
  }
}

}  // namespace vxh::dialogs
