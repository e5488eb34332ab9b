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

#include "frame/command_table.h"
#include "host/drag_view.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/kv_types.h"
#include "host/prompt_record.h"
#include "host/settings_layout.h"

namespace vx::layout_checks {

// ---- The target ---------------------------------------------------------------

static_assert(std::endian::native == std::endian::little, "records are little-endian");
static_assert(CHAR_BIT == 8);
static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "single-precision record fields are IEEE binary32");
static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559, "double record fields are IEEE binary64");
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
static_assert(kTextString == kTextSpec + kTextSpecBytes, "the string follows the text format block directly");
static_assert(TextSize(0) == kTextString + 1, "an empty text still holds its NUL");
static_assert(kDragTextString == kDragTextSpec + kTextSpecBytes,
              "the drag text record carries the same text format block");

static_assert(kDimArcSize == 231 && kDimArcLast + 1 == kDimArcSize);
static_assert(kDimStyle + kDimStyleBytes == 148 && kDimArcCentreX == 148,
              "the arc dimension's geometry follows its style block");

static_assert(kBoxBytes == 52 && kBoxValid + 4 == kBoxBytes, "extents box: six doubles and a 32-bit valid flag");

// ---- Host interface -------------------------------------------------------------

static_assert(sizeof(Handler) == sizeof(void*) && sizeof(Continuation) == sizeof(void*),
              "handlers and continuations travel as one machine word");
static_assert(sizeof(std::uintptr_t) == sizeof(void*));

static_assert(sizeof(RegistrationRecord) == 7 * sizeof(void*));
static_assert(offsetof(RegistrationRecord, title) == 2 * sizeof(void*));
static_assert(offsetof(RegistrationRecord, module) == 6 * sizeof(void*), "the module handle is the seventh word");

static_assert(sizeof(DListOps) == 19 * sizeof(void*), "the list operations, in the host's order");
static_assert(offsetof(DListOps, settings_table) == 18 * sizeof(void*));
static_assert(offsetof(DList, file_name) == kDListFileName);
static_assert(sizeof(GDraw2) == 4 * sizeof(void*) && sizeof(GDraw3) == 4 * sizeof(void*));

// Records exchanged with the host field by field, in machine words W: what
// holds on both targets, so the 32-bit sizes below follow from it.
inline constexpr std::size_t W = sizeof(void*);

static_assert(kCommandCount + 2 == 55, "the handler array: About, 53 commands, the ending 0");

static_assert(offsetof(PromptRecord, text) == 0 && offsetof(PromptRecord, entry) == W,
              "a prompt record is its text, then one entry per placeholder");
static_assert(offsetof(PromptEntry, value) == 0 && offsetof(PromptEntry, type) == W &&
              offsetof(PromptEntry, zero) == W + 1 && offsetof(PromptEntry, width) == W + 2 &&
              offsetof(PromptEntry, decimals) == W + 3);

static_assert(offsetof(RegRequest, root) == 0 && offsetof(RegRequest, key) == W &&
              offsetof(RegRequest, name) == 2 * W && offsetof(RegRequest, data) == 3 * W &&
              offsetof(RegRequest, size) == 4 * W && offsetof(RegRequest, type) == 4 * W + 4 &&
              offsetof(RegRequest, size2) == 4 * W + 8 && offsetof(RegRequest, zero) == 4 * W + 12);
static_assert(offsetof(OpenFileRecord, initial) == 0 && offsetof(OpenFileRecord, result) == W &&
              offsetof(OpenFileRecord, extension) == 2 * W && offsetof(OpenFileRecord, filter) == 3 * W &&
              offsetof(OpenFileRecord, result_size) == 4 * W && offsetof(OpenFileRecord, flags) == 4 * W + 4 &&
              offsetof(OpenFileRecord, must_exist) == 4 * W + 8 && offsetof(OpenFileRecord, zero) == 4 * W + 12);

static_assert(offsetof(GDraw2, line) == 0 && offsetof(GDraw2, circle) == W && offsetof(GDraw2, text) == 2 * W &&
                  offsetof(GDraw2, setting) == 3 * W,
              "the 2-D drawing object's operations, in the host's order");
static_assert(offsetof(GDraw3, line) == 0 && offsetof(GDraw3, circle) == W && offsetof(GDraw3, text) == 2 * W &&
                  offsetof(GDraw3, setting) == 3 * W,
              "the 3-D drawing object's operations, in the host's order");
static_assert(kViewWidth == 0 && kViewHeight == 8, "the drag view begins with its visible width and height");

// The host is a 32-bit Windows program: there every word of the records it
// shares with the pack is 32 bits wide.
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(RegistrationRecord) == 28);
static_assert(sizeof(RegRequest) == 32);
static_assert(sizeof(OpenFileRecord) == 32);
static_assert(sizeof(DListOps) == 76);
static_assert(sizeof(PromptEntry) == 8 && sizeof(PromptRecord) == 76);
static_assert(sizeof(GDraw2) == 16 && sizeof(GDraw3) == 16);
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
