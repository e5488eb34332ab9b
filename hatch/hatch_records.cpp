#include "hatch/hatch_records.h"

#include <cstring>

#include "host/record.h"

namespace vx {

std::string_view FieldText(const std::uint8_t* record, std::size_t offset, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(record + offset);
  const void* nul = std::memchr(text, 0, size);
  return {text, nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : size};
}

void PutFieldText(std::uint8_t* record, std::size_t offset, std::size_t size, std::string_view text) {
  const std::size_t length = text.size() < size ? text.size() : size - 1;
  std::memset(record + offset, 0, size);
  std::memcpy(record + offset, text.data(), length);
}

// ---- Options ------------------------------------------------------------------------

std::int32_t HatchOptions::FillMethod() const { return GetI32(bytes.data(), kOptFillMethod); }
void HatchOptions::SetFillMethod(std::int32_t method) { PutI32(bytes.data(), kOptFillMethod, method); }
std::int32_t HatchOptions::PatternKind() const { return GetI32(bytes.data(), kOptPatternKind); }
void HatchOptions::SetPatternKind(std::int32_t kind) { PutI32(bytes.data(), kOptPatternKind, kind); }
bool HatchOptions::Modify() const { return GetI32(bytes.data(), kOptModify) != 0; }
void HatchOptions::SetModify(bool on) { PutI32(bytes.data(), kOptModify, on ? 1 : 0); }
double HatchOptions::ModifyScale() const { return GetF64(bytes.data(), kOptModifyScale); }
void HatchOptions::SetModifyScale(double scale) { PutF64(bytes.data(), kOptModifyScale, scale); }
double HatchOptions::ModifyRotation() const { return GetF64(bytes.data(), kOptModifyRotation); }
void HatchOptions::SetModifyRotation(double radians) { PutF64(bytes.data(), kOptModifyRotation, radians); }
double HatchOptions::ModifyOffsetX() const { return GetF64(bytes.data(), kOptModifyOffsetX); }
double HatchOptions::ModifyOffsetY() const { return GetF64(bytes.data(), kOptModifyOffsetY); }
void HatchOptions::SetModifyOffset(double x, double y) {
  PutF64(bytes.data(), kOptModifyOffsetX, x);
  PutF64(bytes.data(), kOptModifyOffsetY, y);
}
std::string_view HatchOptions::SearchText() const {
  return FieldText(bytes.data(), kOptSearchText, kOptSearchTextBytes);
}
void HatchOptions::SetSearchText(std::string_view text) {
  PutFieldText(bytes.data(), kOptSearchText, kOptSearchTextBytes, text);
}
std::string_view HatchOptions::KorvexName() const {
  return FieldText(bytes.data(), kOptKorvexName, kOptPatternNameBytes);
}
void HatchOptions::SetKorvexName(std::string_view name) {
  PutFieldText(bytes.data(), kOptKorvexName, kOptPatternNameBytes, name);
}
std::string_view HatchOptions::PatName() const { return FieldText(bytes.data(), kOptPatName, kOptPatternNameBytes); }
void HatchOptions::SetPatName(std::string_view name) {
  PutFieldText(bytes.data(), kOptPatName, kOptPatternNameBytes, name);
}
std::string_view HatchOptions::SettingsName() const {
  return FieldText(bytes.data(), kOptSettingsName, kOptSettingsNameBytes);
}
void HatchOptions::SetSettingsName(std::string_view name) {
  PutFieldText(bytes.data(), kOptSettingsName, kOptSettingsNameBytes, name);
}
bool HatchOptions::ShowPreviews() const { return GetI32(bytes.data(), kOptShowPreviews) != 0; }
void HatchOptions::SetShowPreviews(bool on) { PutI32(bytes.data(), kOptShowPreviews, on ? 1 : 0); }

// ---- Settings -----------------------------------------------------------------------

std::string_view HatchSettings::Name() const { return FieldText(bytes.data(), kSetName, kSetNameBytes); }
void HatchSettings::SetName(std::string_view name) { PutFieldText(bytes.data(), kSetName, kSetNameBytes, name); }
double HatchSettings::Distance() const { return GetF64(bytes.data(), kSetDistance); }
void HatchSettings::SetDistance(double distance) { PutF64(bytes.data(), kSetDistance, distance); }
double HatchSettings::Angle() const { return GetF64(bytes.data(), kSetAngle); }
void HatchSettings::SetAngle(double radians) { PutF64(bytes.data(), kSetAngle, radians); }
double HatchSettings::OffsetX() const { return GetF64(bytes.data(), kSetOffsetX); }
double HatchSettings::OffsetY() const { return GetF64(bytes.data(), kSetOffsetY); }
void HatchSettings::SetOffset(double x, double y) {
  PutF64(bytes.data(), kSetOffsetX, x);
  PutF64(bytes.data(), kSetOffsetY, y);
}
bool HatchSettings::ScanOn(std::size_t line) const { return GetI32(bytes.data(), ScanOnOffset(line)) != 0; }
void HatchSettings::SetScanOn(std::size_t line, bool on) { PutI32(bytes.data(), ScanOnOffset(line), on ? 1 : 0); }
double HatchSettings::ScanOffset(std::size_t line) const { return GetF64(bytes.data(), ScanOffsetOffset(line)); }
void HatchSettings::SetScanOffset(std::size_t line, double offset) {
  PutF64(bytes.data(), ScanOffsetOffset(line), offset);
}
std::string_view HatchSettings::ScanStyle(std::size_t line) const {
  return FieldText(bytes.data(), ScanStyleOffset(line), kSetScanStyleBytes);
}
void HatchSettings::SetScanStyle(std::size_t line, std::string_view name) {
  PutFieldText(bytes.data(), ScanStyleOffset(line), kSetScanStyleBytes, name);
}
bool HatchSettings::ScaleOffsets() const { return GetI32(bytes.data(), kSetScaleOffsets) != 0; }
void HatchSettings::SetScaleOffsets(bool on) { PutI32(bytes.data(), kSetScaleOffsets, on ? 1 : 0); }

// ---- Defaults -----------------------------------------------------------------------

HatchOptions DefaultHatchOptions() {
  HatchOptions options;
  options.SetFillMethod(kMethodScan);
  options.SetPatternKind(kKindSimpleLines);
  options.SetModifyScale(1.0);
  options.SetKorvexName(".25 Right Diagonal");
  return options;
}

HatchSettings DefaultHatchSettings() {
  HatchSettings settings;
  settings.SetDistance(0.2);
  settings.SetAngle(kDefaultHatchAngle);
  settings.SetScanOn(0, true);
  for (std::size_t i = 0; i < kScanLineCount; ++i) settings.SetScanStyle(i, "Solid");
  settings.SetScaleOffsets(true);
  return settings;
}

}  // namespace vx
