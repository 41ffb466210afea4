#include "GridTabView.h"

#include <afxdlgs.h>

#include <algorithm>

#include "ConnectorFileCodec.h"
#include "KestrunApp.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CGridTabView, CKestrunView)

BEGIN_MESSAGE_MAP(CGridTabView, CKestrunView)
  ON_WM_SIZE()
  ON_COMMAND(ID_DELETE_ROW, OnDeleteRow)
  ON_UPDATE_COMMAND_UI(ID_DELETE_ROW, OnUpdateDeleteRow)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreviewWait)
END_MESSAGE_MAP()

CGridTabView::CGridTabView(UINT nIDTemplate, UINT nGridID) : CKestrunView(nIDTemplate), m_nGridID(nGridID) {}

CGridTabView::~CGridTabView() = default;

void CGridTabView::OnInitialUpdate() {
  CKestrunView::OnInitialUpdate();
  CConnectorGrid& grid = Grid();
  if (grid.GetSafeHwnd() == nullptr && grid.SubclassDlgItem(m_nGridID, this)) grid.Initialize();
  CRect client;
  GetClientRect(&client);
  LayoutControls(client.Width(), client.Height());
}

void CGridTabView::OnUpdate(CView* pSender, LPARAM, CObject*) {
  if (pSender == nullptr || m_bFilled || Grid().GetSafeHwnd() == nullptr) return;
  FillGrid();
  m_bFilled = TRUE;
}

void CGridTabView::FillGrid() {}

BOOL CGridTabView::AppendPropertySection(CString& text, const CString& savingLine, PropertySectionWriter writer) {
  CConnector* connector = GetConnector();
  CConnectorFileCodec* codec = GetKestrunApp() != nullptr ? GetKestrunApp()->GetCodec() : nullptr;
  if (connector == nullptr || codec == nullptr) return FALSE;
  AddResultLine(savingLine);
  CConnectorGrid& grid = Grid();
  if (grid.GetSafeHwnd() != nullptr) grid.TransferCurrentCell();
  CString error;
  if (writer(*codec, *connector, text, error)) return TRUE;
  CConnectorFileCodec::ReportFileError(error);
  return FALSE;
}

void CGridTabView::OnSize(UINT nType, int cx, int cy) {
  CKestrunView::OnSize(nType, cx, cy);
  LayoutControls(cx, cy);
}

void CGridTabView::LayoutControls(int cx, int cy) {
  CConnectorGrid& grid = Grid();
  if (grid.GetSafeHwnd() != nullptr) {
    CRect rect;
    grid.GetWindowRect(&rect);
    ScreenToClient(&rect);
    grid.MoveWindow(rect.left, rect.top, std::max(0, cx - kMarginRight - rect.left),
                    std::max(0, cy - kMarginBottom - rect.top));
  }
  // The controls follow the tab: the form never scrolls.
  SetScrollSizes(MM_TEXT, CSize(0, 0));
}

void CGridTabView::OnDeleteRow() {
  if (Grid().GetSafeHwnd() != nullptr && Grid().CanDeleteRows()) Grid().DeleteSelectedRows();
}

void CGridTabView::OnUpdateDeleteRow(CCmdUI* pCmdUI) {
  pCmdUI->Enable(Grid().GetSafeHwnd() != nullptr && Grid().CanDeleteRows());
}

void CGridTabView::OnFilePrintPreviewWait() {
  CWaitCursor wait;
  CView::OnFilePrintPreview();
}

BOOL CGridTabView::PreparePrintingWithSelection(CPrintInfo* pInfo) {
  pInfo->SetMaxPage(0xFFFF);
  pInfo->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
  return DoPreparePrinting(pInfo);
}

void CGridTabView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) { Grid().OnGridBeginPrinting(pDC, pInfo); }

void CGridTabView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  CKestrunView::OnPrepareDC(pDC, pInfo);
  if (pInfo != nullptr) Grid().OnGridPrepareDC(pDC, pInfo);
}

void CGridTabView::OnPrint(CDC* pDC, CPrintInfo* pInfo) { Grid().OnGridPrint(pDC, pInfo); }

void CGridTabView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) { Grid().OnGridEndPrinting(pDC, pInfo); }
