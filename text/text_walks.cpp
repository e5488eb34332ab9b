#include "text/text_walks.h"

#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/layer_helpers.h"
#include "host/record.h"
#include "text/text_access.h"

namespace vx {

namespace {

// Walk arguments: a is the symbol context, b is 1 inside a member list.
Entity ContextOf(std::intptr_t a) { return reinterpret_cast<Entity>(a); }
constexpr std::intptr_t kTopLevel = 0;
constexpr std::intptr_t kNested = 1;

// Applying walk over the selection: on a visible layer and selected.
constexpr int kWalkApply = kWalkSelectedVisible;

const TextCommand& Running() { return Text().running; }

void Descend(DList* list, Entity e, WalkCallback visit) {
  const int kind = GetI8(e, kHdrKind);
  if (kind != kKindGroup && kind != kKindSymbol) return;
  DList* members = list->MemberList(e);
  if (members == nullptr) return;
  const std::intptr_t inner = kind == kKindSymbol ? reinterpret_cast<std::intptr_t>(e) : 0;
  members->Walk(visit, kWalkAll, inner, kNested);
}

void ReleaseMark(DList* list, Entity e) {
  list->Unmark(e);
  EDraw(0, e);
}

bool OnCollectedLayer(const TextCommand& command, Entity e) {
  const int layer = GetU16(e, kHdrLayer);
  if (IsLayerHidden(layer)) return false;
  return !command.skip_frozen || AskLayerFrozen(layer) == 0;
}

int CollectVisit(DList* list, Entity e, std::intptr_t a, std::intptr_t b) {
  const TextCommand& command = Running();
  if (const std::uint8_t* origin = GetTextOrigin(e);
      origin != nullptr && OnCollectedLayer(command, e) && command.matches(GetTextString(e))) {
    AddCandidate(Text().candidates, list, e, origin, ContextOf(a));
    return 0;
  }
  if (command.release_unmatched && b == kTopLevel) ReleaseMark(list, e);
  Descend(list, e, &CollectVisit);
  return 0;
}

int ApplyVisit(DList* list, Entity e, std::intptr_t a, std::intptr_t b) {
  const TextCommand& command = Running();
  if (command.matches(GetTextString(e))) {
    command.change(list, e, ContextOf(a));
    return 0;
  }
  if (b == kTopLevel) ReleaseMark(list, e);
  Descend(list, e, &ApplyVisit);
  return 0;
}

}  // namespace

void CollectCandidates(const TextCommand& command, int filter) {
  TextState& text = Text();
  ClearCandidates(text.candidates);
  text.running = command;
  GetWorkDL()->Walk(&CollectVisit, filter, 0, kTopLevel);
}

void ApplyToSelection(const TextCommand& command) {
  Text().running = command;
  GetWorkDL()->Walk(&ApplyVisit, kWalkApply, 0, kTopLevel);
}

}  // namespace vx
