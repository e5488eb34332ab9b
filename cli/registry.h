// vorlix registry: lists, reads, writes and deletes values of the headless
// host's registry.
#pragma once

#include <CLI/CLI.hpp>

namespace vxcli {

void AddRegistryCommand(CLI::App& app, int& result);

}  // namespace vxcli
