// One server's repository: a SQLite database holding the accounts, the
// business-object definitions, connectors, maps and templates, and a
// change log that other processes on the same server poll.
//
// Every write is one transaction that also bumps the change counter and
// logs what changed; a failure rolls it back and answers false.
#pragma once
// Internal; exported (AFX_EXT_*) only for the library's own tests.

#include <mfc/export.h>

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/Sqlite.h"

class CQRBusObjDef;
class CQRConnector;

namespace dravon {

// The answer of a lookup: found, not there, or the repository failed.
enum class Found { Yes, No, Failed };

struct AFX_EXT_CLASS Change {
  long long seq = 0;
  int kind = 0;  // object type code
  std::string name;
  char action = 'S';  // 'S' saved, 'D' deleted
};

struct AFX_EXT_CLASS ObjectUse {
  int kind;
  std::string name;
};

class AFX_EXT_CLASS Repository {
 public:
  static constexpr int kSchemaVersion = 1;

  Repository();
  // Opens the database, creating it (and its schema) when `create`.
  bool Open(const std::string& path, bool create);
  void Close() { m_db.Close(); }
  bool IsOpen() const { return m_db.IsOpen(); }
  const std::string& Path() const { return m_path; }
  // False once the file was removed, replaced, made unreadable or is no
  // database any more.
  bool StillThere() const;
  // The SQLite code of the last failure, once.
  int TakeFailure() const { return m_db.TakeFailure(); }
  // The connection itself, for looking at its statements.
  sqlite3* Handle() const { return m_db.Handle(); }

  // Accounts.
  bool AddAccount(const std::string& user, const std::string& password);
  bool SetPassword(const std::string& user, const std::string& password);
  bool RemoveAccount(const std::string& user);
  std::optional<std::vector<std::string>> Accounts();
  bool CheckPassword(const std::string& user, const std::string& password);

  // Business-object definitions.
  std::optional<std::vector<std::string>> BONames();
  Found HasBO(const std::string& name);
  Found LoadBO(const std::string& name, CQRBusObjDef& def);
  bool SaveBO(const CQRBusObjDef& def);
  // Saves one definition; false when it failed.
  using BOSaver = std::function<bool(const CQRBusObjDef& def)>;
  // Saves, in one transaction, every definition that `produce` hands to
  // the saver it is given, one at a time: all of them or none (false from
  // `produce` rolls everything back).
  bool SaveBOs(const std::function<bool(const BOSaver& save)>& produce);
  Found DeleteBO(const std::string& name);
  bool RenameBO(const std::string& oldName, const std::string& newName);

  // Connectors.
  std::optional<std::vector<std::string>> ConnectorNames();
  Found LoadConnector(const std::string& name, CQRConnector& connector);
  bool SaveConnector(const CQRConnector& connector);
  Found DeleteConnector(const std::string& name);

  // Maps, templates, collaborations and relationships, with the business
  // objects each uses.
  bool SaveObject(int kind, const std::string& name, const std::vector<std::string>& bos);
  Found HasObject(int kind, const std::string& name);
  Found DeleteObject(int kind, const std::string& name);
  std::optional<std::vector<std::string>> ObjectNames(int kind);
  // Every object that uses the business object: definitions through an
  // attribute type, connectors through their supported list, the others
  // through their lists; sorted by kind, then name.
  std::optional<std::vector<ObjectUse>> UsersOf(const std::string& bo);

  // The change counter, and the changes other writers made after `seq`.
  std::optional<long long> Counter();
  std::optional<long long> LastSeq();
  std::optional<std::vector<Change>> ChangesSince(long long seq);

 private:
  long long SchemaVersion();  // -1 when unreadable
  bool CreateSchema();
  // Bumps the counter and logs the change, inside the caller's transaction.
  bool LogChange(int kind, const std::string& name, char action);
  bool BumpCounter(int changes);
  bool AppendToLog(int kind, const std::string& name, char action);
  // Runs `write` and LogChange as one transaction.
  template <class WriteFn>
  bool Write(int kind, const std::string& name, char action, WriteFn write);
  Found Delete(const char* sql, int kind, const std::string& name, bool bindKind);
  bool WriteBO(const CQRBusObjDef& def);
  bool WriteConnector(const CQRConnector& connector);

  sql::Db m_db;
  std::string m_path;
  std::string m_writer;  // tells this connection's changes from others'
  dev_t m_dev = 0;
  ino_t m_ino = 0;
};

template <class WriteFn>
bool Repository::Write(int kind, const std::string& name, char action, WriteFn write) {
  sql::Transaction tx(m_db);
  return tx.Began() && write() && LogChange(kind, name, action) && tx.Commit();
}

}  // namespace dravon
