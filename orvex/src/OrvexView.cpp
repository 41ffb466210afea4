// The definition views' base: registration with the data manager, the
// notices, and the window's close and save commands.
#include "OrvexView.h"

#include <gxall.h>

#include "BOImpExp.h"
#include "ChildFrame.h"
#include "DlgBOName.h"
#include "DlgImportFile.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "resource.h"

namespace {

constexpr DWORD kNewModifiedOrInFile = HvStateNew | HvStateModified | HvStateWrittenToFile;
constexpr int kPrintHeaderPoints = 11;

}  // namespace

IMPLEMENT_DYNAMIC(COrvexView, CFormView)

BEGIN_MESSAGE_MAP(COrvexView, CFormView)
  ON_WM_DESTROY()
  ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
  ON_COMMAND(ID_SAVE_TO_SERVER, OnSaveToServer)
  ON_COMMAND(ID_SAVE_TO_FILE, OnSaveToFileCommand)
  ON_COMMAND(ID_SAVE_AS_TO_SERVER, OnSaveAsToServer)
  ON_COMMAND(ID_SAVE_AS_TO_FILE, OnSaveAsToFileCommand)
  ON_COMMAND(ID_SAVE_ALL_TO_SERVER, OnSaveAllToServer)
  ON_MESSAGE(WM_HV_DEF_GONE, OnDefGone)
  ON_MESSAGE(WM_HV_DEF_CLOSE, OnDefClose)
  ON_MESSAGE(WM_HV_DEF_CHANGED, OnDefChanged)
END_MESSAGE_MAP()

COrvexView::COrvexView(UINT nIDTemplate) : CFormView(nIDTemplate) {
  if (COrvexApp* pApp = GetOrvexApp()) m_pMainFrame = pApp->GetMainFrame();
}

COrvexView::~COrvexView() = default;

COrvexDoc* COrvexView::GetDocument() const { return DYNAMIC_DOWNCAST(COrvexDoc, m_pDocument); }

CQRBusObjDef* COrvexView::GetBODef() const {
  const COrvexDoc* pDoc = GetDocument();
  return pDoc != nullptr ? pDoc->m_pBODef : nullptr;
}

void COrvexView::OnBONameAdded(CString) {}

void COrvexView::OnBONameRemoved(CString) {}

void COrvexView::OnBONamesReset() {}

void COrvexView::RefreshFromDef() {}

BOOL COrvexView::WriteGridToTextFile(const char*) { return FALSE; }

void COrvexView::ApplyToDef(CQRBusObjDef*) {}

void COrvexView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  CQRBusObjDef* pDef = GetBODef();
  if (pDef == nullptr) return;
  m_strBOName = pDef->name(0);
  CDataManager::InitInstance()->AddWindowHandle(GetSafeHwnd(), m_strBOName);
}

void COrvexView::OnDestroy() {
  if (!m_strBOName.IsEmpty()) CDataManager::InitInstance()->RemoveView(m_strBOName, GetSafeHwnd());
  CFormView::OnDestroy();
}

// --- Notices ----------------------------------------------------------------------------

void COrvexView::CloseIfNamed(WPARAM wParam, LPARAM lParam) {
  // The notice's own copy of the name is taken (and freed) here.
  const CString name = CDataManager::TakeNoticeName(wParam, lParam);
  if (m_strBOName.IsEmpty() || name != m_strBOName) return;
  if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DestroyWindow();
}

LRESULT COrvexView::OnDefGone(WPARAM wParam, LPARAM lParam) {
  CloseIfNamed(wParam, lParam);
  return 0;
}

LRESULT COrvexView::OnDefClose(WPARAM wParam, LPARAM lParam) {
  CloseIfNamed(wParam, lParam);
  return 0;
}

LRESULT COrvexView::OnDefChanged(WPARAM wParam, LPARAM lParam) {
  CDataManager::TakeNoticeName(wParam, lParam);
  RefreshFromDef();
  return 0;
}

// --- Closing and saving -------------------------------------------------------------

void COrvexView::OnFileClose() {
  if (auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, GetParentFrame())) pFrame->PromptSaveOnClose(FALSE, TRUE);
}

void COrvexView::OnSaveToServer() {
  COrvexDoc* pDoc = GetDocument();
  CQRBusObjDef* pDef = GetBODef();
  if (pDef == nullptr || m_pMainFrame == nullptr) return;
  CWaitCursor wait;
  m_pMainFrame->ShowResults(TRUE);
  pDoc->ApplyViewsToDef(pDef);
  GetOrvexApp()->SaveToServer(pDef);
  pDoc->m_mapBODefs.RemoveAll();
  pDoc->m_mapBODefs.SetAt(pDef->name(0), pDef);
  pDoc->RefreshViews();
}

void COrvexView::OnSaveToFileCommand() { OnSaveToFile(); }

void COrvexView::OnSaveAsToFileCommand() { OnSaveAsToFile(); }

int COrvexView::OnSaveAsToFile() {
  CString path;
  return SaveAsToFile(TRUE, path);
}

int COrvexView::OnSaveToFile() {
  COrvexDoc* pDoc = GetDocument();
  CQRBusObjDef* pDef = GetBODef();
  if (pDoc == nullptr || pDef == nullptr || m_pMainFrame == nullptr) return CBOImpExp::kWriteFailed;
  // The frame may go on the way; what is needed after is held here.
  CMainFrame* pMainFrame = m_pMainFrame;
  const HWND self = GetSafeHwnd();
  CString path = pDoc->m_strFilePath;
  int result = 0;
  if (!path.IsEmpty()) {
    pDoc->ApplyViewsToDef(pDef);
    result = ExportToFile(pDef, path);
    pDoc->RefreshViews();
  } else {
    result = SaveAsToFile(FALSE, path);
  }
  if (result != 0) {
    pMainFrame->SetStatusText("Export failed/cancelled.");
    return result;
  }
  CString status;
  status.Format("Exported to file %s", static_cast<LPCTSTR>(path));
  pMainFrame->SetStatusText(status);
  // A renamed copy took this window's place.
  if (::IsWindow(self) && m_pSavedAsDoc != nullptr) RetireAfterRename();
  return result;
}

int COrvexView::SaveAsToFile(BOOL closeRenamed, CString& path) {
  m_pSavedAsDoc = nullptr;
  COrvexDoc* pDoc = GetDocument();
  CQRBusObjDef* pDef = GetBODef();
  if (pDoc == nullptr || pDef == nullptr) return CBOImpExp::kWriteFailed;
  CString schemaFilter;
  schemaFilter.LoadString(IDS_XSD_FILTER);
  CString filter;
  filter.Format("%s|Text Files (*.in)|*.in|(*.xls)|*.xls|*.txt|*.txt|All Files (*.*)|*.*||",
                static_cast<LPCTSTR>(schemaFilter));
  const CString name = pDef->name(0);
  CDlgImportFile dlg(FALSE, ".txt", name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this, FALSE);
  dlg.m_ofn.lpstrTitle = "Save Business Object to File";
  const HWND self = GetSafeHwnd();
  if (dlg.DoModal() != IDOK || !::IsWindow(self) || (pDef = GetBODef()) == nullptr) return CBOImpExp::kWriteFailed;
  path = dlg.GetPathName();
  // A spreadsheet gets the grid of the tab as tab-separated text, and
  // nothing of the definition is renamed or written.
  if (dlg.GetFileExt().CompareNoCase("xls") == 0) return WriteGridToTextFile(path) ? 0 : CBOImpExp::kWriteFailed;

  pDoc->ApplyViewsToDef(pDef);
  const CString title = dlg.GetFileTitle();
  const BOOL rename = dlg.m_nRename == BST_CHECKED && title != name;
  CDataManager* pDM = CDataManager::InitInstance();
  const BOOL existed = rename && pDM->GetBO(title, 0, 0) != nullptr;
  CQRBusObjDef* pWritten = pDef;
  if (rename) {
    pWritten = pDM->GetBO(title, 1, 1);
    // A server that no longer answers (lost, not yet disconnected) leaves
    // the copy to be made here: the changes still reach the file.
    if (pWritten == nullptr) pWritten = pDM->GetBO(title, 1, 0);
  }
  if (pWritten == nullptr) return CBOImpExp::kWriteFailed;
  if (rename) pWritten->Copy(*pDef);
  pWritten->SetKBRXProperties(CDlgImportFile::GetBrokerProperties());
  pWritten->SetGenerateBrokerFiles(dlg.m_nGenerateBrokerFiles == BST_CHECKED);
  const int result = ExportToFile(pWritten, path);
  if (result != 0) {
    // A copy made for the new name goes again: the window stays as it was.
    if (rename && !existed) pDM->CloseBO(title, nullptr);
    return result;
  }
  COrvexDoc* pWrittenDoc = pDoc;
  if (rename) {
    if (!existed) COrvexDoc::BroadcastToViews(COrvexDoc::kNameAdded, title);
    auto* pView = dynamic_cast<CView*>(GetOrvexApp()->OpenBODefWindow(pWritten));
    m_pSavedAsDoc = pView != nullptr ? DYNAMIC_DOWNCAST(COrvexDoc, pView->GetDocument()) : nullptr;
    pWrittenDoc = m_pSavedAsDoc;
  }
  if (pWrittenDoc != nullptr) pWrittenDoc->m_strFilePath = path;
  pDoc->RefreshViews();
  if (rename && closeRenamed) RetireAfterRename();
  return result;
}

int COrvexView::ExportToFile(CQRBusObjDef* pDef, const CString& path) {
  CBODefArray defs;
  defs.Add(pDef);
  const int result = CBOImpExp().Export(defs, path);
  CString line;
  line.Format("%s saving \"%s\" to file", result == 0 ? "Succeeded" : "Failed", pDef->name(0));
  if (m_pMainFrame != nullptr) m_pMainFrame->AppendResult(line, 2);
  return result;
}

void COrvexView::RetireAfterRename() {
  auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, GetParentFrame());
  if (pFrame == nullptr) return;
  // Reverting a new definition deletes it, and its window with it.
  const HWND frame = pFrame->GetSafeHwnd();
  pFrame->RevertChanges(GetBODef(), FALSE);
  if (!::IsWindow(frame)) return;
  pFrame->m_mapVisitedNames.RemoveAll();
  pFrame->CloseFrame();
}

void COrvexView::OnSaveAsToServer() {
  CQRBusObjDef* pDef = GetBODef();
  if (pDef == nullptr) return;
  CDlgBOName dlg(GetParentFrame());
  const HWND self = GetSafeHwnd();
  if (dlg.DoModal() != IDOK || !::IsWindow(self) || (pDef = GetBODef()) == nullptr) return;
  CWaitCursor wait;
  CDataManager* pDM = CDataManager::InitInstance();
  const BOOL existed = pDM->GetBO(dlg.m_strName, 0, 0) != nullptr;
  CQRBusObjDef* pNew = pDM->GetBO(dlg.m_strName, 1, 1);
  if (pNew == nullptr) return;
  pNew->GetAttrs().DeleteAll();
  pNew->Copy(*pDef);
  if (!dlg.m_strAppInfo.IsEmpty()) pNew->SetAppInfo(dlg.m_strAppInfo);
  GetDocument()->ApplyViewsToDef(pNew);
  if (!GetOrvexApp()->SaveToServer(pNew)) {
    // Both stay as they were: the copy goes again, this window keeps its changes.
    if (!existed) pDM->CloseBO(dlg.m_strName, nullptr);
    return;
  }
  if (!existed) COrvexDoc::BroadcastToViews(COrvexDoc::kNameAdded, dlg.m_strName);
  GetOrvexApp()->OpenBODefWindow(pNew);
  if (::IsWindow(self)) RetireAfterRename();
}

void COrvexView::OnSaveAllToServer() {
  CMainFrame* pMainFrame = m_pMainFrame;
  if (pMainFrame == nullptr) return;
  pMainFrame->ShowResults(TRUE);
  pMainFrame->AppendResult("Validating...", 2);
  COrvexApp* pApp = GetOrvexApp();
  // This window may close on the way: nothing of it is used in the loop.
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) {
    if (!COrvexDoc::IsOpen(pDoc)) continue;
    auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, pDoc->GetFrame());
    CQRBusObjDef* pDef = pDoc->m_pBODef;
    if (pFrame == nullptr || pDef == nullptr) continue;
    const BOOL changed = pFrame->IsModifiedRecursive(pDef, kNewModifiedOrInFile, 0);
    pFrame->m_mapVisitedNames.RemoveAll();
    if (changed) {
      pDoc->ApplyViewsToDef(pDef);
      if (!pApp->ValidateAndSaveBODef(pDef)) {
        pFrame->m_mapVisitedNames.RemoveAll();
        continue;
      }
    }
    pFrame->CloseFrame();
  }
}

namespace {

// A message about a file, which the box names.
void ReportFileMessage(const char* format, const char* path) {
  CString text;
  text.Format(format, path);
  AfxMessageBox(text, MB_OK);
}

}  // namespace

BOOL COrvexView::WriteRowsToTextFile(const char* path, CGXGridCore& grid, ROWCOL lastRow) {
  CFile file;
  if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) {
    ReportFileMessage("File %s could not be opened!", path);
    return FALSE;
  }
  BOOL written = TRUE;
  if (lastRow >= 1) written = grid.CopyTextToFile(file, CGXRange(1, 0, lastRow, grid.GetColCount()));
  file.Close();
  // A full disk lets the file open and then refuses the rows: the caller
  // counts on a box having said so.
  if (!written) ReportFileMessage("File %s could not be written!", path);
  return written;
}

// --- Printing ---------------------------------------------------------------------

void COrvexView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  CGXGridCore* pGrid = GetPrintedGrid();
  CString header;
  header.Format("%s $F", static_cast<LPCTSTR>(m_strBOName));
  CGXData& lines = pGrid->GetParam()->GetProperties()->GetDataHeader();
  lines.Clear();
  lines.StoreStyleRowCol(1, 2,
                         CGXStyle().SetValue(header).SetFont(CGXFont().SetSize(kPrintHeaderPoints).SetBold(TRUE)));
  pGrid->OnGridBeginPrinting(pDC, pInfo);
}

void COrvexView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  CFormView::OnPrepareDC(pDC, pInfo);
  if (pInfo != nullptr) GetPrintedGrid()->OnGridPrepareDC(pDC, pInfo);
}

void COrvexView::OnPrint(CDC* pDC, CPrintInfo* pInfo) { GetPrintedGrid()->OnGridPrint(pDC, pInfo); }

void COrvexView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) { GetPrintedGrid()->OnGridEndPrinting(pDC, pInfo); }
