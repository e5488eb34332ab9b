// The hatch options record and the hatch settings record: fixed byte images
// (hatch_layout.h) with typed accessors, so that what is stored in the
// registry is exactly what the commands work on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "hatch/hatch_layout.h"
#include "host/pack_constants.h"

namespace vx {

// Degrees to radians. The factor is taken first so that 45 degrees gives
// exactly the default angle below; (45 * kPackPi) / 180 lands one bit lower.
inline constexpr double kDegrees = kPackPi / 180;
// The default hatch angle, 45 degrees in the pack's radians.
inline constexpr double kDefaultHatchAngle = 0.7853981625;

struct HatchOptions {
  std::array<std::uint8_t, kHatchOptionsBytes> bytes{};

  std::int32_t FillMethod() const;
  void SetFillMethod(std::int32_t method);
  std::int32_t PatternKind() const;
  void SetPatternKind(std::int32_t kind);
  bool Modify() const;
  void SetModify(bool on);
  double ModifyScale() const;
  void SetModifyScale(double scale);
  double ModifyRotation() const;
  void SetModifyRotation(double radians);
  double ModifyOffsetX() const;
  double ModifyOffsetY() const;
  void SetModifyOffset(double x, double y);
  std::string_view SearchText() const;
  void SetSearchText(std::string_view text);
  std::string_view KorvexName() const;
  void SetKorvexName(std::string_view name);
  std::string_view PatName() const;
  void SetPatName(std::string_view name);
  std::string_view SettingsName() const;
  void SetSettingsName(std::string_view name);
  bool ShowPreviews() const;
  void SetShowPreviews(bool on);
};

struct HatchSettings {
  std::array<std::uint8_t, kHatchSettingsBytes> bytes{};

  std::string_view Name() const;
  void SetName(std::string_view name);
  double Distance() const;
  void SetDistance(double distance);
  double Angle() const;
  void SetAngle(double radians);
  double OffsetX() const;
  double OffsetY() const;
  void SetOffset(double x, double y);
  bool ScanOn(std::size_t line) const;
  void SetScanOn(std::size_t line, bool on);
  double ScanOffset(std::size_t line) const;
  void SetScanOffset(std::size_t line, double offset);
  std::string_view ScanStyle(std::size_t line) const;
  void SetScanStyle(std::size_t line, std::string_view name);
  bool ScaleOffsets() const;
  void SetScaleOffsets(bool on);
};

// The records a freshly loaded pack starts with.
HatchOptions DefaultHatchOptions();
HatchSettings DefaultHatchSettings();

// A NUL-terminated text field: reads stop at the NUL or the field's end;
// writes keep at most size - 1 characters and clear the rest of the field.
std::string_view FieldText(const std::uint8_t* record, std::size_t offset, std::size_t size);
void PutFieldText(std::uint8_t* record, std::size_t offset, std::size_t size, std::string_view text);

}  // namespace vx
