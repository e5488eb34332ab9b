#include "text/text_candidates.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "frame/pack_state.h"
#include "host/host_api.h"
#include "host/win_api.h"
#include "text/text_access.h"

namespace vx {

namespace {

// The key NextInOrder minimises; NaN never wins a comparison there, so it
// sorts last here.
double OrderKey(const TextCandidate& c, int order) { return order == kOrderByX ? c.point.x : -c.point.y; }

bool KeyBefore(double a, double b) {
  if (std::isnan(b)) return !std::isnan(a);
  return a < b;
}

}  // namespace

void AddCandidate(CandidateList& list, DList* owner, Entity record, const std::uint8_t* origin, Entity context) {
  double point[2] = {GetF64(origin, 0), GetF64(origin, 8)};
  if (context != nullptr) TransformToDrawing(point, context, record);
  list.push_back(TextCandidate{false, owner, record, Point2{point[0], point[1]}, context});
}

TextCandidate* NearestCandidate(CandidateList& list, const double* point) {
  TextCandidate* nearest = nullptr;
  double best = 0;
  for (TextCandidate& c : list) {
    const double at[2] = {c.point.x, c.point.y};
    const double d = Dist2P(point, at);
    if (nearest == nullptr || d < best) {
      nearest = &c;
      best = d;
    }
  }
  return nearest;
}

TextCandidate* NextInOrder(CandidateList& list, int order) {
  TextCandidate* next = nullptr;
  for (TextCandidate& c : list) {
    if (c.done) continue;
    if (next == nullptr) {
      next = &c;
      if (order != kOrderByX && order != kOrderByY) return next;
    } else if (KeyBefore(OrderKey(c, order), OrderKey(*next, order))) {
      next = &c;
    }
  }
  return next;
}

std::vector<std::size_t> SequenceOrder(const CandidateList& list, int order) {
  std::vector<std::size_t> indices(list.size());
  std::iota(indices.begin(), indices.end(), std::size_t{0});
  if (order != kOrderByX && order != kOrderByY) return indices;
  std::stable_sort(indices.begin(), indices.end(), [&list, order](std::size_t a, std::size_t b) {
    return KeyBefore(OrderKey(list[a], order), OrderKey(list[b], order));
  });
  return indices;
}

void MarkDone(TextCandidate* candidate) {
  if (candidate != nullptr) candidate->done = true;
}

void RemoveCandidate(CandidateList& list, const TextCandidate* candidate) {
  const auto at =
      std::find_if(list.begin(), list.end(), [candidate](const TextCandidate& c) { return &c == candidate; });
  if (at != list.end()) list.erase(at);
}

void ClearCandidates(CandidateList& list) {
  list.clear();
  list.shrink_to_fit();
}

void TrackNearest(DragView* view) {
  double cursor[3];
  std::memcpy(cursor, RscAdr(kRscCursor), sizeof cursor);
  if (const TextCandidate* c = NearestCandidate(Pack().text.candidates, cursor); c != nullptr) {
    const double to[2] = {c->point.x, c->point.y};
    GetGDraw2()->line(view, cursor, to);
  }
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace vx
