// CToolBarCtrl: the toolbar's bitmaps, buttons and their states. Buttons
// are addressed by command id, except where a member says index.
#pragma once

#include <commctrl.h>

#include "mfc/cmn_tooltip.h"
#include "mfc/gdi.h"
#include "mfc/wnd.h"

class CToolBarCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolBarCtrl)

 public:
  CToolBarCtrl() = default;
  // Also tells the toolbar the size of TBBUTTON.
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Images: a bitmap resource found through the resource chain, or a
  // bitmap that stays the caller's. The index of the first new image.
  int AddBitmap(int nNumButtons, UINT nBitmapID);
  int AddBitmap(int nNumButtons, CBitmap* pBitmap);
  BOOL SetBitmapSize(CSize size) {
    return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)));
  }
  BOOL SetButtonSize(CSize size) {
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)));
  }
  CSize GetButtonSize() const;
  void SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, static_cast<WPARAM>(nSize)); }

  // Buttons by index.
  BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons) {
    return static_cast<BOOL>(
        SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(lpButtons)));
  }
  BOOL InsertButton(int nIndex, LPTBBUTTON lpButton) {
    return static_cast<BOOL>(
        SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton)));
  }
  BOOL DeleteButton(int nIndex) { return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex))); }
  BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton)));
  }
  int GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<BOOL>(
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
  }
  BOOL SetCmdID(int nIndex, UINT nID) {
    return static_cast<BOOL>(SendMessage(TB_SETCMDID, static_cast<WPARAM>(nIndex), nID));
  }

  // Buttons by command id.
  UINT CommandToIndex(UINT nID) const { return static_cast<UINT>(SendMessage(TB_COMMANDTOINDEX, nID)); }
  BOOL EnableButton(int nID, BOOL bEnable = TRUE) { return Set(TB_ENABLEBUTTON, nID, bEnable); }
  BOOL CheckButton(int nID, BOOL bCheck = TRUE) { return Set(TB_CHECKBUTTON, nID, bCheck); }
  BOOL PressButton(int nID, BOOL bPress = TRUE) { return Set(TB_PRESSBUTTON, nID, bPress); }
  BOOL HideButton(int nID, BOOL bHide = TRUE) { return Set(TB_HIDEBUTTON, nID, bHide); }
  BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE) { return Set(TB_INDETERMINATE, nID, bIndeterminate); }
  BOOL IsButtonEnabled(int nID) const { return Ask(TB_ISBUTTONENABLED, nID); }
  BOOL IsButtonChecked(int nID) const { return Ask(TB_ISBUTTONCHECKED, nID); }
  BOOL IsButtonPressed(int nID) const { return Ask(TB_ISBUTTONPRESSED, nID); }
  BOOL IsButtonHidden(int nID) const { return Ask(TB_ISBUTTONHIDDEN, nID); }
  BOOL IsButtonIndeterminate(int nID) const { return Ask(TB_ISBUTTONINDETERMINATE, nID); }
  // The TBSTATE_ flags, or -1 for no such button.
  int GetState(int nID) const { return static_cast<int>(SendMessage(TB_GETSTATE, static_cast<WPARAM>(nID))); }
  BOOL SetState(int nID, UINT nState) { return Set(TB_SETSTATE, nID, static_cast<LPARAM>(nState)); }

  // The bar.
  void AutoSize() { SendMessage(TB_AUTOSIZE); }
  int GetRows() const { return static_cast<int>(SendMessage(TB_GETROWS)); }
  void SetRows(int nRows, BOOL bLarger, LPRECT lpRect) {
    SendMessage(TB_SETROWS, MAKEWPARAM(nRows, bLarger), reinterpret_cast<LPARAM>(lpRect));
  }
  void SetOwner(CWnd* pWnd) {
    SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pWnd != nullptr ? pWnd->m_hWnd : nullptr));
  }
  CToolTipCtrl* GetToolTips() const;
  void SetToolTips(CToolTipCtrl* pTip) {
    SendMessage(TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(pTip != nullptr ? pTip->m_hWnd : nullptr));
  }

 private:
  BOOL Set(UINT message, int nID, LPARAM value) {
    return static_cast<BOOL>(SendMessage(message, static_cast<WPARAM>(nID), value));
  }
  BOOL Ask(UINT message, int nID) const { return SendMessage(message, static_cast<WPARAM>(nID)) != 0; }
};
