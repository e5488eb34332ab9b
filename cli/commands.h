// The vorlix subcommands. Each returns the process exit status: 0 success,
// 1 failure, 2 bad input.
#pragma once

#include <string>
#include <vector>

namespace vxcli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

struct RunArgs {
  std::vector<std::string> scripts;
  std::string in;
  std::string out;
  std::string frames;
  std::string registry;
  std::string transcript;
  bool strict = false;  // a DXF --in or --out that would lose something fails
};

int Run(const RunArgs& args);
int ListCommands();
int About();
int List(const std::string& drawing, bool json, bool strict);
int Render(const std::string& drawing, const std::string& out, bool strict);
struct DialogArgs {
  std::string name;
  std::string out;
  std::string script;  // empty: the dialog as its template opens it
  std::string in;
  std::string registry;
};
int DialogPicture(const DialogArgs& args);
int MenuPicture(const std::string& file, const std::string& out);

}  // namespace vxcli
