#include "headless/registry/open_keys.h"

namespace vxh::registry {

HKEY OpenKeys::Open(std::string path) {
  auto owned = std::make_unique<std::string>(std::move(path));
  const HKEY handle = reinterpret_cast<HKEY>(owned.get());
  keys_.emplace(handle, std::move(owned));
  return handle;
}

const std::string* OpenKeys::PathOf(HKEY key) const {
  const auto it = keys_.find(key);
  return it != keys_.end() ? it->second.get() : nullptr;
}

bool OpenKeys::Close(HKEY key) { return keys_.erase(key) != 0; }

}  // namespace vxh::registry
