#include "headless/session/pack_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "headless/ascii_case.h"
#include "headless/host_error.h"
#include "host/host_api.h"

namespace vxh {

namespace {

// Far more than any pack lists; a name block without its empty end name is
// reported instead of being read without bound.
constexpr std::size_t kMaxCommands = 1000;
constexpr std::size_t kMaxNameLength = 255;

[[noreturn]] void BadRecord(const std::string& what) { throw HostFault("XPRegister: the registration record " + what); }

std::vector<std::string> ReadNameBlock(const char* block) {
  std::vector<std::string> names;
  for (const char* name = block; *name != '\0'; name += std::strlen(name) + 1) {
    if (names.size() == kMaxCommands) BadRecord("lists more than 1000 names (no empty name ends the block?)");
    const std::size_t length = strnlen(name, kMaxNameLength + 1);
    if (length > kMaxNameLength) BadRecord("has a command name longer than 255 characters");
    names.emplace_back(name, length);
  }
  return names;
}

}  // namespace

void PackRegistry::Register(vx::RegistrationRecord* record) {
  if (record == nullptr) BadRecord("is missing (null)");
  if (record_ != nullptr) BadRecord("comes while a pack is already registered");
  if (record->names == nullptr) BadRecord("has no command-name block");
  if (record->handlers == nullptr) BadRecord("has no handler array");
  const std::vector<std::string> names = ReadNameBlock(record->names);
  std::vector<PackCommand> commands;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const vx::Handler handler = record->handlers[i + 1];
    if (handler == nullptr) BadRecord("has no handler for " + names[i]);
    commands.push_back(PackCommand{AsciiUppered(names[i]), handler});
  }
  if (record->handlers[names.size() + 1] != nullptr)
    BadRecord("has a handler array that does not end with 0 after the last name");
  record_ = record;
  title_ = record->title != nullptr ? record->title : "";
  about_ = record->handlers[0];
  commands_ = std::move(commands);
}

void PackRegistry::Unregister(vx::RegistrationRecord* record) {
  if (record == nullptr || record != record_)
    throw HostFault("XPUnRegister: the record is not the one that was registered");
  *this = PackRegistry();
}

vx::Handler PackRegistry::Find(std::string_view name) const {
  const std::string upper = AsciiUppered(name);
  for (const PackCommand& c : commands_)
    if (c.name == upper) return c.handler;
  return nullptr;
}

PackRegistry& RegisteredPack() {
  static PackRegistry registry;
  return registry;
}

}  // namespace vxh

namespace vx {

extern "C" int KVAPI XPRegister(RegistrationRecord* record) {
  vxh::RegisteredPack().Register(record);
  return 1;
}

extern "C" int KVAPI XPUnRegister(RegistrationRecord* record) {
  vxh::RegisteredPack().Unregister(record);
  return 1;
}

}  // namespace vx
