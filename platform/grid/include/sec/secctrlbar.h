// The toolkit's docking control bar: docked along an edge it takes a share
// of the frame's length and a fixed thickness; its gripper carries a
// button that hides the bar. Derived bars place their child windows in
// CalcInsideRect's rectangle (their client area).
#pragma once

#include <afxext.h>

// Toolkit styles of the bar (dwExStyle of Create). CBRS_GRIPPER in the
// bar style asks for the toolkit's gripper too.
#define CBRS_EX_GRIPPER 0x0001      // a gripper along the bar's near end
#define CBRS_EX_CLOSEBUTTON 0x0002  // the gripper's button hides the bar
#define CBRS_EX_DEFAULT (CBRS_EX_GRIPPER | CBRS_EX_CLOSEBUTTON)

class SECControlBar : public CControlBar {
  DECLARE_DYNAMIC(SECControlBar)

 public:
  SECControlBar();
  ~SECControlBar() override;

  BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              DWORD dwExStyle = CBRS_EX_DEFAULT, UINT nID = 0xE700);

  DWORD GetExBarStyle() const { return m_dwExStyle; }
  // Docked along a top or bottom edge: fPctLength of the frame's width and
  // nThickness pixels high; along a side: of its height, and as wide.
  void SetDockedSize(float fPctLength, int nThickness);
  float GetDockedLength() const { return m_fPctLength; }
  int GetDockedThickness() const { return m_nThickness; }
  // The close button in window coordinates (empty without one).
  CRect GetCloseButtonRect() const;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
  // The bar has no command buttons of its own to update.
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  void DrawGripper(CDC* pDC, const CRect& rect) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The gripper strip in window coordinates.
  CRect GripperRect() const;
  void Hide();

  DWORD m_dwExStyle = CBRS_EX_DEFAULT;
  float m_fPctLength = 1.0f;
  int m_nThickness = 100;
};
