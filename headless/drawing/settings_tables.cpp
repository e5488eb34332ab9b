#include "headless/drawing/settings_tables.h"

#include <algorithm>
#include <cstring>

#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

const std::vector<int>& SettingsTables::Numbers() {
  static const std::vector<int> numbers = {vx::kTableCurrent,     vx::kTableLayers, vx::kTableFillStyles,
                                           vx::kTableLineStyles,  vx::kTableFonts,  vx::kTableDimStyles,
                                           vx::kTableTextDefaults};
  return numbers;
}

std::uint8_t* SettingsTables::Table(int number) {
  auto it = tables_.find(number);
  return it == tables_.end() ? nullptr : it->second->data();
}

const std::uint8_t* SettingsTables::Table(int number) const {
  auto it = tables_.find(number);
  return it == tables_.end() ? nullptr : it->second->data();
}

std::size_t SettingsTables::Length(int number) const {
  auto it = tables_.find(number);
  return it == tables_.end() ? 0 : it->second->size();
}

void SettingsTables::Install(int number, std::vector<std::uint8_t> bytes) {
  tables_[number] = std::make_unique<StableBuffer>(bytes);
}

std::uint8_t* SettingsTables::AppendRecord(int number, const std::vector<std::uint8_t>& record) {
  auto it = tables_.find(number);
  if (it == tables_.end()) throw HostFault("settings table " + std::to_string(number) + " is missing");
  StableBuffer& table = *it->second;
  const std::size_t at = table.size() - 4;  // over the terminator
  table.Insert(at, record.data(), record.size());
  vx::PutU32(table.data(), vx::kTableLength, static_cast<std::uint32_t>(table.size()));
  return table.data() + at;
}

namespace {

// Visits the records of a table in order until `stop` says so; returns the
// record it stopped at. Every host call that makes an entity asks this for
// the current records, so it takes the callable without std::function.
template <typename Stop>
const std::uint8_t* WalkRecords(const SettingsTables& tables, int number, Stop stop) {
  const std::uint8_t* table = tables.Table(number);
  const std::size_t length = tables.Length(number);
  std::size_t offset = vx::FirstRecordOffset(number);
  while (table != nullptr && offset + 4 <= length) {
    const std::uint32_t size = vx::GetU32(table, offset + vx::kRecSize);
    if (size < vx::kRecId + 2 || size > length - offset) return nullptr;
    if (stop(table + offset)) return table + offset;
    offset += size;
  }
  return nullptr;
}

template <typename Match>
std::uint8_t* FindRecord(SettingsTables& tables, int number, Match match) {
  return const_cast<std::uint8_t*>(WalkRecords(tables, number, match));
}

}  // namespace

void ForEachRecord(const SettingsTables& tables, int number, const std::function<void(const std::uint8_t*)>& visit) {
  WalkRecords(tables, number, [&](const std::uint8_t* record) {
    visit(record);
    return false;
  });
}

namespace {

bool SameName(const std::uint8_t* record, std::size_t name_offset, const char* name) {
  const std::uint32_t size = vx::GetU32(record, vx::kRecSize);
  if (size <= name_offset) return false;
  const char* stored = reinterpret_cast<const char*>(record + name_offset);
  const std::size_t stored_length = strnlen(stored, size - name_offset);
  if (stored_length != std::strlen(name)) return false;
  for (std::size_t i = 0; i < stored_length; ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(stored[i]) != lower(name[i])) return false;
  }
  return true;
}

}  // namespace

std::uint8_t* FindRecordById(SettingsTables& tables, int number, int id) {
  return FindRecord(tables, number, [id](const std::uint8_t* r) { return vx::GetU16(r, vx::kRecId) == id; });
}

std::uint8_t* FindRecordByName(SettingsTables& tables, int number, std::size_t name_offset, const char* name) {
  if (name == nullptr) return nullptr;
  return FindRecord(tables, number, [&](const std::uint8_t* r) { return SameName(r, name_offset, name); });
}

std::uint8_t* CurrentRecord(SettingsTables& tables, int number) {
  std::uint8_t* table = tables.Table(number);
  if (table == nullptr) return nullptr;
  const std::uint32_t offset = vx::GetU32(table, vx::kTableCurrentOffset);
  // Only an offset at which a record of the table starts counts.
  return FindRecord(tables, number, [&](const std::uint8_t* r) { return r == table + offset; });
}

void MakeCurrent(SettingsTables& tables, int number, const std::uint8_t* record) {
  std::uint8_t* table = tables.Table(number);
  if (table == nullptr) return;
  const bool none = record == nullptr;
  vx::PutU16(table, vx::kTableCurrentId, none ? 0 : vx::GetU16(record, vx::kRecId));
  vx::PutU32(table, vx::kTableCurrentOffset, none ? 0 : static_cast<std::uint32_t>(record - table));
}

int CurrentId(const SettingsTables& tables, int number) {
  const std::uint8_t* table = tables.Table(number);
  return table == nullptr ? 0 : vx::GetU16(table, vx::kTableCurrentId);
}

}  // namespace vxh
