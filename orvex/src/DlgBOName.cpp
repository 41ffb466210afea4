#include "DlgBOName.h"

#include <Constants.h>
#include <UtilFunc.h>

#include "DataManager.h"
#include "resource.h"

namespace {
constexpr int kNameLimit = 80;
constexpr int kAppInfoLimit = 255;
}  // namespace

BEGIN_MESSAGE_MAP(CDlgBOName, CDialog)
END_MESSAGE_MAP()

CDlgBOName::CDlgBOName(CWnd* pParent) : CDialog(IDD_BO_NAME, pParent) {}

CDlgBOName::~CDlgBOName() = default;

void CDlgBOName::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_BO_APPINFO, m_editAppInfo);
  DDX_Control(pDX, IDC_BO_NAME, m_editName);
  DDX_Text(pDX, IDC_BO_NAME, m_strName);
  DDX_Text(pDX, IDC_BO_APPINFO, m_strAppInfo);
}

BOOL CDlgBOName::OnInitDialog() {
  CDialog::OnInitDialog();
  m_editName.EnableWindow(TRUE);
  m_editAppInfo.EnableWindow(TRUE);
  m_editName.SetLimitText(kNameLimit);
  m_editAppInfo.SetLimitText(kAppInfoLimit);
  SelectName();
  return FALSE;
}

void CDlgBOName::SelectName() {
  m_editName.SetFocus();
  m_editName.SetSel(0, -1);
}

void CDlgBOName::RefuseName(const char* message) {
  MessageBox(message, "Error", MB_ICONERROR);
  SelectName();
}

void CDlgBOName::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!CUtilFunc::ValidateName(HvObjBusObj, m_strName, TRUE, nullptr)) {
    SelectName();
  } else if (FindNoCase(*CDataManager::InitInstance()->RefreshBONames(0), m_strName) != nullptr) {
    RefuseName("Business object with this name already exists");
  } else if (m_strName.IsEmpty()) {
    RefuseName("Please give a valid name to the business object");
  } else {
    EndDialog(IDOK);
  }
}
