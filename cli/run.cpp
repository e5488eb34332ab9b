#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/files/output_file.h"
#include "headless/files/whole_file.h"
#include "headless/host_error.h"
#include "headless/session/session.h"

namespace vxcli {

namespace {

[[noreturn]] void TranscriptFailed(const std::string& path, int error) {
  throw vxh::WriteFailure("cannot write \"" + path + "\": " + std::strerror(error));
}

// The transcript goes to stdout unless a file is named.
std::unique_ptr<std::ofstream> OpenTranscript(const std::string& path) {
  if (path.empty()) return nullptr;
  errno = 0;
  auto file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
  if (!*file) TranscriptFailed(path, errno != 0 ? errno : EIO);
  return file;
}

// Wrong names are found before the first command runs, not after the last.
void CheckArguments(const RunArgs& args) {
  if (!args.out.empty()) RequireOutputType(args.out, kOutputTypes);
  if (!args.in.empty()) vxh::RequireReadableFile(args.in, "drawing file");
  for (const std::string& script : args.scripts) vxh::RequireReadableFile(script, "script");
  if (!args.out.empty()) vxh::RequireWritableTarget(args.out);
}

void RunAll(const RunArgs& args) {
  CheckArguments(args);
  const std::unique_ptr<std::ofstream> transcript_file = OpenTranscript(args.transcript);
  std::ostream& transcript = transcript_file ? *transcript_file : std::cout;
  {
    vxh::Session session(transcript, {args.registry, args.frames, "", ""});
    if (!args.in.empty()) session.Open(args.in, args.strict);
    for (const std::string& script : args.scripts) session.RunFile(script);
    // Only a run that went through to the end writes its drawing.
    if (!args.out.empty()) WriteOutput(session, args.out, args.strict);
  }
  errno = 0;
  if (transcript_file) {
    transcript_file->close();
    if (!*transcript_file) TranscriptFailed(args.transcript, errno != 0 ? errno : EIO);
  } else if (!(std::cout << std::flush)) {
    TranscriptFailed("standard output", errno != 0 ? errno : EIO);
  }
}

}  // namespace

int Run(const RunArgs& args) {
  return Guarded([&] { RunAll(args); });
}

}  // namespace vxcli
