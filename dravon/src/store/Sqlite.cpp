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

void Db::Close() {
  // Statements first: a connection with statements left only closes
  // when the last one is finalised.
  m_cache.clear();
  m_db.reset();
  ++m_generation;
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

sqlite3_stmt* Db::Prepare(const char* sql) const {
  if (!m_db) {
    NoteFailure(SQLITE_CANTOPEN);
    return nullptr;
  }
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr);
  if (rc == SQLITE_OK) return raw;
  sqlite3_finalize(raw);
  NoteFailure(rc);
  return nullptr;
}

Db::Cached* Db::Acquire(const char* sql) const {
  if (!m_db) return nullptr;
  auto [it, added] = m_cache.try_emplace(sql);
  Cached& entry = it->second;
  if (added) entry.stmt.reset(Prepare(sql));
  if (!entry.stmt) {
    m_cache.erase(it);  // tried again next time: the failure may pass
    return nullptr;
  }
  if (entry.inUse) return nullptr;
  entry.inUse = true;
  return &entry;
}

Stmt::Stmt(const Db& db, const char* sql) : m_db(db), m_generation(db.m_generation), m_cached(db.Acquire(sql)) {
  if (m_cached == nullptr) m_own.reset(db.Prepare(sql));
}

Stmt::~Stmt() {
  if (m_cached == nullptr || m_generation != m_db.m_generation) return;
  sqlite3_reset(m_cached->stmt.get());
  sqlite3_clear_bindings(m_cached->stmt.get());
  m_cached->inUse = false;
}

sqlite3_stmt* Stmt::Handle() const {
  if (m_cached == nullptr) return m_own.get();
  return m_generation == m_db.m_generation ? m_cached->stmt.get() : nullptr;
}

Stmt& Stmt::Bind(int index, std::string_view text) {
  if (sqlite3_stmt* stmt = Handle()) {
    sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  return *this;
}

Stmt& Stmt::Bind(int index, long long value) {
  if (sqlite3_stmt* stmt = Handle()) sqlite3_bind_int64(stmt, index, value);
  return *this;
}

Stmt& Stmt::BindNull(int index) {
  if (sqlite3_stmt* stmt = Handle()) sqlite3_bind_null(stmt, index);
  return *this;
}

bool Stmt::Next() {
  sqlite3_stmt* stmt = Handle();
  if (stmt == nullptr || m_done) {
    m_failed = m_failed || stmt == nullptr;
    return false;
  }
  const int rc = sqlite3_step(stmt);
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
  sqlite3_stmt* stmt = Handle();
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
  return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt, column))) : std::string();
}

long long Stmt::Int(int column) const { return sqlite3_column_int64(Handle(), column); }

bool Stmt::IsNull(int column) const { return sqlite3_column_type(Handle(), column) == SQLITE_NULL; }

Transaction::Transaction(Db& db) : m_db(db) { m_began = Stmt(m_db, "BEGIN IMMEDIATE").Run(); }

Transaction::~Transaction() {
  if (m_began && !m_done) Stmt(m_db, "ROLLBACK").Run();
}

bool Transaction::Commit() {
  if (!m_began || m_done) return false;
  m_done = Stmt(m_db, "COMMIT").Run();
  return m_done;
}

}  // namespace dravon::sql
