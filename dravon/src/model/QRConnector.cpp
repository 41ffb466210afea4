#include "QRConnector.h"

#include "DataManager.h"
#include "session/Session.h"

IMPLEMENT_DYNAMIC(CQRConnector, CQRObj)

namespace {
// Transaction levels by name; the code is the index plus 2.
constexpr const char* kTransLevels[] = {"None", "Minimal Effort", "Best Effort", "Stringent"};
constexpr int kFirstTransLevel = 2;

void CopyProperties(const COwnedPtrArray<HvProperty>& from, COwnedPtrArray<HvProperty>& to) {
  to.DeleteAll();
  for (INT_PTR i = 0; i < from.GetSize(); ++i) to.Add(from[i]->Clone());
}
}  // namespace

NameType::NameType(const char* mapName, const char* mapType, int flag)
    : m_strName(mapName), m_strType(mapType), m_nFlag(flag) {}

NameType& NameType::operator=(const NameType& other) {
  m_strName = other.m_strName;
  m_strType = other.m_strType;
  m_nFlag = other.m_nFlag;
  return *this;
}

CQRConnector::CQRConnector(const char* name, CQRServer* server, int state) : CQRObj(name, server, state) {}

BOOL CQRConnector::SetTransLevel(const char* levelText) {
  const CString text(levelText != nullptr ? levelText : "");
  for (int i = 0; i < static_cast<int>(std::size(kTransLevels)); ++i) {
    if (text.CompareNoCase(kTransLevels[i]) == 0) {
      m_nTransLevel = i + kFirstTransLevel;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CQRConnector::SetStdProperty(const char* name, const char* value) {
  if (name == nullptr || *name == '\0') return FALSE;
  for (INT_PTR i = 0; i < m_stdProps.GetSize(); ++i) {
    if (m_stdProps[i]->GetName() == name) return m_stdProps[i]->SetValue(value) != 0;
  }
  const HvProperty* templ = HvProperty::FindStandard(name);
  if (templ == nullptr) return FALSE;
  HvProperty* property = templ->Clone();
  property->SetTemplate(const_cast<HvProperty*>(templ));
  property->SetFlags(0);
  if (!property->SetValue(value)) {
    delete property;
    return FALSE;
  }
  m_stdProps.Add(property);
  return TRUE;
}

void CQRConnector::AddProperty(HvProperty* property) {
  if (property != nullptr) m_appProps.Add(property);
}

void CQRConnector::AddStdProperty(HvProperty* property) {
  if (property != nullptr) m_stdProps.Add(property);
}

void CQRConnector::AddBO(const char* name, int agentSupport) {
  if (name != nullptr && *name != '\0') m_bos.Add(new CQRSupportedBO{name, agentSupport, HvStateNew});
}

BOOL CQRConnector::UpdateMaps(CMapTable& table) {
  m_maps.DeleteAll();
  for (POSITION pos = table.GetStartPosition(); pos != nullptr;) {
    CString bo;
    NameType entry;
    table.GetNextAssoc(pos, bo, entry);
    m_maps.Add(new CQRConnectorMap{bo, entry.m_strName, entry.m_strType, entry.m_nFlag});
  }
  return TRUE;
}

NameType* CQRConnector::GetImplicitMap(const CStringList& oneBO, const CStringList& /*allBOs*/) {
  if (oneBO.IsEmpty()) return nullptr;
  const CString& bo = oneBO.GetHead();
  for (INT_PTR i = 0; i < m_maps.GetSize(); ++i) {
    if (m_maps[i]->boName == bo && m_maps[i]->flag == 1) {
      m_implicitMap = NameType(m_maps[i]->mapName, m_maps[i]->mapType, 1);
      return &m_implicitMap;
    }
  }
  CStringList candidates;
  GetCandidateMaps(bo, candidates);
  if (candidates.IsEmpty()) return nullptr;
  m_implicitMap = NameType(candidates.GetHead(), "Native", 0);
  return &m_implicitMap;
}

void CQRConnector::GetCandidateMaps(const char* boName, CStringList& names) {
  dravon::Session* session = dravon::CurrentSession();
  if (session == nullptr || boName == nullptr || !session->BeginCall()) return;
  const auto users = session->Repo().UsersOf(boName);
  if (!users) {
    session->CheckAfterFailure();
    return;
  }
  for (const dravon::ObjectUse& use : *users) {
    if (use.kind == HvObjNativeMap) names.AddTail(use.name.c_str());
  }
}

void CQRConnector::CreateResTable() { m_bHasResTable = TRUE; }

CString CQRConnector::getResClass(int resource, int index) const {
  return m_bHasResTable && ValidPool(resource, index) ? m_resClass[index] : CString();
}

BOOL CQRConnector::setResClass(int resource, int index, const char* className) {
  if (!m_bHasResTable || !ValidPool(resource, index)) return FALSE;
  m_resClass[index] = className != nullptr ? className : "";
  return TRUE;
}

int CQRConnector::ResWord(int resource, int word) const {
  return m_bHasResTable && resource == 0 ? m_resTable[word] : -1;
}

BOOL CQRConnector::SetResWord(int resource, int word, int value) {
  if (!m_bHasResTable || resource != 0) return FALSE;
  m_resTable[word] = value;
  return TRUE;
}

int CQRConnector::getResValue(int resource) const { return ResWord(resource, 0); }
BOOL CQRConnector::setResValue(int resource, int value) { return SetResWord(resource, 0, value); }

int CQRConnector::getMinAllocValue(int resource, int index) const {
  return ValidPool(resource, index) ? ResWord(resource, 1 + 2 * index) : -1;
}

int CQRConnector::getMaxAllocValue(int resource, int index) const {
  return ValidPool(resource, index) ? ResWord(resource, 2 + 2 * index) : -1;
}

BOOL CQRConnector::setMinAllocValue(int resource, int index, int value) {
  return ValidPool(resource, index) && SetResWord(resource, 1 + 2 * index, value);
}

BOOL CQRConnector::setMaxAllocValue(int resource, int index, int value) {
  return ValidPool(resource, index) && SetResWord(resource, 2 + 2 * index, value);
}

void CQRConnector::CopyContent(const CQRConnector& other) {
  if (&other == this) return;
  SetVersion(other.GetVersion());
  m_nTransLevel = other.m_nTransLevel;
  CopyProperties(other.m_stdProps, m_stdProps);
  CopyProperties(other.m_appProps, m_appProps);
  m_bos.DeleteAll();
  for (INT_PTR i = 0; i < other.m_bos.GetSize(); ++i) m_bos.Add(new CQRSupportedBO(*other.m_bos[i]));
  m_maps.DeleteAll();
  for (INT_PTR i = 0; i < other.m_maps.GetSize(); ++i) m_maps.Add(new CQRConnectorMap(*other.m_maps[i]));
  for (int pool = 0; pool < kResourcePools; ++pool) m_resClass[pool] = other.m_resClass[pool];
  std::copy(std::begin(other.m_resTable), std::end(other.m_resTable), std::begin(m_resTable));
  m_bHasResTable = other.m_bHasResTable;
}

int CQRConnector::Save() {
  dravon::Session* session = dravon::CurrentSession();
  return session != nullptr && session->SaveConnector(*this) ? 1 : 0;
}

int CQRConnector::Refresh(int /*force*/) {
  dravon::Session* session = dravon::CurrentSession();
  if (session == nullptr || session->LoadConnector(name(), *this) != dravon::Found::Yes) return 0;
  RemoveState(HvStateModified | HvStateNew);
  AddState(HvStateOnServer);
  return 1;
}
