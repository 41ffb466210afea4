// The application object's session with the server: connecting (with the
// definitions opened without a server set aside meanwhile), disconnecting
// and the program's own clipboard object. Saving is in OrvexAppSave.cpp.
#include <Constants.h>

#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"

namespace {

bool ListHas(const CStringList& list, const CString& name) { return list.Find(name) != nullptr; }

}  // namespace

BOOL COrvexApp::ConnectToServer(CString server, CString user, CString password) {
  CWaitCursor wait;
  CString status;
  status.Format("Connecting to server %s ...", static_cast<LPCTSTR>(server));
  SetStatusText(status);
  const BOOL setAside = SetAsidePendingDefs();
  CDataManager* pDM = CDataManager::InitInstance();
  m_pServer = DYNAMIC_DOWNCAST(CQRServer, pDM->GetObject(HvObjServer, server, 1));
  if (!pDM->LogToServer(server, user, password)) {
    AfxMessageBox("Failed to connect to server", MB_OKCANCEL);
    m_pServer = nullptr;
    RestorePendingDefs();
    SetStatusText("");
    return FALSE;
  }
  m_bConnected = TRUE;
  if (setAside && !MergeLocalBODefs()) {
    SetStatusText("");
    return FALSE;
  }
  if (COrvexDoc::GetOpenCount() > 0) COrvexDoc::BroadcastToViews(COrvexDoc::kNamesReset, "");
  pDM->UniteObject(nullptr, m_pMainWnd->GetSafeHwnd());
  status.Format("Connected to server %s", static_cast<LPCTSTR>(server));
  SetStatusText(status);
  if (CMainFrame* pFrame = GetMainFrame()) pFrame->SetServerPaneText(server);
  return TRUE;
}

BOOL COrvexApp::SetAsidePendingDefs() {
  CDataManager* pDM = CDataManager::InitInstance();
  CBODefMap* pDefs = pDM->GetBODefs(1);
  CStringList* pNames = pDM->RefreshBONames(0);
  m_mapPending.RemoveAll();
  if (pDefs->IsEmpty()) return FALSE;
  for (POSITION pos = pDefs->GetStartPosition(); pos != nullptr;) {
    CString name;
    CQRBusObjDef* pDef = nullptr;
    pDefs->GetNextAssoc(pos, name, pDef);
    m_mapPending.SetAt(name, pDef);
  }
  pDefs->RemoveAll();
  pNames->RemoveAll();
  return TRUE;
}

void COrvexApp::RestorePendingDefs() {
  CDataManager* pDM = CDataManager::InitInstance();
  CBODefMap* pDefs = pDM->GetBODefs(1);
  CStringList* pNames = pDM->RefreshBONames(0);
  for (POSITION pos = m_mapPending.GetStartPosition(); pos != nullptr;) {
    CString name;
    void* pointer = nullptr;
    m_mapPending.GetNextAssoc(pos, name, pointer);
    auto* pDef = static_cast<CQRBusObjDef*>(pointer);
    if (name.IsEmpty() || pDef == nullptr) continue;
    pDef->SetServer(nullptr);
    pDefs->SetAt(name, pDef);
    if (!ListHas(*pNames, name)) pNames->AddTail(name);
  }
  m_mapPending.RemoveAll();
}

void COrvexApp::Disconnect(bool keepDefinitions) {
  CDataManager* pDM = CDataManager::InitInstance();
  if (m_bConnected && m_pServer != nullptr) {
    pDM->Disconnect(keepDefinitions);
    pDM->DisbandObject(nullptr, m_pMainWnd->GetSafeHwnd());
    m_pServer = nullptr;
    m_bConnected = FALSE;
    if (CMainFrame* pFrame = GetMainFrame()) pFrame->SetServerPaneText("");
  } else {
    pDM->ReleaseBODefs();
    // Windows may still show definitions; the instance goes only when
    // none is open (the next InitInstance makes a new one).
    if (COrvexDoc::GetOpenCount() == 0) delete pDM;
  }
  ReleaseClipboardObject();
}

void COrvexApp::ReleaseClipboardObject() {
  const UINT format = ::RegisterClipboardFormat(g_strClipboardFormat);
  if (!::OpenClipboard(m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr)) return;
  if (::IsClipboardFormatAvailable(format)) {
    // Only a record this process made names an object of its own.
    delete CQRObj::FromClipboardData(::GetClipboardData(format), QR_CLIPBOARD_BODEF);
  }
  ::EmptyClipboard();
  ::CloseClipboard();
}
