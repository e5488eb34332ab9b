// vorlix dialog NAME --out FILE: a picture of one of the pack's dialogs or of
// the host's own, as it opens, or with --run SCRIPT as it stands the last
// time the script's run left it waiting for an answer.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/dialogs/dialog_picture.h"
#include "headless/dialogs/template_library.h"
#include "headless/files/output_file.h"
#include "headless/files/whole_file.h"
#include "headless/host_error.h"
#include "headless/session/session.h"

namespace vxcli {

namespace {

namespace fs = std::filesystem;

const vxh::dialogs::DialogTemplate& RequireDialog(const std::string& name) {
  const vxh::dialogs::DialogTemplate* dialog = vxh::dialogs::FindDialogTemplate(name);
  if (dialog == nullptr) dialog = vxh::dialogs::FindHostDialogTemplate(name);
  if (dialog != nullptr) return *dialog;
  std::string known;
  for (const std::string& n : vxh::dialogs::DialogTemplateNames()) known += " " + n;
  known += "; the host has:";
  for (const std::string& n : vxh::dialogs::HostDialogTemplateNames()) known += " " + n;
  throw vxh::BadInput("no dialog named " + name + "; the pack has:" + known);
}

// The session draws the dialog each time it waits into a scratch file; the
// last of those becomes the output, so a run that fails writes nothing.
void PictureOfRun(const DialogArgs& args) {
  if (!args.in.empty()) vxh::RequireReadableFile(args.in, "drawing file");
  vxh::RequireReadableFile(args.script, "script");
  const fs::path scratch = fs::temp_directory_path() /
                           ("vorlix-dialog-" + std::to_string(::getpid()) + fs::path(args.out).extension().string());
  std::error_code ignored;
  fs::remove(scratch, ignored);
  std::ostringstream transcript;
  {
    vxh::Session session(transcript, {args.registry, "", args.name, scratch.string()});
    if (!args.in.empty()) session.Open(args.in);
    session.RunFile(args.script);
  }
  if (!fs::exists(scratch)) throw vxh::BadInput("the script " + args.script + " never showed the dialog " + args.name);
  const std::vector<std::uint8_t> bytes = vxh::ReadInputFile(scratch.string(), "dialog picture");
  fs::remove(scratch, ignored);
  vxh::WriteBytesThroughTemporary(args.out, bytes.data(), bytes.size());
}

}  // namespace

int DialogPicture(const DialogArgs& args) {
  return Guarded([&] {
    RequireOutputType(args.out, kDialogPictureTypes);
    const vxh::dialogs::DialogTemplate& dialog = RequireDialog(args.name);
    if (!args.script.empty()) return PictureOfRun(args);
    vxh::WriteThroughTemporary(
        args.out, [&](const std::string& temporary) { vxh::dialogs::DrawDialogPicture(dialog, temporary); });
  });
}

}  // namespace vxcli
