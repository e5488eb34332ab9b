// Runs the vorlix program as a user would and captures what it prints.
#pragma once

#include <string>

namespace vxtest {

struct CliResult {
  int status = -1;
  std::string out;  // stdout and stderr together
};

CliResult RunCli(const std::string& arguments);
// The same, the command preceded by `prefix` (e.g. "env NAME=value ").
CliResult RunCli(const std::string& prefix, const std::string& arguments);
// The same, started in `dir`.
CliResult RunCliIn(const std::string& dir, const std::string& arguments);

// A fresh directory for one test's files.
std::string ScratchDir(const std::string& name);

void WriteFile(const std::string& path, const std::string& text);

}  // namespace vxtest
