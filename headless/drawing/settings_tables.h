// The settings tables of a drawing (layers, styles, fonts, current settings,
// text defaults) as byte buffers in the layouts of host/settings_layout.h,
// with the lookups the host operations and the host's own commands use.
// Layouts the host defines are written down in docs/settings_tables.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/drawing/stable_buffer.h"

namespace vxh {

class Document;
class SettingsTables;

// The running session's drawing tables, or null outside a session (defined
// with the session's host state).
SettingsTables* RunningTablesOrNull();

class SettingsTables {
 public:
  // The tables every drawing has, in file order.
  static const std::vector<int>& Numbers();

  std::uint8_t* Table(int number);  // null when the drawing has no such table
  const std::uint8_t* Table(int number) const;
  std::size_t Length(int number) const;  // bytes in use, the terminator included

  // Replaces a table by bytes already checked (file loading, defaults).
  void Install(int number, std::vector<std::uint8_t> bytes);
  // Adds a record (its size field set) at the end of a table and returns it.
  // Tables never move: pointers into them stay valid while the drawing is open.
  std::uint8_t* AppendRecord(int number, const std::vector<std::uint8_t>& record);

 private:
  std::map<int, std::unique_ptr<StableBuffer>> tables_;
};

// The tables of a new drawing.
void InstallDefaultTables(SettingsTables& tables);

// Records of a table in order; a damaged chain ends the iteration.
void ForEachRecord(const SettingsTables& tables, int number, const std::function<void(const std::uint8_t*)>& visit);
std::uint8_t* FindRecordById(SettingsTables& tables, int number, int id);
// Names compare without regard to ASCII case.
std::uint8_t* FindRecordByName(SettingsTables& tables, int number, std::size_t name_offset, const char* name);
// The record the table header names as current; null when none.
std::uint8_t* CurrentRecord(SettingsTables& tables, int number);
// Makes a record of the table current (null: none).
void MakeCurrent(SettingsTables& tables, int number, const std::uint8_t* record);
int CurrentId(const SettingsTables& tables, int number);

// Current settings applied to a record's header (SetCStuff) and entity
// settings copied between records (CopyCStuff).
void ApplyCurrentSettings(SettingsTables& tables, std::uint8_t* record);
void CopyEntitySettings(std::uint8_t* destination, const std::uint8_t* source);

// For the host's commands (LAYER, ...). Names are 1 to 31 characters;
// anything else is a BadInput naming the problem.
int AddLayer(Document& doc, const std::string& name);          // the id, also of an existing layer
bool SetCurrentLayer(Document& doc, const std::string& name);  // false: no such layer
bool SetLayerFlag(Document& doc, const std::string& name, std::uint32_t flag, bool on);
int FindLayer(Document& doc, const std::string& name);  // the id, -1 when none

}  // namespace vxh
