// The merge after a log-in of the definitions that were open without a
// server: names the server does not have join the session; for each name
// both have, the user chooses which side keeps it and whether the other
// goes under a new name.
#include <DlgImportResults.h>

#include "OrvexApp.h"
#include "OrvexDoc.h"

namespace {

// The server-mode actions, by index.
enum MergeAction {
  kKeepLocalRenameServer = 0,
  kKeepServerRenameLocal = 1,
  kOverwriteServer = 2,
  kOverwriteLocal = 3,
};

constexpr int kNewAndModified = HvStateNew | HvStateModified;

}  // namespace

BOOL COrvexApp::MergeLocalBODefs() {
  CDataManager* pDM = CDataManager::InitInstance();
  CStringList* pNames = pDM->RefreshBONames(0);
  CBODefMap* pDefs = pDM->GetBODefs(1);
  CDlgImportResults dlg(m_pMainWnd, CDlgImportResults::kServerMode);
  dlg.m_pBONames = pNames;
  for (POSITION pos = m_mapPending.GetStartPosition(); pos != nullptr;) {
    CString name;
    void* pointer = nullptr;
    m_mapPending.GetNextAssoc(pos, name, pointer);
    auto* pDef = static_cast<CQRBusObjDef*>(pointer);
    if (pNames->Find(name) != nullptr) {
      pDef->SetServer(m_pServer);
      dlg.m_arrEntities.Add(new Entity(name, "Business Object", 0, pDef));
    } else {
      pNames->AddTail(name);
      pDefs->SetAt(name, pDef);
    }
  }
  if (dlg.m_arrEntities.IsEmpty()) {
    m_mapPending.RemoveAll();
    return TRUE;
  }
  if (dlg.DoModal() != IDOK) {
    // The session ends again with every definition kept: the set-aside
    // ones are not in the session's map, so a release would free them.
    pDM->Disconnect(TRUE);
    pNames->RemoveAll();
    pDefs->RemoveAll();
    pDM->DisbandObject(nullptr, m_pMainWnd->GetSafeHwnd());
    m_pServer = nullptr;
    m_bConnected = FALSE;
    RestorePendingDefs();
    return FALSE;
  }
  for (INT_PTR i = 0; i < dlg.m_arrEntities.GetSize(); ++i) {
    const Entity* pRow = dlg.m_arrEntities[i];
    MergeRow(pRow->m_strName, pRow->m_strNewName, pRow->m_nAction, static_cast<CQRBusObjDef*>(pRow->m_pObject));
    delete pRow;
  }
  dlg.m_arrEntities.RemoveAll();
  m_mapPending.RemoveAll();
  return TRUE;
}

void COrvexApp::TakeLocalUnderName(const CString& name, CQRBusObjDef* pLocal) {
  CDataManager* pDM = CDataManager::InitInstance();
  CQRBusObjDef* pHeld = pDM->GetBO(name, 0, 0);
  pDM->GetBODefs(1)->SetAt(name, pLocal);
  pLocal->SetServer(m_pServer);
  if (pHeld == nullptr || pHeld == pLocal) return;
  for (const COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) {
    if (pDoc->m_pBODef == pHeld) return;
  }
  delete pHeld;
}

void COrvexApp::MergeRow(const CString& name, const CString& newName, int action, CQRBusObjDef* pLocal) {
  CDataManager* pDM = CDataManager::InitInstance();
  switch (action) {
    case kKeepLocalRenameServer: {
      // The server's definition is copied under the new name before
      // anything under the local name changes.
      CQRBusObjDef* pServerDef = pDM->GetBO(name, 0, 1);
      CQRBusObjDef* pCopy = pServerDef != nullptr ? pDM->GetBO(newName, 1, 1) : nullptr;
      if (pCopy != nullptr) {
        pCopy->Copy(*pServerDef);
        pCopy->AddState(kNewAndModified);
      }
      TakeLocalUnderName(name, pLocal);
      pLocal->AddState(HvStateOnServer | HvStateModified);
      if (pCopy != nullptr) SaveToServer(pCopy);
      break;
    }
    case kKeepServerRenameLocal: {
      CQRBusObjDef* pCopy = pDM->GetBO(newName, 1, 1);
      if (pCopy != nullptr) {
        pCopy->Copy(*pLocal);
        pCopy->AddState(kNewAndModified);
      }
      // The local name now stands for the server's definition.
      TakeLocalUnderName(name, pLocal);
      pLocal->RevertAttrs();
      pLocal->SetState(HvStateOnServer);
      if (pCopy != nullptr) OpenBODefWindow(pCopy);
      pDM->SendRefreshMsg(name);
      break;
    }
    case kOverwriteServer:
      TakeLocalUnderName(name, pLocal);
      pLocal->AddState(HvStateOnServer | HvStateModified);
      SaveToServer(pLocal);
      break;
    case kOverwriteLocal:
      TakeLocalUnderName(name, pLocal);
      pLocal->RevertAttrs();
      pLocal->SetState(HvStateOnServer);
      pDM->SendRefreshMsg(name);
      break;
    default:
      break;
  }
}
