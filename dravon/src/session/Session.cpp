#include "session/Session.h"

#include <vector>

#include "session/Faults.h"
#include "store/ServerPaths.h"

namespace dravon {

namespace {

bool IsLostFileError(int code) {
  return code == SQLITE_IOERR || code == SQLITE_CORRUPT || code == SQLITE_NOTADB || code == SQLITE_CANTOPEN ||
         code == SQLITE_READONLY || code == SQLITE_PERM;
}

}  // namespace

bool ListHas(const CStringList& list, const char* name) {
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    if (list.GetNext(pos) == name) return true;
  }
  return false;
}

void ListRemove(CStringList& list, const char* name) {
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    const POSITION at = pos;
    if (list.GetNext(pos) == name) list.RemoveAt(at);
  }
}

Session::Session() = default;

Session::~Session() {
  m_notifier.StopPolling();
  // The objects' destructors find no session any more (the data manager
  // is going), so the table is not changed while it is torn down.
  auto owned = std::move(m_owned);
  m_owned.clear();
}

// --- Objects -------------------------------------------------------------------

void Session::Forget(CQRObj* object) {
  if (m_releasing != nullptr && m_releasing->count(object) != 0) return;
  if (const auto it = m_owned.find(object); it != m_owned.end()) {
    (void)it->second.release();  // the object is being deleted by its owner
    m_owned.erase(it);
  }
  for (POSITION pos = m_boDefs.GetStartPosition(); pos != nullptr;) {
    CString name;
    CQRBusObjDef* def = nullptr;
    m_boDefs.GetNextAssoc(pos, name, def);
    if (def == object) m_boDefs.RemoveKey(name);
  }
  std::erase_if(m_connectors, [object](const auto& entry) { return entry.second == object; });
  std::erase_if(m_servers, [object](const auto& entry) { return entry.second == object; });
  std::erase_if(m_named, [object](const auto& entry) { return entry.second == object; });
  if (m_server == object) m_server = nullptr;
  // Expanded attributes must not keep pointing at a definition that went.
  for (const auto& [raw, owned] : m_owned) {
    auto* def = dynamic_cast<CQRBusObjDef*>(owned.get());
    if (def == nullptr) continue;
    for (INT_PTR i = 0; i < def->GetAttrs().GetSize(); ++i) {
      if (def->GetAttrs()[i]->GetContainedDef() == object) def->GetAttrs()[i]->Collapse();
    }
  }
}

void Session::Destroy(CQRObj* object) {
  const auto it = m_owned.find(object);
  if (it == m_owned.end()) return;
  std::unique_ptr<CQRObj> doomed = std::move(it->second);
  m_owned.erase(it);
  doomed.reset();
}

CQRObjRef* Session::NamedObject(int kind, const std::string& name) {
  CQRObjRef*& object = m_named[{kind, name}];
  if (object == nullptr) object = Make<CQRObjRef>(kind, name.c_str(), m_server);
  return object;
}

bool Session::Owns(const CQRObj* object) const { return m_owned.count(object) != 0; }

// --- Connection ----------------------------------------------------------------

CQRServer* Session::ServerObject(const std::string& name) {
  if (const auto it = m_servers.find(name); it != m_servers.end()) return it->second;
  CQRServer* server = Make<CQRServer>(name.c_str());
  m_servers.emplace(name, server);
  return server;
}

bool Session::Connect(const std::string& server, const std::string& user, const std::string& password) {
  if (Connected()) Disconnect();
  EnsureDefaultServer();
  if (Faults().refuseLogin || !ServerExists(server) || !m_repo.Open(ServerFile(server), false)) return false;
  const auto counter = m_repo.Counter();
  const auto seq = m_repo.LastSeq();
  if (!m_repo.CheckPassword(user, password) || !counter || !seq) {
    m_repo.Close();
    return false;
  }
  m_lastCounter = *counter;
  m_lastSeq = *seq;
  m_server = ServerObject(server);
  m_server->SetCredentials(user.c_str(), password.c_str());
  m_server->SetConnected(TRUE);
  m_server->SetDead(FALSE);
  m_notifier.StartPolling([this] { Poll(); });
  return RefetchBONames();
}

void Session::EndSession() {
  m_notifier.StopPolling();
  m_repo.Close();
  if (m_server != nullptr) {
    m_server->SetConnected(FALSE);
    m_server->SetDead(TRUE);
  }
}

void Session::Disconnect() {
  EndSession();
  m_server = nullptr;
  m_connectorNames.RemoveAll();
}

// The server object stays current, dead, until the program disconnects.
void Session::Lose() {
  EndSession();
  m_notifier.PostToMain(WM_HV_SERVER_LOST, 0, 0);
}

bool Session::BeginCall() {
  if (!Connected()) return false;
  FaultState& faults = Faults();
  if (faults.callDelayMs != 0) Sleep(faults.callDelayMs);
  if (faults.loseAtCall > 0 && --faults.loseAtCall == 0) {
    Lose();
    return false;
  }
  if (!m_repo.StillThere()) {
    Lose();
    return false;
  }
  return true;
}

void Session::CheckAfterFailure() {
  const int failure = m_repo.TakeFailure() & 0xff;  // the primary code
  if (m_repo.IsOpen() && (!m_repo.StillThere() || IsLostFileError(failure))) Lose();
}

// --- Business objects ------------------------------------------------------------

CQRBusObjDef* Session::Held(const char* name) const {
  CQRBusObjDef* def = nullptr;
  return name != nullptr && m_boDefs.Lookup(name, def) ? def : nullptr;
}

void Session::Hold(CQRBusObjDef* def) {
  m_boDefs[def->name()] = def;
  if (!HasName(def->name())) AddName(def->name());
}

void Session::Unhold(const char* name) {
  m_boDefs.RemoveKey(name);
  m_names.Remove(name);
}

bool Session::RefetchBONames() {
  if (!BeginCall()) return false;
  const auto names = m_repo.BONames();
  if (!names) {
    CheckAfterFailure();
    return false;
  }
  CStringList locals;
  for (POSITION pos = m_boNames.GetHeadPosition(); pos != nullptr;) {
    const CString& name = m_boNames.GetNext(pos);
    const CQRBusObjDef* def = Held(name);
    if (def != nullptr && (def->GetState() & (HvStateOnServer | HvStateSavedToServer)) == 0) locals.AddTail(name);
  }
  // Listed through the index, which then needs no pass of its own.
  m_boNames.RemoveAll();
  for (const std::string& name : *names) AddName(name.c_str());
  for (POSITION pos = locals.GetHeadPosition(); pos != nullptr;) {
    const CString& name = locals.GetNext(pos);
    if (!HasName(name)) AddName(name);
  }
  return true;
}

Found Session::LoadBO(const std::string& name, CQRBusObjDef& def) {
  if (!BeginCall()) return Found::Failed;
  const Found found = m_repo.LoadBO(name, def);
  if (found == Found::Failed) CheckAfterFailure();
  return found;
}

bool Session::SaveBO(CQRBusObjDef& def) {
  if (Faults().refuseSave || !BeginCall()) return false;
  if (!m_repo.SaveBO(def)) {
    CheckAfterFailure();
    return false;
  }
  def.RemoveState(HvStateNew | HvStateModified | HvStateWrittenToFile);
  def.AddState(HvStateOnServer | HvStateSavedToServer);
  def.SetServer(m_server);
  for (INT_PTR i = 0; i < def.GetVerbs().GetSize(); ++i) def.GetVerbs()[i]->SetState(0);
  if (!HasName(def.name())) AddName(def.name());
  if (Owns(&def)) m_boDefs[def.name()] = &def;
  return true;
}

void Session::ReleaseDefs(bool onlyServer, bool keepModified) {
  std::unordered_set<const CQRObj*> doomed;
  std::vector<std::unique_ptr<CQRObj>> freed;
  for (auto it = m_owned.begin(); it != m_owned.end();) {
    const auto* def = dynamic_cast<const CQRBusObjDef*>(it->first);
    const bool onServer = def != nullptr && (def->GetState() & (HvStateOnServer | HvStateSavedToServer)) != 0;
    const bool modified = def != nullptr && (def->GetState() & HvStateModified) != 0;
    if (def == nullptr || m_notifier.IsHeld(def->name()) || (onlyServer && !onServer) || (keepModified && modified)) {
      ++it;
      continue;
    }
    doomed.insert(def);
    freed.push_back(std::move(it->second));
    it = m_owned.erase(it);
  }
  if (doomed.empty()) return;
  ForgetDefs(doomed);
  m_releasing = &doomed;
  freed.clear();
  m_releasing = nullptr;
}

void Session::ForgetDefs(const std::unordered_set<const CQRObj*>& doomed) {
  std::vector<CString> keys;
  for (POSITION pos = m_boDefs.GetStartPosition(); pos != nullptr;) {
    CString name;
    CQRBusObjDef* def = nullptr;
    m_boDefs.GetNextAssoc(pos, name, def);
    if (doomed.count(def) != 0) keys.push_back(name);
  }
  for (const CString& key : keys) m_boDefs.RemoveKey(key);
  // A server definition stays listed: the server still has it.
  for (const CQRObj* object : doomed) {
    if ((object->GetState() & (HvStateOnServer | HvStateSavedToServer)) == 0) m_names.Remove(object->name());
  }
  for (const auto& [raw, owned] : m_owned) {
    auto* def = dynamic_cast<CQRBusObjDef*>(owned.get());
    if (def == nullptr) continue;
    for (INT_PTR i = 0; i < def->GetAttrs().GetSize(); ++i) {
      if (doomed.count(def->GetAttrs()[i]->GetContainedDef()) != 0) def->GetAttrs()[i]->Collapse();
    }
  }
}

// --- Connectors ------------------------------------------------------------------

bool Session::SaveConnector(CQRConnector& connector) {
  if (Faults().refuseSave || !BeginCall()) return false;
  if (!m_repo.SaveConnector(connector)) {
    CheckAfterFailure();
    return false;
  }
  connector.RemoveState(HvStateNew | HvStateModified);
  connector.AddState(HvStateOnServer | HvStateSavedToServer);
  // As stored: the saved standard properties are upgraded.
  auto& standard = connector.GetStandardProperties();
  for (INT_PTR i = 0; i < standard.GetSize(); ++i) standard[i]->SetFlags(standard[i]->GetFlags() & ~HvPropFlagNew);
  if (!ListHas(m_connectorNames, connector.name())) m_connectorNames.AddTail(connector.name());
  return true;
}

Found Session::LoadConnector(const std::string& name, CQRConnector& connector) {
  if (!BeginCall()) return Found::Failed;
  const Found found = m_repo.LoadConnector(name, connector);
  if (found == Found::Failed) CheckAfterFailure();
  return found;
}

// --- Changes of other processes ---------------------------------------------------

void Session::Poll() {
  if (!Connected()) return;
  if (!m_repo.StillThere()) {
    Lose();
    return;
  }
  const auto counter = m_repo.Counter();
  if (!counter) {
    CheckAfterFailure();
    return;
  }
  if (*counter == m_lastCounter) return;
  m_lastCounter = *counter;
  const auto changes = m_repo.ChangesSince(m_lastSeq);
  if (!changes) {
    CheckAfterFailure();
    return;
  }
  for (const Change& change : *changes) {
    m_lastSeq = change.seq;
    ApplyChange(change);
  }
}

void Session::ApplyChange(const Change& change) {
  if (change.kind == HvObjBusObj) {
    if (change.action == 'D') {
      BODefDeletedElsewhere(change.name);
    } else {
      BODefSavedElsewhere(change.name);
    }
  } else if (change.kind == HvObjConnector) {
    ConnectorChangedElsewhere(change);
  }
}

void Session::BODefSavedElsewhere(const std::string& name) {
  if (!HasName(name.c_str())) AddName(name.c_str());
  CQRBusObjDef* def = Held(name.c_str());
  // A definition changed here too keeps this side's edits.
  if (def == nullptr || (def->GetState() & HvStateModified) != 0) return;
  CQRBusObjDef fresh(name.c_str(), nullptr, 0);
  if (m_repo.LoadBO(name, fresh) != Found::Yes) {
    CheckAfterFailure();
    return;
  }
  def->Copy(fresh);
  def->RemoveState(HvStateNew);
  def->AddState(HvStateOnServer);
  m_notifier.PostToViews(name, WM_HV_DEF_CHANGED);
}

void Session::BODefDeletedElsewhere(const std::string& name) {
  m_names.Remove(name.c_str());
  CQRBusObjDef* def = Held(name.c_str());
  if (def == nullptr) {
    // The notice names the definition; one that is not loaded here gets a
    // stand-in that the next release frees.
    def = Make<CQRBusObjDef>(name.c_str(), m_server, 0);
    def->SetDead(TRUE);
  }
  m_notifier.PostToMain(WM_HV_OBJECT_DELETED, HvObjBusObj, reinterpret_cast<LPARAM>(def));
}

void Session::ConnectorChangedElsewhere(const Change& change) {
  const auto it = m_connectors.find(change.name);
  CQRConnector* connector = it != m_connectors.end() ? it->second : nullptr;
  if (change.action == 'D') {
    ListRemove(m_connectorNames, change.name.c_str());
    if (connector != nullptr) {
      // Kept alive for the notice; no longer handed out under the name.
      m_connectors.erase(it);
      connector->RemoveState(HvStateOnServer | HvStateSavedToServer);
      m_notifier.PostToMain(WM_HV_OBJECT_DELETED, HvObjConnector, reinterpret_cast<LPARAM>(connector));
    }
    return;
  }
  if (!ListHas(m_connectorNames, change.name.c_str())) m_connectorNames.AddTail(change.name.c_str());
  if (connector != nullptr && (connector->GetState() & HvStateModified) == 0) {
    if (m_repo.LoadConnector(change.name, *connector) == Found::Failed) CheckAfterFailure();
  }
}

}  // namespace dravon
