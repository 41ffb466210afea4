// The new map name dialog.
#include "DlgMapDefine.h"

#include <DataManager.h>

#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgMapDefine, CDlgNewObjectName)
  ON_EN_CHANGE(IDC_NEW_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgMapDefine::CDlgMapDefine(CDataManager* pDataManager, CWnd* pParent)
    : CDlgNewObjectName(IDD, IDC_NEW_NAME, pDataManager, pParent) {}

void CDlgMapDefine::DoDataExchange(CDataExchange* pDX) {
  CDlgNewObjectName::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NAME_LABEL, m_strLabel);
}

CString CDlgMapDefine::NameTakenMessage() {
  return m_pDataManager->GetMap(m_strName) != nullptr ? "Please give unique name to new object." : "";
}
