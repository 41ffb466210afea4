#include "store/Sqlite.h"

namespace dravon::sql {

bool Db::Open(const std::string& path, bool create) {
  Close();
  sqlite3* raw = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  m_db.reset(raw);
  if (rc != SQLITE_OK) {
    Close();
    return false;
  }
  // Another process holding the write lock is waited for a while, or for
  // as long as its load runs.
  m_wait = std::make_unique<WaitState>(WaitState{path, 0});
  sqlite3_busy_handler(raw, WaitForWriteLock, m_wait.get());
  return true;
}

bool Db::Exec(const char* sql) {
  const int rc = m_db ? sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr) : SQLITE_CANTOPEN;
  if (rc != SQLITE_OK) NoteFailure(rc);
  return rc == SQLITE_OK;
}

int Db::TakeFailure() const {
  const int code = m_failure;
  m_failure = SQLITE_OK;
  return code;
}

bool Db::ReadFileStart(void* buffer, int count) const {
  sqlite3_file* file = nullptr;
  if (!m_db || sqlite3_file_control(m_db.get(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
      file == nullptr || file->pMethods == nullptr) {
    return false;
  }
  return file->pMethods->xRead(file, buffer, count, 0) == SQLITE_OK;
}

Stmt::Stmt(const Db& db, const char* sql) : m_db(db) {
  if (!db.IsOpen()) {
    db.NoteFailure(SQLITE_CANTOPEN);
    return;
  }
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v2(db.Handle(), sql, -1, &raw, nullptr);
  if (rc == SQLITE_OK) {
    m_stmt.reset(raw);
  } else {
    sqlite3_finalize(raw);
    db.NoteFailure(rc);
  }
}

Stmt& Stmt::Bind(int index, std::string_view text) {
  if (m_stmt) sqlite3_bind_text(m_stmt.get(), index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

Stmt& Stmt::Bind(int index, long long value) {
  if (m_stmt) sqlite3_bind_int64(m_stmt.get(), index, value);
  return *this;
}

Stmt& Stmt::BindNull(int index) {
  if (m_stmt) sqlite3_bind_null(m_stmt.get(), index);
  return *this;
}

bool Stmt::Next() {
  if (!m_stmt || m_done) {
    m_failed = m_failed || !m_stmt;
    return false;
  }
  const int rc = sqlite3_step(m_stmt.get());
  if (rc == SQLITE_ROW) return true;
  m_done = true;
  m_failed = rc != SQLITE_DONE;
  if (m_failed) m_db.NoteFailure(rc);
  return false;
}

bool Stmt::Run() {
  while (Next()) {
  }
  return Done();
}

std::string Stmt::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt.get(), column));
  return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(m_stmt.get(), column))) : std::string();
}

long long Stmt::Int(int column) const { return sqlite3_column_int64(m_stmt.get(), column); }

bool Stmt::IsNull(int column) const { return sqlite3_column_type(m_stmt.get(), column) == SQLITE_NULL; }

Transaction::Transaction(Db& db) : m_db(db) { m_began = m_db.Exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (m_began && !m_done) m_db.Exec("ROLLBACK");
}

bool Transaction::Commit() {
  if (!m_began || m_done) return false;
  m_done = m_db.Exec("COMMIT");
  return m_done;
}

}  // namespace dravon::sql
