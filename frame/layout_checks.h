// Layout facts that the byte-exact records and the host interface rely on,
// checked at compile time so that the Linux build and the 32-bit Windows build
// cannot drift apart. A record layout that changes size by accident, or a
// target that is not little-endian IEEE, stops the build here instead of
// corrupting drawings at run time.
//
// The hatch options and settings records (874 and 949 bytes) get their checks
// here once hatch/ names their sizes.
#pragma once

#include <bit>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "host/drag_view.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/kv_types.h"
#include "host/settings_layout.h"

namespace vx::layout_checks {

// ---- The target ---------------------------------------------------------------

static_assert(std::endian::native == std::endian::little, "records are little-endian");
static_assert(CHAR_BIT == 8);
static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "single-precision record fields are IEEE binary32");
static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "double record fields are IEEE binary64");
static_assert(sizeof(int) == 4, "host operations pass int as a 32-bit word");
static_assert(sizeof(Kind) == 1, "the kind is one signed byte of the header");

// ---- Entity records -------------------------------------------------------------

static_assert(kHeaderBytes == 32);
static_assert(kHdrReserved26 + 6 == kHeaderBytes, "the header fields fill 32 bytes");

static_assert(kLineSize == 64 && kLineY2 + 8 == kLineSize);
static_assert(kCircleSize == 56 && kCircleR + 8 == kCircleSize);
static_assert(kArcSize == 72 && kArcStart == kCircleSize && kArcSweep + 8 == kArcSize,
              "an arc is a circle followed by start and sweep");

static_assert(kBoxSize == PolySize(5), "a box is a closed polygon of five vertices");

static_assert(kTextSpecBytes == 23);
static_assert(kSpecJustify + 1 == kTextSpecBytes);
static_assert(kTextString == kTextSpec + kTextSpecBytes,
              "the string follows the text specification directly");
static_assert(TextSize(0) == kTextString + 1, "an empty text still holds its NUL");
static_assert(kDragTextString == kDragTextSpec + kTextSpecBytes,
              "the drag text record carries the same specification block");

static_assert(kDimArcSize == 231 && kDimArcLast + 1 == kDimArcSize);
static_assert(kDimStyle + kDimStyleBytes == 148 && kDimArcCentreX == 148,
              "the arc dimension's geometry follows its style block");

static_assert(kBoxBytes == 52 && kBoxValid + 4 == kBoxBytes,
              "extents box: six doubles and a 32-bit valid flag");

// ---- Host interface -------------------------------------------------------------

static_assert(sizeof(Handler) == sizeof(void*) && sizeof(Continuation) == sizeof(void*),
              "handlers and continuations travel as one machine word");
static_assert(sizeof(std::uintptr_t) == sizeof(void*));

static_assert(sizeof(RegistrationRecord) == 7 * sizeof(void*));
static_assert(offsetof(RegistrationRecord, title) == 2 * sizeof(void*));
static_assert(offsetof(RegistrationRecord, module) == 6 * sizeof(void*),
              "the module handle is the seventh word");

static_assert(sizeof(DListOps) == 19 * sizeof(void*), "the list operations, in the host's order");
static_assert(offsetof(DListOps, settings_table) == 18 * sizeof(void*));
static_assert(offsetof(DList, file_name) == kDListFileName);
static_assert(sizeof(GDraw2) == 4 * sizeof(void*) && sizeof(GDraw3) == 4 * sizeof(void*));

// The host is a 32-bit Windows program: there every word of the records it
// shares with the pack is 32 bits wide.
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(RegistrationRecord) == 28);
static_assert(sizeof(RegRequest) == 32);
static_assert(sizeof(OpenFileRecord) == 32);
static_assert(sizeof(DListOps) == 76);
#endif

}  // namespace vx::layout_checks

// ---- Hatch records ----------------------------------------------------------------

#include "hatch/hatch_records.h"

namespace vx::layout_checks {

static_assert(kHatchOptionsBytes == 874, "the hatch options record is stored as 874 bytes");
static_assert(kHatchSettingsBytes == 949, "a hatch settings record is stored as 949 bytes");
static_assert(sizeof(HatchOptions) == 874 && sizeof(HatchSettings) == 949,
              "the in-memory records are their stored bytes, nothing more");

}  // namespace vx::layout_checks
