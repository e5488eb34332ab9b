// A SQLite connection and statements that close themselves, with every
// failure turned into a BadInput that names the registry file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace vxh::registry {

class Connection {
 public:
  // `create`: make the file (and the schema) when missing; otherwise a
  // missing file is opened as nothing (Open() is false).
  Connection(const std::string& path, bool create);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool Open() const { return db_ != nullptr; }
  void Exec(const char* sql);
  int Changes() const;  // rows changed by the last statement
  [[noreturn]] void Fail(const std::string& what) const;
  sqlite3* Handle() const { return db_; }

 private:
  void PrepareSchema();
  std::string path_;
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(Connection& connection, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, const std::string& text);
  Statement& Bind(int index, std::int64_t number);
  Statement& BindBlob(int index, const std::vector<std::uint8_t>& data);
  // True while a row is available.
  bool Step();
  std::string Text(int column) const;
  std::int64_t Integer(int column) const;
  std::vector<std::uint8_t> Blob(int column) const;

 private:
  Connection& connection_;
  sqlite3_stmt* stmt_ = nullptr;
};

// Runs its body as one write transaction; rolled back unless Commit() is called.
class WriteTransaction {
 public:
  explicit WriteTransaction(Connection& connection);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;
  void Commit();

 private:
  Connection& connection_;
  bool done_ = false;
};

}  // namespace vxh::registry
