// The application's commands that create, open and save connector
// documents.
#include <UtilMessageBox.h>
#include <afxdlgs.h>

#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "DlgFileName.h"
#include "DlgOpenConnector.h"
#include "FileKinds.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "KestrunView.h"
#include "MainFrame.h"
#include "NewConnector.h"

namespace {

constexpr const char* kOpenFilter =
    "Configuration (*.cfg)|*.cfg|QVS Repository (*.in; *.out)|*.in; *.out|All Files (*.*)|*.*||";
constexpr const char* kKindConfig = "cfg";
constexpr const char* kKindConnector = "connector";
constexpr const char* kDocumentExists = "The connector '%s' document exists!";

void ReportDocumentExists(const CKestrunDoc& doc) {
  FormatMessageBox(MB_ICONEXCLAMATION, kDocumentExists, static_cast<LPCTSTR>(doc.m_strName));
}

// A document opened from a file or the template starts unmodified.
void SettleLoaded(CKestrunDoc& doc) {
  if (CConnector* pConnector = doc.GetConnector()) pConnector->m_nFlags &= ~CONNECTOR_MODIFIED;
  doc.SetModifiedFlag(FALSE);
}

}  // namespace

// --- New ------------------------------------------------------------------------------

void CKestrunApp::OnFileNew() {
  CNewConnector dlg(m_pMainWnd);
  if (dlg.DoModal() != IDOK || m_pCodec == nullptr) return;
  auto pConnector =
      std::make_unique<CConnector>(dlg.m_strName, dlg.m_nBroker == CONNECTOR_KBRX ? CONNECTOR_KBRX : CONNECTOR_QVS,
                                   CONNECTOR_NEW | CONNECTOR_MODIFIED);
  if (!m_pCodec->ReadNewConnector(CConnectorFileCodec::TemplatePath(), pConnector.get())) {
    FormatMessageBox(MB_ICONEXCLAMATION, "The connector '%s' creates fail!", static_cast<LPCTSTR>(dlg.m_strName));
    return;
  }
  if (CKestrunDoc* pDoc = OpenConnectorWindow(std::move(pConnector))) pDoc->RefreshTitle();
}

// --- Open from a file -------------------------------------------------------------------

void CKestrunApp::OnFileOpen() {
  CFileDialog dlg(TRUE, ".cfg", nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHOWHELP,
                  kOpenFilter, m_pMainWnd);
  dlg.m_ofn.lpstrTitle = "Open File Connector";
  if (dlg.DoModal() != IDOK || m_pCodec == nullptr) return;
  const CString path = dlg.GetPathName();
  CString kind = FileExtension(path);
  if (!IsConfigExtension(kind) && !IsRepositoryExtension(kind)) {
    if (m_pCodec->IsConfigurationFile(path)) {
      kind = kKindConfig;
    } else if (m_pCodec->IsRepositoryFile(path)) {
      kind = "in";
    } else if (m_pCodec->IsConnectorFile(path)) {
      kind = kKindConnector;
    } else {
      AfxMessageBox("The file is not a connector repository or configuration file!", MB_ICONEXCLAMATION);
      return;
    }
  }
  LoadConnectorFile(path, kind);
}

CKestrunDoc* CKestrunApp::OpenLoadedConnector(std::unique_ptr<CConnector> pConnector) {
  if (CKestrunDoc* pOpen = FindConnectorDocument(pConnector->m_strName, pConnector->m_nType)) {
    ReportDocumentExists(*pOpen);
    return nullptr;
  }
  CKestrunDoc* pDoc = OpenConnectorWindow(std::move(pConnector));
  if (pDoc != nullptr) SettleLoaded(*pDoc);
  return pDoc;
}

void CKestrunApp::OpenRepositoryConnectors(std::vector<std::unique_ptr<CConnector>> connectors) {
  for (auto it = connectors.rbegin(); it != connectors.rend(); ++it) OpenLoadedConnector(std::move(*it));
}

bool CKestrunApp::LoadConnectorFile(const CString& path, const CString& kind) {
  if (m_pCodec == nullptr) return false;
  if (kind.CompareNoCase(kKindConfig) == 0) {
    auto pConnector = std::make_unique<CConnector>("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
    if (!m_pCodec->ReadConfigFile(path, pConnector.get())) return false;
    CKestrunDoc* pDoc = OpenLoadedConnector(std::move(pConnector));
    if (pDoc == nullptr) return false;
    pDoc->m_strPath = path;
    pDoc->m_nFileKind = FILE_KIND_CONFIG;
    return true;
  }
  if (IsRepositoryExtension(kind)) {
    CConnectorArray read;
    const BOOL ok = m_pCodec->ReadRepositoryFile(path, read);
    std::vector<std::unique_ptr<CConnector>> connectors;
    for (INT_PTR i = 0; i < read.GetSize(); ++i) connectors.emplace_back(read[i]);
    if (!ok) {
      AfxMessageBox("Could not load Pellisk file. Please verify the format of the file.", MB_ICONEXCLAMATION);
      return false;
    }
    OpenRepositoryConnectors(std::move(connectors));
    return true;
  }
  if (kind.CompareNoCase(kKindConnector) == 0) {
    CConnector* pRead = nullptr;
    m_pCodec->ReadRepositoryConnector(path, pRead);
    std::unique_ptr<CConnector> pConnector(pRead);
    if (pConnector == nullptr) {
      AfxMessageBox("Load connector repository error!", MB_ICONEXCLAMATION);
      return false;
    }
    OpenLoadedConnector(std::move(pConnector));
    return true;
  }
  return false;
}

// --- Open from the server ---------------------------------------------------------------

void CKestrunApp::OnOpenFromServer() {
  CDlgOpenConnector dlg(1, nullptr);
  if (dlg.DoModal() != IDOK) return;
  CDataManager* pDM = CDataManager::InitInstance();
  for (INT_PTR i = 0; i < dlg.m_arrSelected.GetSize(); ++i) {
    const CString& name = dlg.m_arrSelected[i];
    if (CKestrunDoc* pOpen = FindConnectorDocument(name, CONNECTOR_QVS)) {
      ReportDocumentExists(*pOpen);
      continue;
    }
    CQRConnector* pServer = pDM->GetConnector(name);
    if (pServer == nullptr) {
      FormatMessageBox(MB_ICONEXCLAMATION, "The server has no connector '%s' any more.", static_cast<LPCTSTR>(name));
      continue;
    }
    auto pConnector = std::make_unique<CConnector>(pServer);
    CString status;
    status.Format("Opening Connector %s ...", static_cast<LPCTSTR>(name));
    SetStatusText(status);
    if (CKestrunDoc* pDoc = OpenConnectorWindow(std::move(pConnector))) pDoc->RefreshTitle();
    status.Format("Opened Connector %s", static_cast<LPCTSTR>(name));
    SetStatusText(status);
  }
}

// --- Save all ------------------------------------------------------------------------------

void CKestrunApp::OnSaveAllToFile() {
  CMainFrame* pFrame = GetMainFrame();
  if (pFrame == nullptr) return;
  CResultsView& results = pFrame->GetResultsView();
  pFrame->ShowAndClearResults();
  const std::vector<CKestrunDoc*> docs = GetDocuments();
  CDlgFileName dlg(m_pMainWnd);
  for (CKestrunDoc* pDoc : docs) {
    if (!pDoc->ValidateAll()) {
      results.AddLine("Validation failed ...");
      return;
    }
    // Configuration text goes only into a configuration file.
    CString proposal = pDoc->m_strName + ".cfg";
    if (!pDoc->m_strPath.IsEmpty())
      proposal = pDoc->m_nFileKind == FILE_KIND_CONFIG ? pDoc->m_strPath : WithConfigExtension(pDoc->m_strPath);
    dlg.m_rows.Add(CFileNameRow{pDoc->GetDisplayName(), proposal});
  }
  if (dlg.DoModal() != IDOK) return;
  pFrame->ShowAndClearResults();
  results.AddLine("Saving To File...");
  bool allSaved = true;
  for (size_t i = 0; i < docs.size(); ++i) {
    CKestrunDoc* pDoc = docs[i];
    const CString& path = dlg.m_rows[static_cast<INT_PTR>(i)].m_strPath;
    if (CKestrunView::WriteConfigFile(path, pDoc)) {
      pDoc->m_strPath = path;
      pDoc->m_nFileKind = FILE_KIND_CONFIG;
      continue;
    }
    allSaved = false;
    CString line;
    line.Format("Connector '%s' was not saved to the file '%s'.", static_cast<LPCTSTR>(pDoc->m_strName),
                static_cast<LPCTSTR>(path));
    results.AddLine(line);
  }
  results.AddLine(allSaved ? "Saving To File Completed" : "Saving To File Failed");
}

void CKestrunApp::OnUpdateSaveAllToFile(CCmdUI* pCmdUI) { pCmdUI->Enable(!GetDocuments().empty()); }

void CKestrunApp::OnSaveAllToServer() {
  CMainFrame* pFrame = GetMainFrame();
  if (pFrame == nullptr) return;
  CResultsView& results = pFrame->GetResultsView();
  pFrame->ShowAndClearResults();
  results.AddLine("Saving To Server...");
  bool allSaved = true;
  for (CKestrunDoc* pDoc : GetDocuments()) {
    // A KBRX connector is never saved to the server; that is no failure.
    if (!pDoc->SaveToServer() && pDoc->IsQvsMode()) allSaved = false;
  }
  results.AddLine(allSaved ? "Saving To QVS Server Completed" : "Saving To QVS Server Failed");
}

void CKestrunApp::OnUpdateSaveAllToServer(CCmdUI* pCmdUI) {
  bool anyQvs = false;
  for (CKestrunDoc* pDoc : GetDocuments()) anyQvs = anyQvs || pDoc->IsQvsMode();
  pCmdUI->Enable(IsConnected() && anyQvs);
}
