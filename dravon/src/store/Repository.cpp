#include "store/Repository.h"

#include <sys/stat.h>

#include <cstring>

#include "store/Password.h"

namespace dravon {

namespace {

const char* const kSchema = R"sql(
CREATE TABLE change_counter(id INTEGER PRIMARY KEY CHECK (id = 1), value INTEGER NOT NULL);
INSERT INTO change_counter VALUES (1, 0);
CREATE TABLE change_log(seq INTEGER PRIMARY KEY AUTOINCREMENT, writer TEXT NOT NULL,
  kind INTEGER NOT NULL, name TEXT NOT NULL, action TEXT NOT NULL);
CREATE TABLE accounts(user TEXT PRIMARY KEY, salt TEXT NOT NULL, hash TEXT NOT NULL);
CREATE TABLE bo_defs(name TEXT PRIMARY KEY, version TEXT NOT NULL, app_info TEXT NOT NULL);
CREATE TABLE bo_attrs(bo TEXT NOT NULL REFERENCES bo_defs(name) ON DELETE CASCADE ON UPDATE CASCADE,
  seq INTEGER NOT NULL, position INTEGER NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL,
  simple INTEGER NOT NULL, is_key INTEGER NOT NULL, is_foreign_key INTEGER NOT NULL, required INTEGER NOT NULL,
  cardinality TEXT NOT NULL, max_length TEXT NOT NULL, default_value TEXT NOT NULL, app_info TEXT NOT NULL,
  comments TEXT NOT NULL, relationship TEXT NOT NULL, contained_version TEXT NOT NULL, PRIMARY KEY (bo, seq));
CREATE INDEX bo_attrs_type ON bo_attrs(type);
CREATE TABLE bo_verbs(bo TEXT NOT NULL REFERENCES bo_defs(name) ON DELETE CASCADE ON UPDATE CASCADE,
  seq INTEGER NOT NULL, name TEXT NOT NULL, app_info TEXT NOT NULL, subscription TEXT NOT NULL,
  scenario TEXT NOT NULL, PRIMARY KEY (bo, seq));
CREATE TABLE bo_props(bo TEXT NOT NULL REFERENCES bo_defs(name) ON DELETE CASCADE ON UPDATE CASCADE,
  seq INTEGER NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL, value TEXT NOT NULL,
  description TEXT NOT NULL, PRIMARY KEY (bo, seq));
CREATE TABLE connectors(name TEXT PRIMARY KEY, version TEXT NOT NULL, trans_level INTEGER NOT NULL,
  has_res_table INTEGER NOT NULL, res_degree INTEGER NOT NULL,
  res0_class TEXT NOT NULL, res0_min INTEGER NOT NULL, res0_max INTEGER NOT NULL,
  res1_class TEXT NOT NULL, res1_min INTEGER NOT NULL, res1_max INTEGER NOT NULL);
CREATE TABLE connector_props(connector TEXT NOT NULL REFERENCES connectors(name) ON DELETE CASCADE ON UPDATE CASCADE,
  standard INTEGER NOT NULL, seq INTEGER NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL, type INTEGER NOT NULL,
  update_method TEXT NOT NULL, flags INTEGER NOT NULL, description TEXT NOT NULL,
  PRIMARY KEY (connector, standard, seq));
CREATE TABLE connector_bos(connector TEXT NOT NULL REFERENCES connectors(name) ON DELETE CASCADE ON UPDATE CASCADE,
  seq INTEGER NOT NULL, name TEXT NOT NULL, agent_support INTEGER NOT NULL, state INTEGER NOT NULL,
  PRIMARY KEY (connector, seq));
CREATE TABLE connector_maps(connector TEXT NOT NULL REFERENCES connectors(name) ON DELETE CASCADE ON UPDATE CASCADE,
  seq INTEGER NOT NULL, bo TEXT NOT NULL, map TEXT NOT NULL, type TEXT NOT NULL, flag INTEGER NOT NULL,
  PRIMARY KEY (connector, seq));
CREATE TABLE objects(kind INTEGER NOT NULL, name TEXT NOT NULL, PRIMARY KEY (kind, name));
CREATE TABLE object_bos(kind INTEGER NOT NULL, name TEXT NOT NULL, bo TEXT NOT NULL,
  FOREIGN KEY (kind, name) REFERENCES objects(kind, name) ON DELETE CASCADE ON UPDATE CASCADE);
)sql";

constexpr char kSqliteMagic[] = "SQLite format 3";

// Reads through the connection's own file: opening and closing the file
// here would drop the process's locks on it.
bool FileIsDatabase(const sql::Db& db) {
  char head[sizeof kSqliteMagic] = {};
  return db.ReadFileStart(head, sizeof head) && std::memcmp(head, kSqliteMagic, sizeof head) == 0;
}

}  // namespace

Repository::Repository() : m_writer(MakeSalt()) {}

bool Repository::Open(const std::string& path, bool create) {
  m_path = path;
  // A larger page cache than SQLite's 2 MB keeps the indexes of a large
  // load in memory.
  if (!m_db.Open(path, create) || !m_db.Exec("PRAGMA foreign_keys = ON; PRAGMA cache_size = -32768")) {
    Close();
    return false;
  }
  const long long schema = SchemaVersion();
  const bool ok = schema == kSchemaVersion || (schema == 0 && CreateSchema());
  struct stat st {};
  if (!ok || stat(path.c_str(), &st) != 0) {
    Close();
    return false;
  }
  m_dev = st.st_dev;
  m_ino = st.st_ino;
  return true;
}

long long Repository::SchemaVersion() {
  sql::Stmt version(m_db, "PRAGMA user_version");
  return version.Next() ? version.Int(0) : -1;
}

bool Repository::CreateSchema() {
  if (!m_db.Exec("PRAGMA journal_mode = WAL")) return false;
  sql::Transaction tx(m_db);
  return tx.Began() && m_db.Exec(kSchema) &&
         m_db.Exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str()) && tx.Commit();
}

bool Repository::StillThere() const {
  struct stat st {};
  if (!m_db.IsOpen() || stat(m_path.c_str(), &st) != 0) return false;
  // Unreadable by its owner counts as lost even for a process that could
  // read it anyway.
  return st.st_dev == m_dev && st.st_ino == m_ino && (st.st_mode & S_IRUSR) != 0 && FileIsDatabase(m_db);
}

bool Repository::LogChange(int kind, const std::string& name, char action) {
  return BumpCounter(1) && AppendToLog(kind, name, action);
}

bool Repository::BumpCounter(int changes) {
  return sql::Stmt(m_db, "UPDATE change_counter SET value = value + ?").Bind(1, changes).Run();
}

bool Repository::AppendToLog(int kind, const std::string& name, char action) {
  return sql::Stmt(m_db, "INSERT INTO change_log(writer, kind, name, action) VALUES (?, ?, ?, ?)")
      .Bind(1, m_writer)
      .Bind(2, kind)
      .Bind(3, name)
      .Bind(4, std::string_view(&action, 1))
      .Run();
}

Found Repository::Delete(const char* sql, int kind, const std::string& name, bool bindKind) {
  bool failed = false;
  bool existed = false;
  const bool ok = Write(kind, name, 'D', [&] {
    sql::Stmt stmt(m_db, sql);
    stmt.Bind(1, name);
    if (bindKind) stmt.Bind(2, kind);
    failed = !stmt.Run();
    existed = !failed && sqlite3_changes(m_db.Handle()) > 0;
    return existed;  // nothing deleted: nothing to log, roll back
  });
  if (ok) return Found::Yes;
  return failed || existed ? Found::Failed : Found::No;
}

// --- Accounts --------------------------------------------------------------

bool Repository::AddAccount(const std::string& user, const std::string& password) {
  if (user.empty()) return false;
  const std::string salt = MakeSalt();
  const std::string hash = HashPassword(salt, password);
  return !hash.empty() && Write(2, user, 'S', [&] {
    return sql::Stmt(m_db, "INSERT INTO accounts(user, salt, hash) VALUES (?, ?, ?)")
        .Bind(1, user)
        .Bind(2, salt)
        .Bind(3, hash)
        .Run();
  });
}

bool Repository::SetPassword(const std::string& user, const std::string& password) {
  const std::string salt = MakeSalt();
  const std::string hash = HashPassword(salt, password);
  return !hash.empty() && Write(2, user, 'S', [&] {
    return sql::Stmt(m_db, "UPDATE accounts SET salt = ?, hash = ? WHERE user = ?")
               .Bind(1, salt)
               .Bind(2, hash)
               .Bind(3, user)
               .Run() &&
           sqlite3_changes(m_db.Handle()) == 1;
  });
}

bool Repository::RemoveAccount(const std::string& user) {
  return Delete("DELETE FROM accounts WHERE user = ?", 2, user, false) == Found::Yes;
}

std::optional<std::vector<std::string>> Repository::Accounts() {
  sql::Stmt stmt(m_db, "SELECT user FROM accounts ORDER BY user");
  std::vector<std::string> users;
  while (stmt.Next()) users.push_back(stmt.Text(0));
  if (!stmt.Done()) return std::nullopt;
  return users;
}

bool Repository::CheckPassword(const std::string& user, const std::string& password) {
  std::string salt;
  std::string stored;
  {
    sql::Stmt stmt(m_db, "SELECT salt, hash FROM accounts WHERE user = ?");
    stmt.Bind(1, user);
    if (!stmt.Next()) return false;
    salt = stmt.Text(0);
    stored = stmt.Text(1);
  }
  if (!VerifyPassword(salt, stored, password)) return false;
  // An entry of a weaker form is stored anew now that the password is
  // known; the log-in stands even when that write fails.
  if (NeedsRehash(stored)) SetPassword(user, password);
  return true;
}

// --- Other objects -----------------------------------------------------------

bool Repository::SaveObject(int kind, const std::string& name, const std::vector<std::string>& bos) {
  return Write(kind, name, 'S', [&] {
    if (!sql::Stmt(m_db, "DELETE FROM objects WHERE kind = ? AND name = ?").Bind(1, kind).Bind(2, name).Run() ||
        !sql::Stmt(m_db, "INSERT INTO objects(kind, name) VALUES (?, ?)").Bind(1, kind).Bind(2, name).Run()) {
      return false;
    }
    for (const std::string& bo : bos) {
      if (!sql::Stmt(m_db, "INSERT INTO object_bos(kind, name, bo) VALUES (?, ?, ?)")
               .Bind(1, kind)
               .Bind(2, name)
               .Bind(3, bo)
               .Run()) {
        return false;
      }
    }
    return true;
  });
}

Found Repository::HasObject(int kind, const std::string& name) {
  sql::Stmt stmt(m_db, "SELECT 1 FROM objects WHERE kind = ? AND name = ? COLLATE NOCASE");
  stmt.Bind(1, kind).Bind(2, name);
  if (stmt.Next()) return Found::Yes;
  return stmt.Done() ? Found::No : Found::Failed;
}

Found Repository::DeleteObject(int kind, const std::string& name) {
  return Delete("DELETE FROM objects WHERE name = ? AND kind = ?", kind, name, true);
}

std::optional<std::vector<std::string>> Repository::ObjectNames(int kind) {
  sql::Stmt stmt(m_db, "SELECT name FROM objects WHERE kind = ? ORDER BY name");
  stmt.Bind(1, kind);
  std::vector<std::string> names;
  while (stmt.Next()) names.push_back(stmt.Text(0));
  if (!stmt.Done()) return std::nullopt;
  return names;
}

std::optional<std::vector<ObjectUse>> Repository::UsersOf(const std::string& bo) {
  sql::Stmt stmt(m_db,
                 "SELECT DISTINCT 17, bo FROM bo_attrs WHERE type = ?1 AND simple = 0 AND bo <> ?1 "
                 "UNION SELECT DISTINCT 20, connector FROM connector_bos WHERE name = ?1 "
                 "UNION SELECT DISTINCT kind, name FROM object_bos WHERE bo = ?1 ORDER BY 1, 2");
  stmt.Bind(1, bo);
  std::vector<ObjectUse> users;
  while (stmt.Next()) users.push_back({static_cast<int>(stmt.Int(0)), stmt.Text(1)});
  if (!stmt.Done()) return std::nullopt;
  return users;
}

// --- Changes -------------------------------------------------------------------

std::optional<long long> Repository::Counter() {
  sql::Stmt stmt(m_db, "SELECT value FROM change_counter WHERE id = 1");
  if (!stmt.Next()) return std::nullopt;
  return stmt.Int(0);
}

std::optional<long long> Repository::LastSeq() {
  sql::Stmt stmt(m_db, "SELECT COALESCE(MAX(seq), 0) FROM change_log");
  if (!stmt.Next()) return std::nullopt;
  return stmt.Int(0);
}

std::optional<std::vector<Change>> Repository::ChangesSince(long long seq) {
  sql::Stmt stmt(m_db, "SELECT seq, kind, name, action FROM change_log WHERE seq > ? AND writer <> ? ORDER BY seq");
  stmt.Bind(1, seq).Bind(2, m_writer);
  std::vector<Change> changes;
  while (stmt.Next()) {
    const std::string action = stmt.Text(3);
    changes.push_back({stmt.Int(0), static_cast<int>(stmt.Int(1)), stmt.Text(2), action.empty() ? 'S' : action[0]});
  }
  if (!stmt.Done()) return std::nullopt;
  return changes;
}

}  // namespace dravon
