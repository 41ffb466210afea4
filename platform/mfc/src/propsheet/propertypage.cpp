// CPropertyPage: a page object attached to its window from the first
// message (the page's creation callback hooks the window's creation), the
// sheet's notifications turned into virtual calls, and the page as a modal
// popup of its own.
#include <windows.h>

#include "mfc/modulestate.h"
#include "mfc/propsheet.h"
#include "mfc/winapp.h"
#include "notify_result.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

namespace {

// A child page's template as a popup dialog with a caption.
constexpr DWORD kPopupOff = WS_CHILD | WS_DISABLED | DS_CONTROL;
constexpr DWORD kPopupOn = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;

// The style word of a DLGTEMPLATE, or of a DLGTEMPLATEEX after its
// version, signature and help id.
DWORD* StyleOf(std::vector<BYTE>& block) {
  const bool extended = block.size() >= 4 && block[2] == 0xFF && block[3] == 0xFF;
  const size_t offset = extended ? 12 : 0;
  return block.size() >= offset + sizeof(DWORD) ? reinterpret_cast<DWORD*>(block.data() + offset) : nullptr;
}

}  // namespace

CPropertyPage::CPropertyPage() { CommonConstruct(nullptr, 0); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate) {
  CommonConstruct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName) {
  CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption) {
  m_psp.dwSize = sizeof m_psp;
  m_psp.dwFlags = PSP_USECALLBACK;
  m_psp.pszTemplate = lpszTemplateName;
  m_psp.pfnDlgProc = &PageProc;
  m_psp.pfnCallback = &PageCallback;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
  }
}

HPROPSHEETPAGE CPropertyPage::MakeHandle() {
  m_psp.hInstance = AfxFindResourceHandle(m_psp.pszTemplate, RT_DIALOG);
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  m_bFirstSetActive = true;
  return ::CreatePropertySheetPage(&m_psp);
}

// The next window this thread makes is the page: the object takes it over
// before its first message, as a dialog's does.
UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGE* ppsp) {
  if (message == PSPCB_CREATE) {
    auto* page = reinterpret_cast<CPropertyPage*>(ppsp->lParam);
    if (page == nullptr || page->m_hWnd != nullptr) return 0;
    HookWindowCreate(page);
  }
  return 1;
}

// The page's window exists: the creation hook has done its work.
INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) UnhookWindowCreate();
  return DialogProc(hWnd, message, wParam, lParam);
}

bool CPropertyPage::InSheet() const { return m_hWnd != nullptr && (GetStyle() & WS_CHILD) != 0; }

INT_PTR CPropertyPage::DoModal() {
  Template tmpl{};
  if (m_hWnd != nullptr || !FindTemplate(tmpl)) return -1;
  HRSRC resource = ::FindResource(tmpl.hInstance, m_lpszTemplateName, RT_DIALOG);
  const DWORD size = resource != nullptr ? ::SizeofResource(tmpl.hInstance, resource) : 0;
  if (size == 0) return -1;
  const auto* bytes = reinterpret_cast<const BYTE*>(tmpl.data);
  // Kept while the object lives: the dialog refers to it.
  m_popupTemplate.assign(bytes, bytes + size);
  DWORD* style = StyleOf(m_popupTemplate);
  if (style == nullptr) return -1;
  *style = (*style & ~kPopupOff) | kPopupOn;
  InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_popupTemplate.data()), m_pParentWnd);
  return CDialog::DoModal();
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const auto* note = reinterpret_cast<const NMHDR*>(lParam);
  LRESULT result = 0;
  switch (note->code) {
    case PSN_SETACTIVE:
      result = OnSetActive() ? 0 : -1;
      break;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? FALSE : TRUE;
      break;
    case PSN_APPLY:
      result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      break;
    case PSN_RESET:
      OnReset();
      break;
    case PSN_QUERYCANCEL:
      result = OnQueryCancel() ? FALSE : TRUE;
      break;
    case PSN_WIZBACK:
      result = OnWizardBack();
      break;
    case PSN_WIZNEXT:
      result = OnWizardNext();
      break;
    case PSN_WIZFINISH:
      result = OnWizardFinish() ? FALSE : TRUE;
      break;
    default:
      return CDialog::OnNotify(wParam, lParam, pResult);
  }
  return afx::AnswerNotify(m_hWnd, result, pResult);
}

// Shown again, the page shows its members again.
BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = false;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  SetModified(FALSE);
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

// In a sheet OK and Cancel belong to the sheet; as a popup they end it.
void CPropertyPage::OnOK() {
  if (!InSheet()) CDialog::OnOK();
}

void CPropertyPage::OnCancel() {
  if (!InSheet()) CDialog::OnCancel();
}

// In a sheet the sheet has the keyboard.
BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) { return InSheet() ? FALSE : CDialog::PreTranslateMessage(pMsg); }

void CPropertyPage::SetModified(BOOL bChanged) {
  if (!InSheet()) return;
  ::SendMessage(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose() {
  if (InSheet()) ::SendMessage(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
  return InSheet() ? ::SendMessage(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}
