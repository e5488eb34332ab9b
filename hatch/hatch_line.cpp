#include "hatch/hatch_line.h"

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

void AddHatchLine(DList* dest, const LineFamily& family, const double* p1, const double* p2) {
  std::uint8_t record[kLineSize] = {};
  PutU32(record, kHdrSize, kLineSize);
  PutI8(record, kHdrKind, kKindLine);
  PutF64(record, kLineX1, p1[0]);
  PutF64(record, kLineY1, p1[1]);
  PutF64(record, kLineX2, p2[0]);
  PutF64(record, kLineY2, p2[1]);
  Entity line = dest->AddRecord(record);
  if (family.source != nullptr) {
    CopyCStuff(line, family.source);
  } else {
    SetCStuff(line);
  }
  line = ETran(line, family.back);
  PutU16(line, kHdrLineStyle, family.line_style);
  dest->Commit(line);
  EDraw(0, line);
}

}  // namespace vx
