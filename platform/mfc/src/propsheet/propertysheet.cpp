// CPropertySheet: the sheet's header built from the pages, the sheet's
// window attached to the object from its first message, modal and
// modeless sheets, and the operations on a running sheet.
#include <algorithm>

#include <windows.h>

#include "mfc/cmn_tabctrl.h"
#include "mfc/modulestate.h"
#include "mfc/propsheet.h"
#include "mfc/winapp.h"
#include "modal_filter.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kDefaultSheetStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_CENTER | DS_CONTEXTHELP;

// The style words of a DLGTEMPLATE (the sheet's template is never extended).
void SetTemplateStyle(LPARAM lParam, DWORD style, DWORD exStyle) {
  auto* words = reinterpret_cast<DWORD*>(lParam);
  words[0] = style;
  words[1] = exStyle;
}

// The sheet being made on this thread, for the callback.
thread_local CPropertySheet* t_sheetInCreation = nullptr;

}  // namespace

CPropertySheet::CPropertySheet() { CommonConstruct(nullptr, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  m_strCaption.LoadString(nIDCaption);
  CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  m_strCaption = pszCaption != nullptr ? pszCaption : "";
  CommonConstruct(pParentWnd, iSelectPage);
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
  m_pParentWnd = pParentWnd;
  m_dwSheetStyle = kDefaultSheetStyle;
  m_psh.dwSize = sizeof m_psh;
  m_psh.dwFlags = PSH_USECALLBACK;
  m_psh.nStartPage = iSelectPage;
  m_psh.pfnCallback = &SheetCallback;
}

// Before the sheet exists its template takes the object's styles; the
// sheet's own set-up keeps the sizing frame and the boxes a caller asks for.
int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
  CPropertySheet* sheet = t_sheetInCreation;
  if (message == PSCB_PRECREATE && sheet != nullptr && lParam != 0) {
    DWORD style = sheet->m_dwSheetStyle;
    if (sheet->m_psh.dwFlags & PSH_WIZARD) style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
    if (sheet->m_bModeless)
      style |= WS_VISIBLE;
    else
      style &= ~static_cast<DWORD>(WS_VISIBLE);
    SetTemplateStyle(lParam, style | WS_CLIPCHILDREN, sheet->m_dwSheetExStyle | WS_EX_CONTROLPARENT);
  }
  return 0;
}

HWND CPropertySheet::OwnerWindow() const { return afx::ModalOwner(m_pParentWnd); }

bool CPropertySheet::BuildHeader(std::vector<HPROPSHEETPAGE>& handles) {
  for (CPropertyPage* page : m_pages) {
    HPROPSHEETPAGE handle = page->MakeHandle();
    if (handle == nullptr) {
      for (HPROPSHEETPAGE made : handles) ::DestroyPropertySheetPage(made);
      handles.clear();
      return false;
    }
    handles.push_back(handle);
  }
  m_psh.dwFlags &= ~static_cast<DWORD>(PSH_PROPSHEETPAGE);
  m_psh.dwFlags |= PSH_USECALLBACK;
  m_psh.pfnCallback = &SheetCallback;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = m_strCaption;
  m_psh.nPages = static_cast<UINT>(handles.size());
  m_psh.phpage = handles.data();
  m_psh.hwndParent = OwnerWindow();
  m_nEndID = 0;
  return true;
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<HPROPSHEETPAGE> handles;
  if (m_hWnd != nullptr || !BuildHeader(handles)) return -1;
  m_bModeless = false;
  m_psh.dwFlags &= ~static_cast<DWORD>(PSH_MODELESS);
  afx::ModalFilter filter;
  t_sheetInCreation = this;
  HookWindowCreate(this);
  const INT_PTR result = ::PropertySheet(&m_psh);
  UnhookWindowCreate();
  t_sheetInCreation = nullptr;
  m_psh.phpage = nullptr;
  if (m_hWnd != nullptr && !::IsWindow(m_hWnd)) Detach();
  if (result < 0) return -1;
  if (m_nEndID != 0) return m_nEndID;
  if (result == 0) return IDCANCEL;
  return (m_psh.dwFlags & PSH_WIZARD) ? ID_WIZFINISH : IDOK;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
  if (m_hWnd != nullptr) return FALSE;
  if (pParentWnd != nullptr) m_pParentWnd = pParentWnd;
  if (dwStyle != static_cast<DWORD>(-1)) m_dwSheetStyle = dwStyle;
  m_dwSheetExStyle = dwExStyle;
  std::vector<HPROPSHEETPAGE> handles;
  if (!BuildHeader(handles)) return FALSE;
  m_bModeless = true;
  m_psh.dwFlags |= PSH_MODELESS;
  t_sheetInCreation = this;
  HookWindowCreate(this);
  const auto hWnd = reinterpret_cast<HWND>(::PropertySheet(&m_psh));
  UnhookWindowCreate();
  t_sheetInCreation = nullptr;
  m_psh.phpage = nullptr;
  if (hWnd == nullptr && m_hWnd != nullptr) Detach();
  return hWnd != nullptr && m_hWnd == hWnd;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
  const LRESULT result = Default();
  OnInitDialog();
  return result;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

// The sheet's buttons pass the message map first; a modeless sheet that
// has ended through one of them goes away.
BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CWnd::OnCommand(wParam, lParam)) Default();
  if (m_bModeless && m_hWnd != nullptr && ::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) DestroyWindow();
  return TRUE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (m_hWnd == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // A modal sheet's loop has the keyboard already.
  const auto modal = win32::GetModalStack();
  if (std::find(modal.begin(), modal.end(), m_hWnd) != modal.end()) return FALSE;
  return ::SendMessage(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)) != 0;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  if (pPage == nullptr) return;
  m_pages.push_back(pPage);
  if (m_hWnd == nullptr) return;
  HPROPSHEETPAGE handle = pPage->MakeHandle();
  if (handle == nullptr || !::SendMessage(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
    if (handle != nullptr) ::DestroyPropertySheetPage(handle);
    m_pages.pop_back();
  }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return;
  if (m_hWnd != nullptr) ::SendMessage(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
  m_pages.erase(m_pages.begin() + nPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  const auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
  return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd == nullptr) return static_cast<int>(m_psh.nStartPage);
  HWND page = reinterpret_cast<HWND>(::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  for (int i = 0; page != nullptr && i < GetPageCount(); ++i)
    if (m_pages[static_cast<size_t>(i)]->m_hWnd == page) return i;
  return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (m_hWnd == nullptr) {
    if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
    m_psh.nStartPage = static_cast<UINT>(nPage);
    return TRUE;
  }
  return static_cast<BOOL>(::SendMessage(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle) {
  m_strCaption = lpszText != nullptr ? lpszText : "";
  if (nStyle & PSH_PROPTITLE)
    m_psh.dwFlags |= PSH_PROPTITLE;
  else
    m_psh.dwFlags &= ~static_cast<DWORD>(PSH_PROPTITLE);
  if (m_hWnd != nullptr) ::SendMessage(m_hWnd, PSM_SETTITLE, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
  if (m_hWnd != nullptr) ::SendMessage(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

void CPropertySheet::SetFinishText(LPCTSTR lpszText) {
  if (m_hWnd != nullptr) ::SendMessage(m_hWnd, PSM_SETFINISHTEXT, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::PressButton(int nButton) {
  if (m_hWnd != nullptr) ::SendMessage(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
}

// Ends the sheet at once, without asking the pages; DoModal answers nEndID.
void CPropertySheet::EndDialog(int nEndID) {
  if (m_hWnd == nullptr) return;
  m_nEndID = nEndID;
  if (m_bModeless)
    DestroyWindow();
  else
    ::EndDialog(m_hWnd, nEndID == IDCANCEL ? 0 : 1);
}

CTabCtrl* CPropertySheet::GetTabControl() const {
  if (m_hWnd == nullptr) return nullptr;
  return FromHandleAs<CTabCtrl>(reinterpret_cast<HWND>(::SendMessage(m_hWnd, PSM_GETTABCONTROL, 0, 0)));
}
