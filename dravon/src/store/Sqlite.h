// A thin RAII layer over SQLite: a connection, prepared statements and a
// transaction that rolls back unless committed.
//
// A connection keeps every statement it prepared, by its text: preparing
// costs more than running a small insert, so each text is compiled once
// per connection and reset between uses.
#pragma once
// Internal; exported (AFX_EXT_*) only for the library's own tests.

#include <mfc/export.h>

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/WriterWait.h"

namespace dravon::sql {

struct AFX_EXT_CLASS Finalizer {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using StmtHandle = std::unique_ptr<sqlite3_stmt, Finalizer>;

class AFX_EXT_CLASS Db {
 public:
  Db() = default;
  ~Db() { Close(); }
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;
  // Opens (creating when `create`) with a busy time-out (WriterWait.h);
  // false on failure.
  bool Open(const std::string& path, bool create);
  void Close();
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
  friend class Stmt;
  struct Cached {
    StmtHandle stmt;
    bool inUse = false;
  };
  // The cached statement of the text, or null when it is in use (a
  // statement run inside another run of itself) or cannot be prepared.
  Cached* Acquire(const char* sql) const;
  // A statement of its own for the caller; null on failure.
  sqlite3_stmt* Prepare(const char* sql) const;

  mutable int m_failure = SQLITE_OK;
  // Counts the closes, so that a statement outliving its connection's
  // close knows its handle went with it.
  unsigned m_generation = 0;
  mutable std::unordered_map<std::string, Cached> m_cache;
  struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };
  std::unique_ptr<WaitState> m_wait;
  std::unique_ptr<sqlite3, Closer> m_db;
};

class AFX_EXT_CLASS Stmt {
 public:
  Stmt(const Db& db, const char* sql);
  ~Stmt();
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;
  bool Ok() const { return Handle() != nullptr; }

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
  sqlite3_stmt* Handle() const;

  const Db& m_db;
  unsigned m_generation;
  Db::Cached* m_cached = nullptr;  // the connection's, given back on destruction
  StmtHandle m_own;                // else one of its own
  bool m_done = false;
  bool m_failed = false;
};

// BEGIN IMMEDIATE on construction; ROLLBACK unless Commit succeeded.
class AFX_EXT_CLASS Transaction {
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
