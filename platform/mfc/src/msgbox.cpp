// Message boxes of the application: the owner is the main window's active
// popup, the caption the application's name, and a box without an icon
// gets the usual one for its buttons.
#include <windows.h>

#include "mfc/modulestate.h"
#include "mfc/winapp.h"

namespace {

UINT WithDefaultIcon(UINT nType) {
  if ((nType & MB_ICONMASK) != 0) return nType;
  switch (nType & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
      return nType | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return nType | MB_ICONQUESTION;
    default:
      return nType;
  }
}

HWND MessageBoxOwner() {
  CWnd* pMainWnd = AfxGetMainWnd();
  HWND owner = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
  if (owner == nullptr || !::IsWindow(owner)) return nullptr;
  HWND popup = ::GetLastActivePopup(owner);
  return popup != nullptr ? popup : owner;
}

}  // namespace

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
  return ::MessageBox(MessageBoxOwner(), lpszPrompt, m_pszAppName, WithDefaultIcon(nType));
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBox(nullptr, lpszText, AfxGetAppName(), WithDefaultIcon(nType));
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString prompt;
  if (!prompt.LoadString(nIDPrompt)) return 0;
  return AfxMessageBox(prompt, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  return ::MessageBox(m_hWnd, lpszText, lpszCaption != nullptr ? lpszCaption : AfxGetAppName(), nType);
}
