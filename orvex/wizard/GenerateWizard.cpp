#include "GenerateWizard.h"

#include <sec/secreg.h>

#include <algorithm>

#include "ProfileBook.h"

IMPLEMENT_DYNAMIC(CGenerateWizard, CWizard)

CGenerateWizard::CGenerateWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CWizard(pszCaption, pParentWnd, iSelectPage) {
  CGenerateWizard::Init();
}

CGenerateWizard::~CGenerateWizard() = default;

// The agent session and the steps come with the wizard's pages.
void CGenerateWizard::Init() {
  CWizard::Init();
  m_nCurrentStep = 0;
  m_pAgentProps = nullptr;
  m_bBookModified = FALSE;
}

int CGenerateWizard::GetCurrentStep() { return m_nCurrentStep; }

void CGenerateWizard::SetCurrentStep(int nStep) { m_nCurrentStep = nStep; }

CString CGenerateWizard::GetReceiverName() { return m_pAgent ? CString(m_pAgent->name(0)) : CString(); }

std::vector<std::unique_ptr<AgentProfile>>::iterator CGenerateWizard::Find(LPCTSTR lpszName) {
  return std::find_if(m_profiles.begin(), m_profiles.end(),
                      [lpszName](const auto& profile) { return profile->m_strName == lpszName; });
}

AgentPropArray* CGenerateWizard::FindProfile(LPCTSTR lpszName) {
  const auto it = Find(lpszName);
  return it != m_profiles.end() ? &(*it)->m_props : nullptr;
}

int CGenerateWizard::StoreProfile(LPCTSTR lpszName, const AgentPropArray& properties) {
  if (AgentPropArray* pKnown = FindProfile(lpszName)) {
    *pKnown = properties;
    return 1;
  }
  m_profiles.push_back(std::make_unique<AgentProfile>(lpszName, properties));
  return 0;
}

int CGenerateWizard::RemoveProfile(LPCTSTR lpszName) {
  const auto it = Find(lpszName);
  if (it == m_profiles.end()) return 0;
  m_profiles.erase(it);
  return 1;
}

CStringArray* CGenerateWizard::GetProfileNames() const {
  auto* pNames = new CStringArray;
  for (const auto& profile : m_profiles) pNames->Add(profile->m_strName);
  return pNames;
}

int CGenerateWizard::SaveProfileBook(LPCTSTR lpszSubkey) {
  if (GetCurrentStep() == 0) return kBookNotStarted;
  const CString text = profilebook::BookText(m_profiles);
  SECRegistry registry;
  if (const int failure = profilebook::OpenSettingsKey(registry, lpszSubkey)) return failure;
  CString path;
  registry.GetStringValue(profilebook::kPathValue, path);
  if (!SetAsideUnreadableBook(path) || !profilebook::WriteBook(path, text)) return kBookNoFile;
  return kBookSaved;
}

BOOL CGenerateWizard::SetAsideUnreadableBook(const CString& path) {
  if (m_strUnreadableBook.IsEmpty() || m_strUnreadableBook != path) return TRUE;
  if (::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES && !::MoveFile(path, profilebook::KeptName(path)))
    return FALSE;
  m_strUnreadableBook.Empty();
  return TRUE;
}
