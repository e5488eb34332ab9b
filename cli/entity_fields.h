// The fields `vorlix list` shows for one entity, each ready in both forms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/kv_types.h"

namespace vxh {
class Document;
}

namespace vxcli {

struct Field {
  std::string key;   // the JSON key; the text form shows it with spaces
  std::string json;  // the value as JSON
  std::string text;  // the value as a person reads it
};

// Names from the drawing's tables, looked up once per listing.
struct TableNames {
  std::map<int, std::string> layers;       // by layer id
  std::map<int, std::string> line_styles;  // by line style number
};

TableNames NamesOf(const vxh::Document& document);

// The entity's fields in the order of docs/list_json.md (members excluded).
std::vector<Field> EntityFields(vx::Entity entity, const TableNames& names);

// Helpers shared with the table listing.
// A NUL-terminated text of a record (entity or settings), never read past
// the record's end (its u32 size at byte 0).
std::string RecordText(const std::uint8_t* record, std::size_t at);
std::string Num(double value);
std::string JsonString(const std::string& text);
Field NumberField(const std::string& key, double value);
Field StringField(const std::string& key, const std::string& value);

}  // namespace vxcli
