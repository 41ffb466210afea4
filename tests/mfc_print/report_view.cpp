#include "report_view.h"

#include "mfc_test.h"

IMPLEMENT_DYNCREATE(CReportDoc, CDocument)
IMPLEMENT_DYNCREATE(CReportView, CView)
IMPLEMENT_DYNCREATE(CReportFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CReportView, CView)
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CReportFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

UINT CReportView::s_nPages = 2;
void (*CReportView::s_onFirstPage)() = nullptr;

std::vector<std::string>& CReportView::Calls() {
  static std::vector<std::string> calls;
  return calls;
}

void CReportView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, RGB(255, 255, 255));
}

BOOL CReportView::OnPreparePrinting(CPrintInfo* pInfo) {
  Calls().push_back("prepare");
  pInfo->SetMaxPage(s_nPages);
  return DoPreparePrinting(pInfo);
}

void CReportView::OnBeginPrinting(CDC*, CPrintInfo*) { Calls().push_back("begin"); }

void CReportView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  CView::OnPrepareDC(pDC, pInfo);
  if (pInfo != nullptr) Calls().push_back("dc " + std::to_string(pInfo->m_nCurPage));
}

void CReportView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  Calls().push_back("print " + std::to_string(pInfo->m_nCurPage));
  // A heading an inch from the top left, a third of an inch high, and a
  // frame around the printable area less that inch.
  const int inch = pDC->GetDeviceCaps(LOGPIXELSX);
  CFont font;
  font.CreateFont(-inch / 3, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  CFont* old = pDC->SelectObject(&font);
  const std::string heading = "Page " + std::to_string(pInfo->m_nCurPage) + " of the report";
  pDC->TextOut(inch, inch, heading.c_str(), static_cast<int>(heading.size()));
  pDC->SelectObject(old);
  CRect frame = pInfo->m_rectDraw;
  frame.DeflateRect(inch / 2, inch / 2);
  CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
  pDC->Rectangle(&frame);
  if (oldBrush != nullptr) pDC->SelectObject(oldBrush->m_hObject);
  if (pInfo->m_nCurPage == 1 && s_onFirstPage != nullptr && !pInfo->m_bPreview) s_onFirstPage();
}

void CReportView::OnEndPrinting(CDC*, CPrintInfo*) { Calls().push_back("end"); }

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};

}  // namespace

CReportFrame* CReportFrame::Open() {
  auto* frame = new CReportFrame;
  if (!halvane::test::CreateDocFrame(*frame, new CReportDoc, RUNTIME_CLASS(CReportView), "Report",
                                     MAKEINTRESOURCE(IDR_REPORT)))
    return nullptr;
  frame->SetActiveView(frame->ReportView());
  return frame;
}

CView* CReportFrame::ReportView() const {
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (auto* view = dynamic_cast<CReportView*>(CWnd::FromHandlePermanent(child))) return view;
  }
  return nullptr;
}

int CReportFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // The standard images of print and preview.
  const UINT buttons[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW};
  TBADDBITMAP images{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  if (!m_wndToolBar.Create(this) || !m_wndToolBar.SetButtons(buttons, 2) ||
      m_wndToolBar.SendMessage(TB_ADDBITMAP, 15, reinterpret_cast<LPARAM>(&images)) < 0)
    return -1;
  m_wndToolBar.SetButtonInfo(0, ID_FILE_PRINT, TBBS_BUTTON, STD_PRINT);
  m_wndToolBar.SetButtonInfo(1, ID_FILE_PRINT_PREVIEW, TBBS_BUTTON, STD_PRINTPRE);
  if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 2)) return -1;
  RecalcLayout();
  return 0;
}

IMPLEMENT_DYNCREATE(CReportChild, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CReportsFrame, CMDIFrameWnd)

BOOL CReportsApp::InitInstance() {
  m_pTemplate = new CMultiDocTemplate(IDR_REPORT, RUNTIME_CLASS(CReportDoc), RUNTIME_CLASS(CReportChild),
                                      RUNTIME_CLASS(CReportView));
  AddDocTemplate(m_pTemplate);
  auto* frame = new CReportsFrame;
  if (!frame->LoadFrame(IDR_REPORTS)) return FALSE;
  m_pMainWnd = frame;
  frame->ShowWindow(SW_SHOW);
  return TRUE;
}
