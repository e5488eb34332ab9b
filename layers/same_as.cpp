// VXSAMEAS: a picked entity becomes the pattern for the next one. Its layer,
// styles and attributes become the current settings, then the command that
// makes an entity of its kind starts through a host script.
#include <cstring>
#include <string>

#include "frame/pack_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "layers/layers_commands.h"
#include "layers/same_as_script.h"
#include "text/text_editor.h"

namespace vx {

namespace {

constexpr std::intptr_t kModePickEntity = 7;
constexpr std::uint8_t kSidesDecimals = 3;
constexpr std::uint8_t kCentreDecimals = 8;

LayersState& State() { return Pack().layers; }

// The record a settings table marks as current (its first record when the
// header names none); null when the table has no records.
std::uint8_t* CurrentRecordOf(std::uint8_t* table, int number) {
  const std::uint32_t offset = GetU32(table, kTableCurrentOffset);
  std::uint8_t* record = table + (offset != 0 ? offset : FirstRecordOffset(number));
  return GetU32(record, kRecSize) != 0 ? record : nullptr;
}

// False when the drawing has no current settings to take them into.
bool TakeOverAttributes(Entity e) {
  DList* work = GetWorkDL();
  std::uint8_t* table = work != nullptr ? work->SettingsTable(kTableCurrent) : nullptr;
  std::uint8_t* current = table != nullptr ? CurrentRecordOf(table, kTableCurrent) : nullptr;
  if (current == nullptr || GetU32(current, kRecSize) < kCurrentRecordBytes) return false;
  const std::uint8_t attribute = GetU8(e, kHdrAttrByte);
  PutU8(current, kCurByte116, attribute);
  PutF32(current, kCurAttrNumber, static_cast<float>(static_cast<std::int8_t>(attribute)));
  PutU32(current, kCurWord8, GetU32(e, kHdrAttr6));
  PutU32(current, kCurWord117, GetU32(e, kHdrAttr10));
  PutU32(current, kCurWord121, GetU32(e, kHdrAttr22));
  SetCurLayer(GetU16(e, kHdrLayer));
  SetCurFStyle(GetU16(e, kHdrFillStyle));
  SetCurLStyle(GetU16(e, kHdrLineStyle));
  return true;
}

// The dimension style the entity carries becomes the current one, its block
// copied over the table's record of that id.
void TakeOverDimensionStyle(Entity e) {
  if (GetU32(e, kHdrSize) < kDimStyle + kDimStyleBytes) return;
  std::uint8_t* table = GetWorkDL()->SettingsTable(kTableDimStyles);
  if (table == nullptr) return;
  const std::uint16_t id = GetU16(e, kDimStyle);
  std::uint8_t* record = table + FirstRecordOffset(kTableDimStyles);
  for (std::uint32_t size = GetU32(record, kRecSize); size != 0; size = GetU32(record, kRecSize)) {
    if (GetU16(record, kDimStyleId) == id && size >= kDimStyleBlock + kDimStyleBytes) {
      PutU16(table, kTableCurrentId, id);
      PutU32(table, kTableCurrentOffset, static_cast<std::uint32_t>(record - table));
      std::memcpy(record + kDimStyleBlock, e + kDimStyle, kDimStyleBytes);
      return;
    }
    record += size;
  }
}

void TakeOverArrows(Entity e) {
  std::uint8_t* current = CurrentRecordOf(GetWorkDL()->SettingsTable(kTableCurrent), kTableCurrent);
  std::memcpy(current + kCurArrows, e + kArrowSettings, kArrowSettingsBytes);
}

int FirstMemberKind(Entity e) {
  DList* members = GetWorkDL()->MemberList(e);
  if (members == nullptr) return -1;
  int kind = -1;
  members->Walk(
      [](DList*, Entity m, std::intptr_t a, std::intptr_t) {
        *reinterpret_cast<int*>(a) = GetI8(m, kHdrKind);
        return 1;
      },
      kWalkAll, reinterpret_cast<std::intptr_t>(&kind));
  return kind;
}

std::string PolygonScript(Entity e) {
  const std::optional<std::vector<Vertex>> vertices = PolygonVertices(e);
  if (!vertices) return "";
  const PolygonVerdict verdict = ClassifyPolygon(*vertices);
  if (verdict.shape == PolygonShape::kBox) return "BOX;";
  if (verdict.shape != PolygonShape::kRegular) return "POLY;";
  LayersState& s = State();
  s.sides = verdict.sides;
  s.centre[0] = verdict.centre.x;
  s.centre[1] = verdict.centre.y;
  s.rpoly_prompt.text = "RPOLY;!01;!02;;;";
  s.rpoly_prompt.entry[0] = {&s.sides, kValInt3, 0, kWidthCode, kSidesDecimals};
  s.rpoly_prompt.entry[1] = {s.centre, kValPoint, 0, kWidthCode, kCentreDecimals};
  FormSt(&s.rpoly_prompt, 0, nullptr, reinterpret_cast<std::intptr_t>(s.script));
  return s.script;
}

// The text editor that a text pattern is loaded into is not part of the
// pack yet; until it is, a text pattern takes over its attributes only.
// The picked text's style and string go into the text editor, which then
// opens on them.
std::string TextScript(Entity e) {
  LoadTextIntoEditor(e);
  return "VXTEXT;";
}

std::string SymbolScriptOf(Entity e) {
  const std::optional<std::string> name = SymbolName(e);
  if (name) return SymbolScript(*name);
  ShowError("The symbol's name does not end inside its record");
  return "";
}

std::string ArrowScriptOf(Entity e) {
  if (GetU32(e, kHdrSize) < kArrowFlags + 4) return "";
  const char* script = ArrowCompositeScript(FirstMemberKind(e), GetU32(e, kArrowFlags));
  if (script == nullptr) return "";
  TakeOverArrows(e);
  return script;
}

std::string ScriptFor(Entity e) {
  switch (GetI8(e, kHdrKind)) {
    case kKindPolygon: return PolygonScript(e);
    case kKindText: return TextScript(e);
    case kKindSymbol: return SymbolScriptOf(e);
    case kKindArrowComposite: return ArrowScriptOf(e);
    case kKindDimLinear:
    case kKindDimRadial:
    case kKindDimArc:
    case kKindDimOrdinate: TakeOverDimensionStyle(e); break;
    default: break;
  }
  const char* fixed = FixedSameAsScript(e);
  return fixed != nullptr ? fixed : "";
}

void Picked(int status) {
  const Entity e = State().pattern;
  if (status != kStatusAnswered || e == nullptr || GetI8(e, kHdrKind) == kKindGroup) return CmdEnd();
  // A drawing without current settings has nothing to take them into.
  if (!TakeOverAttributes(e)) return CmdEnd();
  const std::string script = ScriptFor(e);
  if (!script.empty()) ExecScriptCopy(script.c_str());
  CmdEnd();
}

}  // namespace

void SameAsCommand() {
  State().pattern = nullptr;
  ReqData(kReqPick, &State().pattern, "Pick pattern entity:", kModePickEntity, Picked, 0, 0);
}

}  // namespace vx
