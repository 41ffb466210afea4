// The toolkit's tab window: a frame's pane that holds several child
// windows (usually views), shows one at a time and switches between them
// with tabs drawn along its edge. SECTabWndBase keeps the tabs, lays out
// and activates their windows; SECTabWnd draws the classic tab strip.
#pragma once

#include <memory>
#include <vector>

#include <afxwin.h>

struct CCreateContext;

// Styles of the tab window, in the low word that the window styles leave.
#define TWS_TABS_ON_BOTTOM 0x0020  // the strip runs along the bottom edge (else the top)
#define TWS_DRAW_3D_BORDER 0x0100  // a sunken edge frames the windows' area
#define TWS_SCROLL_TABS 0x0400     // tabs beyond the width scroll the active one into view
#define TWS_SHOW_FOCUS 0x0800      // the active tab shows the focus; arrow keys switch tabs
// As a frame's first pane: child, visible, tab stop, tabs along the bottom,
// 3-D border, scrolling tabs and the focus shown (0x50010D20).
#define TWS_DEFAULT_PANE_STYLE \
  (WS_CHILD | WS_VISIBLE | WS_TABSTOP | TWS_TABS_ON_BOTTOM | TWS_DRAW_3D_BORDER | TWS_SCROLL_TABS | TWS_SHOW_FOCUS)

class SECTabWndBase : public CWnd {
  DECLARE_DYNAMIC(SECTabWndBase)

 public:
  SECTabWndBase();
  ~SECTabWndBase() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = TWS_DEFAULT_PANE_STYLE, UINT nID = AFX_IDW_PANE_FIRST);

  // Makes a window of the class (a view, with the frame's creation
  // context) as the new last tab's window; NULL when it cannot be made.
  // The tab window then owns it.
  CWnd* AddTab(CRuntimeClass* pViewClass, LPCTSTR lpszLabel, CCreateContext* pContext = nullptr,
               UINT nID = static_cast<UINT>(-1));
  // Adds an existing child window; it stays the caller's.
  BOOL AddTab(CWnd* pWnd, LPCTSTR lpszLabel);
  // Destroys the tab's window when the tab owns it; another tab becomes
  // active when it was the active one.
  BOOL RemoveTab(int nIndex);
  BOOL RemoveTab(CWnd* pWnd) { return RemoveTab(FindTab(pWnd)); }

  // Shows the tab's window and tells it (OnActivateTab), also when it
  // was active already. A click on the active tab changes nothing.
  BOOL ActivateTab(int nIndex);
  BOOL ActivateTab(CWnd* pWnd) { return ActivateTab(FindTab(pWnd)); }
  // -1 when there are no tabs.
  int GetActiveTab() const { return m_nActive; }
  BOOL GetActiveTab(CWnd*& pWnd) const;
  CWnd* GetActiveWnd() const { return GetTabWnd(m_nActive); }
  int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
  CWnd* GetTabWnd(int nIndex) const;
  int FindTab(const CWnd* pWnd) const;
  BOOL GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CWnd*& pWnd, void*& pExtra) const;
  CString GetTabLabel(int nIndex) const;
  BOOL SetTabLabel(int nIndex, LPCTSTR lpszLabel);

  // The fonts stay the caller's; without one the GUI font (bold for the
  // active tab) is used.
  void SetFontActiveTab(CFont* pFont);
  void SetFontInactiveTab(CFont* pFont);
  CFont* GetFontActiveTab() const;
  CFont* GetFontInactiveTab() const;

  // The tab's rectangle in client coordinates (empty when scrolled out).
  virtual CRect GetTabRect(int nIndex) const;
  // The area the tabs' windows fill.
  CRect GetClientArea() const;

 protected:
  struct Tab {
    CString label;
    CWnd* pWnd = nullptr;
    std::unique_ptr<CWnd> pOwned;  // made by AddTab(class), unless it deletes itself (views)
    bool bOwnsWindow = false;
    void* pExtra = nullptr;
  };

  // What the strip looks like: its height, the tabs' places, painting.
  virtual int GetStripHeight() const { return 0; }
  virtual void LayoutTabs() {}
  virtual void DrawTabs(CDC& /*dc*/) {}
  virtual int TabFromPoint(CPoint point) const;
  // Called after a tab was activated: a view becomes its frame's active
  // view and gets OnUpdate with itself as the sender, so that it can fill
  // itself the first time it is shown.
  virtual void OnActivateTab(int nIndex);

  void RecalcLayout();
  // Makes the tab the visible one without telling its window.
  BOOL ShowTab(int nIndex);
  const std::vector<std::unique_ptr<Tab>>& Tabs() const { return m_tabs; }
  CRect StripRect() const;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnDestroy();

  int m_nActive = -1;
  bool m_bFocused = false;

 private:
  void DestroyTabWindow(Tab& tab);
  void ForgetTabWindow(HWND hWnd);

  std::vector<std::unique_ptr<Tab>> m_tabs;
  // Objects of made tab windows destroyed from outside, kept until the tab
  // window goes: they are still in their own destruction when the tab lets
  // go of them.
  std::vector<std::unique_ptr<CWnd>> m_destroyedWnds;
  CFont* m_pFontActive = nullptr;
  CFont* m_pFontInactive = nullptr;
  mutable CFont m_fontDefaultActive;
};

class SECTabWnd : public SECTabWndBase {
  DECLARE_DYNAMIC(SECTabWnd)

 public:
  CRect GetTabRect(int nIndex) const override;

 protected:
  int GetStripHeight() const override;
  void LayoutTabs() override;
  void DrawTabs(CDC& dc) override;

 private:
  int TabWidth(int nIndex) const;
  void DrawTab(CDC& dc, int nIndex, const CRect& rc);

  std::vector<CRect> m_tabRects;
  int m_nScroll = 0;  // pixels the strip is scrolled to the left
};
