// The pack as it registered itself (XPRegister): its title, its command names
// and their handlers, read from the registration record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/kv_types.h"

namespace vx {
struct RegistrationRecord;
}

namespace vxh {

struct PackCommand {
  std::string name;
  vx::Handler handler = nullptr;
};

class PackRegistry {
 public:
  // Reads the record; a HostFault naming what is wrong with it.
  void Register(vx::RegistrationRecord* record);
  void Unregister(vx::RegistrationRecord* record);

  bool Loaded() const { return record_ != nullptr; }
  const std::string& Title() const { return title_; }
  const std::vector<PackCommand>& Commands() const { return commands_; }
  vx::Handler About() const { return about_; }
  // The handler of a command name, ignoring case; null when unknown.
  vx::Handler Find(std::string_view name) const;

 private:
  vx::RegistrationRecord* record_ = nullptr;
  std::string title_;
  vx::Handler about_ = nullptr;
  std::vector<PackCommand> commands_;
};

// The registry the host's XPRegister fills.
PackRegistry& RegisteredPack();

}  // namespace vxh
