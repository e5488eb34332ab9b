#include <optional>

#include "frame/mouse_hook.h"
#include "frame/pack_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "measure/arc_geometry.h"
#include "measure/leader_direction.h"
#include "measure/measure_commands.h"

namespace vx {

namespace {

constexpr char kLeader1Prompt[] = "Pick point/entity for leader 1:";
constexpr char kLeader2Prompt[] = "Pick point/entity for leader 2:";
constexpr char kAngle1Prompt[] = "Pick point or enter angle towards center:";
constexpr char kAngle2Prompt[] = "Pick angle towards center:";
constexpr char kArcPrompt[] = "Place dimension arc:";
constexpr char kTextPrompt[] = "Place text [default pos]:";
constexpr char kNoDirection[] = "No direction found.\r\n\r\nPlease pick angle towards center";
constexpr char kParallel[] = "Center calculation failed - make sure the lines are not parallel";

constexpr double kConstructionLength = 100.0;
constexpr std::uint8_t kCentreFound = 3;
constexpr std::uint8_t kTextPlaced = 4;

ArcDimState& State() { return Pack().measure.arc; }
std::uint8_t* Record() { return State().record.data(); }

void CopyCurrentDimStyle() {
  DList* work = GetWorkDL();
  const std::uint8_t* table = work != nullptr ? work->SettingsTable(kTableDimStyles) : nullptr;
  if (table == nullptr) return;
  const std::uint8_t* style = table + GetU32(table, kTableCurrentOffset) + kDimStyleBlock;
  for (std::size_t i = 0; i < kDimStyleBytes; ++i) Record()[kDimStyle + i] = style[i];
}

void ShowBox(const char* text, const char* title, int style) {
  InstallMouseHook();
  FormSt(text, -1, title, style);
  RemoveMouseHook();
}

const double* CursorPoint() {
  ProcCsrSnap(0);
  return static_cast<const double*>(RscAdr(kRscCursor));
}

void DrawPreview(DragView* view) {
  EDrawM(view, Record());
  XHReqCsr(view);
}

void ArcDrag(DragView* view) {
  const double* cursor = CursorPoint();
  CopyCurrentDimStyle();
  ComputeDimArc(State(), Record(), cursor);
  DrawPreview(view);
}

void TextDrag(DragView* view) {
  const double* cursor = CursorPoint();
  CopyCurrentDimStyle();
  std::uint8_t* r = Record();
  PutU8(r, kDimArcFlags, static_cast<std::uint8_t>(r[kDimArcFlags] | kTextPlaced));
  PutF64(r, kDimArcTextX, cursor[0]);
  PutF64(r, kDimArcTextY, cursor[1]);
  SetDimTextSide(r);
  DrawPreview(view);
}

void AddDimension() {
  CopyCurrentDimStyle();
  DList* work = GetWorkDL();
  work->UndoMark();
  Entity e = work->AddRecord(Record());
  SetCStuff(e);
  work->Commit(e);
  EDraw(0, e);
  ShowChanges();
}

void TextPlaced(int status) {
  std::uint8_t* r = Record();
  if (status == 2) PutU8(r, kDimArcFlags, static_cast<std::uint8_t>(r[kDimArcFlags] & ~kTextPlaced));
  if (status == 0 || status == 2) AddDimension();
  CmdEnd();
}

void ArcPlaced(int status) {
  if (status != 0) return CmdEnd();
  ComputeDimArc(State(), Record(), State().scratch.data());
  ReqData(kReqPoint2, Record() + kDimArcTextX, kTextPrompt, DragMode(TextDrag), TextPlaced, 0, 0);
}

void PlaceArc() {
  ArcDimState& s = State();
  double end1[2];
  double end2[2];
  PConv2(s.p1.data(), kConstructionLength, s.a1, end1);
  PConv2(s.p2.data(), kConstructionLength, s.a2, end2);
  double centre[2];
  if (IntL2(s.p1.data(), end1, s.p2.data(), end2, centre) == 0) {
    ShowBox(kParallel, kTitleError, kBoxError);
    return CmdEnd();
  }
  std::uint8_t* r = Record();
  PutF64(r, kDimArcCentreX, centre[0]);
  PutF64(r, kDimArcCentreY, centre[1]);
  PutU32(r, kDimArcZero220, 0);
  PutU32(r, kDimArcZero224, 0);
  PutU8(r, kDimArcTextSide, 0);
  PutU8(r, kDimArcFlags, kCentreFound);
  PutU8(r, kDimArcLast, 0);
  ReqData(kReqPoint2, s.scratch.data(), kArcPrompt, DragMode(ArcDrag), ArcPlaced, 0, 0);
}

// The angle prompt's answer: a typed number is degrees, a point gives the
// direction from the leader point.
std::optional<double> AngleAnswer(int status, const Vec2& leader) {
  if (status == 3) return State().scratch[0] * kPackPi / 180;
  if (status == 0) return Angle(leader.data(), State().scratch.data());
  return std::nullopt;
}

void AskLeader2();

void Angle1Given(int status) {
  const std::optional<double> a = AngleAnswer(status, State().p1);
  if (!a) return CmdEnd();
  State().a1 = *a;
  AskLeader2();
}

void Angle2Given(int status) {
  const std::optional<double> a = AngleAnswer(status, State().p2);
  if (!a) return CmdEnd();
  State().a2 = *a;
  PlaceArc();
}

// Without a line under the pick the user gives the direction instead.
void AskAngle(const Vec2& leader, const char* prompt, Continuation next) {
  ShowBox(kNoDirection, kTitleWarning, kBoxWarning);
  SetCursorOrg2(leader[0], leader[1]);
  ReqData(kReqPoint2, State().scratch.data(), prompt, kModeRubberLine, next, kReqAcceptNumber, 0);
}

void Leader2Given(int status) {
  if (status != 0) return CmdEnd();
  const std::optional<double> a = LeaderDirection(GetWorkDL(), State().p2);
  if (!a) return AskAngle(State().p2, kAngle2Prompt, Angle2Given);
  State().a2 = *a;
  PlaceArc();
}

void AskLeader2() { ReqData(kReqPoint2, State().p2.data(), kLeader2Prompt, kModePlain, Leader2Given, 0, 0); }

void Leader1Given(int status) {
  if (status != 0) return CmdEnd();
  const std::optional<double> a = LeaderDirection(GetWorkDL(), State().p1);
  if (!a) return AskAngle(State().p1, kAngle1Prompt, Angle1Given);
  State().a1 = *a;
  AskLeader2();
}

}  // namespace

void ArcDimensionCommand() {
  std::uint8_t* r = Record();
  PutU32(r, kHdrSize, kDimArcSize);
  PutI8(r, kHdrKind, static_cast<std::int8_t>(kKindDimArc));
  ReqData(kReqPoint2, State().p1.data(), kLeader1Prompt, kModePlain, Leader1Given, 0, 0);
}

}  // namespace vx
