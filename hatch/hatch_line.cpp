#include "hatch/hatch_line.h"

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/line_record.h"
#include "host/record.h"

namespace vx {

void AddHatchLine(DList* dest, const LineFamily& family, const double* p1, const double* p2) {
  Entity line = dest->AddRecord(MakeLineRecord(p1[0], p1[1], p2[0], p2[1]).data());
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
