// The registry as the pack reaches it: the host's RMGetValue and RMSetValue
// (whole values through a RegRequest record) and the Windows services
// RegOpenKeyExA, RegEnumValueA, RegDeleteValueA and RegCloseKey. The
// headless registry holds the current user's hive only.
#include <cstring>
#include <optional>
#include <string>

#include "headless/geometry/checked_pointer.h"
#include "headless/registry/open_keys.h"
#include "headless/registry/registry_store.h"
#include "host/host_api.h"
#include "host/win_api.h"

namespace {

constexpr LSTATUS kErrorInvalidHandle = 6;
constexpr LSTATUS kErrorInvalidParameter = 87;

vxh::registry::Store ActiveStore(const char* operation) {
  return vxh::registry::Store(vxh::registry::ResolvePath(vxh::registry::RunningRegistry(operation).path));
}

bool IsCurrentUser(std::uintptr_t root) { return root == vx::kCurrentUser; }

const std::string* OpenPath(HKEY key, const char* operation) {
  return vxh::registry::RunningRegistry(operation).keys.PathOf(key);
}

// The path of a key given as a root or an open key, or none.
std::optional<std::string> BasePath(HKEY key) {
  if (key == HKEY_CURRENT_USER) return std::string();
  const std::string* open = OpenPath(key, "RegOpenKeyExA");
  return open != nullptr ? std::optional<std::string>(*open) : std::nullopt;
}

const vx::RegRequest& CheckedRequest(const vx::RegRequest* request, const char* operation) {
  vxh::Required(request, operation, "request record");
  vxh::Required(request->key, operation, "key");
  vxh::Required(request->name, operation, "value name");
  if (request->size != 0) vxh::Required(request->data, operation, "data");
  return *request;
}

}  // namespace

namespace vx {

extern "C" {

// A value whose stored size differs from the record's is treated as missing:
// the record in memory stays as it is, never partly or over-filled.
int KVAPI RMGetValue(RegRequest* request) {
  const RegRequest& r = CheckedRequest(request, "RMGetValue");
  if (!IsCurrentUser(r.root)) return 0;
  const std::optional<vxh::registry::Value> value = ActiveStore("RMGetValue").Get(r.key, r.name);
  if (!value || value->data.size() != r.size) return 0;
  if (r.size != 0) std::memcpy(r.data, value->data.data(), r.size);
  return 1;
}

int KVAPI RMSetValue(RegRequest* request) {
  const RegRequest& r = CheckedRequest(request, "RMSetValue");
  if (!IsCurrentUser(r.root)) return 0;
  const auto* bytes = static_cast<const std::uint8_t*>(r.data);
  const std::vector<std::uint8_t> data =
      r.size != 0 ? std::vector<std::uint8_t>(bytes, bytes + r.size) : std::vector<std::uint8_t>();
  ActiveStore("RMSetValue").Set(r.key, r.name, r.type, data);
  return 1;
}

}  // extern "C"

}  // namespace vx

extern "C" {

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR sub_key, DWORD, REGSAM, HKEY* result) {
  if (result == nullptr) return kErrorInvalidParameter;
  *result = nullptr;
  const std::optional<std::string> base = BasePath(key);
  if (!base) return kErrorInvalidHandle;
  const std::string path = vxh::registry::NormalizeKey(*base + "\\" + (sub_key != nullptr ? sub_key : ""));
  if (path.empty() || !ActiveStore("RegOpenKeyExA").KeyExists(path)) return ERROR_FILE_NOT_FOUND;
  *result = vxh::registry::RunningRegistry("RegOpenKeyExA").keys.Open(path);
  return ERROR_SUCCESS;
}

LSTATUS RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD name_size, LPDWORD, LPDWORD type, LPBYTE data,
                      LPDWORD data_size) {
  const std::string* open = OpenPath(key, "RegEnumValueA");
  if (open == nullptr) return kErrorInvalidHandle;
  if (name == nullptr || name_size == nullptr) return kErrorInvalidParameter;
  const vxh::registry::Store store = ActiveStore("RegEnumValueA");
  const std::optional<std::string> found = store.NameAt(*open, index);
  if (!found) return ERROR_NO_MORE_ITEMS;
  if (found->size() + 1 > *name_size) return ERROR_MORE_DATA;
  std::memcpy(name, found->c_str(), found->size() + 1);
  *name_size = static_cast<DWORD>(found->size());
  if (type == nullptr && data_size == nullptr) return ERROR_SUCCESS;
  const std::optional<vxh::registry::Value> value = store.Get(*open, *found);
  if (!value) return ERROR_NO_MORE_ITEMS;  // deleted by another process meanwhile
  if (type != nullptr) *type = value->type;
  if (data_size == nullptr) return ERROR_SUCCESS;
  const DWORD room = *data_size;
  *data_size = static_cast<DWORD>(value->data.size());
  if (data == nullptr) return ERROR_SUCCESS;
  if (value->data.size() > room) return ERROR_MORE_DATA;
  if (!value->data.empty()) std::memcpy(data, value->data.data(), value->data.size());
  return ERROR_SUCCESS;
}

LSTATUS RegDeleteValueA(HKEY key, LPCSTR name) {
  const std::string* open = OpenPath(key, "RegDeleteValueA");
  if (open == nullptr) return kErrorInvalidHandle;
  if (name == nullptr) return kErrorInvalidParameter;
  return ActiveStore("RegDeleteValueA").Delete(*open, name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LSTATUS RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  return vxh::registry::RunningRegistry("RegCloseKey").keys.Close(key) ? ERROR_SUCCESS : kErrorInvalidHandle;
}

}  // extern "C"
