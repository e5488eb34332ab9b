#include "hatch/scan_line.h"

#include "host/record.h"

namespace vx {

void SetScanLine(ScanLine& scan, double x, double min_y, double max_y) {
  scan.x = x;
  scan.p1[0] = x;
  scan.p1[1] = min_y;
  scan.p2[0] = x;
  scan.p2[1] = max_y;
  PutU32(scan.record, kHdrSize, kLineSize);
  PutI8(scan.record, kHdrKind, kKindLine);
  PutF64(scan.record, kLineX1, x);
  PutF64(scan.record, kLineY1, min_y);
  PutF64(scan.record, kLineX2, x);
  PutF64(scan.record, kLineY2, max_y);
}

}  // namespace vx
