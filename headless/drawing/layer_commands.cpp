// Layer changes for the host's own commands.
#include <algorithm>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {
namespace {

void CheckLayerName(const std::string& name) {
  if (name.empty()) throw BadInput("a layer name cannot be empty");
  if (name.size() >= vx::kNameFieldBytes) {
    throw BadInput("layer name \"" + name + "\" is longer than " + std::to_string(vx::kNameFieldBytes - 1) +
                   " characters");
  }
  if (name.find('\0') != std::string::npos) throw BadInput("a layer name cannot hold a NUL");
}

std::uint8_t* LayerNamed(Document& doc, const std::string& name) {
  CheckLayerName(name);
  return FindRecordByName(doc.Tables(), vx::kTableLayers, vx::kLayerName, name.c_str());
}

int UnusedLayerId(SettingsTables& tables) {
  int highest = -1;
  ForEachRecord(tables, vx::kTableLayers,
                [&](const std::uint8_t* r) { highest = std::max<int>(highest, vx::GetU16(r, vx::kLayerId)); });
  if (highest >= 0xFFFF) throw BadInput("the drawing has no free layer number left");
  return highest + 1;
}

}  // namespace

int FindLayer(Document& doc, const std::string& name) {
  const std::uint8_t* layer = LayerNamed(doc, name);
  return layer == nullptr ? -1 : vx::GetU16(layer, vx::kLayerId);
}

int AddLayer(Document& doc, const std::string& name) {
  if (const int existing = FindLayer(doc, name); existing >= 0) return existing;
  const int id = UnusedLayerId(doc.Tables());
  std::vector<std::uint8_t> record(vx::kLayerRecordBytes, 0);
  vx::PutU32(record.data(), vx::kRecSize, vx::kLayerRecordBytes);
  vx::PutU16(record.data(), vx::kLayerId, static_cast<std::uint16_t>(id));
  vx::PutU16(record.data(), vx::kLayerColour, 7);
  vx::PutU16(record.data(), vx::kLayerLineStyle, 1);  // "Solid"
  name.copy(reinterpret_cast<char*>(record.data() + vx::kLayerName), name.size());
  // Appending may move the table: the current offset is kept, the pointer is not.
  doc.Tables().AppendRecord(vx::kTableLayers, record);
  return id;
}

bool SetCurrentLayer(Document& doc, const std::string& name) {
  const std::uint8_t* layer = LayerNamed(doc, name);
  if (layer == nullptr) return false;
  MakeCurrent(doc.Tables(), vx::kTableLayers, layer);
  return true;
}

bool SetLayerFlag(Document& doc, const std::string& name, std::uint32_t flag, bool on) {
  std::uint8_t* layer = LayerNamed(doc, name);
  if (layer == nullptr) return false;
  const std::uint32_t flags = vx::GetU32(layer, vx::kLayerFlags);
  vx::PutU32(layer, vx::kLayerFlags, on ? flags | flag : flags & ~flag);
  return true;
}

}  // namespace vxh
