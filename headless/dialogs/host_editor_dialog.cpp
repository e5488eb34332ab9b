#include "headless/dialogs/host_editor_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "headless/dialogs/dialog_object.h"
#include "headless/dialogs/template_library.h"
#include "headless/host_error.h"
#include "headless/session/host_messages.h"
#include "headless/session/session_core.h"
#include "host/host_api.h"
#include "host/prompt_record.h"

namespace vxh::dialogs {

namespace {

constexpr char kEditorTemplate[] = "HOSTEDIT";
constexpr char kHeightMessage[] = "The height must be a number greater than 0.";
constexpr char kAngleMessage[] = "The angle must be a number.";

// What the dialog's controls are bound to while it runs.
struct EditorFields {
  explicit EditorFields(const TextFields& f)
      : tag(Buffer(f.tag.value_or(""))),
        prompt(Buffer(f.prompt.value_or(""))),
        text(Buffer(f.text)),
        height(f.height.value_or(0)),
        angle(f.angle.value_or(0)) {}

  static std::vector<char> Buffer(const std::string& s) {
    std::vector<char> b(kHostEditLimit + 1, '\0');
    std::copy_n(s.begin(), std::min<std::size_t>(s.size(), kHostEditLimit), b.begin());
    return b;
  }

  std::vector<char> tag, prompt, text;
  float height, angle;
};

// Releases the dialog however the run ends.
class DefinedDialog {
 public:
  DefinedDialog() {
    const DialogTemplate* tpl = FindHostDialogTemplate(kEditorTemplate);
    if (tpl == nullptr) throw HostFault(std::string("EEdit: the host has no dialog ") + kEditorTemplate);
    dialog_ = DefineDialog(*tpl, nullptr);
  }
  ~DefinedDialog() { vx::RelDlg(dialog_); }
  DefinedDialog(const DefinedDialog&) = delete;
  DefinedDialog& operator=(const DefinedDialog&) = delete;
  vx::Dlg* get() const { return dialog_; }

 private:
  vx::Dlg* dialog_ = nullptr;
};

void BindText(vx::Dlg* d, int id, std::vector<char>& buffer, bool held) {
  vx::__EDCTL(d, id, buffer.data(), vx::kValText, kHostEditLimit, 0);
  if (!held) vx::DsAbCtl(d, id);
}

void BindNumber(vx::Dlg* d, int id, float& value, int type, bool held) {
  vx::__EDCTL(d, id, &value, type, 0, 255);
  if (!held) vx::DsAbCtl(d, id);
}

// The problem with the typed numbers, or nullptr.
const char* NumberProblem(const TextFields& f, const EditorFields& e) {
  if (f.height && !(std::isfinite(e.height) && e.height > 0)) return kHeightMessage;
  if (f.angle && !std::isfinite(e.angle)) return kAngleMessage;
  return nullptr;
}

TextFields Edited(const TextFields& f, const EditorFields& e) {
  TextFields out = f;
  out.text = e.text.data();
  if (f.tag) out.tag = e.tag.data();
  if (f.prompt) out.prompt = e.prompt.data();
  if (f.height) out.height = e.height;
  if (f.angle) out.angle = e.angle;
  return out;
}

}  // namespace

std::optional<TextFields> RunHostEditor(const TextFields& fields) {
  EditorFields editing(fields);
  DefinedDialog dialog;
  vx::Dlg* d = dialog.get();
  BindText(d, kHostEditTag, editing.tag, fields.tag.has_value());
  BindText(d, kHostEditPrompt, editing.prompt, fields.prompt.has_value());
  BindText(d, kHostEditText, editing.text, true);
  BindNumber(d, kHostEditHeight, editing.height, vx::kValFloat, fields.height.has_value());
  BindNumber(d, kHostEditAngle, editing.angle, vx::kValAngleF, fields.angle.has_value());
  // A number the record cannot take is refused as the dialog would refuse
  // it: an error, and the dialog stays open with what was typed.
  for (;;) {
    if (vx::Dialog(d, nullptr, 0) != vx::kIdOk) return std::nullopt;
    const char* problem = NumberProblem(fields, editing);
    if (problem == nullptr) return Edited(fields, editing);
    SessionCore::Active("EEdit").MessageBox(problem, BoxTitleFor(vx::kBoxError), vx::kBoxError);
  }
}

}  // namespace vxh::dialogs
