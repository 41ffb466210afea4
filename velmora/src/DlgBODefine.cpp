// The new business-object definition dialog.
#include "DlgBODefine.h"

#include <DataManager.h>

#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgBODefine, CDlgNewObjectName)
  ON_EN_CHANGE(IDC_NEW_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgBODefine::CDlgBODefine(CDataManager* pDataManager, CWnd* pParent)
    : CDlgNewObjectName(IDD, IDC_NEW_NAME, pDataManager, pParent) {}

void CDlgBODefine::DoDataExchange(CDataExchange* pDX) {
  CDlgNewObjectName::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_APP_INFO, m_strAppInfo);
}

CString CDlgBODefine::NameTakenMessage() {
  return m_pDataManager->GetBO(m_strName, 0, 0) != nullptr ? "Please give unique name to business object." : "";
}
