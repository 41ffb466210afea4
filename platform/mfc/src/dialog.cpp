// CDialog: templates through the resource chain, modal and modeless
// creation with the object attached before the first message.
#include <algorithm>

#include <windows.h>

#include "mfc/dialog.h"
#include "mfc/gdi.h"
#include "mfc/modulestate.h"
#include "mfc/winapp.h"
#include "modal_filter.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

bool CDialog::FindTemplate(Template& found) const {
  if (m_lpDialogTemplate != nullptr) {
    found = {AfxGetResourceHandle(), m_lpDialogTemplate};
    return true;
  }
  if (m_lpszTemplateName == nullptr) return false;
  HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
  HRSRC resource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
  if (resource == nullptr) return false;
  const auto* data = static_cast<LPCDLGTEMPLATE>(::LockResource(::LoadResource(hInst, resource)));
  if (data == nullptr) return false;
  found = {hInst, data};
  return true;
}

HWND CDialog::OwnerWindow() const { return afx::ModalOwner(m_pParentWnd); }

INT_PTR CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* pDialog = dynamic_cast<CDialog*>(FromHandlePermanent(hWnd));
  return pDialog != nullptr ? pDialog->OnInitDialog() : TRUE;
}

INT_PTR CDialog::DoModal() {
  Template tmpl{};
  if (m_hWnd != nullptr || !FindTemplate(tmpl)) return -1;
  afx::ModalFilter filter;
  HookWindowCreate(this);
  const INT_PTR result = ::DialogBoxIndirectParam(tmpl.hInstance, tmpl.data, OwnerWindow(), &DialogProc, 0);
  UnhookWindowCreate();
  // The window is gone; an object that never got it keeps no handle.
  if (m_hWnd != nullptr && !::IsWindow(m_hWnd)) Detach();
  return result;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  if (lpDialogTemplate == nullptr) return FALSE;
  m_lpDialogTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
  return TRUE;
}

BOOL CDialog::CreateFrom(const Template& tmpl, CWnd* pParentWnd) {
  if (m_hWnd != nullptr) return FALSE;
  m_pParentWnd = pParentWnd;
  HWND parent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  if (parent == nullptr) {
    CWnd* pMainWnd = AfxGetMainWnd();
    parent = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
  }
  HookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(tmpl.hInstance, tmpl.data, parent, &DialogProc, 0);
  UnhookWindowCreate();
  if (hWnd == nullptr) {
    if (m_hWnd != nullptr) Detach();
    return FALSE;
  }
  return m_hWnd == hWnd;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  Template tmpl{};
  return FindTemplate(tmpl) && CreateFrom(tmpl, pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDHelp = nIDTemplate;
  return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  if (lpDialogTemplate == nullptr) return FALSE;
  return CreateFrom({AfxGetResourceHandle(), lpDialogTemplate}, pParentWnd);
}

BOOL CDialog::OnInitDialog() {
  // List and combo box strings of the template come first.
  if (m_lpszTemplateName != nullptr) {
    win32::ApplyDialogInit(m_hWnd, AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG), m_lpszTemplateName);
  }
  UpdateData(FALSE);
  return TRUE;
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
  OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
  return Default();
}

void CDialog::OnSetFont(CFont*) {}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
  if (m_hWnd != nullptr) ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // The modal loop of the window system navigates by itself.
  const auto modal = win32::GetModalStack();
  if (std::find(modal.begin(), modal.end(), m_hWnd) != modal.end()) return FALSE;
  return ::IsDialogMessage(m_hWnd, pMsg);
}

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl != nullptr) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
