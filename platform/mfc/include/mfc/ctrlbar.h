// CControlBar: the base of the bars along a frame's edges (toolbars, the
// status bar, dialog bars, the dock bars that hold them). A bar answers
// the frame's layout (WM_SIZEPARENT) by taking a strip off one edge, keeps
// its command buttons current at idle (WM_IDLEUPDATECMDUI) and passes the
// notifications of its children on to its owner.
#pragma once

#include "mfc/layout.h"
#include "mfc/wnd.h"

class CDockBar;
class CFrameWnd;

// Bar styles (m_dwStyle; not window styles).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// CalcDynamicLayout modes.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)

 public:
  CControlBar();
  ~CControlBar() override;

  // The frame the bar was made in (its dock site), else its parent frame.
  CFrameWnd* GetDockingFrame() const;
  // Bars stay docked: none floats in a window of its own.
  BOOL IsFloating() const { return FALSE; }
  // Visible: shown, or about to be shown by a delayed layout.
  BOOL IsVisible() const;
  int GetCount() const { return m_nCount; }

  void SetBarStyle(DWORD dwStyle);
  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
  void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  CRect GetBorders() const;
  // The sides (CBRS_ALIGN_*) the bar may be docked on.
  void EnableDocking(DWORD dwDockStyle);

  // The bar's size along an edge: the full length when stretched, else
  // what its contents need.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  // The client rectangle less the borders (and the gripper).
  virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
  // Called at idle with the frame (or the owner) that handles the commands.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
  virtual void DoPaint(CDC* pDC);
  virtual void DrawBorders(CDC* pDC, CRect& rect);
  virtual void DrawGripper(CDC* pDC, const CRect& rect);

  DWORD m_dwStyle = 0;
  DWORD m_dwDockStyle = 0;
  BOOL m_bAutoDelete = FALSE;  // deleted when its window goes
  CFrameWnd* m_pDockSite = nullptr;
  CDockBar* m_pDockBar = nullptr;
  int m_cxLeftBorder = 6;
  int m_cxRightBorder = 6;
  int m_cyTopBorder = 1;
  int m_cyBottomBorder = 1;
  // ShowControlBar with a delay: the state the next layout applies.
  enum { delayNone = 0, delayShow = 1, delayHide = 2 };
  int m_nStateFlags = delayNone;

  // The show or hide a delayed ShowControlBar asked for, applied unless
  // the layout is a query; answers the window style the layout sees.
  DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  DECLARE_MESSAGE_MAP()

  int m_nCount = 0;

  // Creates the bar's window: the CBRS_ part of dwStyle is the bar style,
  // the rest and dwCtrlStyle the window style.
  BOOL CreateBar(LPCTSTR lpszClassName, DWORD dwStyle, DWORD dwCtrlStyle, CWnd* pParentWnd, UINT nID);
  // Tells the owner to show a command's prompt (0: the idle message).
  void SetFlybyMessage(UINT nID);
  BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_ALIGN_ANY) == 0; }

  void PostNcDestroy() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

 private:
  // Dragging a docked bar by its gripper to another edge of its frame.
  bool m_bDragging = false;
  CPoint m_ptGrab;  // where the gripper was taken, in client coordinates
  bool CanDrag() const;
  bool InGripper(CPoint point) const;
  // The drag's messages; false for the ones it leaves alone.
  bool OnDragMessage(UINT message, LPARAM lParam, LRESULT& result);
  void DropAt(CPoint point);

  LRESULT ForwardToOwner(UINT message, WPARAM wParam, LPARAM lParam);
  void OnNcCalcSize(BOOL bCalcValidRects, LPARAM lParam);
  void OnNcPaint();
};
