// DLGTEXHELP: the choices of the style keys as buttons, radio buttons, check
// boxes and edits, on the template's text spec.
#include <cstring>

#include "frame/entry_point.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/prompt_record.h"
#include "host/settings_layout.h"
#include "text/style_keys.h"
#include "text/text_access.h"
#include "text/text_placement.h"
#include "text/text_state.h"
#include "text/text_template.h"

namespace vx {

namespace {

enum Control : int {
  kLeftButton = 1011,    // to 1013: horizontal 0 to 2
  kBottomButton = 1014,  // to 1016: vertical 0 to 2
  kFarButton = 1017,
  kNormalButton = 1018,
  kStrongButton = 1019,  // to 1022, each toggling its check box
  kLeftRadio = 1023,     // to 1025
  kBottomRadio = 1026,   // to 1028
  kFarRadio = 1029,
  kNormalRadio = 1030,
  kStrongCheck = 1031,  // to 1034
  kKeepButton = 1035,
  kHeightEdit = 1036,
  kAngleEdit = 1037,
  kDefaultButton = 1038,
  kDisableButton = 1039,
  kNoSurroundRadio = 1040,  // to 1042
};

constexpr int kEditWidth = 15;
constexpr int kStyleButtons = 4;
constexpr std::uint8_t kStyleBitsOfButtons[kStyleButtons] = {kStyleBold, kStyleUnderline, kStyleItalic, kStyleOutline};
constexpr std::uint8_t kLastNormalCode = 8;

TextHelpChoices& Choices() { return Text().editor.help; }
TextFormatBlock TemplateSpec() { return TextFormatBlock(TextTemplate() + kTextSpec); }

void Split(TextFormatBlock spec) {
  TextHelpChoices& c = Choices();
  int code = spec.Justification();
  c.far_side = code > kLastNormalCode;
  if (c.far_side) code = FarJustification(static_cast<std::uint8_t>(code));
  c.horizontal = code % 3;
  c.vertical = code / 3;
  c.style = spec.StyleBits();
  c.height = spec.Height();
  c.angle = spec.Angle();
}

void Compose(TextFormatBlock spec) {
  const TextHelpChoices& c = Choices();
  const auto code = static_cast<std::uint8_t>(3 * c.vertical + c.horizontal);
  spec.SetJustification(c.far_side ? FarJustification(code) : code);
  spec.SetStyleBits(static_cast<std::uint8_t>(c.style));
  spec.SetHeight(c.height);
  spec.SetAngle(c.angle);
}

int SetHorizontal(Dlg* d, int control) {
  Choices().horizontal = control - kLeftButton;
  UpdCtlA(d);
  return 0;
}

int SetVertical(Dlg* d, int control) {
  Choices().vertical = control - kBottomButton;
  UpdCtlA(d);
  return 0;
}

int SetFar(Dlg* d, int control) {
  Choices().far_side = control == kFarButton;
  UpdCtlA(d);
  return 0;
}

int ToggleStyle(Dlg* d, int control) {
  const int index = control - kStrongButton;
  Choices().style ^= kStyleBitsOfButtons[index];
  UpdCtl(d, kStrongCheck + index);
  return 0;
}

// The current record of the host's text defaults takes the text format block; which
// record is current stays as it is.
int Keep(Dlg*, int) {
  Compose(TemplateSpec());
  if (std::uint8_t* record = TextDefaultsRecord())
    std::memcpy(record + kTextDefaultsSpec, TextTemplate() + kTextSpec, kTextSpecBytes);
  return 0;
}

int LoadDefaults(Dlg* d, int) {
  if (const std::uint8_t* record = TextDefaultsRecord())
    std::memcpy(TextTemplate() + kTextSpec, record + kTextDefaultsSpec, kTextSpecBytes);
  Split(TemplateSpec());
  UpdCtlA(d);
  return 0;
}

int DisableShortcuts(Dlg*, int) {
  Text().editor.shortcuts_disabled = 1;
  return 0;
}

void Bind(Dlg* d) {
  TextHelpChoices& c = Choices();
  for (int i = 0; i < 3; ++i) {
    __RBCTL(d, kLeftRadio + i, &c.horizontal, i, nullptr);
    __RBCTL(d, kBottomRadio + i, &c.vertical, i, nullptr);
    __RBCTL(d, kNoSurroundRadio + i, &Text().editor.surround, i, nullptr);
    __BTNCTL(d, kLeftButton + i, &SetHorizontal, nullptr);
    __BTNCTL(d, kBottomButton + i, &SetVertical, nullptr);
  }
  __RBCTL(d, kFarRadio, &c.far_side, 1, nullptr);
  __RBCTL(d, kNormalRadio, &c.far_side, 0, nullptr);
  __BTNCTL(d, kFarButton, &SetFar, nullptr);
  __BTNCTL(d, kNormalButton, &SetFar, nullptr);
  for (int i = 0; i < kStyleButtons; ++i) {
    __CHKCTL(d, kStrongCheck + i, &c.style, kStyleBitsOfButtons[i], nullptr);
    __BTNCTL(d, kStrongButton + i, &ToggleStyle, nullptr);
  }
  __EDCTL(d, kHeightEdit, &c.height, kValFloat, kEditWidth, kDefaultDecimals);
  __EDCTL(d, kAngleEdit, &c.angle, kValAngleF, kEditWidth, kDefaultDecimals);
  __BTNCTL(d, kKeepButton, &Keep, nullptr);
  __BTNCTL(d, kDefaultButton, &LoadDefaults, nullptr);
  __BTNCTL(d, kDisableButton, &DisableShortcuts, nullptr);
}

}  // namespace

void RunTextHelpDialog() {
  Split(TemplateSpec());
  Dlg* d = DefDlg("DLGTEXHELP", 0, 0, nullptr, 0, 0);
  Bind(d);
  Dialog(d, PackRegistration().module, 0);
  RelDlg(d);
  // Whatever closed the dialog, what it shows is what the text gets.
  Compose(TemplateSpec());
}

}  // namespace vx
