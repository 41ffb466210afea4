// Print preview's take-over of the frame: the view (or MDI client), the
// bars and the menu make room for the preview and come back at its end.
#include <memory>

#include "afxext.h"

void CPreviewView::TakeOverFrame(CFrameWnd* pFrame, CPrintPreviewState& state) {
  state.pViewActiveOld = pFrame->GetActiveView();
  // The pane's id goes to the preview while it lasts.
  state.hWndPane = ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST);
  if (state.hWndPane != nullptr) {
    ::SetWindowLongPtr(state.hWndPane, GWLP_ID, AFX_IDW_PANE_SAVE);
    ::ShowWindow(state.hWndPane, SW_HIDE);
  }
  for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* bar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    // The status bar stays: it tells which pages are shown.
    if (bar->GetParent() != pFrame || !bar->IsWindowVisible() || bar->GetDlgCtrlID() == AFX_IDW_STATUS_BAR) continue;
    state.hiddenBars.push_back(bar->m_hWnd);
    bar->ShowWindow(SW_HIDE);
  }
  state.hMenu = ::GetMenu(pFrame->m_hWnd);
  if (state.hMenu != nullptr) ::SetMenu(pFrame->m_hWnd, nullptr);
}

void CPreviewView::RestoreFrame(CFrameWnd* pFrame, const CPrintPreviewState& state) {
  if (state.hMenu != nullptr) ::SetMenu(pFrame->m_hWnd, state.hMenu);
  for (HWND bar : state.hiddenBars) {
    if (::IsWindow(bar)) ::ShowWindow(bar, SW_SHOWNOACTIVATE);
  }
  if (state.hWndPane != nullptr && ::IsWindow(state.hWndPane)) {
    ::SetWindowLongPtr(state.hWndPane, GWLP_ID, AFX_IDW_PANE_FIRST);
    ::ShowWindow(state.hWndPane, SW_SHOW);
  }
}

void CPreviewView::ClosePreview() {
  CFrameWnd* frame = GetParentFrame();
  std::unique_ptr<CPrintPreviewState> state(m_pPreviewState);
  m_pPreviewState = nullptr;
  if (m_pToolBar != nullptr) {
    m_pToolBar->DestroyWindow();
    m_pToolBar = nullptr;
  }
  CView* previous = state != nullptr ? state->pViewActiveOld : nullptr;
  // The window goes with the object (a view deletes itself).
  ::SetWindowLongPtr(m_hWnd, GWLP_ID, AFX_IDW_PANE_SAVE + 1);
  if (frame != nullptr && state != nullptr) RestoreFrame(frame, *state);
  if (frame != nullptr && frame->GetActiveView() == this) frame->SetActiveView(previous);
  DestroyWindow();
  if (frame == nullptr) return;
  frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
  frame->RecalcLayout();
  frame->DrawMenuBar();
  frame->UpdateWindow();
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView) {
  OnEndPrinting(pDC, pInfo);
  pView->ClosePreview();
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState) {
  // The preview covers the program's frame (the MDI frame of a child's view).
  CFrameWnd* frame = GetTopLevelFrame();
  if (frame == nullptr) frame = GetParentFrame();
  if (frame == nullptr || pState == nullptr || pPreviewViewClass == nullptr) return FALSE;
  // One preview at a time: the one showing stays.
  if (dynamic_cast<CPreviewView*>(FromHandlePermanent(::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST))) != nullptr) {
    delete pState;
    return TRUE;
  }
  auto* view = dynamic_cast<CPreviewView*>(pPreviewViewClass->CreateObject());
  if (view == nullptr) return FALSE;

  CPreviewView::TakeOverFrame(frame, *pState);
  auto toolBar = std::make_unique<CDialogBar>();
  if (!toolBar->Create(frame, nIDResource, WS_VISIBLE | CBRS_TOP, AFX_IDW_PREVIEW_BAR)) {
    CPreviewView::RestoreFrame(frame, *pState);
    delete view;
    frame->RecalcLayout();
    return FALSE;
  }
  toolBar->m_bAutoDelete = TRUE;
  view->m_pToolBar = toolBar.release();

  CCreateContext context;
  context.m_pCurrentFrame = frame;
  context.m_pCurrentDoc = GetDocument();
  context.m_pLastView = this;
  if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST, &context)) {
    // The failed view deleted itself; the bar and the frame are put back.
    view->m_pToolBar->DestroyWindow();
    CPreviewView::RestoreFrame(frame, *pState);
    frame->RecalcLayout();
    return FALSE;
  }
  view->m_pPreviewState = pState;
  if (!view->SetPrintView(pPrintView)) {
    // Nothing to preview (no printer, or the view refused): as it was.
    view->ClosePreview();
    return TRUE;
  }
  frame->SetActiveView(view);
  view->ShowPageDescription();
  view->m_pToolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  frame->RecalcLayout();
  frame->UpdateWindow();
  return TRUE;
}

void CView::OnFilePrintPreview() {
  auto state = std::make_unique<CPrintPreviewState>();
  if (DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), state.get())) {
    // The preview owns it now.
    state.release();
    return;
  }
  AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
}
