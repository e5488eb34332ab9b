// The text candidate list of the quick-pick and selection modes: every text a
// command's rule can change, with where it is shown in the drawing, so a click
// takes the nearest one and a selection can be worked through in an order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/kv_types.h"
#include "host/point_types.h"

namespace vx {

struct TextCandidate {
  bool done = false;         // processed by a selection-mode pass
  DList* list = nullptr;     // the list that holds the record
  Entity record = nullptr;   // replaced by what the change returns: a resized record moves
  Point2 point;              // insertion point in drawing coordinates
  Entity context = nullptr;  // the innermost symbol instance holding the text
};

// Orders of NextInOrder and SequenceOrder.
enum CandidateOrder : int { kOrderByX = 0, kOrderByY = 1, kOrderList = 2 };

// The candidates in list order (the order they were added).
using CandidateList = std::vector<TextCandidate>;

// Appends a candidate; `origin` is the text's own insertion point, carried to
// the drawing through the symbol context (TransformToDrawing).
void AddCandidate(CandidateList& list, DList* owner, Entity record, const std::uint8_t* origin, Entity context);

// The candidate nearest to the point (host distance), done or not; the first
// of equal distances wins. Null when the list is empty.
TextCandidate* NearestCandidate(CandidateList& list, const double* point);

// Among those not done: the smallest x (kOrderByX), the largest y (kOrderByY)
// or the first in list order (any other value); the first of equal values
// wins, and a coordinate that is not a number loses to every number. Null when
// all are done.
TextCandidate* NextInOrder(CandidateList& list, int order);

// The indices of all candidates in the order that repeated NextInOrder calls
// (each followed by MarkDone) would give, by one stable sort instead of a
// scan per step.
std::vector<std::size_t> SequenceOrder(const CandidateList& list, int order);

void MarkDone(TextCandidate* candidate);
// Unlinks the candidate; one that is not in the list is ignored.
void RemoveCandidate(CandidateList& list, const TextCandidate* candidate);
void ClearCandidates(CandidateList& list);

// The drag routine of the quick-pick prompts: a rubber line from the cursor
// to the candidate a click there would take.
void TrackNearest(DragView* view);

}  // namespace vx
