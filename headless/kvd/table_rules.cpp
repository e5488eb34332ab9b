#include "headless/kvd/table_rules.h"

#include <algorithm>
#include <cstring>

#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {
namespace {

// Where a record's name starts (0: no name) and the least size of a record.
struct RecordShape {
  std::size_t name;
  std::uint32_t least;
};

RecordShape ShapeOf(int number) {
  switch (number) {
    case vx::kTableCurrent: return {0, vx::kCurrentRecordBytes};
    case vx::kTableLayers: return {vx::kLayerName, vx::kLayerName + 1};
    case vx::kTableFillStyles: return {vx::kFillName, vx::kFillName + 1};
    case vx::kTableLineStyles: return {vx::kLStyleName, vx::kLStyleName + 1};
    case vx::kTableFonts: return {vx::kFontName, vx::kFontName + 1};
    case vx::kTableDimStyles: return {0, vx::kDimStyleRecordBytes};
    default: return {0, vx::kTextDefaultsRecordBytes};
  }
}

std::string At(std::size_t offset, const std::string& problem) {
  return problem + " at byte " + std::to_string(offset) + " of the table";
}

// The line families of a type-3 fill style must lie inside the record.
std::string FamiliesViolation(const std::uint8_t* record, std::uint32_t size) {
  const int data = vx::GetI8(record, vx::kFillDataOffset);
  if (data <= 0 || static_cast<std::uint32_t>(data) + vx::kFillDataFamilies > size) {
    return "line-family fill style data offset " + std::to_string(data) + " is outside the record";
  }
  const std::uint32_t count = vx::GetU32(record, data + vx::kFillDataCount);
  std::size_t at = data + vx::kFillDataFamilies;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (at + vx::kFamilyFixedBytes > size) return "line family " + std::to_string(i) + " runs past the record";
    const std::int32_t dashes = vx::GetI32(record, at + vx::kFamDashCount);
    if (dashes < 0 || dashes > static_cast<std::int32_t>((size - at) / 4)) {
      return "line family " + std::to_string(i) + " has a dash count of " + std::to_string(dashes) +
             " that does not fit the record";
    }
    at += vx::kFamilyFixedBytes + 4 * static_cast<std::size_t>(dashes);
    if (at > size) return "line family " + std::to_string(i) + " runs past the record";
  }
  return {};
}

std::string RecordViolation(int number, const std::uint8_t* record, std::uint32_t size) {
  const RecordShape shape = ShapeOf(number);
  if (size < shape.least) {
    return "a record of " + std::to_string(size) + " bytes is shorter than " + std::to_string(shape.least);
  }
  // A name ends inside its field: the layer's line style follows the name.
  if (shape.name != 0 &&
      std::memchr(record + shape.name, 0, std::min<std::size_t>(size - shape.name, vx::kNameFieldBytes)) == nullptr) {
    return "a record's name has no NUL inside the record";
  }
  if (number == vx::kTableFillStyles && record[vx::kFillType] == vx::kFillTypeLineFamilies) {
    return FamiliesViolation(record, size);
  }
  return {};
}

}  // namespace

std::string TableRuleViolation(int number, const std::uint8_t* table, std::size_t length) {
  const std::size_t first = vx::FirstRecordOffset(number);
  if (length < first + 4) return At(0, "the table is shorter than its header and terminator");
  if (vx::GetU32(table, vx::kTableLength) != length) return At(vx::kTableLength, "the length field disagrees");
  if (vx::GetU8(table, vx::kTableNumber) != number) return At(vx::kTableNumber, "the table number disagrees");
  const std::uint32_t current = vx::GetU32(table, vx::kTableCurrentOffset);
  bool current_found = current == 0;
  std::size_t offset = first;
  while (true) {
    if (offset + 4 > length) return At(offset, "the records run past the table without a terminator");
    const std::uint32_t size = vx::GetU32(table, offset);
    if (size == 0) break;
    if (size < vx::kRecId + 2 || size > length - 4 - offset) {
      return At(offset, "a record size of " + std::to_string(size) + " does not fit the table");
    }
    if (std::string problem = RecordViolation(number, table + offset, size); !problem.empty()) {
      return At(offset, problem);
    }
    if (offset == current) {
      current_found = vx::GetU16(table, vx::kTableCurrentId) == vx::GetU16(table, offset + vx::kRecId);
    }
    offset += size;
  }
  if (offset + 4 != length) return At(offset, "bytes follow the terminator");
  if (!current_found) return At(vx::kTableCurrentOffset, "the current record is not a record of the table");
  return {};
}

}  // namespace vxh
