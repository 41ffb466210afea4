// The tab-view base: the per-document commands and the configuration-file
// writer.
#include "KestrunView.h"

#include <DlgConnectorDefine.h>
#include <UtilMessageBox.h>

#include "ChildFrame.h"
#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "DlgSaveAsToFile.h"
#include "FileKinds.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "MainFrame.h"
#include "resource.h"

namespace {

constexpr const char* kSaveTitle = "Save File Connector";
constexpr const char* kSaveAsTitle = "Save File As Connector";
constexpr const char* kQvsSaveFilter = "Configuration (*.cfg)|*.cfg|QVS Repository (*.out)|*.out||";
constexpr const char* kKbrxSaveFilter = "Configuration (*.cfg)|*.cfg|";
constexpr const char* kRepositorySaved = "Save connector repository file was successful";
constexpr const char* kRepositoryFailed = "Save connector repository file was failed";
constexpr const char* kConfigSaved = "Save configuration file was successful";
constexpr const char* kValidationFailed = "Validation failed ...";
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

CMainFrame* MainFrame() {
  CKestrunApp* pApp = GetKestrunApp();
  return pApp != nullptr ? pApp->GetMainFrame() : nullptr;
}

// The name and server connector a rename changes, put back when the write
// under the new name fails.
class CRenameUndo {
 public:
  explicit CRenameUndo(CKestrunDoc& doc)
      : m_doc(doc), m_strName(doc.m_strName), m_pServer(doc.GetConnector()->m_pServerConnector) {}
  void Undo() {
    CConnector* pConnector = m_doc.GetConnector();
    pConnector->m_strName = m_strName;
    pConnector->m_pServerConnector = m_pServer;
    m_doc.m_strName = m_strName;
    m_doc.RefreshTitle();
  }

 private:
  CKestrunDoc& m_doc;
  CString m_strName;
  CQRConnector* m_pServer;
};

}  // namespace

IMPLEMENT_DYNAMIC(CKestrunView, CFormView)

BEGIN_MESSAGE_MAP(CKestrunView, CFormView)
  ON_COMMAND(ID_FILE_CLOSE, OnCloseConnector)
  ON_COMMAND(ID_SAVE_TO_FILE, OnSaveToFileCommand)
  ON_UPDATE_COMMAND_UI(ID_SAVE_TO_FILE, OnUpdateHasDocument)
  ON_COMMAND(ID_SAVE_AS_TO_FILE, OnSaveAsToFileCommand)
  ON_UPDATE_COMMAND_UI(ID_SAVE_AS_TO_FILE, OnUpdateHasDocument)
  ON_COMMAND(ID_SAVE_AS_TO_SERVER, OnSaveAsToServerCommand)
  ON_UPDATE_COMMAND_UI(ID_SAVE_AS_TO_SERVER, OnUpdateServerSave)
  ON_COMMAND(ID_SAVE_TO_SERVER, OnSaveToServerCommand)
  ON_UPDATE_COMMAND_UI(ID_SAVE_TO_SERVER, OnUpdateServerSave)
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CKestrunView::CKestrunView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

CKestrunView::~CKestrunView() = default;

CKestrunDoc* CKestrunView::GetDocument() const { return DYNAMIC_DOWNCAST(CKestrunDoc, m_pDocument); }

CConnector* CKestrunView::GetConnector() const {
  const CKestrunDoc* pDoc = GetDocument();
  return pDoc != nullptr ? pDoc->GetConnector() : nullptr;
}

void CKestrunView::ApplyToServer(CQRConnector*) {}

BOOL CKestrunView::AppendConfigText(CString&) { return TRUE; }

BOOL CKestrunView::Validate() { return TRUE; }

void CKestrunView::OnDraw(CDC*) {}

BOOL CKestrunView::PreCreateWindow(CREATESTRUCT& cs) {
  cs.cx = kViewWidth;
  cs.cy = kViewHeight;
  return CFormView::PreCreateWindow(cs);
}

BOOL CKestrunView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

void CKestrunView::AddResultLine(const CString& line) {
  if (CMainFrame* pFrame = MainFrame()) pFrame->GetResultsView().AddLine(line);
}

// --- The configuration-file writer -------------------------------------------------

BOOL CKestrunView::WriteConfigFile(const CString& path, CKestrunDoc* pDoc) {
  CWaitCursor wait;
  CKestrunApp* pApp = GetKestrunApp();
  CConnector* pConnector = pDoc != nullptr ? pDoc->GetConnector() : nullptr;
  CChildFrame* pFrame = pDoc != nullptr ? pDoc->GetChildFrame() : nullptr;
  if (pApp == nullptr || pApp->GetCodec() == nullptr || pConnector == nullptr || pFrame == nullptr) return FALSE;
  // The whole text first: the file is replaced only once every tab gave
  // its section.
  CString sections;
  for (int i = 0; i < pFrame->GetTabCount(); ++i) {
    CKestrunView* pView = pFrame->GetTabView(i);
    if (pView != nullptr && pView->m_bFilled && !pView->AppendConfigText(sections)) return FALSE;
  }
  if (!pApp->GetCodec()->WriteConfigFile(path, pConnector, sections)) return FALSE;
  pDoc->SetModifiedFlag(FALSE);
  AddResultLine(kConfigSaved);
  return TRUE;
}

// --- Saving -------------------------------------------------------------------------

CConnector* CKestrunView::BeginFileSave() {
  CConnector* pConnector = GetConnector();
  CMainFrame* pFrame = MainFrame();
  if (pConnector == nullptr || pFrame == nullptr) return nullptr;
  pFrame->ShowAndClearResults();
  if (!GetDocument()->ValidateAll()) {
    AddResultLine(kValidationFailed);
    return nullptr;
  }
  return pConnector;
}

BOOL CKestrunView::OnSaveToFile() {
  CKestrunDoc* pDoc = GetDocument();
  CConnector* pConnector = BeginFileSave();
  if (pConnector == nullptr) return FALSE;
  if (!pDoc->m_strPath.IsEmpty()) {
    if (pDoc->m_nFileKind == FILE_KIND_CONFIG) return WriteConfigFile(pDoc->m_strPath, pDoc);
    if (pConnector->m_nType == CONNECTOR_QVS) {
      if (!GetKestrunApp()->GetCodec()->WriteRepositoryFile(pDoc->m_strPath, pConnector)) {
        AddResultLine(kRepositoryFailed);
        return FALSE;
      }
      pDoc->SetModifiedFlag(FALSE);
      AddResultLine(kRepositorySaved);
      return TRUE;
    }
  }
  const bool qvs = pConnector->m_nType == CONNECTOR_QVS;
  CFileDialog dlg(FALSE, "*.cfg", pDoc->m_strName, OFN_HIDEREADONLY | OFN_SHOWHELP,
                  qvs ? kQvsSaveFilter : kKbrxSaveFilter, this);
  dlg.m_ofn.lpstrTitle = kSaveTitle;
  if (dlg.DoModal() != IDOK) return FALSE;
  return SaveByExtension(dlg.GetPathName(), FALSE);
}

BOOL CKestrunView::OnSaveAsToFile() {
  CKestrunDoc* pDoc = GetDocument();
  CConnector* pConnector = BeginFileSave();
  if (pConnector == nullptr) return FALSE;
  const bool qvs = pConnector->m_nType == CONNECTOR_QVS;
  CDlgSaveAsToFile dlg(FALSE, "*.cfg", pDoc->m_strName, OFN_SHOWHELP, qvs ? kQvsSaveFilter : kKbrxSaveFilter, this);
  dlg.m_ofn.lpstrTitle = kSaveAsTitle;
  if (dlg.DoModal() != IDOK) return FALSE;
  CRenameUndo undo(*pDoc);
  if (dlg.IsRenameChecked()) pDoc->Rename(dlg.GetFileTitle());
  if (SaveByExtension(dlg.GetPathName(), TRUE)) return TRUE;
  undo.Undo();
  return FALSE;
}

BOOL CKestrunView::SaveByExtension(CString path, BOOL bAs) {
  CKestrunDoc* pDoc = GetDocument();
  CConnector* pConnector = GetConnector();
  CString ext = FileExtension(path);
  if (ext.IsEmpty()) {
    path = WithConfigExtension(path);
    ext = FileExtension(path);
  }
  if (IsConfigExtension(ext)) {
    if (!WriteConfigFile(path, pDoc)) return FALSE;
    pDoc->m_strPath = path;
    pDoc->m_nFileKind = FILE_KIND_CONFIG;
    return TRUE;
  }
  if (IsRepositoryExtension(ext)) {
    // The codec refuses a KBRX connector with its own message.
    if (!GetKestrunApp()->GetCodec()->WriteRepositoryFile(path, pConnector)) {
      AddResultLine(kRepositoryFailed);
      return FALSE;
    }
    pDoc->m_strPath = path;
    pDoc->m_nFileKind = FILE_KIND_REPOSITORY;
    if (!bAs) {
      pDoc->SetModifiedFlag(FALSE);
      AddResultLine(kRepositorySaved);
    }
    return TRUE;
  }
  FormatMessageBox(MB_ICONEXCLAMATION, "The connector cannot be saved as '%s': choose a configuration file (.cfg)%s.",
                   static_cast<LPCTSTR>(path),
                   pConnector->m_nType == CONNECTOR_QVS ? " or a repository file (.out)" : "");
  return FALSE;
}

BOOL CKestrunView::OnSaveToServer() {
  CWaitCursor wait;
  CKestrunDoc* pDoc = GetDocument();
  return pDoc != nullptr && pDoc->SaveToServer() ? TRUE : FALSE;
}

BOOL CKestrunView::OnSaveAsToServer() {
  CKestrunDoc* pDoc = GetDocument();
  const CKestrunApp* pApp = GetKestrunApp();
  if (GetConnector() == nullptr || pApp == nullptr || !pApp->IsConnected() || !pDoc->IsQvsMode()) return FALSE;
  CDlgConnectorDefine dlg(CDataManager::InitInstance(), HvObjConnector, this);
  dlg.m_strName = pDoc->m_strName;
  dlg.m_strTitle = "Save As Connector";
  if (dlg.DoModal() != IDOK) return FALSE;
  CString name = dlg.m_strName;
  name.Trim();
  if (!pDoc->Rename(name)) return FALSE;
  return pDoc->SaveToServer() ? TRUE : FALSE;
}

// --- Commands ---------------------------------------------------------------------

void CKestrunView::OnCloseConnector() {
  if (auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, GetParentFrame())) pFrame->OnCloseConnector();
}

void CKestrunView::OnSaveToFileCommand() { OnSaveToFile(); }

void CKestrunView::OnSaveAsToFileCommand() { OnSaveAsToFile(); }

void CKestrunView::OnSaveToServerCommand() { OnSaveToServer(); }

void CKestrunView::OnSaveAsToServerCommand() { OnSaveAsToServer(); }

void CKestrunView::OnUpdateHasDocument(CCmdUI* pCmdUI) { pCmdUI->Enable(GetDocument() != nullptr); }

void CKestrunView::OnUpdateServerSave(CCmdUI* pCmdUI) {
  const CKestrunApp* pApp = GetKestrunApp();
  const CKestrunDoc* pDoc = GetDocument();
  pCmdUI->Enable(pApp != nullptr && pApp->IsConnected() && pDoc != nullptr && pDoc->IsQvsMode());
}
