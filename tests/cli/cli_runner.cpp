#include "tests/cli/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

namespace vxtest {

CliResult RunCli(const std::string& arguments) { return RunCli("", arguments); }

CliResult RunCliIn(const std::string& dir, const std::string& arguments) {
  return RunCli(dir.empty() ? "" : "cd '" + dir + "' && ", arguments);
}

CliResult RunCli(const std::string& prefix, const std::string& arguments) {
  const std::string command = prefix + std::string(VORLIX_CLI) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot start " + command);
  CliResult result;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Named after the build as well as the test: several builds (worktrees, the
// sanitizer build) run the same tests on one machine at the same time, and
// one must not clear another's files while it runs.
std::string ScratchDir(const std::string& name) {
  const std::string build = std::to_string(std::hash<std::string>{}(VORLIX_CLI));
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vorlix-test-" + build + "-" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

}  // namespace vxtest
