#include "headless/dialogs/text_spec_answer.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <string_view>

#include "headless/host_error.h"
#include "headless/text_encoding.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

// The pack's own pi, so typed and computed angles agree.
constexpr double kDegreesToRadians = 3.14159265 / 180.0;
constexpr double kLargestJustification = 20;
constexpr double kLargestFont = 65535;

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return "";
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

double Number(const std::string& field, const std::string& value, const std::string& where) {
  char* end = nullptr;
  const double number = std::strtod(value.c_str(), &end);
  if (value.empty() || *end != '\0' || !std::isfinite(number))
    throw BadInput(where + ": " + field + " takes a number, got " + QuoteForMessage(value));
  return number;
}

double Whole(const std::string& field, const std::string& value, double largest, const std::string& where) {
  const double number = Number(field, value, where);
  if (number < 0 || number > largest || number != std::floor(number))
    throw BadInput(where + ": " + field + " takes a whole number from 0 to " +
                   std::to_string(static_cast<int>(largest)) + ", got \"" + value + "\"");
  return number;
}

const std::map<std::string, std::uint8_t>& StyleWords() {
  static const std::map<std::string, std::uint8_t> words = {{"outline", vx::kStyleOutline},
                                                            {"bold", vx::kStyleBold},
                                                            {"italic", vx::kStyleItalic},
                                                            {"underline", vx::kStyleUnderline},
                                                            {"strikeout", vx::kStyleStrikeOut}};
  return words;
}

void ReadField(TextSpecAnswer& answer, const std::string& field, const std::string& value, const std::string& where) {
  if (field == "height" || field == "width") {
    const double number = Number(field, value, where);
    if (!(number > 0)) throw BadInput(where + ": " + field + " must be greater than 0");
    (field == "height" ? answer.height : answer.width) = static_cast<float>(number);
  } else if (field == "angle") {
    answer.angle_radians = static_cast<float>(Number(field, value, where) * kDegreesToRadians);
  } else if (field == "font") {
    answer.font = static_cast<std::uint16_t>(Whole(field, value, kLargestFont, where));
  } else if (field == "justify") {
    answer.justify = static_cast<std::uint8_t>(Whole(field, value, kLargestJustification, where));
  } else {
    throw BadInput(where + ": no field " + QuoteForMessage(field) + " (height, width, angle, font, justify)");
  }
}

void ReadWord(TextSpecAnswer& answer, const std::string& word, bool& pressed, const std::string& where) {
  if (word == "press ok" || word == "press 1" || word == "ok") {
    answer.ok = pressed = true;
  } else if (word == "press cancel" || word == "press 2" || word == "cancel") {
    answer.ok = false;
    pressed = true;
  } else if (word == "plain") {
    answer.clear_bits = true;
  } else if (StyleWords().count(word)) {
    answer.set_bits |= StyleWords().at(word);
  } else {
    throw BadInput(where + ": cannot read " + QuoteForMessage(word));
  }
}

}  // namespace

TextSpecAnswer ParseTextSpecAnswer(const std::string& body, const std::string& where) {
  TextSpecAnswer answer;
  bool pressed = false;
  std::size_t start = 0;
  while (start <= body.size()) {
    std::size_t end = body.find(';', start);
    if (end == std::string::npos) end = body.size();
    const std::string item = Trim(std::string_view(body).substr(start, end - start));
    start = end + 1;
    if (item.empty()) continue;
    const std::size_t equals = item.find('=');
    if (equals == std::string::npos) {
      ReadWord(answer, item, pressed, where);
    } else {
      ReadField(answer, Trim(item.substr(0, equals)), Trim(item.substr(equals + 1)), where);
    }
  }
  if (!pressed) answer.ok = true;
  return answer;
}

void ApplyTextSpecAnswer(const TextSpecAnswer& answer, std::uint8_t* spec) {
  if (answer.height) vx::PutF32(spec, vx::kSpecHeight, *answer.height);
  if (answer.width) vx::PutF32(spec, vx::kSpecWidth, *answer.width);
  if (answer.angle_radians) vx::PutF32(spec, vx::kSpecAngle, *answer.angle_radians);
  if (answer.font) vx::PutU16(spec, vx::kSpecFont, *answer.font);
  if (answer.justify) vx::PutU8(spec, vx::kSpecJustify, *answer.justify);
  std::uint8_t bits = answer.clear_bits ? 0 : vx::GetU8(spec, vx::kSpecStyleBits);
  vx::PutU8(spec, vx::kSpecStyleBits, static_cast<std::uint8_t>(bits | answer.set_bits));
}

std::uint8_t* TextDefaultsSpec() {
  vx::DList* work = vx::GetWorkDL();
  std::uint8_t* table = work != nullptr ? work->SettingsTable(vx::kTableTextDefaults) : nullptr;
  if (table == nullptr) throw HostFault("TSpecDialog: the drawing has no text defaults");
  return table + vx::GetU32(table, vx::kTableCurrentOffset) + vx::kTextDefaultsSpec;
}

}  // namespace vxh
