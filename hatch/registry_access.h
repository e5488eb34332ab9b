// Whole-value reads and writes through the host's registry functions, and the
// enumeration of a key's value names through the Windows registry services.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace vx {

// Fills `data` with the stored value when it exists with exactly `size`
// bytes; otherwise leaves it untouched and returns false.
bool ReadRegistryValue(const char* key, const char* name, void* data, std::size_t size);
// Stores `size` bytes (0 for an empty value) as a binary value.
bool WriteRegistryValue(const char* key, const char* name, const void* data, std::size_t size);
// Deletes a value; false when the key does not open.
bool DeleteRegistryValue(const char* key, const char* name);
// Calls `visit` with each value name of the key, in the registry's order.
// False, without calling anything, when the key does not open.
bool EnumerateValueNames(const char* key, const std::function<void(const std::string&)>& visit);

}  // namespace vx
