#include "grid_print_view.h"

#include "mfc_test.h"

namespace {

class CGridPrintDoc : public CDocument {
  DECLARE_DYNCREATE(CGridPrintDoc)
};
IMPLEMENT_DYNCREATE(CGridPrintDoc, CDocument)

}  // namespace

IMPLEMENT_DYNAMIC(CGridPrintView, CView)

BEGIN_MESSAGE_MAP(CGridPrintView, CView)
  ON_WM_CREATE()
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

int CGridPrintView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CView::OnCreate(lpCreateStruct) == -1) return -1;
  if (!Grid().Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), this, 1001)) return -1;
  Grid().Initialize();
  FillGrid();
  return 0;
}

namespace halvane::test {

CFrameWnd* OpenGridPrintFrame(CRuntimeClass* pViewClass, const char* title) {
  auto* frame = new CFrameWnd;
  if (!CreateDocFrame(*frame, new CGridPrintDoc, pViewClass, title)) return nullptr;
  frame->SetActiveView(dynamic_cast<CView*>(frame->GetDlgItem(AFX_IDW_PANE_FIRST)));
  return frame;
}

}  // namespace halvane::test
