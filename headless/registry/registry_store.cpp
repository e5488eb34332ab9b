#include "headless/registry/registry_store.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "headless/ascii_case.h"
#include "headless/host_error.h"
#include "headless/registry/sqlite_connection.h"

namespace vxh::registry {

namespace {

// The chain of keys from the first component down to `key` itself.
std::vector<std::string> KeyAndParents(const std::string& key) {
  std::vector<std::string> chain;
  for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1)) {
    chain.push_back(key.substr(0, at));
  }
  chain.push_back(key);
  return chain;
}

bool IsAtOrBelow(std::string_view path, std::string_view root) {
  if (root.empty()) return true;
  if (path.size() < root.size() || !SameIgnoringCase(path.substr(0, root.size()), root)) return false;
  return path.size() == root.size() || path[root.size()] == '\\';
}

}  // namespace

std::string NormalizeKey(const std::string& key) {
  std::string out;
  std::size_t start = 0;
  while (start <= key.size()) {
    std::size_t end = key.find('\\', start);
    if (end == std::string::npos) end = key.size();
    if (end > start) {
      if (!out.empty()) out += '\\';
      out.append(key, start, end - start);
    }
    start = end + 1;
  }
  return out;
}

Store::Store(std::string path) : path_(std::move(path)) {}

bool Store::KeyExists(const std::string& key) const {
  Connection db(path_, false);
  if (!db.Open()) return false;
  Statement query(db, "SELECT 1 FROM keys WHERE path = ?");
  return query.Bind(1, NormalizeKey(key)).Step();
}

std::optional<Value> Store::Get(const std::string& key, const std::string& name) const {
  Connection db(path_, false);
  if (!db.Open()) return std::nullopt;
  Statement query(db, "SELECT name, type, data FROM reg_values WHERE key = ? AND name = ?");
  if (!query.Bind(1, NormalizeKey(key)).Bind(2, name).Step()) return std::nullopt;
  return Value{query.Text(0), static_cast<std::uint32_t>(query.Integer(1)), query.Blob(2)};
}

void Store::Set(const std::string& key, const std::string& name, std::uint32_t type,
                const std::vector<std::uint8_t>& data) {
  const std::string normal = NormalizeKey(key);
  if (normal.empty()) throw BadInput("registry " + path_ + ": a value needs a key");
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  Connection db(path_, true);
  WriteTransaction transaction(db);
  for (const std::string& chain : KeyAndParents(normal)) {
    Statement(db, "INSERT OR IGNORE INTO keys(path) VALUES(?)").Bind(1, chain).Step();
  }
  Statement insert(db,
                   "INSERT INTO reg_values(key, name, type, data) VALUES(?, ?, ?, ?) "
                   "ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data");
  insert.Bind(1, normal).Bind(2, name).Bind(3, static_cast<std::int64_t>(type)).BindBlob(4, data).Step();
  transaction.Commit();
}

bool Store::Delete(const std::string& key, const std::string& name) {
  Connection db(path_, false);
  if (!db.Open()) return false;
  WriteTransaction transaction(db);
  Statement(db, "DELETE FROM reg_values WHERE key = ? AND name = ?").Bind(1, NormalizeKey(key)).Bind(2, name).Step();
  const bool deleted = db.Changes() > 0;
  transaction.Commit();
  return deleted;
}

std::optional<std::string> Store::NameAt(const std::string& key, std::uint32_t index) const {
  Connection db(path_, false);
  if (!db.Open()) return std::nullopt;
  Statement query(db, "SELECT name FROM reg_values WHERE key = ? ORDER BY id LIMIT 1 OFFSET ?");
  if (!query.Bind(1, NormalizeKey(key)).Bind(2, static_cast<std::int64_t>(index)).Step()) return std::nullopt;
  return query.Text(0);
}

std::vector<KeyListing> Store::List(const std::string& under) const {
  std::vector<KeyListing> out;
  Connection db(path_, false);
  if (!db.Open()) return out;
  const std::string root = NormalizeKey(under);
  Statement keys(db, "SELECT path FROM keys ORDER BY path COLLATE NOCASE");
  while (keys.Step()) {
    std::string path = keys.Text(0);
    if (IsAtOrBelow(path, root)) out.push_back({std::move(path), {}});
  }
  for (KeyListing& listing : out) {
    Statement values(db, "SELECT name, type, data FROM reg_values WHERE key = ? ORDER BY id");
    values.Bind(1, listing.key);
    while (values.Step()) {
      listing.values.push_back({values.Text(0), static_cast<std::uint32_t>(values.Integer(1)), values.Blob(2)});
    }
  }
  return out;
}

std::string ResolvePath(const std::string& named) {
  if (!named.empty()) return named;
  if (const char* env = std::getenv("VORLIX_REGISTRY"); env != nullptr && *env != '\0') return env;
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    throw BadInput("registry: HOME is not set; name the registry file with --registry or VORLIX_REGISTRY");
  }
  return std::string(home) + "/.config/vorlix/registry.sqlite3";
}

}  // namespace vxh::registry
