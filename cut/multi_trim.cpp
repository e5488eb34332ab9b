// VXMTRIM: trims every selected entity along one straight line, removing the
// pieces on the far side of the side the user keeps.
#include <cstdint>
#include <vector>

#include "cut/cut_commands.h"
#include "frame/pack_state.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/line_record.h"
#include "host/point_types.h"
#include "host/record.h"
#include "transform/transform_requests.h"

namespace vx {

namespace {

constexpr char kPickEntities[] = "Multi trim - pick entities:";
constexpr std::intptr_t kModePickEntities = 7;
constexpr char kLineStart[] = "Start of trim line:";
constexpr char kLineEnd[] = "End of trim line:";
constexpr char kKeepSide[] = "Keep side:";
constexpr double kMiddle = 0.5;

TrimState& State() { return Pack().cut.trim; }

// 1 on the left of the trim line (signed distance above 0), else 0: a point
// on the line counts as the right side.
int SideOf(const TrimState& s, const double* point) { return DistP2L(point, s.start.data(), s.end.data()) > 0 ? 1 : 0; }

int PieceSide(const TrimState& s, Entity piece) {
  const double t = kMiddle;
  double middle[3] = {};
  if (EGet(piece, kQueryPointAt, &t, middle) == 0) return 0;
  return SideOf(s, middle);
}

void RemoveOrDraw(DList* list, Entity piece, int keep_side) {
  if (PieceSide(State(), piece) != keep_side) return list->Free(piece);
  EDraw(0, piece);
}

void LeaveUntouched(DList* list, Entity e) {
  list->Unmark(e);
  EDraw(0, e);
}

// The crossings in order along the entity, so that the trim can walk along
// it from its start.
std::vector<Point3> CrossingsAlong(Entity e) {
  double* points = nullptr;
  const int n = FindAllInts(e, State().line.data(), &points);
  std::vector<Point3> out;
  for (int i = 0; i < n; ++i) out.push_back({points[3 * i], points[3 * i + 1], points[3 * i + 2]});
  return out;
}

// Walks along the entity from its start, splitting at each crossing in turn.
// A closed entity opens at its first split into one piece that starts there;
// crossings passed over before (its start point) then lie inside that piece
// and are taken again, so a circle crossed at its start is still cut in two.
int TrimEntity(DList* list, Entity e, std::intptr_t keep_side, std::intptr_t) {
  const int keep = static_cast<int>(keep_side);
  EErase(0, e);
  std::vector<Point3> at = CrossingsAlong(e);
  if (at.empty()) {
    LeaveUntouched(list, e);
    return 0;
  }
  Entity piece = list->OpenForChange(e);
  bool split = false;
  std::vector<Point3> passed;
  for (std::size_t next = 0; next < at.size();) {
    const Point3 p = at[next++];
    const double xyz[3] = {p.x, p.y, p.z};
    double t = 0;
    Entity first = nullptr;
    Entity second = nullptr;
    if (EGet(piece, kQueryParamOf, xyz, &t) == 0 || !(t > 0 && t < 1) || ESplit(piece, t, &first, &second) == 0) {
      passed.push_back(p);
      continue;
    }
    split = true;
    if (first != nullptr && second != nullptr && first != second) RemoveOrDraw(list, first, keep);
    if (first == second && !passed.empty()) {
      at.insert(at.end(), passed.begin(), passed.end());
      passed.clear();
    }
    piece = second != nullptr ? second : first;
  }
  if (split) {
    RemoveOrDraw(list, piece, keep);
  } else {
    LeaveUntouched(list, piece);
  }
  return 0;
}

void FillTrimLine(TrimState& s) { WriteLineRecord(s.line.data(), s.start[0], s.start[1], s.end[0], s.end[1]); }

void KeepGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  TrimState& s = State();
  DList* work = GetWorkDL();
  work->UndoMark();
  FillTrimLine(s);
  const int keep_side = SideOf(s, s.keep.data());
  work->Walk(TrimEntity, kWalkSelectedVisible, keep_side);
  ShowChanges();
  CmdEnd();
}

void EndGiven(int status) {
  if (status != kStatusAnswered) return EndRedrawingSelection();
  ReqData(kReqPoint3, State().keep.data(), kKeepSide, kModeDefault, KeepGiven, 0, 0);
}

void StartGiven(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  const Vec3& start = State().start;
  SetCursorOrg2(start[0], start[1]);
  ReqData(kReqPoint3, State().end.data(), kLineEnd, kModeRubberLine, EndGiven, 0, 0);
}

void Selected(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  ReqData(kReqPoint3, State().start.data(), kLineStart, kModePlain, StartGiven, 0, 0);
}

}  // namespace

void MultiTrimCommand() { ReqData(kReqSelect, nullptr, kPickEntities, kModePickEntities, Selected, 0, 0); }

}  // namespace vx
