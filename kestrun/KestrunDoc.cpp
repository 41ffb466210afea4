#include "KestrunDoc.h"

#include <UtilMessageBox.h>

#include "ChildFrame.h"
#include "Connector.h"
#include "KestrunApp.h"
#include "KestrunView.h"
#include "MainFrame.h"
#include "resource.h"

namespace {

constexpr const char* kQvsPrefix = "QVS - ";
constexpr const char* kKbrxPrefix = "KBRX - ";

void AddResultLine(const CString& line) {
  CKestrunApp* pApp = GetKestrunApp();
  if (CMainFrame* pFrame = pApp != nullptr ? pApp->GetMainFrame() : nullptr) pFrame->GetResultsView().AddLine(line);
}

// A numbered result line with the connector's name for its %1.
void AddNamedLine(UINT id, const CString& name) {
  CString line;
  line.FormatMessage(id, name);
  AddResultLine(line);
}

}  // namespace

IMPLEMENT_DYNCREATE(CKestrunDoc, CDocument)

CKestrunDoc::CKestrunDoc() = default;

CKestrunDoc::~CKestrunDoc() = default;

void CKestrunDoc::SetConnector(std::unique_ptr<CConnector> pConnector) {
  if (pConnector == nullptr) return;
  m_pConnector = std::move(pConnector);
  m_strName = m_pConnector->m_strName;
  m_bQvsMode = m_pConnector->m_nType == CONNECTOR_QVS;
}

void CKestrunDoc::SetTitle(LPCTSTR lpszTitle) {
  if (m_pConnector == nullptr) {
    CDocument::SetTitle(lpszTitle);
    return;
  }
  CString title = m_bQvsMode ? kQvsPrefix : kKbrxPrefix;
  title += lpszTitle != nullptr && *lpszTitle != '\0' ? CString(lpszTitle) : m_strName;
  if (m_pConnector->IsModified()) title += "*";
  CDocument::SetTitle(title);
}

CString CKestrunDoc::GetDisplayName() const { return CString(m_bQvsMode ? kQvsPrefix : kKbrxPrefix) + m_strName; }

BOOL CKestrunDoc::IsModified() {
  if (m_pConnector != nullptr && m_pConnector->IsModified()) m_bModified = TRUE;
  return m_bModified;
}

void CKestrunDoc::SetModifiedFlag(BOOL bModified) {
  if (m_pConnector != nullptr) {
    if (bModified) {
      m_pConnector->m_nFlags |= CONNECTOR_MODIFIED;
    } else {
      m_pConnector->m_nFlags &= ~CONNECTOR_MODIFIED;
    }
  }
  CDocument::SetModifiedFlag(bModified);
  RefreshTitle();
}

BOOL CKestrunDoc::SaveModified() { return TRUE; }

BOOL CKestrunDoc::DoSave(LPCTSTR, BOOL) { return FALSE; }

CChildFrame* CKestrunDoc::GetChildFrame() const {
  POSITION pos = GetFirstViewPosition();
  CView* pView = pos != nullptr ? GetNextView(pos) : nullptr;
  return pView != nullptr ? DYNAMIC_DOWNCAST(CChildFrame, pView->GetParentFrame()) : nullptr;
}

bool CKestrunDoc::ValidateAll() {
  CChildFrame* pFrame = GetChildFrame();
  if (m_pConnector == nullptr || pFrame == nullptr) return false;
  // Every tab reports its problems, also after the first failure.
  bool valid = true;
  for (int i = 0; i < pFrame->GetTabCount(); ++i) {
    CKestrunView* pView = pFrame->GetTabView(i);
    if (pView != nullptr && !pView->Validate()) valid = false;
  }
  return valid;
}

bool CKestrunDoc::SaveToServer() {
  CWaitCursor wait;
  if (m_pConnector == nullptr) return false;
  if (!m_bQvsMode) {
    AddNamedLine(IDS_NOT_A_HALVANE_CONNECTOR, m_strName);
    return false;
  }
  const CKestrunApp* pApp = GetKestrunApp();
  if (pApp == nullptr || !pApp->IsConnected()) return false;
  AddNamedLine(IDS_VALIDATING_CONNECTOR, m_strName);
  if (!ValidateAll()) {
    AddNamedLine(IDS_CONNECTOR_INVALID, m_strName);
    AddNamedLine(IDS_CONNECTOR_NOT_SAVED, m_strName);
    return false;
  }
  AddNamedLine(IDS_CONNECTOR_VALID, m_strName);
  AddNamedLine(IDS_SAVING_CONNECTOR, m_strName);
  CQRConnector* pServer = m_pConnector->GetServerConnector();
  if (pServer == nullptr) {
    FormatMessageBox(MB_ICONEXCLAMATION, "Cannot create the connector %s in the QVS server!",
                     static_cast<LPCTSTR>(m_pConnector->m_strName));
    AddNamedLine(IDS_CONNECTOR_SAVE_FAILED, m_strName);
    return false;
  }
  for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
    if (auto* pView = DYNAMIC_DOWNCAST(CKestrunView, GetNextView(pos))) pView->ApplyToServer(pServer);
  }
  const bool saved = pServer->Save() != 0;
  if (saved) {
    SetModifiedFlag(FALSE);
    AddNamedLine(IDS_CONNECTOR_SAVED, m_strName);
  } else {
    AddNamedLine(IDS_CONNECTOR_SAVE_FAILED, m_strName);
    RefreshTitle();
  }
  return saved;
}

bool CKestrunDoc::Rename(const CString& name) {
  if (name.CompareNoCase(m_strName) == 0) return true;
  if (m_pConnector == nullptr) return false;
  m_pConnector->SetName(name);
  m_strName = name;
  RefreshTitle();
  return true;
}

void CKestrunDoc::SwitchTabSet() {
  // The document's own window, whichever window is active.
  if (CChildFrame* pFrame = GetChildFrame()) {
    if (m_bQvsMode) {
      pFrame->SwitchToQvsTabs();
    } else {
      pFrame->SwitchToKbrxTabs();
    }
  }
  RefreshTitle();
}
