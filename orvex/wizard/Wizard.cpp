#include "Wizard.h"

#include <ControlSizingDefinition.h>

#include "WzDialog.h"

IMPLEMENT_DYNAMIC(CWizard, CPropertySheet)

BEGIN_MESSAGE_MAP(CWizard, CPropertySheet)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CWizard::CWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {
  CWizard::Init();
}

CWizard::~CWizard() = default;

void CWizard::Init() {
  m_psh.dwFlags |= PSH_WIZARD;
  // The sizing frame is part of the sheet from its creation, so that the
  // layout the sheet makes allows for it.
  m_dwSheetStyle |= WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
  m_buttonIds = {ID_PSNEXT, ID_PSBACK, ID_PSFINISH, IDCANCEL};
  for (auto& button : m_buttons) button.reset();
  m_bClosing = FALSE;
}

BOOL CWizard::OnInitDialog() {
  const BOOL result = CPropertySheet::OnInitDialog();
  AttachButtons();
  InitSizing();
  for (int i = 0; i < GetPageCount(); ++i)
    if (auto* pPage = DYNAMIC_DOWNCAST(CWzDialog, GetPage(i))) pPage->OnSheetInitDialog();
  return result;
}

void CWizard::AttachButtons() {
  for (size_t i = 0; i < m_buttonIds.size(); ++i) {
    HWND hButton = ::GetDlgItem(m_hWnd, static_cast<int>(m_buttonIds[i]));
    if (hButton == nullptr) continue;
    m_buttons[i] = std::make_unique<CButton>();
    m_buttons[i]->Attach(hButton);
  }
}

void CWizard::DetachButtons() {
  for (auto& button : m_buttons) {
    if (button && button->m_hWnd != nullptr) button->Detach();
    button.reset();
  }
}

// Pages fill the sheet, the buttons keep to the bottom right corner and the
// rule above them stretches across; the sheet never gets smaller than made.
void CWizard::InitSizing() {
  for (int i = 0; i < GetPageCount(); ++i) m_sizing.Add(CControlSizingDefinition(GetPage(i), HLSIZE_ANCHOR_ALL));
  for (const auto& button : m_buttons)
    if (button) m_sizing.Add(CControlSizingDefinition(button.get(), HLSIZE_ANCHOR_BOTTOMRIGHT));
  if (CWnd* pRule = GetDlgItem(ID_PSETCHED)) m_sizing.Add(CControlSizingDefinition(pRule, HLSIZE_ANCHOR_BOTTOMWIDE));
  CRect rcWindow;
  GetWindowRect(rcWindow);
  m_sizing.SetContainerInitialSize(rcWindow.Size());
  m_sizing.SetMinDimensions(rcWindow.Width(), rcWindow.Height());
}

int CWizard::AddPages(CWzDialog* const* pPages, int nCount) {
  if (pPages == nullptr) return -1;
  for (int i = 0; i < nCount; ++i) {
    if (pPages[i] == nullptr) return i;
    AddPage(pPages[i]);
  }
  return 0;
}

CButton* CWizard::FindButton(UINT nID) const {
  for (size_t i = 0; i < m_buttonIds.size(); ++i)
    if (m_buttonIds[i] == nID) return m_buttons[i].get();
  return nullptr;
}

void CWizard::EnableButton(UINT nID, BOOL bEnable) const {
  CButton* pButton = FindButton(nID);
  if (pButton != nullptr && ::IsWindow(pButton->m_hWnd)) pButton->EnableWindow(bEnable);
}

void CWizard::FitToClient() {
  CRect rcClient;
  GetClientRect(rcClient);
  if (!m_sizing.IsUpToScale(rcClient.Size())) m_sizing.ResizeTo(rcClient.Width(), rcClient.Height());
}

void CWizard::CloseWizard() {
  DetachButtons();
  if (m_pParentWnd != nullptr && ::IsWindow(m_pParentWnd->GetSafeHwnd()))
    m_pParentWnd->PostMessage(WM_HV_WIZARD_CLOSED, 0, reinterpret_cast<LPARAM>(this));
}

BOOL CWizard::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CWnd::OnCommand(wParam, lParam)) Default();
  return TRUE;
}

void CWizard::OnSize(UINT nType, int cx, int cy) {
  m_sizing.ResizeTo(cx, cy);
  Invalidate();
  CPropertySheet::OnSize(nType, cx, cy);
}

void CWizard::OnGetMinMaxInfo(MINMAXINFO* lpMMI) { m_sizing.ApplyMinDimensions(lpMMI); }
