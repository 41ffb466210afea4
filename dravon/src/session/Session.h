// The state behind CDataManager: the connection, the objects it owns and
// hands out, the lists callers read and change, and the notices.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "DataManager.h"
#include "session/NameIndex.h"
#include "session/Notifier.h"
#include "store/Repository.h"

namespace dravon {

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // --- Objects the session owns ------------------------------------------
  template <class T, class... Args>
  T* Make(Args&&... args) {
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = object.get();
    m_owned.emplace(raw, std::move(object));
    return raw;
  }
  // Takes over an object made elsewhere, as if Make had made it.
  template <class T>
  T* Adopt(std::unique_ptr<T> object) {
    T* raw = object.get();
    m_owned.emplace(raw, std::move(object));
    return raw;
  }
  // Called by every object's destructor: a caller deleted it itself.
  void Forget(CQRObj* object);
  void Destroy(CQRObj* object);
  bool Owns(const CQRObj* object) const;

  // --- Connection -----------------------------------------------------------
  bool Connected() const { return m_server != nullptr && m_repo.IsOpen(); }
  CQRServer* Server() const { return m_server; }
  CQRServer* ServerObject(const std::string& name);
  bool Connect(const std::string& server, const std::string& user, const std::string& password);
  void Disconnect();
  // Every server call starts here: false when not connected or when the
  // server is lost now (which raises WM_HV_SERVER_LOST once).
  bool BeginCall();
  // A failed repository call: the server is lost when its file is.
  void CheckAfterFailure();
  Repository& Repo() { return m_repo; }

  // --- Business objects ------------------------------------------------------
  CStringList& BONames() { return m_boNames; }
  CBODefMap& BODefs() { return m_boDefs; }
  CQRBusObjDef* Held(const char* name) const;
  // Enters a definition under its name (map and name list).
  void Hold(CQRBusObjDef* def);
  // Takes a definition out of the map and name list, keeping it alive.
  void Unhold(const char* name);
  bool HasName(const char* name) const { return m_names.Has(name); }
  void AddName(const char* name) { m_names.Add(name); }
  // Refills the name list from the server, keeping local definitions.
  bool RefetchBONames();
  // The server's copy into def; Found::Failed after raising WM_HV_SERVER_LOST.
  Found LoadBO(const std::string& name, CQRBusObjDef& def);
  bool SaveBO(CQRBusObjDef& def);
  // Frees the definitions no live window holds; with onlyServer only
  // those the server has, with keepModified not the modified ones.
  void ReleaseDefs(bool onlyServer, bool keepModified);

  // --- Connectors -------------------------------------------------------------
  CStringList& ConnectorNames() { return m_connectorNames; }
  std::map<std::string, CQRConnector*>& Connectors() { return m_connectors; }
  bool SaveConnector(CQRConnector& connector);
  Found LoadConnector(const std::string& name, CQRConnector& connector);

  CQRObjRefArray& Dependencies() { return m_dependencies; }
  // One object per listed map, template... of a kind and name.
  CQRObjRef* NamedObject(int kind, const std::string& name);
  Notifier& Notices() { return m_notifier; }

 private:
  // Closes the repository and marks the server object dead.
  void EndSession();
  void Lose();
  void Poll();
  void ApplyChange(const Change& change);
  void BODefSavedElsewhere(const std::string& name);
  void BODefDeletedElsewhere(const std::string& name);
  void ConnectorChangedElsewhere(const Change& change);
  // Takes the definitions out of every table in one pass over each, the
  // work Forget does for one object.
  void ForgetDefs(const std::unordered_set<const CQRObj*>& doomed);

  std::unordered_map<const CQRObj*, std::unique_ptr<CQRObj>> m_owned;
  std::map<std::string, CQRServer*> m_servers;
  CQRServer* m_server = nullptr;
  Repository m_repo;
  long long m_lastCounter = -1;
  long long m_lastSeq = 0;
  CStringList m_boNames;
  NameIndex m_names{m_boNames};
  CBODefMap m_boDefs;
  CStringList m_connectorNames;
  std::map<std::string, CQRConnector*> m_connectors;
  CQRObjRefArray m_dependencies;
  std::map<std::pair<int, std::string>, CQRObjRef*> m_named;
  Notifier m_notifier;
  // The definitions a release is deleting, already forgotten.
  const std::unordered_set<const CQRObj*>* m_releasing = nullptr;
};

// The session of the current data manager, or null when there is none.
Session* CurrentSession();

// Helpers on the class library's string list.
bool ListHas(const CStringList& list, const char* name);
void ListRemove(CStringList& list, const char* name);

}  // namespace dravon
