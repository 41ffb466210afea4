#include "BusObjDef.h"

#include "AgentProperty.h"
#include "DataManager.h"
#include "session/Session.h"

IMPLEMENT_DYNAMIC(CQRBusObjDef, CQRObj)

namespace {
constexpr const char* kDefaultVerbs[] = {"Create", "Retrieve", "Update", "Delete"};

bool Contains(const CBODefArray& defs, const CQRBusObjDef* def) {
  for (INT_PTR i = 0; i < defs.GetSize(); ++i) {
    if (defs[i] == def) return true;
  }
  return false;
}

// The definition a business-object-typed attribute names: the expanded
// one, else the one the session holds or the server has.
CQRBusObjDef* Referenced(const CBODefAttr& attr) {
  if (attr.IsSimpleType() || attr.GetTypeName().IsEmpty()) return nullptr;
  if (attr.GetContainedDef() != nullptr) return attr.GetContainedDef();
  return CDataManager::InitInstance()->GetBO(attr.GetTypeName(), 0, 1);
}
}  // namespace

CQRBusObjDef::CQRBusObjDef(const char* name, CQRServer* server, int state)
    : CQRObj(name, server, state), m_kbrxProperties(std::make_unique<AgentPropArray>()) {}

CQRBusObjDef::~CQRBusObjDef() = default;

void CQRBusObjDef::SetKBRXProperties(const AgentPropArray& properties) { *m_kbrxProperties = properties; }

void CQRBusObjDef::AddProperty(const char* name, const char* type, const char* value, const char* description) {
  m_properties.Add(CBOSpecProperty{name, type, value, description});
}

void CQRBusObjDef::Copy(const CQRBusObjDef& other) {
  if (&other == this) return;
  CleanBusObjDef();
  SetVersion(other.GetVersion());
  m_strAppInfo = other.m_strAppInfo;
  for (INT_PTR i = 0; i < other.m_attrs.GetSize(); ++i) {
    auto* attr = new CBODefAttr;
    attr->Copy(*other.m_attrs[i]);
    m_attrs.Add(attr);
  }
  for (INT_PTR i = 0; i < other.m_verbs.GetSize(); ++i) {
    auto* verb = new CBODefVerb;
    verb->Copy(*other.m_verbs[i]);
    m_verbs.Add(verb);
  }
  m_properties.Copy(other.m_properties);
  *m_kbrxProperties = *other.m_kbrxProperties;
  m_bGenerateBrokerFiles = other.m_bGenerateBrokerFiles;
}

CBODefVerb* CQRBusObjDef::AddVerb(const char* name, const char* appInfo) {
  auto* verb = new CBODefVerb(name, appInfo);
  m_verbs.Add(verb);
  return verb;
}

void CQRBusObjDef::SetDefaultVerbs() {
  for (const char* name : kDefaultVerbs) {
    bool present = false;
    for (INT_PTR i = 0; i < m_verbs.GetSize() && !present; ++i) present = m_verbs[i]->GetName() == name;
    if (!present) AddVerb(name, "");
  }
}

int CQRBusObjDef::DeleteAttribute(const char* typeName) {
  int deleted = 0;
  for (INT_PTR i = m_attrs.GetSize() - 1; i >= 0; --i) {
    if (!m_attrs[i]->IsSimpleType() && m_attrs[i]->GetTypeName() == typeName) {
      m_attrs.DeleteAt(i);
      ++deleted;
    }
  }
  for (INT_PTR i = 0; i < m_attrs.GetSize(); ++i) m_attrs[i]->SetPosition(static_cast<int>(i) + 1);
  return deleted;
}

BOOL CQRBusObjDef::RevertAttrs() { return Refresh(1); }

void CQRBusObjDef::CloseAllAttrs() {
  for (INT_PTR i = 0; i < m_attrs.GetSize(); ++i) m_attrs[i]->Collapse();
}

void CQRBusObjDef::ClearAsIfNew() {
  for (INT_PTR i = 0; i < m_attrs.GetSize(); ++i) m_attrs[i]->SetState(HvStateNew);
  for (INT_PTR i = 0; i < m_verbs.GetSize(); ++i) m_verbs[i]->SetState(HvStateNew);
  m_strImportPath.Empty();
}

void CQRBusObjDef::CleanBusObjDef() {
  m_strAppInfo.Empty();
  m_attrs.DeleteAll();
  m_verbs.DeleteAll();
  m_properties.RemoveAll();
  m_dependents.RemoveAll();
}

void CQRBusObjDef::CollectDependencies(CQRBusObjDef* def, CBODefArray& visited, CBODefArray& order) {
  visited.Add(def);
  for (INT_PTR i = 0; i < def->m_attrs.GetSize(); ++i) {
    CQRBusObjDef* used = Referenced(*def->m_attrs[i]);
    if (used != nullptr && !Contains(visited, used)) CollectDependencies(used, visited, order);
  }
  order.Add(def);
}

const CBODefArray& CQRBusObjDef::GetDependentBos(BOOL includeSelf) {
  CBODefArray visited;
  m_dependents.RemoveAll();
  CollectDependencies(this, visited, m_dependents);
  if (!includeSelf) m_dependents.RemoveAt(m_dependents.GetUpperBound());
  return m_dependents;
}

CQRBusObjDef* CQRBusObjDef::GetBoWithMostChildren() {
  CBODefMap* defs = CDataManager::InitInstance()->GetBODefs(0);
  CQRBusObjDef* best = nullptr;
  INT_PTR bestCount = -1;
  for (POSITION pos = defs->GetStartPosition(); pos != nullptr;) {
    CString name;
    CQRBusObjDef* def = nullptr;
    defs->GetNextAssoc(pos, name, def);
    const INT_PTR count = def->GetDependentBos(FALSE).GetSize();
    if (count > bestCount || (count == bestCount && CString(def->name()) < CString(best->name()))) {
      best = def;
      bestCount = count;
    }
  }
  return best;
}

int CQRBusObjDef::Save() {
  dravon::Session* session = dravon::CurrentSession();
  return session != nullptr && session->SaveBO(*this) ? 1 : 0;
}

int CQRBusObjDef::Refresh(int /*force*/) {
  dravon::Session* session = dravon::CurrentSession();
  if (session == nullptr) return 0;
  CQRBusObjDef fresh(name(), nullptr, 0);
  if (session->LoadBO(name(), fresh) != dravon::Found::Yes) return 0;
  const int sortColumn = m_nSortColumn;
  const BOOL descending = m_bSortDescending;
  Copy(fresh);
  m_nSortColumn = sortColumn;
  m_bSortDescending = descending;
  RemoveState(HvStateModified | HvStateNew);
  AddState(HvStateOnServer);
  return 1;
}
