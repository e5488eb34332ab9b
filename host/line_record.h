// A loose line record: the form in which the pack hands the host a line to
// add, draw or intersect. The header's attributes stay zero for the caller
// to set.
#pragma once

#include <array>
#include <cstdint>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vx {

using LineRecord = std::array<std::uint8_t, kLineSize>;

// Writes a whole line record from (x1, y1) to (x2, y2) over `record`.
inline void WriteLineRecord(std::uint8_t* record, double x1, double y1, double x2, double y2) {
  for (std::uint32_t i = 0; i < kLineSize; ++i) record[i] = 0;
  PutU32(record, kHdrSize, kLineSize);
  PutI8(record, kHdrKind, kKindLine);
  PutF64(record, kLineX1, x1);
  PutF64(record, kLineY1, y1);
  PutF64(record, kLineX2, x2);
  PutF64(record, kLineY2, y2);
}

inline LineRecord MakeLineRecord(double x1, double y1, double x2, double y2) {
  LineRecord record;
  WriteLineRecord(record.data(), x1, y1, x2, y2);
  return record;
}

}  // namespace vx
