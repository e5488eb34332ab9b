// Host operations on the open drawing's lists, layers, styles and entity
// settings. Each forwards to the drawing code, which tests use directly.
#include <string>

#include "headless/current.h"
#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {
namespace {

vxh::SettingsTables& Tables() { return vxh::CurrentDocument().Tables(); }

// The mode under which the pack creates its temporary lists.
constexpr int kTempListMode = 2;

}  // namespace

extern "C" {

DList* KVAPI GetWorkDL() { return vxh::CurrentDocument().WorkDL(); }

DList* KVAPI CreateDList(const char* file_name, int mode) {
  if (file_name == nullptr || mode != kTempListMode) return nullptr;
  return vxh::CurrentDocument().CreateTempList(file_name)->AsDList();
}

void KVAPI ClearSelect() { vxh::CurrentDocument().ClearSelection(); }

std::uint8_t* KVAPI GetCurLayer() { return vxh::CurrentRecord(Tables(), kTableLayers); }

void KVAPI SetCurLayer(int layer) {
  if (const std::uint8_t* record = vxh::FindRecordById(Tables(), kTableLayers, layer)) {
    vxh::MakeCurrent(Tables(), kTableLayers, record);
  }
}

std::uint8_t* KVAPI FindLayerID(int layer) { return vxh::FindRecordById(Tables(), kTableLayers, layer); }

std::uint8_t* KVAPI FindLayerName(const char* name) {
  return vxh::FindRecordByName(Tables(), kTableLayers, kLayerName, name);
}

int KVAPI AskLayerFrozen(int layer) {
  const std::uint8_t* record = vxh::FindRecordById(Tables(), kTableLayers, layer);
  return record != nullptr && (GetU32(record, kLayerFlags) & kLayerFrozen) != 0 ? 1 : 0;
}

std::uint8_t* KVAPI FindLStyleName(const char* name) {
  return vxh::FindRecordByName(Tables(), kTableLineStyles, kLStyleName, name);
}

std::uint8_t* KVAPI FindFStyleName(const char* name) {
  return vxh::FindRecordByName(Tables(), kTableFillStyles, kFillName, name);
}

std::uint8_t* KVAPI FindFStyleID(int id) {
  return id == 0 ? nullptr : vxh::FindRecordById(Tables(), kTableFillStyles, id);
}

void KVAPI SetCurLStyle(int style) {
  if (const std::uint8_t* record = vxh::FindRecordById(Tables(), kTableLineStyles, style)) {
    vxh::MakeCurrent(Tables(), kTableLineStyles, record);
  }
}

// Fill style 0 is "no fill style".
void KVAPI SetCurFStyle(int style) {
  const std::uint8_t* record = FindFStyleID(style);
  if (record != nullptr || style == 0) vxh::MakeCurrent(Tables(), kTableFillStyles, record);
}

void KVAPI SetCStuff(Entity entity) {
  if (entity != nullptr) vxh::ApplyCurrentSettings(Tables(), entity);
}

void KVAPI CopyCStuff(Entity destination, Entity source) {
  if (destination != nullptr && source != nullptr) vxh::CopyEntitySettings(destination, source);
}

void KVAPI SetNewTag(Entity entity) {
  vxh::EntityNode* node = vxh::NodeOf(entity, "SetNewTag");
  if (node->owner == nullptr) throw vxh::HostFault("SetNewTag: the record is not in a list");
  node->owner->SetTag(entity, vxh::CurrentDocument().NewTag());
}

}  // extern "C"

}  // namespace vx
