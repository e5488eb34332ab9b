#include <fstream>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/host_error.h"
#include "headless/session/session.h"

namespace vxcli {

namespace {

// The transcript goes to stdout unless a file is named.
std::unique_ptr<std::ofstream> OpenTranscript(const std::string& path) {
  if (path.empty()) return nullptr;
  auto file = std::make_unique<std::ofstream>(path);
  if (!*file) throw vxh::BadInput("cannot write the transcript file " + path);
  return file;
}

void RunAll(const RunArgs& args) {
  const std::unique_ptr<std::ofstream> transcript_file = OpenTranscript(args.transcript);
  std::ostream& transcript = transcript_file ? *transcript_file : std::cout;
  vxh::Session session(transcript, {args.registry, args.frames});
  if (!args.in.empty()) session.Open(args.in, args.strict);
  for (const std::string& script : args.scripts) session.RunFile(script);
  // Only a run that went through to the end writes its drawing.
  if (!args.out.empty()) WriteOutput(session, args.out, args.strict);
}

}  // namespace

int Run(const RunArgs& args) {
  return Guarded([&] { RunAll(args); });
}

}  // namespace vxcli
