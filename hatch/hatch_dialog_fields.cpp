#include "hatch/hatch_dialog_fields.h"

#include <algorithm>
#include <cstring>

namespace vx {

void CopyText(char* buffer, std::size_t size, std::string_view text) {
  if (size == 0) return;
  const std::size_t n = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), n);
  std::memset(buffer + n, 0, size - n);
}

void FieldsFromOptions(const HatchOptions& options, CommandDialogFields& fields) {
  fields.method = options.FillMethod();
  fields.kind = options.PatternKind();
  fields.modify = options.Modify() ? 1 : 0;
  fields.previews = options.ShowPreviews() ? 1 : 0;
  fields.modify_scale = options.ModifyScale();
  fields.modify_rotation = options.ModifyRotation();
  fields.modify_offset[0] = options.ModifyOffsetX();
  fields.modify_offset[1] = options.ModifyOffsetY();
  CopyText(fields.search, sizeof fields.search, options.SearchText());
}

void OptionsFromFields(const CommandDialogFields& fields, HatchOptions& options) {
  options.SetFillMethod(fields.method);
  options.SetPatternKind(fields.kind);
  options.SetModify(fields.modify != 0);
  options.SetShowPreviews(fields.previews != 0);
  options.SetModifyScale(fields.modify_scale);
  options.SetModifyRotation(fields.modify_rotation);
  options.SetModifyOffset(fields.modify_offset[0], fields.modify_offset[1]);
  options.SetSearchText(fields.search);
}

void FieldsFromSettings(const HatchSettings& settings, LinePatternFields& fields) {
  fields.angle = settings.Angle();
  fields.distance = settings.Distance();
  fields.offset[0] = settings.OffsetX();
  fields.offset[1] = settings.OffsetY();
  for (std::size_t i = 0; i < kScanLineCount; ++i) {
    fields.scan_on[i] = settings.ScanOn(i) ? 1 : 0;
    fields.scan_offset[i] = settings.ScanOffset(i);
    CopyText(fields.scan_style[i], kSetScanStyleBytes, settings.ScanStyle(i));
  }
  fields.scale_offsets = settings.ScaleOffsets() ? 1 : 0;
  CopyText(fields.saved_name, sizeof fields.saved_name, settings.Name());
}

void SettingsFromFields(const LinePatternFields& fields, HatchSettings& settings) {
  settings.SetAngle(fields.angle);
  settings.SetDistance(fields.distance);
  settings.SetOffset(fields.offset[0], fields.offset[1]);
  for (std::size_t i = 0; i < kScanLineCount; ++i) {
    settings.SetScanOn(i, fields.scan_on[i] != 0);
    settings.SetScanOffset(i, fields.scan_offset[i]);
    settings.SetScanStyle(i, fields.scan_style[i]);
  }
  settings.SetScaleOffsets(fields.scale_offsets != 0);
}

}  // namespace vx
