// What the host's own editor (EEdit) shows and changes of a text-bearing
// record: the string of a text (5) or text-like entity (33), the value, tag
// and prompt of an attribute (37), and the height and angle of those that
// hold a text format block. Pure functions on record bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vxh {

struct TextFields {
  std::string text;                        // an attribute's value
  std::optional<std::string> tag, prompt;  // attributes only
  std::optional<float> height, angle;      // radians; records with a text format block
};

// Texts, text-like entities and attributes.
bool HostEditorTakes(int kind);

// The fields of a record of a kind the editor takes, or the reason it cannot
// (offsets or strings that do not fit the record), in words for a message box.
struct TextFieldsOrProblem {
  std::optional<TextFields> fields;
  std::string problem;
};
TextFieldsOrProblem ReadTextFields(const std::uint8_t* record);

// The record with the fields written in and its size field set: strings are
// replaced where they stand and everything after them moves with them; an
// attribute part that had no string and gets one is added at the end. The
// cache flag is cleared. `record` must be one ReadTextFields took.
std::vector<std::uint8_t> WithTextFields(const std::uint8_t* record, const TextFields& fields);

}  // namespace vxh
