// The headless host's registry: keys and values as in the Windows registry,
// kept in a SQLite database. Key paths are compared without regard to ASCII
// case, as are value names; binary values are stored whole. Every write is
// one transaction. Errors of the database (a file that is not a registry,
// a folder that cannot be written) are BadInput naming the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vxh::registry {

struct Value {
  std::string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

struct KeyListing {
  std::string key;
  std::vector<Value> values;
};

// "Software\\A\\\\B\\" -> "Software\\A\\B": empty components (trailing or
// doubled backslashes) carry no meaning.
std::string NormalizeKey(const std::string& key);

class Store {
 public:
  explicit Store(std::string path);
  const std::string& Path() const { return path_; }

  bool KeyExists(const std::string& key) const;
  std::optional<Value> Get(const std::string& key, const std::string& name) const;
  // Creates the key and its parents when missing; replaces a value in place,
  // so it keeps its position in the enumeration order.
  void Set(const std::string& key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data);
  // False when there was no such value.
  bool Delete(const std::string& key, const std::string& name);
  // The index-th value name of the key in the order values were first stored.
  std::optional<std::string> NameAt(const std::string& key, std::uint32_t index) const;
  // Every key with its values, keys sorted, values in enumeration order. A key
  // given limits the listing to that key and the keys below it.
  std::vector<KeyListing> List(const std::string& under = "") const;

 private:
  std::string path_;
};

// The registry file a run uses: the one named (--registry), else the
// VORLIX_REGISTRY environment variable, else ~/.config/vorlix/registry.sqlite3.
std::string ResolvePath(const std::string& named);

}  // namespace vxh::registry
