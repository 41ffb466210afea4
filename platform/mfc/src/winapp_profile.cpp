// The application's profile (through the profile store) and its list of
// recently used files.
#include <cstring>
#include <memory>

#include <windows.h>

#include "afxres.h"
#include "mfc/recentfiles.h"
#include "mfc/winapp.h"
#include "profile.h"

namespace {

afx::ProfileStore Store(const CWinApp& app) { return afx::ProfileStore(app.m_pszRegistryKey, app.m_pszProfileName); }

}  // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey != nullptr ? lpszRegistryKey : "";
  m_pszRegistryKey = m_strRegistryKey;
  // The profile is then the application's key under the company's.
  m_strProfileName = m_pszAppName != nullptr ? m_pszAppName : "";
  m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  CString key;
  key.LoadString(nIDRegistryKey);
  SetRegistryKey(key);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
  return Store(*this).GetInt(lpszSection, lpszEntry, nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
  return Store(*this).WriteInt(lpszSection, lpszEntry, nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
  return Store(*this).GetString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
  return Store(*this).WriteString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
  if (ppData == nullptr || pBytes == nullptr) return FALSE;
  *ppData = nullptr;
  *pBytes = 0;
  const auto data = Store(*this).GetBinary(lpszSection, lpszEntry);
  if (!data) return FALSE;
  *pBytes = static_cast<UINT>(data->size());
  *ppData = new BYTE[data->size()];
  if (!data->empty()) std::memcpy(*ppData, data->data(), data->size());
  return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes) {
  return Store(*this).WriteBinary(lpszSection, lpszEntry, pData, nBytes);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
  m_recentFiles.reset();
  m_pRecentFileList = nullptr;
  if (nMaxMRU == 0) return;
  m_recentFiles = std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
  m_pRecentFileList = m_recentFiles.get();
  m_pRecentFileList->ReadList(Store(*this));
}

void CWinApp::SaveStdProfileSettings() {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->WriteList(Store(*this));
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName) {
  if (m_pRecentFileList != nullptr && lpszPathName != nullptr) m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
  if (m_pRecentFileList == nullptr) {
    pCmdUI->Enable(FALSE);
  } else {
    m_pRecentFileList->UpdateMenu(pCmdUI);
  }
}
