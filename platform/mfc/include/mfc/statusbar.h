// CStatusBar: a control bar made of the window system's status bar. Its
// panes are indicators (a string resource each, sized to its text) or
// separators; one pane may stretch over the free width. The first
// separator shows the frame's messages (WM_SETTEXT), and at idle each
// indicator follows its ON_UPDATE_COMMAND_UI handler (disabled: blank).
#pragma once

#include <commctrl.h>

#include <vector>

#include "mfc/cmn_statusbar.h"
#include "mfc/ctrlbar.h"

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar {
  DECLARE_DYNAMIC(CStatusBar)

 public:
  CStatusBar();
  ~CStatusBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
  // One pane per id: ID_SEPARATOR, or an id whose string is the pane's
  // text and sets its width. FALSE when a string is missing.
  BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
  void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
  UINT GetPaneStyle(int nIndex) const;
  void SetPaneStyle(int nIndex, UINT nStyle);
  CString GetPaneText(int nIndex) const;
  void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
  BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);

  // The control's own members on the bar's window.
  CStatusBarCtrl& GetStatusBarCtrl() const;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  DECLARE_MESSAGE_MAP()

  // Every pane's state from its command's handlers.
  void UpdatePanes(CCmdTarget* pTarget);
  // Pushes the panes' edges and texts to the control.
  void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
  afx_msg void OnSize(UINT nType, int cx, int cy);

 private:
  struct Pane {
    UINT nID = ID_SEPARATOR;
    int cxText = 0;  // the text's width; the pane adds its edges
    UINT nStyle = SBPS_NORMAL;
    CString strText;
  };
  std::vector<Pane> m_panes;
  // A second wrapper of the bar's window, outside the handle map (the bar
  // is the window's object).
  mutable CStatusBarCtrl m_statusBarCtrl;

  bool ValidIndex(int nIndex) const { return nIndex >= 0 && static_cast<size_t>(nIndex) < m_panes.size(); }
  int TextWidth(const CString& text) const;
  void ShowPaneText(int nIndex);
};

// The command UI of one status pane: enable shows or blanks the text,
// check pops the pane out, SetText sets the text.
class CStatusCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override;
  void SetCheck(int nCheck) override;
  void SetText(LPCTSTR lpszText) override;
};
