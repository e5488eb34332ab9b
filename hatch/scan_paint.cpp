#include "hatch/scan_paint.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "frame/modifier_keys.h"
#include "hatch/hatch_state.h"
#include "hatch/paint_positions.h"
#include "hatch/paint_probe.h"
#include "host/drag_view.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

struct Cursor {
  double at[2];  // in hatch space
};

Cursor CursorInHatchSpace(const ScanPaintState& s) {
  double point[3];
  std::memcpy(point, RscAdr(kRscCursor), sizeof point);
  Cursor c{{point[0], point[1]}};
  CTMI2();
  CTMMUL2(s.into);
  TRNP2(c.at);
  return c;
}

// Hatch-space ends of a segment at `position` from `lower` to `upper` along it.
void SegmentEnds(PaintOrientation o, double position, double lower, double upper, double* p1, double* p2) {
  const bool cross = o == PaintOrientation::kCross;
  p1[0] = cross ? lower : position;
  p1[1] = cross ? position : lower;
  p2[0] = cross ? upper : position;
  p2[1] = cross ? position : upper;
}

// The probe of the crosshatch at y = p is the scan line x = -p of the
// boundary turned a quarter turn further (scan_state.h), with x along it.
ProbeSpan Probe(ScanPaintState& s, PaintOrientation o, double position, double along) {
  if (o == PaintOrientation::kHatch)
    return NarrowProbe(s.probes[0], s.crossings, position, s.box.min_y, s.box.max_y, along);
  return NarrowProbe(s.probes[1], s.crossings, -position, s.box.min_x, s.box.max_x, along);
}

void AddSegment(DragView* view, ScanPaintState& s, PaintOrientation o, double position, const ProbeSpan& span,
                std::uint16_t style) {
  double p1[2], p2[2];
  SegmentEnds(o, position, span.lower, span.upper, p1, p2);
  std::uint8_t record[kLineSize] = {};
  PutU32(record, kHdrSize, kLineSize);
  PutI8(record, kHdrKind, kKindLine);
  PutF64(record, kLineX1, p1[0]);
  PutF64(record, kLineY1, p1[1]);
  PutF64(record, kLineX2, p2[0]);
  PutF64(record, kLineY2, p2[1]);
  Entity line = s.members->AddRecord(record);
  SetCStuff(line);
  PutU16(line, kHdrLineStyle, style);
  line = ETran(line, s.back);
  s.members->Commit(line);
  const double from[2] = {GetF64(line, kLineX1), GetF64(line, kLineY1)};
  const double to[2] = {GetF64(line, kLineX2), GetF64(line, kLineY2)};
  GetGDraw2()->line(view, from, to);
  s.painted.push_back({line, position, span.lower, span.upper, o});
}

void RemoveSegment(ScanPaintState& s, std::size_t index) {
  const Entity line = s.painted[index].line;
  EErase(0, line);
  s.members->Free(line);
  s.painted.erase(s.painted.begin() + static_cast<std::ptrdiff_t>(index));
}

void PaintAt(DragView* view, ScanPaintState& s, const Cursor& c, PaintOrientation o, double position,
             std::uint16_t style) {
  const bool remove = CtrlHeld();
  const double along = o == PaintOrientation::kHatch ? c.at[1] : c.at[0];
  const std::optional<std::size_t> found = FindPainted(s.painted, o, position, along, s.smallest_step / 2);
  if (found && remove) return RemoveSegment(s, *found);
  if (found || remove) return;
  const ProbeSpan span = Probe(s, o, position, along);
  if (span.bounded) AddSegment(view, s, o, position, span, style);
}

void PaintSwept(DragView* view, ScanPaintState& s, const Cursor& c) {
  const PaintOrientation o = ShiftHeld() ? PaintOrientation::kCross : PaintOrientation::kHatch;
  const int axis = o == PaintOrientation::kHatch ? 0 : 1;
  const SweptRange range = axis == 0 ? SweptBetween(s.previous[0], c.at[0], s.box.min_x, s.box.max_x)
                                     : SweptBetween(s.previous[1], c.at[1], s.box.min_y, s.box.max_y);
  ForEachSweptPosition(range, Hatch().prepared.Distance(), s.origin[axis], s.steps,
                       [&](double position, std::uint16_t style) { PaintAt(view, s, c, o, position, style); });
}

}  // namespace

void PaintDrag(DragView* view) {
  ScanPaintState& s = Hatch().scan;
  const Cursor c = CursorInHatchSpace(s);
  if (s.dragging && s.box_valid) PaintSwept(view, s, c);
  s.previous[0] = c.at[0];
  s.previous[1] = c.at[1];
  XHReqCsr(view);
}

}  // namespace vx
