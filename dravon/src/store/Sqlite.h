// A thin RAII layer over SQLite: a connection, prepared statements and a
// transaction that rolls back unless committed.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

#include "store/WriterWait.h"

namespace dravon::sql {

class Db {
 public:
  Db() = default;
  // Opens (creating when `create`) with a busy time-out (WriterWait.h);
  // false on failure.
  bool Open(const std::string& path, bool create);
  void Close() { m_db.reset(); }
  bool IsOpen() const { return m_db != nullptr; }
  sqlite3* Handle() const { return m_db.get(); }
  // Runs statements without results; false on any error.
  bool Exec(const char* sql);
  // The first bytes of the database file as they are on disk now.
  bool ReadFileStart(void* buffer, int count) const;
  // The code of the last failure since TakeFailure, kept past the
  // rollback that follows it: tells a lost file from a refused write.
  int TakeFailure() const;
  void NoteFailure(int code) const { m_failure = code; }

 private:
  mutable int m_failure = SQLITE_OK;
  struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };
  std::unique_ptr<WaitState> m_wait;
  std::unique_ptr<sqlite3, Closer> m_db;
};

class Stmt {
 public:
  Stmt(const Db& db, const char* sql);
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;
  bool Ok() const { return m_stmt != nullptr; }

  Stmt& Bind(int index, std::string_view text);
  Stmt& Bind(int index, long long value);
  Stmt& Bind(int index, int value) { return Bind(index, static_cast<long long>(value)); }
  Stmt& BindNull(int index);

  // Steps once: true while a row is ready. Done() then tells a clean end.
  bool Next();
  bool Done() const { return m_done && !m_failed; }
  // Runs a statement without results; false on failure.
  bool Run();

  std::string Text(int column) const;
  long long Int(int column) const;
  bool IsNull(int column) const;

 private:
  struct Finalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
  };
  const Db& m_db;
  std::unique_ptr<sqlite3_stmt, Finalizer> m_stmt;
  bool m_done = false;
  bool m_failed = false;
};

// BEGIN IMMEDIATE on construction; ROLLBACK unless Commit succeeded.
class Transaction {
 public:
  explicit Transaction(Db& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool Began() const { return m_began; }
  bool Commit();

 private:
  Db& m_db;
  bool m_began = false;
  bool m_done = false;
};

}  // namespace dravon::sql
