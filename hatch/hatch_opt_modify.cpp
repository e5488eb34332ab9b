// VXHATCHOPTMOD: scale, rotation and offset applied to the pattern in use.
// Modification is switched off in the registry first, so a command that is
// not completed leaves it off.
#include "hatch/hatch_commands.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/host_api.h"

namespace vx {

namespace {

HatchOptionAnswers& Answers() { return Hatch().answers; }

void OffsetAnswered(int status) {
  if (status == kStatusAnswered) {
    Hatch().options.SetModifyOffset(Answers().modify_offset[0], Answers().modify_offset[1]);
    SaveHatchOptions();
  }
  CmdEnd();
}

void RotationAnswered(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  HatchOptions& o = Hatch().options;
  HatchOptionAnswers& a = Answers();
  o.SetModifyRotation(a.modify_rotation);
  a.modify_offset[0] = o.ModifyOffsetX();
  a.modify_offset[1] = o.ModifyOffsetY();
  ReqData(kReqPoint2, a.modify_offset, "Modify pattern - offset by [no modify]: ", kModeDefault, &OffsetAnswered, 0, 0);
}

void ScaleAnswered(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  HatchOptions& o = Hatch().options;
  HatchOptionAnswers& a = Answers();
  o.SetModifyScale(a.modify_scale);
  a.modify_rotation = o.ModifyRotation();
  ReqData(kReqAngle, &a.modify_rotation, "Modify pattern - rotate by [no modify]: ", kModeDefault, &RotationAnswered, 0,
          0);
}

}  // namespace

void HatchOptModCommand() {
  LoadHatchOptions();
  HatchOptions& o = Hatch().options;
  o.SetModify(false);
  SaveHatchOptions();
  o.SetModify(true);
  Answers().modify_scale = o.ModifyScale();
  ReqData(kReqReal, &Answers().modify_scale, "Modify pattern - scale by [no modify]: ", kModeDefault, &ScaleAnswered, 0,
          0);
}

}  // namespace vx
