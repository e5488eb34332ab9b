#include "cli/registry.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/guarded.h"
#include "headless/ascii_case.h"
#include "headless/files/output_file.h"
#include "headless/files/whole_file.h"
#include "headless/host_error.h"
#include "headless/registry/registry_store.h"

namespace vxcli {

namespace {

// Registry values written by this command are binary, as the pack stores them.
constexpr std::uint32_t kBinary = 3;
constexpr std::size_t kHexBytesPerLine = 16;
constexpr const char* kPatFilesKeyName = "PAT Files";

struct RegistryArgs {
  std::string registry;
  std::string key;
  std::string name;
  std::string file;
  std::string out;
  bool empty = false;
};

vxh::registry::Store OpenStore(const RegistryArgs& args) {
  return vxh::registry::Store(vxh::registry::ResolvePath(args.registry));
}

const char* TypeName(std::uint32_t type) {
  switch (type) {
    case 1: return "text";
    case 3: return "binary";
    case 4: return "dword";
    default: return "type";
  }
}

int ListValues(const RegistryArgs& args) {
  for (const auto& listing : OpenStore(args).List(args.key)) {
    std::cout << "[" << listing.key << "]\n";
    for (const auto& value : listing.values) {
      std::cout << "  \"" << value.name << "\" " << TypeName(value.type) << " " << value.type << ", "
                << value.data.size() << " bytes\n";
    }
  }
  return kExitOk;
}

void PrintHex(const std::vector<std::uint8_t>& data) {
  char cell[4];
  for (std::size_t i = 0; i < data.size(); ++i) {
    std::snprintf(cell, sizeof cell, "%02x", data[i]);
    std::cout << cell << ((i + 1) % kHexBytesPerLine == 0 || i + 1 == data.size() ? "\n" : " ");
  }
}

// The last component of a key path, ignoring trailing separators.
std::string LastComponent(std::string key) {
  while (!key.empty() && key.back() == '\\') key.pop_back();
  const std::size_t separator = key.find_last_of('\\');
  return separator == std::string::npos ? key : key.substr(separator + 1);
}

// Value names under a "PAT Files" key are the PAT files' paths, read later
// from whatever folder a run starts in: a relative one is stored absolute.
std::string StoredName(const RegistryArgs& args) {
  if (!vxh::SameIgnoringCase(LastComponent(args.key), kPatFilesKeyName) || args.name.empty()) return args.name;
  return std::filesystem::absolute(args.name).lexically_normal().string();
}

int GetValue(const RegistryArgs& args) {
  const auto value = OpenStore(args).Get(args.key, StoredName(args));
  if (!value) {
    std::cerr << "vorlix: no value \"" << args.name << "\" under " << args.key << "\n";
    return kExitFailure;
  }
  if (args.out.empty()) {
    PrintHex(value->data);
    return kExitOk;
  }
  vxh::WriteBytesThroughTemporary(args.out, value->data.data(), value->data.size());
  return kExitOk;
}

int SetValue(const RegistryArgs& args) {
  if (args.empty == !args.file.empty()) throw vxh::BadInput("registry set needs exactly one of --file and --empty");
  const std::vector<std::uint8_t> data =
      args.empty ? std::vector<std::uint8_t>() : vxh::ReadInputFile(args.file, "file");
  OpenStore(args).Set(args.key, StoredName(args), kBinary, data);
  return kExitOk;
}

int DeleteValue(const RegistryArgs& args) {
  if (OpenStore(args).Delete(args.key, StoredName(args))) return kExitOk;
  std::cerr << "vorlix: no value \"" << args.name << "\" under " << args.key << "\n";
  return kExitFailure;
}

// Runs one action with the usual translation of errors into exit statuses.
void Bind(CLI::App* command, int& result, int (*action)(const RegistryArgs&), const RegistryArgs& args) {
  command->callback([&result, action, &args] {
    int status = kExitOk;
    result = Guarded([&] { status = action(args); });
    if (result == kExitOk) result = status;
  });
}

}  // namespace

void AddRegistryCommand(CLI::App& app, int& result) {
  static RegistryArgs args;
  CLI::App* registry = app.add_subcommand("registry", "Read and change the registry of the headless host");
  registry->require_subcommand(1);
  registry->fallthrough();
  registry->add_option("--registry", args.registry, "Registry database file");

  CLI::App* list = registry->add_subcommand("list", "List keys and values");
  list->add_option("key", args.key, "Only this key and the keys below it");
  Bind(list, result, &ListValues, args);

  CLI::App* get = registry->add_subcommand("get", "Print a value in hex or write it to a file");
  get->add_option("key", args.key, "Key, e.g. \"Software\\Quoravia\\Vorlix\\VXHatch\"")->required();
  get->add_option("name", args.name, "Value name")->required();
  get->add_option("--out", args.out, "Write the value's bytes to this file");
  Bind(get, result, &GetValue, args);

  CLI::App* set = registry->add_subcommand("set", "Store a file's bytes, or empty data, as a binary value");
  set->add_option("key", args.key, "Key")->required();
  set->add_option("name", args.name, "Value name")->required();
  set->add_option("--file", args.file, "File whose bytes are stored");
  set->add_flag("--empty", args.empty, "Store empty data (how PAT files are registered)");
  Bind(set, result, &SetValue, args);

  CLI::App* remove = registry->add_subcommand("delete", "Delete a value");
  remove->add_option("key", args.key, "Key")->required();
  remove->add_option("name", args.name, "Value name")->required();
  Bind(remove, result, &DeleteValue, args);
}

}  // namespace vxcli
