#include "text/text_placement.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "frame/keyboard_hook.h"
#include "frame/modifier_keys.h"
#include "host/drag_view.h"
#include "host/drawing_list.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "host/win_api.h"
#include "text/placement_rules.h"
#include "text/text_access.h"
#include "text/text_state.h"
#include "text/text_template.h"
#include "transform/drag_drawing.h"
#include "transform/drag_feedback.h"

namespace vx {

namespace {

constexpr char kPlacePrompt[] = "Place text (h = help):";
constexpr char kPlaceOldOriginPrompt[] = "Place text (h = help) [use old origin]:";
// A default answer this soon after a shortcut key is the key's own Enter.
constexpr std::uint32_t kKeyEchoMilliseconds = 100;

TextEditorState& Editor() { return Text().editor; }

std::uint8_t* DefaultsSpec() {
  std::uint8_t* record = TextDefaultsRecord();
  return record != nullptr ? record + kTextDefaultsSpec : nullptr;
}

void PlacementPreview(DragView* view);
void PlacementAnswered(int status);

void AskPlacement() {
  TextEditorState& e = Editor();
  InstallKeyboardHook(e.shortcuts_disabled ? KeyHookMode::kLettersPass : KeyHookMode::kStrict);
  const char* prompt = (e.placement_flags & kPlaceMovesEdited) ? kPlaceOldOriginPrompt : kPlacePrompt;
  ReqData(kReqPoint2, TextTemplate() + kTextX, prompt, DragMode(&PlacementPreview), &PlacementAnswered, e.prompt_flags,
          0);
}

void MergeHostDefaults(std::uint8_t* templ) {
  const std::uint8_t* now = DefaultsSpec();
  if (now == nullptr) return;
  TextEditorState& e = Editor();
  MergeChangedDefaults(templ + kTextSpec, e.last_defaults, now);
  std::memcpy(e.last_defaults, now, kTextSpecBytes);
}

// Where the cursor went since the last preview; the feedback mode it shows.
int FollowCursor(DragView* view, std::uint8_t* templ, const Vec3& p) {
  TextEditorState& e = Editor();
  TextFormatBlock spec = TextFormatBlock::Of(templ);
  const bool shift = ShiftHeld();
  const bool ctrl = CtrlHeld();
  int feedback = kFeedbackNone;
  if (!shift && !ctrl) {
    Vec3 snapped = SnappedCursor(e.prompt_flags & kPromptPlacedOnce);
    PutF64(templ, kTextX, snapped[0]);
    PutF64(templ, kTextY, snapped[1]);
    SetCursorPoint(p);
    MergeHostDefaults(templ);
  } else if (ctrl && !shift) {
    spec.DetachStyle();
    spec.SetHeight(ScaledTextHeight(spec.Height(), p[1] - e.last_cursor[1], ViewHeight(view)));
    feedback = kFeedbackHeight;
  } else {
    spec.DetachStyle();
    const double origin[2] = {GetF64(templ, kTextX), GetF64(templ, kTextY)};
    double angle = Angle(origin, p.data());
    if (!ctrl) angle = SteppedTextAngle(angle);
    spec.SetAngle(static_cast<float>(angle));
    feedback = kFeedbackAngle;
  }
  e.last_cursor[0] = p[0];
  e.last_cursor[1] = p[1];
  return feedback;
}

void DrawTemplate(DragView* view, const std::uint8_t* templ) {
  const std::size_t length = TemplateStringLength(templ);
  std::vector<std::uint8_t> record(kDragTextString + length + 1, 0);
  std::memcpy(record.data() + kDragTextX, templ + kTextX, 2 * sizeof(double));
  std::memcpy(record.data() + kDragTextSpec, templ + kTextSpec, kTextSpecBytes);
  std::memcpy(record.data() + kDragTextString, templ + kTextString, length);
  GetGDraw2()->text(view, record.data());
}

void DrawSurroundPreview(DragView* view, const std::uint8_t* templ) {
  const int mode = Editor().surround;
  if (mode == kSurroundNone) return;
  double min[2], max[2];
  XCheckGText2(templ, min, max);
  const SurroundOutline box = SurroundBox(min, max, TextFormatBlock::Of(const_cast<Entity>(templ)).Height());
  if (mode == kSurroundBox) {
    for (std::size_t i = 0; i + 1 < box.size(); ++i) GetGDraw2()->line(view, box[i].data(), box[i + 1].data());
  } else {
    const SurroundRing ring = SurroundCircle(box);
    GetGDraw2()->circle(view, ring.centre.data(), ring.radius);
  }
}

// Called by the host for each cursor movement while the text hangs there.
void PlacementPreview(DragView* view) {
  std::uint8_t* templ = TextTemplate();
  const Vec3 p = CursorPoint();
  TextEditorState& e = Editor();
  int feedback = kFeedbackNone;
  const bool moved = p[0] != e.last_cursor[0] || p[1] != e.last_cursor[1];
  if (moved) feedback = FollowCursor(view, templ, p);
  DrawTemplate(view, templ);
  DrawSurroundPreview(view, templ);
  if (ShiftHeld() || CtrlHeld()) {
    const Vec2 origin{GetF64(templ, kTextX), GetF64(templ, kTextY)};
    const Vec2 cursor{p[0], p[1]};
    DrawRubberLine2(view, origin, cursor);
  }
  TextFormatBlock spec = TextFormatBlock::Of(templ);
  const float value = feedback == kFeedbackHeight ? spec.Height() : spec.Angle();
  if (feedback != kFeedbackNone) DrawDragFeedback(view, p.data(), feedback, nullptr, nullptr, &value);
  XHReqCsr(view);
}

// A new text: the template copied into the drawing, with its surround.
void AddPlacedText(std::uint8_t* templ) {
  DList* work = GetWorkDL();
  work->UndoMark();
  PutU8(templ, kTextCacheFlag, 0);
  Entity text = work->AddRecord(templ);
  SetCStuff(text);
  work->Commit(text);
  work->Unmark(text);
  EDraw(0, text);
  AddSurround(text, Editor().surround);
  ShowChanges();
}

void EndPlacement() { CmdEnd(); }

}  // namespace

void WriteIntoEdited(std::uint8_t* templ, bool new_point) {
  TextEditorState& e = Editor();
  DList* list = e.edited_list != nullptr ? e.edited_list : GetWorkDL();
  Entity record = e.edited;
  EErase(0, record);
  if (!new_point) std::memcpy(templ + kTextX, record + kTextX, 2 * sizeof(double));
  GetWorkDL()->UndoMark();
  record = list->OpenForChange(record);
  const std::uint32_t length = TemplateStringLength(templ);
  record = list->Resize(record, TextSize(length));
  std::memcpy(record + kTextX, templ + kTextX, kTextString - kTextX);
  PutU8(record, kTextCacheFlag, 0);
  std::memcpy(record + kTextString, templ + kTextString, length + 1);
  list->Commit(record);
  list->Unmark(record);
  e.edited = record;
  EDraw(0, record);
  ShowChanges();
}

namespace {

void KeyAnswered(std::uint8_t* templ) {
  const std::uint8_t key = LastKey();
  if (key == 0) return EndPlacement();
  ApplyStyleKey(key);
  PutU32(templ, kHdrSize, TextSize(TemplateStringLength(templ)));
  PutU8(templ, kTextCacheFlag, 0);
  TextEditorState& e = Editor();
  e.last_key_time = GetTickCount();
  // The preview follows the key at once, without waiting for the mouse.
  POINT cursor{};
  GetCursorPos(&cursor);
  PostMessageA(GetFocus(), WM_MOUSEMOVE, 0,
               static_cast<LPARAM>((static_cast<std::uint32_t>(cursor.y) & 0xFFFFu) << 16 |
                                   (static_cast<std::uint32_t>(cursor.x) & 0xFFFFu)));
  AskPlacement();
}

void PlacementAnswered(int status) {
  RemoveKeyboardHook();
  std::uint8_t* templ = TextTemplate();
  TextEditorState& e = Editor();
  if (status == kStatusAnswered) {
    if (e.placement_flags & kPlaceMovesEdited) {
      WriteIntoEdited(templ, true);
      return EndPlacement();
    }
    AddPlacedText(templ);
    e.prompt_flags |= kPromptPlacedOnce;
    return AskPlacement();
  }
  if (status == kStatusNumber) {
    if (!e.ignore_next_number) {
      TextFormatBlock::Of(templ).SetHeight(std::fabs(static_cast<float>(GetF64(templ, kTextX))));
      PutU8(templ, kTextCacheFlag, 0);
    }
    e.ignore_next_number = 0;
    return AskPlacement();
  }
  if (status == kStatusDefault) {
    if (LastKey() == 0 && GetTickCount() - e.last_key_time < kKeyEchoMilliseconds) {
      e.ignore_next_number = 1;
      return AskPlacement();
    }
    if (e.placement_flags & kPlaceMovesEdited) WriteIntoEdited(templ, false);
  }
  KeyAnswered(templ);
}

}  // namespace

void PlaceText(int flags) {
  std::uint8_t* templ = TextTemplate();
  TextEditorState& e = Editor();
  e.placement_flags = flags;
  PutU8(templ, kHdrKind, kKindText);
  PutU32(templ, kHdrSize, TextSize(TemplateStringLength(templ)));
  PutU8(templ, kTextCacheFlag, 0);
  SetCStuff(templ);
  if (const std::uint8_t* defaults = DefaultsSpec()) {
    std::memcpy(e.last_defaults, defaults, kTextSpecBytes);
    if (!(flags & kPlaceKeepsSpec)) std::memcpy(templ + kTextSpec, defaults, kTextSpecBytes);
  }
  ClearSelect();
  e.prompt_flags = kReqAcceptNumber;
  e.shortcuts_disabled = 0;
  AskPlacement();
}

void AddSurround(const std::uint8_t* text, int mode) {
  if (mode == kSurroundNone) return;
  double min[2], max[2];
  XCheckGText2(text, min, max);
  const SurroundOutline box = SurroundBox(min, max, GetF32(text, kTextSpec + kSpecHeight));
  DList* work = GetWorkDL();
  Entity added = nullptr;
  if (mode == kSurroundBox) {
    added = work->NewRecord(kKindPolygon, kBoxSize);
    PutU16(added, kPolyCount, static_cast<std::uint16_t>(box.size()));
    for (std::size_t i = 0; i < box.size(); ++i) {
      PutF64(added, kPolyVertices + i * kVertexBytes, box[i][0]);
      PutF64(added, kPolyVertices + i * kVertexBytes + 8, box[i][1]);
    }
  } else {
    const SurroundRing ring = SurroundCircle(box);
    added = work->NewRecord(kKindCircle, kCircleSize);
    PutF64(added, kCircleX, ring.centre[0]);
    PutF64(added, kCircleY, ring.centre[1]);
    PutF64(added, kCircleR, ring.radius);
  }
  SetCStuff(added);
  work->Commit(added);
  work->Unmark(added);
  EDraw(0, added);
}

}  // namespace vx
