#include "hatch/hatch_pattern.h"

#include <cmath>
#include <string>
#include <vector>

#include "hatch/boundary.h"
#include "hatch/hatch_family.h"
#include "hatch/hatch_state.h"
#include "hatch/pat_files.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "host/win_api.h"

namespace vx {

namespace {

struct Rotations {
  double back[16];
  double into[16];
};

// Leaves the current transformation equal to "into".
void BuildRotations(double angle, Rotations& r) {
  BuildRotation(angle - kRightAngle, r.back);
  BuildRotation(kRightAngle - angle, r.into);
}

// A point rotated about the origin by the host's current transformation.
void RotatePoint(double angle, double* point) {
  CTMI2();
  CTMR2(angle);
  TRNP2(point);
}

long FillSimpleLines(DList* dest, FillContext& context, Entity source) {
  const HatchSettings& s = Hatch().prepared;
  Rotations r;
  BuildRotations(s.Angle(), r);
  const double factor = s.ScaleOffsets() ? s.Distance() : 1.0;
  long added = 0;
  for (std::size_t i = 0; i < kScanLineCount; ++i) {
    if (!s.ScanOn(i)) continue;
    double origin[2] = {s.OffsetX(), s.OffsetY()};
    TRNP2(origin);  // the current transformation is "into"
    origin[0] += factor * s.ScanOffset(i);
    LineFamily family;
    family.spacing = s.Distance();
    family.origin_x = origin[0];
    family.origin_y = origin[1];
    family.back = r.back;
    family.line_style = LineStyleNumber(s.ScanStyle(i));
    family.source = source;
    added += HatchFamily(dest, family, context);
  }
  return added;
}

// ---- Korvex scalable patterns (host fill styles of type 3) --------------------

struct KorvexFamily {
  float angle, origin_x, origin_y, period, spacing;
  std::vector<float> dashes;
};

// Reads the line families of a fill style record, stopping at the first one
// that would run past the record's end.
bool ReadKorvexPattern(const std::uint8_t* style, float& scale, std::vector<KorvexFamily>& families) {
  const std::uint32_t size = GetU32(style, kRecSize);
  const int offset = GetI8(style, kFillDataOffset);
  if (offset < 0 || static_cast<std::uint32_t>(offset) + kFillDataFamilies > size) return false;
  const std::uint8_t* data = style + offset;
  const std::uint32_t room = size - static_cast<std::uint32_t>(offset);
  const std::uint32_t count = GetU32(data, kFillDataCount);
  scale = GetF32(data, kFillDataScale);
  std::size_t at = kFillDataFamilies;
  for (std::uint32_t k = 0; k < count && at + kFamDashes <= room; ++k) {
    const std::int32_t dash_count = GetI32(data + at, kFamDashCount);
    if (dash_count < 0 || (room - at - kFamDashes) / 4 < static_cast<std::uint32_t>(dash_count)) break;
    KorvexFamily family{GetF32(data + at, kFamAngle),  GetF32(data + at, kFamOriginX), GetF32(data + at, kFamOriginY),
                        GetF32(data + at, kFamPeriod), GetF32(data + at, kFamSpacing), {}};
    for (std::int32_t d = 0; d < dash_count; ++d) family.dashes.push_back(GetF32(data + at, kFamDashes + 4u * d));
    families.push_back(std::move(family));
    at += kFamDashes + 4u * static_cast<std::uint32_t>(dash_count);
  }
  return true;
}

// A family of the fill style or PAT kinds, placed in hatch space; the
// dashes stay owned by the pattern.
LineFamily FamilyAt(double spacing, const double origin[2], const Rotations& r, const std::vector<float>& dashes,
                    float period, Entity source, double scale) {
  LineFamily family;
  family.spacing = spacing;
  family.origin_x = origin[0];
  family.origin_y = origin[1];
  family.back = r.back;
  family.dash_count = static_cast<int>(dashes.size());
  family.period = period;
  family.dashes = dashes.data();
  family.source = source;
  family.scale = scale;
  return family;
}

long FillKorvexPattern(DList* dest, FillContext& context, Entity source) {
  const HatchOptions& o = Hatch().options;
  const std::string name(o.KorvexName());
  const std::uint8_t* style = FindFStyleName(name.c_str());
  if (style == nullptr || style[kFillType] != kFillTypeLineFamilies) return 0;
  float data_scale = 1;
  std::vector<KorvexFamily> families;
  if (!ReadKorvexPattern(style, data_scale, families)) return 0;
  const double pattern_scale = o.ModifyScale() * data_scale;
  Rotations r;
  double current = Hatch().prepared.Angle();
  BuildRotations(current, r);
  long added = 0;
  for (const KorvexFamily& k : families) {
    const double angle = k.angle + o.ModifyRotation();
    if (angle != current) {  // exact on purpose: families of one angle share the rotated boundary
      BuildRotation(angle - kRightAngle, r.back);
      RotateBoundary(context, current - angle);
      current = angle;
    }
    double origin[2] = {k.origin_x * pattern_scale + o.ModifyOffsetX(), k.origin_y * pattern_scale + o.ModifyOffsetY()};
    // The family origin is a point of one of its lines in drawing space,
    // carried into hatch space as the PAT families' origins are.
    RotatePoint(kRightAngle - k.angle, origin);
    const LineFamily family = FamilyAt(k.spacing, origin, r, k.dashes, k.period, source, pattern_scale);
    added += HatchFamily(dest, family, context);
  }
  return added;
}

// ---- AutoCAD PAT-file patterns ---------------------------------------------------

bool EscapeDown() { return static_cast<std::uint16_t>(GetAsyncKeyState(VK_ESCAPE)) > 1; }

long FillPatFilePattern(DList* dest, FillContext& context, Entity source) {
  HatchState& hatch = Hatch();
  const HatchOptions& o = hatch.options;
  if (!hatch.patterns.loaded) LoadPatList(hatch.patterns);
  const PatPattern* pattern = FindPatPattern(hatch.patterns, o.PatName());
  if (pattern == nullptr) return 0;
  const int count = static_cast<int>(pattern->families.size());
  ProgressMsg("Hatching... (press ESC to cancel)");
  Rotations r;
  double current = hatch.prepared.Angle();
  BuildRotations(current, r);
  long added = 0;
  int k = 0;
  for (const PatFamily& p : pattern->families) {
    ShowProgress(k++, count);
    if (EscapeDown()) {
      context.stopped = true;
      break;
    }
    const double angle = p.angle + o.ModifyRotation();
    if (std::fabs(current - angle) > 0.00001) {
      BuildRotations(angle, r);
      RotateBoundary(context, current - angle);
      current = angle;
    }
    const double scale = o.ModifyScale();
    double origin[2] = {scale * p.origin_x + o.ModifyOffsetX(), scale * p.origin_y + o.ModifyOffsetY()};
    RotatePoint(kRightAngle - p.angle, origin);
    LineFamily family = FamilyAt(std::fabs(p.delta_y), origin, r, p.dashes, p.period, source, scale);
    family.shift = p.delta_y >= 0 ? -p.delta_x : p.delta_x;
    added += HatchFamily(dest, family, context);
  }
  ShowProgress(0, 1);
  return added;
}

}  // namespace

std::uint16_t LineStyleNumber(std::string_view name) {
  const std::string text(name);
  const std::uint8_t* style = FindLStyleName(text.c_str());
  return style != nullptr ? GetU16(style, kLStyleNumber) : 0;
}

long HatchPattern(DList* dest, FillContext& context, Entity source) {
  long added = 0;
  switch (Hatch().options.PatternKind()) {
    case kKindSimpleLines: added = FillSimpleLines(dest, context, source); break;
    case kKindKorvex: added = FillKorvexPattern(dest, context, source); break;
    case kKindPatFile: added = FillPatFilePattern(dest, context, source); break;
    default: break;
  }
  // Each command reads the PAT files afresh.
  FreePatList(Hatch().patterns);
  return added;
}

}  // namespace vx
