#include "DlgOpenConnector.h"

#include "DataManager.h"
#include "KestrunApp.h"
#include "resource.h"

CDlgOpenConnector::CDlgOpenConnector(int, CWnd* pParent) : HLDlgOpenObjects(IDD_OPEN_CONNECTOR, pParent) {}

CDlgOpenConnector::~CDlgOpenConnector() = default;

void CDlgOpenConnector::FillList() {
  CDataManager* pDM = CDataManager::InitInstance();
  // While connected the list is the server's own. Without a session only
  // the connectors it loaded earlier are known, each with its state.
  const CKestrunApp* pApp = GetKestrunApp();
  const bool connected = pApp != nullptr && pApp->IsConnected();
  AddSortedRows(*pDM->RefreshConnectors(1), [pDM, connected](const CString& name) {
    if (connected) return true;
    const CQRConnector* pConnector = pDM->GetConnector(name);
    return pConnector != nullptr && (pConnector->GetState() & (HvStateOnServer | HvStateSavedToServer)) != 0;
  });
}
