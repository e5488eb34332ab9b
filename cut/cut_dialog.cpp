#include "cut/cut_dialog.h"

#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "frame/mouse_hook.h"
#include "frame/pack_state.h"
#include "host/host_api.h"
#include "host/prompt_record.h"

namespace vx {

namespace {

constexpr char kTemplate[] = "DLG_VXCUT";

enum Control : int {
  kScaleEdit = 1038,
  kCircle = 1039,
  kBox = 1040,
  kExisting = 1041,
  kDeleteTrim = 1042,
  kCopyEnlarge = 1043,
  kSelect = 1044,
  kInside = 1045,
  kOutside = 1046,
  kDrawBoundary = 1049,
  kScaleLabel = 1058,
  kKeepGroup = 1061,
  kCopyGroup = 1062,
};

constexpr int kScaleWidth = 15;

const CutSettings& Settings() { return Pack().cut.cut.settings; }

void Enable(Dlg* d) {
  const CutSettings& s = Settings();
  const int copy = s.operation == kCutCopy ? 1 : 0;
  for (const int id : {kKeepGroup, kInside, kOutside}) EnableControl(d, id, 1 - copy);
  for (const int id : {kScaleLabel, kCopyGroup, kScaleEdit}) EnableControl(d, id, copy);
  EnableControl(d, kDrawBoundary, s.boundary == kBoundaryExisting && copy == 0 ? 0 : 1);
}

void EnableChanged(Dlg* d, int) { Enable(d); }

void Bind(Dlg* d, CutSettings& s) {
  __RBCTL(d, kDeleteTrim, &s.operation, kCutDelete, EnableChanged);
  __RBCTL(d, kCopyEnlarge, &s.operation, kCutCopy, EnableChanged);
  __RBCTL(d, kSelect, &s.operation, kCutSelect, EnableChanged);
  __RBCTL(d, kInside, &s.keep, kKeepInside, nullptr);
  __RBCTL(d, kOutside, &s.keep, kKeepOutside, nullptr);
  __RBCTL(d, kCircle, &s.boundary, kBoundaryCircle, EnableChanged);
  __RBCTL(d, kBox, &s.boundary, kBoundaryBox, EnableChanged);
  __RBCTL(d, kExisting, &s.boundary, kBoundaryExisting, EnableChanged);
  __CHKCTL(d, kDrawBoundary, &s.draw_boundary, 0, nullptr);
  __EDCTL(d, kScaleEdit, &s.default_scale, kValDouble, kScaleWidth, kDefaultDecimals);
}

}  // namespace

bool AskCutSettings(CutSettings& settings) {
  Dlg* d = DefDlg(kTemplate, 0, 0, Enable, 0, 0);
  Bind(d, settings);
  InstallMouseHook();
  const int result = Dialog(d, PackRegistration().module, 0);
  RemoveMouseHook();
  RelDlg(d);
  return result == kIdOk || RightClickSeen();
}

}  // namespace vx
