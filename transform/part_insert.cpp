// VXPART and VXPARTM: load a drawing as a part and insert it at every click,
// shown at the cursor with the placement drag, until cancelled.
#include <cstdint>
#include <cstring>

#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/prompt_record.h"
#include "transform/part_names.h"
#include "transform/placement_drag.h"
#include "transform/selection_set.h"
#include "transform/transform_commands.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kOpenTitle[] = "Load part...";
constexpr char kPartExtension[] = "KVD";
constexpr int kMsgPartFilter = 4140;
// The host reads the record's fifth word as the size of the result buffer,
// so the name buffer's own size goes there.
constexpr std::uint32_t kOpenValue2 = 2048;
constexpr std::uint32_t kOpenValue3 = 1;
constexpr char kFileNamePrompt[] = "Filename [!01]: ";
constexpr char kPartPlacePrompt[] = "Place at (CTRL = scale, SHIFT = rotate, SHIFT+CTRL = free Rotate):";
constexpr char kPartMPlacePrompt[] = "Place part at (CTRL = scale, SHIFT = rotate, SHIFT+CTRL = free rotate):";

PartState& State() { return Pack().transform.part; }

struct PreviewContext {
  DragView* view;
  const StoredMatrix* matrix;
};

int PreviewPartEntity(DList* list, Entity entity, std::intptr_t context, std::intptr_t) {
  const auto* c = reinterpret_cast<const PreviewContext*>(context);
  PreviewEntity(list, entity, c->view, *c->matrix);
  return 0;
}

void PreviewPart(DragView* view, const StoredMatrix& matrix) {
  if (State().part == nullptr) return;
  PreviewContext context{view, &matrix};
  State().part->Walk(PreviewPartEntity, kWalkAll, reinterpret_cast<std::intptr_t>(&context));
}

void PartDrag(DragView* view) { PlacementDrag(view, State().placement, PlacementVariant::kPart, PreviewPart); }

void Placed(int status);

void AskPlacement(const char* prompt, int help) {
  ReqData(kReqPoint3, State().point_buffer.data(), prompt, DragMode(PartDrag), Placed, State().flags, help);
}

void EndInserting() {
  if (State().part != nullptr) State().part->Release();
  State().part = nullptr;
  CmdEnd();
}

void Placed(int status) {
  PartState& s = State();
  if (status == kStatusNumber) {
    TakeTypedScale(s.placement, s.point_buffer[0]);
    return AskPlacement(kPartMPlacePrompt, 0);
  }
  if (status != kStatusAnswered) return EndInserting();
  const StoredMatrix m = CommittedPlacement(s.placement, PlacementVariant::kPart, s.point_buffer);
  DList* work = GetWorkDL();
  work->UndoMark();
  PartInsert(s.part, work, m.data(), work);
  ShowChanges();
  s.flags |= kPartFlagsInserted;
  AskPlacement(kPartMPlacePrompt, kPlacementHelp);
}

void StartPlacing(const char* prompt) {
  PartState& s = State();
  StartPlacement(s.placement, Vec3{}, Vec3{});
  s.flags = kPartFlagsFirst;
  AskPlacement(prompt, kPlacementHelp);
}

void NameGiven(int status) {
  PartState& s = State();
  if (status == kStatusDefault) {
    std::memcpy(s.name, s.previous_name, sizeof s.name);
  } else if (status != kStatusAnswered) {
    return CmdEnd();
  }
  s.part = PartLoad(s.name);
  if (s.part == nullptr && WantsExtension(s.name)) {
    WithExtension(s.name, s.previous_name, sizeof s.previous_name);
    s.part = PartLoad(s.previous_name);
  }
  if (s.part == nullptr) return CmdEnd();
  StartPlacing(kPartMPlacePrompt);
}

}  // namespace

void PartCommand() {
  PartState& s = State();
  if (s.name[0] == '\0') FirstPartFolder(static_cast<const char*>(RscAdr(kRscHostPath)), s.name, sizeof s.name);
  OpenFileRecord record{s.name,        s.name,      kPartExtension, HostMessage(kMsgPartFilter),
                        sizeof s.name, kOpenValue2, kOpenValue3,    0};
  if (GetOpenFN(kOpenTitle, &record) == 0) return CmdEnd();
  s.part = PartLoad(s.name);
  if (s.part == nullptr) return CmdEnd();
  StartPlacing(kPartPlacePrompt);
}

void PartMCommand() {
  PartState& s = State();
  std::memcpy(s.previous_name, s.name, sizeof s.name);
  PromptRecord& prompt = s.name_prompt;
  prompt.text = kFileNamePrompt;
  prompt.entry[0].value = s.name;
  prompt.entry[0].type = kValText;
  prompt.entry[0].zero = 0;
  prompt.entry[0].width = kWidthCode;
  prompt.entry[0].decimals = kDefaultDecimals;
  ReqData(kReqText1, s.name, &prompt, 1, NameGiven, kReqPromptRecord, 0);
}

}  // namespace vx
