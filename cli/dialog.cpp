// vorlix dialog NAME --out FILE: a picture of one of the pack's dialogs or of
// the host's own.
#include <iostream>

#include "cli/commands.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/dialogs/dialog_picture.h"
#include "headless/dialogs/template_library.h"
#include "headless/files/output_file.h"
#include "headless/host_error.h"

namespace vxcli {

int DialogPicture(const std::string& name, const std::string& out) {
  return Guarded([&] {
    RequireOutputType(out, kDialogPictureTypes);
    const vxh::dialogs::DialogTemplate* dialog = vxh::dialogs::FindDialogTemplate(name);
    if (dialog == nullptr) dialog = vxh::dialogs::FindHostDialogTemplate(name);
    if (dialog == nullptr) {
      std::string known;
      for (const std::string& n : vxh::dialogs::DialogTemplateNames()) known += " " + n;
      known += "; the host has:";
      for (const std::string& n : vxh::dialogs::HostDialogTemplateNames()) known += " " + n;
      throw vxh::BadInput("no dialog named " + name + "; the pack has:" + known);
    }
    vxh::WriteThroughTemporary(out, [&](const std::string& temporary) {
      vxh::dialogs::DrawDialogPicture(*dialog, temporary);
    });
  });
}

}  // namespace vxcli
