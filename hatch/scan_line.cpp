#include "hatch/scan_line.h"

#include "host/line_record.h"
#include "host/record.h"

namespace vx {

void SetScanLine(ScanLine& scan, double x, double min_y, double max_y) {
  scan.x = x;
  scan.p1[0] = x;
  scan.p1[1] = min_y;
  scan.p2[0] = x;
  scan.p2[1] = max_y;
  WriteLineRecord(scan.record, x, min_y, x, max_y);
}

}  // namespace vx
