#include "frames_app.h"

#include "frame_bars.h"

std::vector<std::string>& RouteLog() {
  static std::vector<std::string> log;
  return log;
}

namespace {

BOOL LogRoute(const char* who) {
  RouteLog().emplace_back(who);
  // Go on routing so that every level is seen.
  return FALSE;
}

}  // namespace

IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)

BEGIN_MESSAGE_MAP(CNoteDoc, CDocument)
  ON_COMMAND(ID_NOTE_TOUCH, OnNoteTouch)
  ON_UPDATE_COMMAND_UI(ID_NOTE_TOUCH, OnUpdateNoteTouch)
  ON_COMMAND_EX(ID_ROUTE_PROBE, OnRouteProbe)
END_MESSAGE_MAP()

BOOL CNoteDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  ++m_newCalls;
  return TRUE;
}

void CNoteDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_text << m_stamps;
  } else {
    ar >> m_text >> m_stamps;
  }
}

void CNoteDoc::DeleteContents() {
  m_text.Empty();
  m_stamps = 0;
}

void CNoteDoc::OnNoteTouch() {
  m_bTouched = !m_bTouched;
  SetModifiedFlag();
}

void CNoteDoc::OnUpdateNoteTouch(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bTouched ? 1 : 0); }

BOOL CNoteDoc::OnRouteProbe(UINT) { return LogRoute("document"); }

IMPLEMENT_DYNCREATE(CNoteView, CView)

BEGIN_MESSAGE_MAP(CNoteView, CView)
  ON_COMMAND(ID_NOTE_STAMP, OnNoteStamp)
  ON_COMMAND(ID_NOTE_RENAME, OnNoteRename)
  ON_COMMAND_EX(ID_ROUTE_PROBE, OnRouteProbe)
END_MESSAGE_MAP()

void CNoteView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, RGB(255, 255, 240));
  const CString text = GetDocument() != nullptr ? GetDocument()->GetTitle() + ": " + GetDocument()->m_text : CString();
  pDC->TextOut(8, 8, text);
}

void CNoteView::OnInitialUpdate() {
  ++m_initialUpdates;
  CView::OnInitialUpdate();
}

void CNoteView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
  ++m_updates;
  CView::OnUpdate(pSender, lHint, pHint);
}

void CNoteView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  if (bActivate) ++m_activations;
  CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CNoteView::OnNoteStamp() {
  CNoteDoc* pDoc = GetDocument();
  ++pDoc->m_stamps;
  pDoc->m_text += "*";
  pDoc->SetModifiedFlag();
  pDoc->UpdateAllViews(this);
}

void CNoteView::OnNoteRename() {
  CRenameDlg dlg(this);
  dlg.m_name = GetDocument()->GetTitle();
  if (dlg.DoModal() == IDOK) GetDocument()->SetTitle(dlg.m_name);
}

BOOL CNoteView::OnRouteProbe(UINT) { return LogRoute("view"); }

IMPLEMENT_DYNCREATE(CNoteForm, CFormView)

CNoteForm::CNoteForm() : CFormView(IDD_NOTE_FORM) {}

void CNoteForm::OnInitialUpdate() {
  m_text = GetDocument()->m_text;
  m_count = GetDocument()->m_stamps;
  CFormView::OnInitialUpdate();
}

void CNoteForm::DoDataExchange(CDataExchange* pDX) {
  CFormView::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NOTE_TEXT, m_text);
  DDX_Text(pDX, IDC_NOTE_COUNT, m_count);
}

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
  ON_COMMAND_EX(ID_ROUTE_PROBE, OnRouteProbe)
  ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
END_MESSAGE_MAP()

CSize CChildFrame::s_size(0, 0);

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CMDIChildWnd::PreCreateWindow(cs)) return FALSE;
  if (s_size.cx > 0) {
    cs.cx = s_size.cx;
    cs.cy = s_size.cy;
  }
  return TRUE;
}

BOOL CChildFrame::OnRouteProbe(UINT) { return LogRoute("child frame"); }

void CChildFrame::OnFrameOnly() { RouteLog().emplace_back("frame only"); }

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND_EX(ID_ROUTE_PROBE, OnRouteProbe)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  return halvane::test::CreateFrameBars(*this, m_wndToolBar, IDR_MAINFRAME, m_wndStatusBar, kIndicators, 4) ? 0 : -1;
}

bool CMainFrame::s_appFirst = false;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CMDIFrameWnd::PreCreateWindow(cs)) return FALSE;
  cs.cx = 640;
  cs.cy = 480;
  cs.x = 0;
  cs.y = 0;
  if (s_appFirst) cs.style &= ~FWS_PREFIXTITLE;
  return TRUE;
}

BOOL CMainFrame::OnRouteProbe(UINT) { return LogRoute("main frame"); }

CNoteTemplate::CNoteTemplate()
    : CMultiDocTemplate(IDR_NOTETYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CNoteView)) {}

BEGIN_MESSAGE_MAP(CNoteTemplate, CMultiDocTemplate)
  ON_COMMAND_EX(ID_ROUTE_PROBE, OnRouteProbe)
END_MESSAGE_MAP()

BOOL CNoteTemplate::OnRouteProbe(UINT) { return LogRoute("template"); }

void CRenameDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NEW_NAME, m_name);
}

BEGIN_MESSAGE_MAP(CFramesApp, CWinApp)
  ON_COMMAND(ID_FILE_NEW, OnFileNew)
  ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
  ON_COMMAND_EX(ID_ROUTE_PROBE, OnRouteProbe)
END_MESSAGE_MAP()

BOOL CFramesApp::InitInstance() {
  SetRegistryKey("Halvane");
  LoadStdProfileSettings(4);
  m_pNoteTemplate = new CNoteTemplate;
  AddDocTemplate(m_pNoteTemplate);
  m_pFormTemplate = new CMultiDocTemplate(IDR_FORMTYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CChildFrame),
                                          RUNTIME_CLASS(CNoteForm));
  AddDocTemplate(m_pFormTemplate);
  auto* pMainFrame = new CMainFrame;
  if (!pMainFrame->LoadFrame(IDR_MAINFRAME)) return FALSE;
  m_pMainWnd = pMainFrame;
  pMainFrame->ShowWindow(m_nCmdShow);
  pMainFrame->UpdateWindow();
  return TRUE;
}

BOOL CFramesApp::OnIdle(LONG lCount) {
  const BOOL more = CWinApp::OnIdle(lCount);
  if (lCount == 0 && m_script) {
    auto script = std::move(m_script);
    m_script = nullptr;
    script();
  }
  return more;
}

BOOL CFramesApp::OnRouteProbe(UINT) { return LogRoute("app"); }
