#include "hatch/pat_files.h"

#include <cstdint>

#include "hatch/registry_access.h"
#include "hatch/registry_keys.h"
#include "host/host_api.h"

namespace vx {

void FreePatList(PatList& list) {
  list.patterns.clear();
  list.loaded = false;
}

void ReadPatFile(const char* path, PatList& list) {
  std::uint32_t size = 0;
  void* buffer = LoadFile(path, &size);
  if (buffer == nullptr) return;
  if (size != 0) ParsePatText(static_cast<const char*>(buffer), size, list);
  RelMem(buffer);
}

void LoadPatList(PatList& list) {
  FreePatList(list);
  std::vector<std::string> files;
  EnumerateValueNames(kPatFilesKey, [&](const std::string& name) { files.push_back(name); });
  // Files are read after the enumeration so that no key stays open while the
  // host reads them.
  for (const std::string& file : files) ReadPatFile(file.c_str(), list);
  list.loaded = true;
}

void AddPatFile(const char* path) { WriteRegistryValue(kPatFilesKey, path, nullptr, 0); }

void DeletePatFile(const char* path) { DeleteRegistryValue(kPatFilesKey, path); }

bool ListPatFiles(std::vector<std::string>& files) {
  std::vector<std::string> names;
  if (!EnumerateValueNames(kPatFilesKey, [&](const std::string& name) { names.push_back(name); })) return false;
  files = std::move(names);
  return true;
}

}  // namespace vx
