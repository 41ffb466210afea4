#include "DlgOpenBO.h"

#include "DataManager.h"
#include "OrvexApp.h"
#include "resource.h"

CDlgOpenBO::CDlgOpenBO(int nMode, CWnd* pParent) : HLDlgOpenObjects(IDD_OPEN_BO, pParent), m_nMode(nMode) {}

CDlgOpenBO::~CDlgOpenBO() = default;

BOOL CDlgOpenBO::OnInitDialog() {
  const BOOL result = HLDlgOpenObjects::OnInitDialog();
  if (m_nMode == kDeleteMode) {
    m_prompt.SetWindowText("Select business objects to be deleted");
    SetWindowText("Delete Business Objects");
  }
  return result;
}

void CDlgOpenBO::FillList() {
  CDataManager* pDM = CDataManager::InitInstance();
  // While connected, a name that is not loaded is one the server holds:
  // local definitions are always loaded.
  const COrvexApp* pApp = GetOrvexApp();
  const BOOL connected = pApp != nullptr && pApp->IsConnected();
  AddSortedRows(*pDM->RefreshBONames(0), [pDM, connected](const CString& name) {
    const CQRBusObjDef* pDef = pDM->GetBO(name, 0, 0);
    return pDef != nullptr ? (pDef->GetState() & (HvStateOnServer | HvStateSavedToServer)) != 0 : connected != FALSE;
  });
}
