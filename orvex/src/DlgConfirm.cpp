#include "DlgConfirm.h"

#include <utility>

#include "OrvexApp.h"
#include "UserPref.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgConfirm, CDialog)
END_MESSAGE_MAP()

CDlgConfirm::CDlgConfirm(CString name, CWnd* pParent) : CDialog(IDD_CONFIRM, pParent), m_strName(std::move(name)) {}

CDlgConfirm::~CDlgConfirm() = default;

void CDlgConfirm::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CONFIRM_NO_PROMPT, m_checkNoPrompt);
}

BOOL CDlgConfirm::OnInitDialog() {
  CDialog::OnInitDialog();
  CString title;
  title.Format("Delete confirmation : %s", static_cast<LPCTSTR>(m_strName));
  SetWindowText(title);
  return TRUE;
}

void CDlgConfirm::OnOK() {
  // The question is switched off only by a Yes, and the choice is kept at
  // once, whatever the preferences sheet does later.
  COrvexApp* pApp = GetOrvexApp();
  if (m_checkNoPrompt.GetCheck() == BST_CHECKED && pApp != nullptr && pApp->m_pPreferences != nullptr) {
    pApp->m_pPreferences->m_nDoDelBODef = 1;
    pApp->m_pPreferences->SaveSettings();
  }
  CDialog::OnOK();
}
