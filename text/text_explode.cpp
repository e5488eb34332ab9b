// VXTEXTEXPL: replaces the selected texts, those inside groups too, by the
// geometry that draws them. Texts inside symbol instances stay.
//
// A text whose string holds CR LF is laid out on one line, the line-break
// bytes taking whatever glyph and advance the font gives them.
#include "text/text_explode.h"

#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/point_ops.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "text/text_access.h"
#include "text/text_commands.h"

namespace vx {

namespace {

constexpr std::uint8_t kJustifyCentre = 1;
constexpr std::uint8_t kJustifyRight = 2;
constexpr std::intptr_t kSelectMode = 7;

DList* TargetOf(std::intptr_t b) { return reinterpret_cast<DList*>(b); }

int ExplodeVisit(DList* list, Entity e, std::intptr_t a, std::intptr_t b) {
  switch (GetI8(e, kHdrKind)) {
    case kKindText: ExplodeText(list, e, TargetOf(b)); break;
    case kKindGroup:
      if (DList* members = list->MemberList(e)) members->Walk(&ExplodeVisit, kWalkAll, a, b);
      break;
    case kKindOpaque: break;
    default: EDraw(0, e);
  }
  return 0;
}

}  // namespace

Point2 ExplodeAnchor(Entity text) {
  const TextFormatBlock spec = TextFormatBlock::Of(text);
  const Point2 origin = ReadTextOrigin(GetTextOrigin(text));
  switch (spec.Justification()) {
    case kJustifyCentre: return PolarPoint(origin, -LenText2(text) / 2, spec.Angle());
    case kJustifyRight: return PolarPoint(origin, -LenText2(text), spec.Angle());
    default: return PolarPoint(origin, 0, spec.Angle());
  }
}

void ExplodeText(DList* list, Entity text, DList* target) {
  const std::optional<FontEntry> font =
      FindFontEntry(GetWorkDL()->SettingsTable(kTableFonts), TextFormatBlock::Of(text).Font());
  if (!font || GetTextString(text) == nullptr) return;
  const Point2 anchor = ExplodeAnchor(text);
  bool exploded = false;
  if (font->type == FontType::kStroke) exploded = ExplodeStrokeText(list, text, target, *font, anchor);
  if (font->type == FontType::kTrueType) exploded = ExplodeTrueTypeText(list, text, target, *font, anchor);
  if (!exploded) EDraw(0, text);
}

namespace {

void ExplodeSelected(int status) {
  if (status != 0) return CmdEnd();
  DList* work = GetWorkDL();
  work->UndoMark();
  work->Walk(&ExplodeVisit, kWalkSelected, 0, reinterpret_cast<std::intptr_t>(work));
  ShowChanges();
  CmdEnd();
}

}  // namespace

void TextExplodeCommand() {
  ReqData(kReqSelect, nullptr, "Text explode - select entities (h - help):", kSelectMode, &ExplodeSelected, 0, 0);
}

}  // namespace vx
