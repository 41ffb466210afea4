#include "Connector.h"

#include "DataManager.h"
#include "UtilFunc.h"

const char* const g_szTransLevelNames[4] = {"None", "Minimal Effort", "Best Effort", "Stringent"};

namespace {

bool SameNameNoCase(const CString& a, const char* b) { return a.CompareNoCase(b) == 0; }

bool Contains(const CList<HvProperty*, HvProperty*>& list, HvProperty* property) {
  return list.Find(property) != nullptr;
}

// The model's own copy of a standard-list entry.
HvProperty* CopyOfTemplate(HvProperty* templ) {
  HvProperty* copy = templ->Clone();
  copy->SetFlags(HvPropFlagNew);
  copy->SetTemplate(templ);
  copy->SetDefaultValue(templ->GetValue());
  return copy;
}

}  // namespace

CConnector::CConnector(const char* name, int typeCode, int flags)
    : m_nType(typeCode), m_strName(name != nullptr ? name : ""), m_nFlags(flags) {
  m_pools[POOL_CALL_TRIGGERED].m_strClassName = CALL_TRIGGERED_CLASS;
  m_pools[POOL_EVENT_TRIGGERED].m_strClassName = EVENT_TRIGGERED_CLASS;
  if (m_nFlags & CONNECTOR_SAVED) m_nFlags |= CONNECTOR_SAVED_MARK;
  LoadStandardDefaults();
}

CConnector::CConnector(CQRConnector* server)
    : CConnector(nullptr, CONNECTOR_QVS, server != nullptr ? server->GetState() : CONNECTOR_NEW | CONNECTOR_MODIFIED) {
  if (server == nullptr) return;
  m_pServerConnector = server;
  m_strConnectorVersion = server->GetVersion();
  m_nTransLevel = server->GetTransLevel();
  m_strName = server->name(0);
  LoadFromServer(server);
}

CConnector::~CConnector() = default;

// --- Standard properties and their dependencies ----------------------------

void CConnector::LoadStandardDefaults() {
  HvProperty::LoadStandard();
  // The library's list first, then what the dependencies bring in.
  for (INT_PTR i = 0; i < HvProperty::m_stdProperties.GetSize(); ++i) AddStdCopy(HvProperty::m_stdProperties[i]);
  POSITION pos = m_stdPropertyList.GetHeadPosition();
  for (INT_PTR i = 0; i < HvProperty::m_stdProperties.GetSize(); ++i) {
    HvProperty* property = m_stdPropertyList.GetNext(pos);
    AddDependents(property);
    UpdateDependents(property);
  }
}

HvProperty* CConnector::AddStdCopy(HvProperty* templ) {
  HvProperty* copy = CopyOfTemplate(templ);
  m_stdPropertyList.AddTail(copy);
  return copy;
}

void CConnector::AddDependents(HvProperty* property) {
  CList<HvProperty*, HvProperty*> visiting;
  AddDependentsOf(property, visiting);
}

// Depth first; `visiting` holds the path, so that a list whose dependencies
// run in a circle still ends.
void CConnector::AddDependentsOf(HvProperty* property, CList<HvProperty*, HvProperty*>& visiting) {
  const HvProperty* templ = property->GetTemplate();
  if (templ == nullptr || Contains(visiting, property)) return;
  visiting.AddTail(property);
  const auto& dependencies = templ->GetDependencies();
  for (INT_PTR d = 0; d < dependencies.GetSize(); ++d) {
    const HvPropertyArray& dependents = dependencies[d]->GetDependents();
    for (INT_PTR q = 0; q < dependents.GetSize(); ++q) {
      HvProperty* dependentTemplate = dependents[q];
      HvProperty* dependent = FindStdProperty(dependentTemplate->GetName());
      if (dependent == nullptr) {
        dependent = AddStdCopy(dependentTemplate);
        dependent->SetBroughtByDependency(TRUE);
        dependent->GetBringers().Add(property);
        dependent->SetLibrary(dependentTemplate->GetLibrary());
      }
      AddDependentsOf(dependent, visiting);
    }
  }
  visiting.RemoveTail();
}

bool CConnector::UpdateDependents(HvProperty* property) {
  CList<HvProperty*, HvProperty*> visiting;
  return UpdateDependentsOf(property, visiting);
}

bool CConnector::UpdateDependentsOf(HvProperty* property, CList<HvProperty*, HvProperty*>& visiting) {
  const HvProperty* templ = property->GetTemplate();
  if (templ == nullptr || Contains(visiting, property)) return false;
  visiting.AddTail(property);
  bool changed = false;
  const auto& dependencies = templ->GetDependencies();
  for (INT_PTR d = 0; d < dependencies.GetSize(); ++d) {
    const HvProperty::HvDependency& dependency = *dependencies[d];
    const HvPropertyArray& dependents = dependency.GetDependents();
    for (INT_PTR q = 0; q < dependents.GetSize(); ++q) {
      HvProperty* dependent = FindStdProperty(dependents[q]->GetName());
      if (dependent == nullptr) continue;
      if (!property->IsActive() && dependent->IsActive()) {
        dependent->SetActive(FALSE);
        changed = true;
      } else {
        const bool valid = dependency.IsOpValid(property->GetValue()) != FALSE;
        if (valid && !dependent->IsActive() && property->IsActive()) {
          dependent->SetActive(TRUE);
          changed = true;
        } else if (!valid && dependent->IsActive()) {
          dependent->SetActive(FALSE);
          changed = true;
        }
      }
      if (UpdateDependentsOf(dependent, visiting)) changed = true;
    }
  }
  visiting.RemoveTail();
  return changed;
}

HvProperty* CConnector::FindStdProperty(const char* name) const {
  if (name == nullptr) return nullptr;
  return m_stdPropertyList.FindFirst([name](const HvProperty& p) { return p.GetName() == name; });
}

HvProperty* CConnector::FindAppProperty(const char* name) const {
  if (name == nullptr) return nullptr;
  return m_appPropertyList.FindFirst([name](const HvProperty& p) { return p.GetName() == name; });
}

bool CConnector::SetStdProperty(const char* name, const char* value) {
  if (name == nullptr || *name == '\0') return false;
  HvProperty* property = FindStdProperty(name);
  if (property == nullptr || !property->SetValue(value)) return false;
  SetModified();
  return UpdateDependents(property);
}

int CConnector::ValidateStdProperty(const char* name, const char* value) const {
  const HvProperty* property = FindStdProperty(name);
  if (property == nullptr) return 0;
  const CString text(value != nullptr ? value : "");
  // A new value is judged by the property's own rule; the current one is
  // kept unless the property is active and was changed.
  if (text != property->GetValue()) return property->ValidateValue(text);
  const bool changedActive = property->IsActive() && (property->GetFlags() & HvPropFlagChanged) != 0;
  if (!property->GetValue().IsEmpty() && !changedActive) return 1;
  return property->ValidateValue(text);
}

// --- Application properties -------------------------------------------------

int CConnector::SetAppProperty(const char* name, const char* value) {
  for (POSITION pos = m_appPropertyList.GetHeadPosition(); pos != nullptr;) {
    HvProperty* property = m_appPropertyList.GetNext(pos);
    if (property->GetName() == name && property->SetValue(value)) {
      SetModified();
      return 1;
    }
  }
  return 0;
}

void CConnector::AddAppProperty(HvProperty* property) {
  if (property != nullptr) m_appPropertyList.AddTail(property);
}

void CConnector::RemoveAppProperty(const char* name) {
  const POSITION at = m_appPropertyList.FindFirstPosition(
      [name](const HvProperty& p) { return name != nullptr && p.GetName() == name; });
  if (at != nullptr) RemoveAppPropertyAt(at);
}

void CConnector::RemoveAppProperty(HvProperty* property) {
  const POSITION at = property != nullptr ? m_appPropertyList.Find(property) : nullptr;
  if (at != nullptr) RemoveAppPropertyAt(at);
}

void CConnector::RemoveAppPropertyAt(POSITION at) {
  HvProperty* property = m_appPropertyList.GetAt(at);
  property->SetFlags(property->GetFlags() | HvPropFlagDeleted);
  ForgetUndecryptable(property);
  m_appPropertyList.DeleteAt(at);
  SetModified();
}

void CConnector::ApplyAppProperties(CQRConnector* server) const {
  if (server == nullptr) return;
  server->DeleteAppProperties();
  for (POSITION pos = m_appPropertyList.GetHeadPosition(); pos != nullptr;) {
    const HvProperty* p = m_appPropertyList.GetNext(pos);
    server->AddProperty(new HvProperty(p->GetName(), p->GetValue(), p->GetType(), p->GetUpdateMethod()));
  }
}

void CConnector::MarkUndecryptable(const HvProperty* property) {
  if (property != nullptr) m_undecryptable[property] = property->GetValue();
}

bool CConnector::IsUndecryptable(const HvProperty* property) const {
  const auto it = m_undecryptable.find(property);
  return it != m_undecryptable.end() && property->GetValue() == it->second;
}

// --- Supported business objects and message sets ------------------------------

CQRSupportedBO* CConnector::FindSupportedBO(const char* name) const {
  if (name == nullptr) return nullptr;
  return m_supportedBOs.FindFirst([name](const CQRSupportedBO& r) { return SameNameNoCase(r.name, name); });
}

CMessageSetRecord* CConnector::FindMessageSet(const char* name) const {
  if (name == nullptr) return nullptr;
  return m_messageSets.FindFirst([name](const CMessageSetRecord& r) { return SameNameNoCase(r.m_strName, name); });
}

int CConnector::SetSupportedBO(const char* name, int agentSupport) {
  if (name == nullptr || *name == '\0') return 0;
  if (CQRSupportedBO* record = FindSupportedBO(name)) {
    if (record->state & RECORD_STALE) {
      record->state &= ~RECORD_STALE;
      if (record->agentSupport != agentSupport) {
        record->agentSupport = agentSupport;
        record->state |= RECORD_CHANGED;
      }
      SetModified();
    }
    return 1;
  }
  m_supportedBOs.AddTail(new CQRSupportedBO{name, agentSupport, RECORD_NEW});
  SetModified();
  return 1;
}

void CConnector::RemoveSupportedBO(const char* name) {
  const POSITION at = m_supportedBOs.FindFirstPosition(
      [name](const CQRSupportedBO& r) { return name != nullptr && SameNameNoCase(r.name, name); });
  if (at == nullptr) return;
  m_supportedBOs.DeleteAt(at);
  SetModified();
}

void CConnector::DeleteAllSupportedBOs() { m_supportedBOs.DeleteAll(); }

int CConnector::SetMessageSet(const char* name, const char* id) {
  if (name == nullptr || *name == '\0') return 0;
  if (CMessageSetRecord* record = FindMessageSet(name)) {
    record->m_strId = id;
    record->m_nState |= RECORD_CHANGED;
  } else {
    m_messageSets.AddTail(new CMessageSetRecord{name, id, RECORD_NEW});
  }
  SetModified();
  return 1;
}

void CConnector::RemoveMessageSet(const char* name) {
  const POSITION at = m_messageSets.FindFirstPosition(
      [name](const CMessageSetRecord& r) { return name != nullptr && r.m_strName == name; });
  if (at != nullptr) m_messageSets.DeleteAt(at);
}

void CConnector::RemoveMessageSetRecord(CMessageSetRecord* record) {
  const POSITION at = record != nullptr ? m_messageSets.Find(record) : nullptr;
  if (at != nullptr) m_messageSets.DeleteAt(at);
}

void CConnector::DeleteAllMessageSets() { m_messageSets.DeleteAll(); }

void CConnector::AddMessageSetRecord(CMessageSetRecord* record) {
  if (record != nullptr) m_messageSets.AddTail(record);
}

void CConnector::RebuildSupportedBOsFromMessageSets() {
  DeleteAllSupportedBOs();
  for (POSITION pos = m_messageSets.GetHeadPosition(); pos != nullptr;)
    SetSupportedBO(m_messageSets.GetNext(pos)->m_strName, 1);
}

void CConnector::DropOrphanMessageSets() {
  for (POSITION pos = m_messageSets.GetHeadPosition(); pos != nullptr;) {
    const POSITION at = pos;
    if (FindSupportedBO(m_messageSets.GetNext(pos)->m_strName) == nullptr) m_messageSets.DeleteAt(at);
  }
}

int CConnector::SetTransactionLevel(const char* text) {
  m_nTransLevel = CUtilFunc::isolation_str2int(text);
  SetModified();
  return 1;
}

void CConnector::AddCodecRecord(const char* name, BYTE deltaSupport) {
  if (name != nullptr && *name != '\0') m_deltaSupport.AddTail(new CDeltaSupportEntry{name, deltaSupport});
}

// --- Name, server, resources and maps -----------------------------------------

void CConnector::SetName(const char* name) {
  m_pServerConnector = nullptr;
  m_strName = name;
}

CQRConnector* CConnector::GetServerConnector() {
  if (m_pServerConnector != nullptr) return m_pServerConnector;
  CDataManager* manager = CDataManager::InitInstance();
  if (CQRConnector* found = manager->GetConnector(m_strName)) {
    m_pServerConnector = found;
    return found;
  }
  CQRConnector* added = manager->AddConnector(m_strName, m_strConnectorVersion, m_nTransLevel, m_supportedBOs,
                                              m_stdPropertyList, m_appPropertyList);
  if (added != nullptr) {
    m_pServerConnector = added;
    m_nFlags &= ~CONNECTOR_NEW;
    added->Refresh(1);
  }
  return added;
}

CString CConnector::GetResourceClass(int resource, int row) const {
  if (resource != 0 || row < 0 || row >= POOL_COUNT) return CString();
  return m_pools[row].m_strClassName;
}

void CConnector::ApplyResources(CQRConnector* server) const {
  if (server == nullptr) return;
  const bool hasTable = server->GetResTable() != nullptr;
  if (hasTable) server->setResValue(0, m_nParallelDegree);
  for (int row = 0; row < POOL_COUNT; ++row) {
    server->setResClass(0, row, m_pools[row].m_strClassName);
    if (!hasTable) continue;
    server->setMinAllocValue(0, row, m_pools[row].m_nMinAlloc);
    server->setMaxAllocValue(0, row, m_pools[row].m_nMaxAlloc);
  }
}

void CConnector::BuildMapTable(const char* boName, CStringList& candidates) const {
  if (m_pServerConnector != nullptr) m_pServerConnector->GetCandidateMaps(boName, candidates);
}

void CConnector::LoadFromServer(CQRConnector* server) {
  const auto& stdProps = server->GetStandardProperties(0);
  for (INT_PTR i = 0; i < stdProps.GetSize(); ++i) {
    const HvProperty* p = stdProps[i];
    // One the library's list does not know stays, so that a save keeps it.
    if (FindStdProperty(p->GetName()) == nullptr)
      m_stdPropertyList.AddTail(p->Clone());
    else
      SetStdProperty(p->GetName(), p->GetValue());
  }
  const auto& appProps = server->GetAppProperties(0);
  for (INT_PTR i = 0; i < appProps.GetSize(); ++i) {
    const HvProperty* p = appProps[i];
    auto* copy = new HvProperty(p->GetName(), p->GetValue(), p->GetType(), p->GetUpdateMethod(), HvPropFlagNew);
    copy->SetDescription(p->GetDescription());
    m_appPropertyList.AddTail(copy);
  }
  const auto& bos = server->GetSupportedBOs(0);
  for (INT_PTR i = 0; i < bos.GetSize(); ++i) {
    if (bos[i] != nullptr) m_supportedBOs.AddTail(new CQRSupportedBO(*bos[i]));
  }
  const auto& maps = server->GetMapps(0);
  for (INT_PTR i = 0; i < maps.GetSize(); ++i) {
    NameType entry(maps[i]->mapName, maps[i]->mapType, maps[i]->flag);
    m_maps.SetAt(maps[i]->boName, entry);
  }
  const int* table = server->GetResTable();
  m_nParallelDegree = table != nullptr ? server->getResValue(0) : -1;
  for (int row = 0; row < POOL_COUNT; ++row) {
    m_pools[row].m_strClassName = server->getResClass(0, row);
    m_pools[row].m_nMinAlloc = table != nullptr ? server->getMinAllocValue(0, row) : -1;
    m_pools[row].m_nMaxAlloc = table != nullptr ? server->getMaxAllocValue(0, row) : -1;
  }
}
