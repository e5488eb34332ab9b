#include "headless/registry/sqlite_connection.h"

#include <sqlite3.h>

#include <filesystem>

#include "headless/host_error.h"

namespace vxh::registry {

namespace {

// Version of the database layout, kept in SQLite's user_version.
constexpr int kSchemaVersion = 1;

// Another process (a second vorlix run) may hold the file briefly.
constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys(path TEXT PRIMARY KEY COLLATE NOCASE);"
    "CREATE TABLE IF NOT EXISTS reg_values("
    "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "  key TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  UNIQUE(key, name));";

}  // namespace

Connection::Connection(const std::string& path, bool create) : path_(path) {
  std::error_code ignored;
  if (!create && !std::filesystem::exists(path, ignored)) return;
  const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "cannot open";
    sqlite3_close(db_);
    db_ = nullptr;
    throw BadInput("registry " + path + ": " + message);
  }
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  try {
    PrepareSchema();
  } catch (...) {
    // A constructor that throws runs no destructor: close here.
    sqlite3_close(db_);
    db_ = nullptr;
    throw;
  }
}

Connection::~Connection() { sqlite3_close(db_); }

void Connection::Fail(const std::string& what) const {
  throw BadInput("registry " + path_ + ": " + what + ": " + (db_ != nullptr ? sqlite3_errmsg(db_) : ""));
}

void Connection::Exec(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail("cannot run the query");
}

int Connection::Changes() const { return sqlite3_changes(db_); }

void Connection::PrepareSchema() {
  Statement version(*this, "PRAGMA user_version");
  version.Step();
  const std::int64_t found = version.Integer(0);
  if (found == kSchemaVersion) return;
  if (found != 0) {
    throw BadInput("registry " + path_ + ": layout version " + std::to_string(found) +
                   " is not one this program reads");
  }
  WriteTransaction transaction(*this);
  Exec(kSchema);
  Exec("PRAGMA user_version = 1");
  transaction.Commit();
}

Statement::Statement(Connection& connection, const char* sql) : connection_(connection) {
  if (sqlite3_prepare_v2(connection.Handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK) {
    connection.Fail("not a registry database");
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, const std::string& text) {
  sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::Bind(int index, std::int64_t number) {
  sqlite3_bind_int64(stmt_, index, number);
  return *this;
}

// An empty value is an empty blob, not NULL (how PAT files are registered).
Statement& Statement::BindBlob(int index, const std::vector<std::uint8_t>& data) {
  if (data.empty()) {
    sqlite3_bind_zeroblob(stmt_, index, 0);
  } else {
    sqlite3_bind_blob(stmt_, index, data.data(), static_cast<int>(data.size()), SQLITE_TRANSIENT);
  }
  return *this;
}

bool Statement::Step() {
  const int result = sqlite3_step(stmt_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  connection_.Fail("query failed");
}

std::string Statement::Text(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  return text != nullptr ? std::string(reinterpret_cast<const char*>(text),
                                       static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                         : std::string();
}

std::int64_t Statement::Integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::vector<std::uint8_t> Statement::Blob(int column) const {
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, column));
  const int size = sqlite3_column_bytes(stmt_, column);
  if (data == nullptr || size <= 0) return {};
  return std::vector<std::uint8_t>(data, data + size);
}

WriteTransaction::WriteTransaction(Connection& connection) : connection_(connection) {
  connection_.Exec("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
  if (!done_) sqlite3_exec(connection_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::Commit() {
  connection_.Exec("COMMIT");
  done_ = true;
}

}  // namespace vxh::registry
