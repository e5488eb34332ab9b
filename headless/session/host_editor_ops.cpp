// EEdit: the host's own editor of texts, text-like entities and attributes
// (headless/session/host_editor_dialog.h). An edit is one undo step through
// the list that holds the record, as any change of the drawing. A non-zero
// result says the host's editor took the edit over: it has changed the record
// and ended the command that called it, which returns without a request or
// CmdEnd of its own. Zero says it did nothing (cancelled, nothing changed, or
// a record it cannot edit, which a message names), and the caller goes on.
#include <cstring>
#include <string>
#include <vector>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/entity_node.h"
#include "headless/drawing/text_record_edit.h"
#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "headless/session/host_editor_dialog.h"
#include "headless/session/host_messages.h"
#include "headless/session/session_core.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

constexpr int kNothingDone = 0;
constexpr int kEditTakenOver = 1;

void Warn(vxh::SessionCore& session, const std::string& text) {
  session.MessageBox(text, vxh::BoxTitleFor(kBoxWarning), kBoxWarning);
}

void WriteEdited(vxh::ListImpl& owner, Entity entity, const std::vector<std::uint8_t>& bytes) {
  DList* list = owner.AsDList();
  EErase(0, entity);
  list->UndoMark();
  Entity record = list->OpenForChange(entity);
  record = list->Resize(record, static_cast<std::uint32_t>(bytes.size()));
  std::memcpy(record, bytes.data(), bytes.size());
  list->Commit(record);
  list->Unmark(record);
  EDraw(0, record);
  ShowChanges();
}

}  // namespace

extern "C" int KVAPI EEdit(Entity entity) {
  vxh::SessionCore& session = vxh::SessionCore::Active("EEdit");
  if (entity == nullptr) throw vxh::HostFault("EEdit: no entity");
  vxh::EntityNode* node = vxh::NodeOf(entity, "EEdit");
  if (node->owner == nullptr) throw vxh::HostFault("EEdit: the entity is in no drawing list");
  const int kind = GetI8(entity, kHdrKind);
  if (!vxh::HostEditorTakes(kind)) {
    Warn(session,
         "The host editor edits texts, text-like entities and attributes, not this " + vxh::KindName(kind) + ".");
    return kNothingDone;
  }
  const vxh::TextFieldsOrProblem read = vxh::ReadTextFields(entity);
  if (!read.fields) {
    Warn(session, "The host editor cannot edit this " + vxh::KindName(kind) + ": " + read.problem);
    return kNothingDone;
  }
  const std::optional<vxh::TextFields> edited = vxh::dialogs::RunHostEditor(*read.fields);
  if (!edited) return kNothingDone;
  const std::vector<std::uint8_t> bytes = vxh::WithTextFields(entity, *edited);
  if (bytes.size() == GetU32(entity, kHdrSize) && std::memcmp(bytes.data(), entity, bytes.size()) == 0)
    return kNothingDone;
  WriteEdited(*node->owner, entity, bytes);
  session.HostTookOverCommand();
  return kEditTakenOver;
}

}  // namespace vx
