#include "UserConfirmPP.h"

#include "OrvexApp.h"
#include "UserPref.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CUserConfirmPP, CPropertyPage)

BEGIN_MESSAGE_MAP(CUserConfirmPP, CPropertyPage)
END_MESSAGE_MAP()

CUserConfirmPP::CUserConfirmPP() : CPropertyPage(IDD_USER_CONFIRM) {}

CUserConfirmPP::~CUserConfirmPP() = default;

BOOL CUserConfirmPP::OnInitDialog() {
  const COrvexApp* pApp = GetOrvexApp();
  m_strServerName = pApp != nullptr && pApp->m_pServer != nullptr ? CString(pApp->m_pServer->name(0))
                                                                  : CString("Not connected to server");
  return CPropertyPage::OnInitDialog();
}

void CUserConfirmPP::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PREF_DELETE_BO, m_checkDelete);
  if (COrvexApp* pApp = GetOrvexApp(); pApp != nullptr && pApp->m_pPreferences != nullptr)
    DDX_Check(pDX, IDC_PREF_DELETE_BO, pApp->m_pPreferences->m_nDoDelBODef);
  DDX_Text(pDX, IDC_PREF_SERVER, m_strServerName);
}
