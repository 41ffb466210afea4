// The data manager's business-object definitions.
#include "DataManager.h"
#include "session/Faults.h"
#include "session/Session.h"

namespace {
constexpr int kOnServer = HvStateOnServer | HvStateSavedToServer;

bool OnServer(const CQRObj& object) { return (object.GetState() & kOnServer) != 0; }
}  // namespace

CStringList* CDataManager::RefreshBONames(int refetch) {
  if (refetch) m_session->RefetchBONames();
  return &m_session->BONames();
}

CBODefMap* CDataManager::GetBODefs(int /*create*/) { return &m_session->BODefs(); }

CQRBusObjDef* CDataManager::GetBO(const char* name, int create, int load) {
  if (name == nullptr || *name == '\0') return nullptr;
  dravon::Session& s = *m_session;
  if (CQRBusObjDef* held = s.Held(name)) return held;
  if (load && s.Connected()) {
    auto* def = s.Make<CQRBusObjDef>(name, s.Server(), HvStateOnServer);
    const dravon::Found found = s.LoadBO(name, *def);
    if (found == dravon::Found::Yes) {
      s.Hold(def);
      return def;
    }
    s.Destroy(def);
    if (found == dravon::Found::Failed) return nullptr;
  }
  if (!create) return nullptr;
  CQRBusObjDef* def = CreateNewBODef(name);
  s.Hold(def);
  return def;
}

CQRBusObjDef* CDataManager::CreateNewBODef(const char* name) {
  return m_session->Make<CQRBusObjDef>(name, m_session->Server(), HvStateNew);
}

CQRBusObjDef* CDataManager::AdoptBODef(std::unique_ptr<CQRBusObjDef> def) {
  if (def == nullptr || m_session->Owns(def.get())) return def.release();
  def->SetServer(m_session->Server());
  return m_session->Adopt(std::move(def));
}

void CDataManager::CloseBO(const char* name, HWND wnd) {
  if (name == nullptr) return;
  dravon::Session& s = *m_session;
  if (wnd != nullptr) {
    s.Notices().RemoveView(name, wnd);
    return;
  }
  CQRBusObjDef* def = s.Held(name);
  if (def == nullptr) return;
  s.Notices().PostToAllViews(name, WM_HV_DEF_GONE);
  s.Notices().RemoveAllViews(name);
  // Unloaded, not freed: windows may still point at it until they read
  // the notice; the next release frees it.
  const bool listed = s.HasName(name);
  s.Unhold(name);
  if (listed && OnServer(*def)) s.AddName(name);
}

int CDataManager::DeleteBO(const char* name) {
  if (name == nullptr) return 0;
  dravon::Session& s = *m_session;
  if (dravon::Faults().refuseDelete || !s.BeginCall()) return 0;
  const dravon::Found deleted = s.Repo().DeleteBO(name);
  if (deleted == dravon::Found::Failed) {
    s.CheckAfterFailure();
    return 0;
  }
  if (deleted == dravon::Found::No && s.Held(name) == nullptr) return 0;
  s.Notices().PostToAllViews(name, WM_HV_DEF_CLOSE);
  s.Notices().PostToAllViews(name, WM_HV_DEF_GONE);
  s.Notices().RemoveAllViews(name);
  if (CQRBusObjDef* def = s.Held(name)) def->RemoveState(kOnServer);
  s.Unhold(name);
  return 1;
}

int CDataManager::IsUnique(int type, const char* name) {
  if (name == nullptr) return 0;
  dravon::Session& s = *m_session;
  if (type == HvObjBusObj) {
    for (POSITION pos = s.BONames().GetHeadPosition(); pos != nullptr;) {
      if (s.BONames().GetNext(pos).CompareNoCase(name) == 0) return 0;
    }
    return 1;
  }
  if (type == HvObjConnector) {
    const CStringList* names = RefreshConnectors(1);
    for (POSITION pos = names->GetHeadPosition(); pos != nullptr;) {
      if (names->GetNext(pos).CompareNoCase(name) == 0) return 0;
    }
    return 1;
  }
  if (!s.BeginCall()) return 1;
  const dravon::Found found = s.Repo().HasObject(type, name);
  if (found == dravon::Found::Failed) s.CheckAfterFailure();
  return found == dravon::Found::Yes ? 0 : 1;
}

const CQRObjRefArray* CDataManager::FindSuperDepsForBO(int /*type*/, const char* name) {
  dravon::Session& s = *m_session;
  s.Dependencies().DeleteAll();
  if (name == nullptr || !s.BeginCall()) return &s.Dependencies();
  const auto users = s.Repo().UsersOf(name);
  if (!users) {
    s.CheckAfterFailure();
    return &s.Dependencies();
  }
  for (const dravon::ObjectUse& use : *users) {
    s.Dependencies().Add(new CQRObjRef(use.kind, use.name.c_str(), s.Server()));
  }
  return &s.Dependencies();
}

BOOL CDataManager::is_bo1_using_bo2(CQRBusObjDef* bo1, const char* bo2) {
  if (bo1 == nullptr || bo2 == nullptr) return FALSE;
  const CBODefArray& used = bo1->GetDependentBos(FALSE);
  for (INT_PTR i = 0; i < used.GetSize(); ++i) {
    if (CString(used[i]->name()) == bo2) return TRUE;
  }
  return FALSE;
}

void CDataManager::find_bos_using_bo(const char* name, CBODefArray& users) {
  users.RemoveAll();
  CBODefMap& defs = m_session->BODefs();
  for (POSITION pos = defs.GetStartPosition(); pos != nullptr;) {
    CString key;
    CQRBusObjDef* def = nullptr;
    defs.GetNextAssoc(pos, key, def);
    if (key != name && is_bo1_using_bo2(def, name)) users.Add(def);
  }
}

BOOL CDataManager::RenameOld(const char* newName, CQRBusObjDef* def) {
  dravon::Session& s = *m_session;
  if (def == nullptr || newName == nullptr || *newName == '\0') return FALSE;
  const CString oldName = def->name();
  CQRBusObjDef* existing = s.Held(oldName);
  if (existing == nullptr || existing == def || s.HasName(newName)) return FALSE;
  if (OnServer(*existing)) {
    if (dravon::Faults().refuseSave || !s.BeginCall()) return FALSE;
    if (!s.Repo().RenameBO(std::string(oldName), newName)) {
      s.CheckAfterFailure();
      return FALSE;
    }
  }
  s.Unhold(oldName);
  s.Notices().RenameViews(std::string(oldName), newName);
  existing->SetName(newName);
  s.Hold(existing);
  s.Hold(def);
  return TRUE;
}

BOOL CDataManager::RenameNew(const char* newName, CQRBusObjDef* def) {
  dravon::Session& s = *m_session;
  if (def == nullptr || newName == nullptr || *newName == '\0' || s.HasName(newName)) return FALSE;
  if (s.Held(def->name()) == def) s.Unhold(def->name());
  def->SetName(newName);
  s.Hold(def);
  return TRUE;
}

void CDataManager::ReleaseBODefs() {
  dravon::Session& s = *m_session;
  s.ReleaseDefs(false, false);
  if (!s.Connected()) {
    s.BONames().RemoveAll();
    for (POSITION pos = s.BODefs().GetStartPosition(); pos != nullptr;) {
      CString name;
      CQRBusObjDef* def = nullptr;
      s.BODefs().GetNextAssoc(pos, name, def);
      s.BONames().AddTail(name);
    }
  }
}

void CDataManager::ReleaseSelectedBODefs() { m_session->ReleaseDefs(true, false); }

void CDataManager::ClearCache() { m_session->ReleaseDefs(true, true); }
