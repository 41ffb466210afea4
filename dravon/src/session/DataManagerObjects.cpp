// The data manager's connectors, maps, templates and deletes by type.
#include "DataManager.h"
#include "session/Faults.h"
#include "session/Session.h"

namespace {

// The listed object of a kind the session only names, or null.
CQRObj* FindNamed(dravon::Session& s, int kind, const char* name) {
  if (name == nullptr || !s.BeginCall()) return nullptr;
  const dravon::Found found = s.Repo().HasObject(kind, name);
  if (found == dravon::Found::Failed) s.CheckAfterFailure();
  if (found != dravon::Found::Yes) return nullptr;
  return s.NamedObject(kind, name);
}

}  // namespace

CQRObj* CDataManager::GetMap(const char* name) { return FindNamed(*m_session, HvObjNativeMap, name); }

CQRObj* CDataManager::GetTemplate(const char* name) { return FindNamed(*m_session, HvObjCollabTemplate, name); }

CStringList* CDataManager::RefreshConnectors(int refetch) {
  dravon::Session& s = *m_session;
  if (refetch && s.BeginCall()) {
    if (const auto names = s.Repo().ConnectorNames()) {
      s.ConnectorNames().RemoveAll();
      for (const std::string& name : *names) s.ConnectorNames().AddTail(name.c_str());
    } else {
      s.CheckAfterFailure();
    }
  }
  return &s.ConnectorNames();
}

CQRConnector* CDataManager::GetConnector(const char* name) {
  dravon::Session& s = *m_session;
  if (name == nullptr) return nullptr;
  if (const auto it = s.Connectors().find(name); it != s.Connectors().end()) return it->second;
  if (!s.Connected()) return nullptr;
  auto* connector = s.Make<CQRConnector>(name, s.Server(), HvStateOnServer);
  if (s.LoadConnector(name, *connector) != dravon::Found::Yes) {
    s.Destroy(connector);
    return nullptr;
  }
  s.Connectors().emplace(name, connector);
  return connector;
}

CQRConnector* CDataManager::AddConnector(const char* name, const char* version, int transLevel,
                                         const CList<CQRSupportedBO*, CQRSupportedBO*>& supportedBOs,
                                         const CList<HvProperty*, HvProperty*>& stdProps,
                                         const CList<HvProperty*, HvProperty*>& appProps) {
  dravon::Session& s = *m_session;
  if (name == nullptr || *name == '\0' || !IsUnique(HvObjConnector, name)) return nullptr;
  auto* connector = s.Make<CQRConnector>(name, s.Server(), HvStateNew);
  connector->SetVersion(version != nullptr ? version : "1.0.0");
  connector->SetTransLevel(transLevel);
  for (POSITION pos = supportedBOs.GetHeadPosition(); pos != nullptr;) {
    const CQRSupportedBO* bo = supportedBOs.GetNext(pos);
    if (bo != nullptr) connector->GetSupportedBOs().Add(new CQRSupportedBO(*bo));
  }
  for (POSITION pos = stdProps.GetHeadPosition(); pos != nullptr;)
    connector->AddStdProperty(stdProps.GetNext(pos)->Clone());
  for (POSITION pos = appProps.GetHeadPosition(); pos != nullptr;)
    connector->AddProperty(appProps.GetNext(pos)->Clone());
  connector->CreateResTable();
  connector->setResClass(0, 0, "Call Triggered Requests");
  connector->setResClass(0, 1, "Event Triggered Requests");
  if (!s.SaveConnector(*connector)) {
    s.Destroy(connector);
    return nullptr;
  }
  s.Connectors().emplace(name, connector);
  return connector;
}

int CDataManager::DeleteObject(int type, const char* name, int /*flags*/) {
  if (type == HvObjBusObj) return DeleteBO(name);
  dravon::Session& s = *m_session;
  if (name == nullptr || dravon::Faults().refuseDelete || !s.BeginCall()) return 0;
  const dravon::Found deleted =
      type == HvObjConnector ? s.Repo().DeleteConnector(name) : s.Repo().DeleteObject(type, name);
  if (deleted == dravon::Found::Failed) s.CheckAfterFailure();
  if (deleted != dravon::Found::Yes) return 0;
  if (type == HvObjConnector) {
    dravon::ListRemove(s.ConnectorNames(), name);
    if (const auto it = s.Connectors().find(name); it != s.Connectors().end()) {
      it->second->RemoveState(HvStateOnServer | HvStateSavedToServer);
      s.Connectors().erase(it);
    }
  }
  return 1;
}
