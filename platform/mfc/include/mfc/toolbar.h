// CToolBar: a control bar made of the window system's toolbar, loaded
// from a TOOLBAR resource and its bitmap; the buttons follow their
// commands' ON_UPDATE_COMMAND_UI handlers at idle and send WM_COMMAND to
// the owner; tips and status prompts come from the commands' strings
// ("prompt\ntip").
#pragma once

#include <commctrl.h>

#include <vector>

#include "mfc/cmn_toolbar.h"
#include "mfc/ctrlbar.h"
#include "mfc/gdi.h"

// Button styles of GetButtonStyle/SetButtonStyle: the style in the low
// word, the state in the high word (TBBS_DISABLED set when not enabled).
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)

 public:
  CToolBar();
  ~CToolBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                UINT nID = AFX_IDW_TOOLBAR);

  // Sizes of a button and of its image; buttons keep room for their edges.
  void SetSizes(SIZE sizeButton, SIZE sizeImage);
  void SetHeight(int cyHeight);
  // The buttons and the bitmap of a TOOLBAR resource of the same id.
  BOOL LoadToolBar(LPCTSTR lpszResourceName);
  BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadBitmap(LPCTSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
  BOOL SetBitmap(HBITMAP hbmImageWell);
  // The buttons, ID_SEPARATOR for a gap; images are numbered in order
  // over the buttons. Without lpIDArray, nIDCount empty buttons.
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  UINT GetButtonStyle(int nIndex) const;
  void SetButtonStyle(int nIndex, UINT nStyle);
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
  void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

  // The control's own members on the bar's window.
  CToolBarCtrl& GetToolBarCtrl() const;
  // A text under the button's image; the buttons grow to hold it.
  BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
  CString GetButtonText(int nIndex) const;
  void GetButtonText(int nIndex, CString& rString) const { rString = GetButtonText(nIndex); }

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  DECLARE_MESSAGE_MAP()

  // Every button's state from its command's handlers.
  void UpdateButtons(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

 private:
  // The image wells given to the control, kept until the bar goes: the
  // control draws from them.
  std::vector<HBITMAP> m_imageWells;
  int m_nImageBase = 0;  // the control's index of the current well's first image
  CSize m_sizeButton{23, 22};
  CSize m_sizeImage{16, 15};
  bool m_bVertical = false;  // buttons wrapped one per row
  UINT m_nFlybyID = 0;       // the command under the mouse
  // A second wrapper of the bar's window, outside the handle map (the bar
  // is the window's object).
  mutable CToolBarCtrl m_toolBarCtrl;

  BOOL GetButton(int nIndex, TBBUTTON& button) const;
  void SetButton(int nIndex, const TBBUTTON& button);
  int ButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
  void SetOrientation(bool vertical);
  void OnFlyby(LPARAM lParam);
  void EndFlyby();
};

// The command UI of one toolbar button: enable and check set its state.
class CToolCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override;
  void SetCheck(int nCheck) override;
  void SetText(LPCTSTR lpszText) override;
};
