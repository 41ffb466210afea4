// Shared parts of the control-bar tests: the fixture, and a host window
// that keeps the commands and status messages its bars send it and
// decides the state of the test commands.
#pragma once

#include <afxext.h>

#include <string>
#include <vector>

#include "resource.h"
#include "mfc_test.h"

using BarsTest = halvane::test::MfcTest;

class CHostWnd : public CWnd {
 public:
  std::vector<UINT> commands;
  std::vector<UINT> messages;  // WM_SETMESSAGESTRING ids
  bool cutEnabled = true;
  int boldCheck = 0;

  bool CreateHost(const char* title, int cx = 400, int cy = 300) {
    return halvane::test::CreateTopLevel(*this, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, cx, cy);
  }

 protected:
  afx_msg void OnCut() { commands.push_back(ID_TOOL_CUT); }
  afx_msg void OnCopy() { commands.push_back(ID_TOOL_COPY); }
  afx_msg void OnBold() { commands.push_back(ID_TOOL_BOLD); }
  afx_msg void OnSearch() { commands.push_back(IDC_SEARCH_GO); }
  afx_msg void OnUpdateCut(CCmdUI* pCmdUI) { pCmdUI->Enable(cutEnabled); }
  afx_msg void OnUpdateBold(CCmdUI* pCmdUI) { pCmdUI->SetCheck(boldCheck); }
  afx_msg void OnUpdateServer(CCmdUI* pCmdUI) { pCmdUI->Enable(cutEnabled); }
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM) {
    messages.push_back(static_cast<UINT>(wParam));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

// A view that paints itself white.
class CPlainView : public CView {
  DECLARE_DYNCREATE(CPlainView)

 public:
  void OnDraw(CDC* pDC) override;
};

// A frame as programs make it: a docking toolbar with tips and prompts, a
// status bar with the message pane, a server pane and the key indicators,
// and a plain view. Frames delete themselves with their window.
class CBarsFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CBarsFrame)

 public:
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;
  std::vector<UINT> commands;
  bool cutEnabled = true;
  int boldCheck = 0;

  static CBarsFrame* Open(const char* title);

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnCut() { commands.push_back(ID_TOOL_CUT); }
  afx_msg void OnBold() { commands.push_back(ID_TOOL_BOLD); }
  afx_msg void OnUpdateCut(CCmdUI* pCmdUI) { pCmdUI->Enable(cutEnabled); }
  afx_msg void OnUpdateBold(CCmdUI* pCmdUI) { pCmdUI->SetCheck(boldCheck); }
  afx_msg void OnUpdateServer(CCmdUI* pCmdUI) { pCmdUI->Enable(cutEnabled); }
  DECLARE_MESSAGE_MAP()
};

// What the program's pump does when the queue runs dry.
inline void RunIdle(CWnd* pMainWnd) {
  CWinThread thread;
  thread.m_pMainWnd = pMainWnd;
  thread.OnIdle(0);
}

// What the status bar's control shows in a pane.
inline std::string Shown(const CStatusBar& bar, int index) {
  char text[256] = {};
  bar.SendMessage(SB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

// A child's rectangle in its parent's client coordinates.
inline CRect RectInParent(const CWnd& child) {
  CRect rect;
  child.GetWindowRect(&rect);
  child.GetParent()->ScreenToClient(&rect);
  return rect;
}
