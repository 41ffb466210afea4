#include "bars_fixture.h"
#include "frame_bars.h"

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
  ON_COMMAND(ID_TOOL_CUT, OnCut)
  ON_COMMAND(ID_TOOL_COPY, OnCopy)
  ON_COMMAND(ID_TOOL_BOLD, OnBold)
  ON_COMMAND(IDC_SEARCH_GO, OnSearch)
  ON_UPDATE_COMMAND_UI(ID_TOOL_CUT, OnUpdateCut)
  ON_UPDATE_COMMAND_UI(ID_TOOL_BOLD, OnUpdateBold)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SERVER, OnUpdateServer)
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CPlainView, CView)

void CPlainView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, RGB(255, 255, 255));
}

IMPLEMENT_DYNCREATE(CBarsFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CBarsFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_TOOL_CUT, OnCut)
  ON_COMMAND(ID_TOOL_BOLD, OnBold)
  ON_UPDATE_COMMAND_UI(ID_TOOL_CUT, OnUpdateCut)
  ON_UPDATE_COMMAND_UI(ID_TOOL_BOLD, OnUpdateBold)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SERVER, OnUpdateServer)
END_MESSAGE_MAP()

namespace {

const UINT kFrameIndicators[] = {ID_SEPARATOR, ID_INDICATOR_SERVER, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                 ID_INDICATOR_SCRL};

}  // namespace

CBarsFrame* CBarsFrame::Open(const char* title) {
  auto* frame = new CBarsFrame;
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CPlainView);
  // A frame that fails deletes itself.
  if (!frame->Create(nullptr, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 520, 380), nullptr,
                     MAKEINTRESOURCE(IDR_TOOLS), 0, &context))
    return nullptr;
  return frame;
}

int CBarsFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  return halvane::test::CreateFrameBars(*this, m_wndToolBar, IDR_TOOLS, m_wndStatusBar, kFrameIndicators, 5) ? 0 : -1;
}
