// VXHEXPLODE: turns the host's scalable line-family fills of the picked closed
// entities into real hatch lines, one group per entity placed just before it,
// and takes the fill style reference off the entity.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "hatch/boundary.h"
#include "hatch/hatch_commands.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

namespace {

// Pattern kind 1: the host's scalable fill style named in the options.
constexpr std::int32_t kPatternKindKorvex = 1;
// A colour word's colour; the top byte is no colour.
constexpr std::uint32_t kColourBits = 0xFFFFFF;

int FreeOne(DList* list, Entity entity, std::intptr_t, std::intptr_t) {
  list->Free(entity);
  return 0;
}

// A line-family style without families (a solid fill read from a DXF file)
// has no lines to give: exploding it would only take the fill away.
bool HasLineFamilies(const std::uint8_t* style) {
  const std::uint32_t size = GetU32(style, kRecSize);
  const int offset = GetI8(style, kFillDataOffset);
  if (offset < 0 || static_cast<std::uint32_t>(offset) + kFillDataFamilies > size) return false;
  return GetU32(style + offset, kFillDataCount) > 0;
}

// The line-family fill style the entity is filled with, or none.
const std::uint8_t* LineFamilyFill(Entity entity) {
  if ((EInfo(entity, 1) & kInfoClosed) == 0) return nullptr;
  const std::uint16_t id = GetU16(entity, kHdrFillStyle);
  if (id == 0) return nullptr;
  const std::uint8_t* style = FindFStyleID(id);
  if (style == nullptr || style[kFillType] != kFillTypeLineFamilies) return nullptr;
  return HasLineFamilies(style) ? style : nullptr;
}

// The group that receives the lines: E's attributes, no fill of its own.
Entity AddLinesGroup(DList* list, Entity filled, DList*& members) {
  std::uint8_t record[kGroupSize] = {};
  PutU32(record, kHdrSize, kGroupSize);
  PutI8(record, kHdrKind, kKindGroup);
  Entity group = list->AddRecord(record);
  members = list->MakeMemberList(group);
  list->PlaceBefore(group, filled);
  list->Commit(group);
  CopyCStuff(group, filled);
  // The lines take the colour the fill was drawn in: the fill colour, or the
  // entity's own pen (which CopyCStuff gave the group) when it has none.
  if (const std::uint32_t fill_colour = GetU32(filled, kHdrAttr10); (fill_colour & kColourBits) != 0)
    PutU32(group, kHdrAttr6, fill_colour);
  PutU16(group, kHdrFillStyle, 0);
  PutU32(group, kHdrAttr22, 0);
  return group;
}

void RemoveFill(DList* list, Entity filled) {
  Entity changed = list->OpenForChange(filled);
  PutU16(changed, kHdrFillStyle, 0);
  EDraw(0, changed);
  list->Commit(changed);
}

// Returns false, leaving the entity as it was, when the fill is too dense to draw.
bool ExplodeFill(DList* list, Entity filled, const std::uint8_t* style) {
  DList* boundary = Hatch().boundary;
  boundary->Walk(&FreeOne, kWalkAll);
  std::uint8_t box[kBoxBytes] = {};
  CollectBoundary(list, filled, 0, reinterpret_cast<std::intptr_t>(box));
  const char* name = reinterpret_cast<const char*>(style + kFillName);
  Hatch().options.SetKorvexName(std::string_view(name, strnlen(name, kNameFieldBytes)));
  DList* members = nullptr;
  Entity group = AddLinesGroup(list, filled, members);
  FillContext context(boundary, box);
  HatchPattern(members, context, group);
  if (context.too_dense) {
    list->Remove(group);
    return false;
  }
  RemoveFill(list, filled);
  return true;
}

// `too_dense` points to the flag set when a fill could not be exploded.
int ExplodeOne(DList* list, Entity entity, std::intptr_t too_dense, std::intptr_t) {
  EDraw(0, entity);
  if (GetI8(entity, kHdrKind) == kKindGroup) {
    if (DList* members = list->MemberList(entity)) {
      list->Unmark(entity);
      // Picking a group picks everything in it; its members carry no marks of
      // their own, so a walk of the marked ones would find none.
      members->Walk(&ExplodeOne, kWalkAll, too_dense);
      return 0;
    }
  }
  if (const std::uint8_t* style = LineFamilyFill(entity)) {
    if (!ExplodeFill(list, entity, style)) {
      *reinterpret_cast<bool*>(too_dense) = true;
      list->Unmark(entity);
    }
  } else {
    list->Unmark(entity);
  }
  return 0;
}

void Picked(int status) {
  if (status != kStatusAnswered) {
    CmdEnd();
    return;
  }
  DList* boundary = CreateBoundaryList();
  if (boundary == nullptr) {
    CmdEnd();
    return;
  }
  Hatch().boundary = boundary;
  DList* work = GetWorkDL();
  work->UndoMark();
  bool too_dense = false;
  work->Walk(&ExplodeOne, kWalkSelected, reinterpret_cast<std::intptr_t>(&too_dense));
  boundary->Release();
  Hatch().boundary = nullptr;
  if (too_dense) ShowError(kTooDenseText);
  ShowChanges();
  CmdEnd();
}

// The fill style's own scale is the only scale: nothing is read from the
// registry, so stored pattern modifications do not reach the explode.
void PrepareExplodeSettings() {
  HatchState& hatch = Hatch();
  hatch.settings.SetAngle(kRightAngle);
  hatch.prepared.SetAngle(kRightAngle);
  hatch.options.SetPatternKind(kPatternKindKorvex);
  hatch.options.SetModifyScale(1.0);
  hatch.options.SetModifyRotation(0.0);
  hatch.options.SetModifyOffset(0.0, 0.0);
}

}  // namespace

void HatchExplodeCommand() {
  PrepareExplodeSettings();
  ReqData(kReqSelect, nullptr, "Explode scalable hatch - pick entities:", kModePlain, &Picked, 0, 0);
}

}  // namespace vx
