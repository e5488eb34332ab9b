// VXHATCHOPTMOD: scale, rotation and offset applied to the pattern in use.
// Modification is switched off in the registry first, so a command that is
// not completed leaves it off.
#include "hatch/hatch_commands.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/host_api.h"

namespace vx {

namespace {

// The record's fields sit at odd offsets; answers are taken here first.
double g_scale = 1;
double g_rotation = 0;
double g_offset[2] = {0, 0};

void OffsetAnswered(int status) {
  if (status == kStatusAnswered) {
    Hatch().options.SetModifyOffset(g_offset[0], g_offset[1]);
    SaveHatchOptions();
  }
  CmdEnd();
}

void RotationAnswered(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  HatchOptions& o = Hatch().options;
  o.SetModifyRotation(g_rotation);
  g_offset[0] = o.ModifyOffsetX();
  g_offset[1] = o.ModifyOffsetY();
  ReqData(kReqPoint2, g_offset, "Modify pattern - offset by [no modify]: ", kModeDefault, &OffsetAnswered, 0, 0);
}

void ScaleAnswered(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  HatchOptions& o = Hatch().options;
  o.SetModifyScale(g_scale);
  g_rotation = o.ModifyRotation();
  ReqData(kReqAngle, &g_rotation, "Modify pattern - rotate by [no modify]: ", kModeDefault, &RotationAnswered, 0, 0);
}

}  // namespace

void HatchOptModCommand() {
  LoadHatchOptions();
  HatchOptions& o = Hatch().options;
  o.SetModify(false);
  SaveHatchOptions();
  o.SetModify(true);
  g_scale = o.ModifyScale();
  ReqData(kReqReal, &g_scale, "Modify pattern - scale by [no modify]: ", kModeDefault, &ScaleAnswered, 0, 0);
}

}  // namespace vx
