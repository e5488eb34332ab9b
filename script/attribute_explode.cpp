// VXATTREXPL: the selected attribute-like texts, also those inside selected
// groups, become plain texts showing their string; attributes without a
// string are taken out; every other selected entity loses its mark. One undo
// step.
#include <cstdint>
#include <cstring>
#include <string>

#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "script/script_commands.h"
#include "text/text_access.h"

namespace vx {

namespace {

// The attribute's origin and text specification (its bytes 46 to 118) are
// the text's bytes 32 to 104.
constexpr std::size_t kCopiedBytes = kAttrTransformedBytes - kAttrX;
static_assert(kAttrX + kCopiedBytes == kAttrTransformedBytes && kTextX + kCopiedBytes == kTextString + 1);

int ExplodeStep(DList* list, Entity e, std::intptr_t, std::intptr_t);

void TurnIntoText(DList* list, Entity attribute, const char* string) {
  // Both are read before the record changes: a resize may move or shorten it.
  const std::string text(string);
  std::uint8_t placement[kCopiedBytes];
  std::memcpy(placement, attribute + kAttrX, kCopiedBytes);
  Entity r = list->OpenForChange(attribute);
  r = list->Resize(r, static_cast<std::uint32_t>(kTextString + 1 + text.size()));
  PutU8(r, kHdrKind, kKindText);
  std::memcpy(r + kTextX, placement, kCopiedBytes);
  std::memcpy(r + kTextString, text.c_str(), text.size() + 1);
  PutU8(r, kTextCacheFlag, 0);
}

void ExplodeAttribute(DList* list, Entity e) {
  // Too short to hold the placement a text needs: left as it is.
  if (GetU32(e, kHdrSize) < kAttrTransformedBytes) return list->Unmark(e);
  if (const char* string = GetTextString(e)) return TurnIntoText(list, e, string);
  list->Remove(e);
}

int ExplodeStep(DList* list, Entity e, std::intptr_t, std::intptr_t) {
  EDraw(0, e);
  switch (GetI8(e, kHdrKind)) {
    case kKindGroup:
      if (DList* members = list->MemberList(e)) {
        members->Walk(ExplodeStep, kWalkAll);
        break;
      }
      list->Unmark(e);
      break;
    case kKindAttribute: ExplodeAttribute(list, e); break;
    default: list->Unmark(e);
  }
  return 0;
}

void Selected(int status) {
  if (status == kStatusAnswered) {
    DList* work = GetWorkDL();
    work->UndoMark();
    work->Walk(ExplodeStep, kWalkSelected);
    ShowChanges();
  }
  CmdEnd();
}

}  // namespace

void AttributeExplodeCommand() {
  ReqData(kReqSelect, nullptr, HostMessage(kMsgSelectEntities), kModeDefault, Selected, 0, 0);
}

}  // namespace vx
