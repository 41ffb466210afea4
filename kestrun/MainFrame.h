// Kestrun's main window: the Standard toolbar, the status bar, the results
// bar, Close All, the close of the program and the lost server.
#pragma once

#include <secall.h>

#include <memory>

#include "ResultsView.h"

class CMainFrame : public SECMDIFrameWnd {
  DECLARE_DYNAMIC(CMainFrame)

 public:
  CMainFrame();
  ~CMainFrame() override;

  // The message pane; an empty text shows "Ready".
  void SetStatusText(const CString& text);
  // Shows the results bar, emptied.
  void ShowAndClearResults();
  // Closes every connector window, each asking about its changes; false
  // when one stayed open.
  bool CloseAllChildFrames();

  CResultsView& GetResultsView() { return m_wndResults; }
  CStatusBar& GetStatusBar() { return m_wndStatusBar; }
  SECToolBarManager& GetToolBarManager() { return *m_pToolBarManager; }

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnClose();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnCloseAll();
  afx_msg void OnUpdateCloseAll(CCmdUI* pCmdUI);
  afx_msg LRESULT OnServerFailure(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // Offers to save each modified window to a file before the program ends.
  void OfferFileSaves();

  std::unique_ptr<SECToolBarManager> m_pToolBarManager;
  CStatusBar m_wndStatusBar;
  CResultsView m_wndResults;
};
