#include "hatch/registry_access.h"

#include "hatch/registry_keys.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace vx {

namespace {

RegRequest MakeRequest(const char* key, const char* name, void* data, std::size_t size) {
  const auto bytes = static_cast<std::uint32_t>(size);
  return RegRequest{kCurrentUser, key, name, data, bytes, kRegBinary, bytes, 0};
}

class OpenKey {
 public:
  explicit OpenKey(const char* key) {
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_ALL_ACCESS, &handle_) != ERROR_SUCCESS) handle_ = nullptr;
  }
  ~OpenKey() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY Handle() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

}  // namespace

bool ReadRegistryValue(const char* key, const char* name, void* data, std::size_t size) {
  RegRequest request = MakeRequest(key, name, data, size);
  return RMGetValue(&request) != 0;
}

bool WriteRegistryValue(const char* key, const char* name, const void* data, std::size_t size) {
  // The request record is shared with reads; a write never changes the data.
  RegRequest request = MakeRequest(key, name, const_cast<void*>(data), size);
  return RMSetValue(&request) != 0;
}

bool DeleteRegistryValue(const char* key, const char* name) {
  OpenKey open(key);
  if (open.Handle() == nullptr) return false;
  RegDeleteValueA(open.Handle(), name);
  return true;
}

bool EnumerateValueNames(const char* key, const std::function<void(const std::string&)>& visit) {
  OpenKey open(key);
  if (open.Handle() == nullptr) return false;
  char name[kValueNameBuffer];
  for (DWORD index = 0;; ++index) {
    DWORD length = kValueNameBuffer;
    const LSTATUS status = RegEnumValueA(open.Handle(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) continue;  // a name that does not fit the buffer is passed over
    if (status != ERROR_SUCCESS) break;       // ERROR_NO_MORE_ITEMS, or a key that went away
    visit(std::string(name, length));
  }
  return true;
}

}  // namespace vx
