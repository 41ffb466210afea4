// CStatusBarCtrl: the status bar's parts, texts, simple mode and icons.
#pragma once

#include <commctrl.h>

#include "afxstr.h"
#include "mfc/wnd.h"

class CStatusBarCtrl : public CWnd {
  DECLARE_DYNAMIC(CStatusBarCtrl)

 public:
  CStatusBarCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // `nType` is a drawing type (SBT_*); SB_SIMPLEID addresses simple mode.
  BOOL SetText(LPCTSTR lpszText, int nPane, int nType) {
    return static_cast<BOOL>(SendMessage(SB_SETTEXT, static_cast<WPARAM>((nPane & 0xFF) | (nType & 0xFF00)),
                                         reinterpret_cast<LPARAM>(lpszText)));
  }
  CString GetText(int nPane, int* pType = nullptr) const;
  // Copies the text into a buffer of at least GetTextLength + 1 characters.
  int GetText(LPTSTR lpszText, int nPane, int* pType = nullptr) const;
  int GetTextLength(int nPane, int* pType = nullptr) const;
  BOOL SetParts(int nParts, int* pWidths) {
    return static_cast<BOOL>(SendMessage(SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pWidths)));
  }
  int GetParts(int nParts, int* pParts) const {
    return static_cast<int>(SendMessage(SB_GETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pParts)));
  }
  // Horizontal and vertical border widths and the spacing between parts.
  BOOL GetBorders(int* pBorders) const {
    return static_cast<BOOL>(SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(pBorders)));
  }
  BOOL GetBorders(int& nHorz, int& nVert, int& nSpacing) const;
  void SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, static_cast<WPARAM>(nMin)); }
  BOOL SetSimple(BOOL bSimple = TRUE) { return static_cast<BOOL>(SendMessage(SB_SIMPLE, bSimple)); }
  BOOL IsSimple() const { return static_cast<BOOL>(SendMessage(SB_ISSIMPLE)); }
  BOOL GetRect(int nPane, LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(SB_GETRECT, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpRect)));
  }
  // The icon stays the caller's; -1 addresses simple mode.
  BOOL SetIcon(int nPane, HICON hIcon) {
    return static_cast<BOOL>(SendMessage(SB_SETICON, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(hIcon)));
  }
  HICON GetIcon(int nPane) const {
    return reinterpret_cast<HICON>(SendMessage(SB_GETICON, static_cast<WPARAM>(nPane)));
  }

  // SBT_OWNERDRAW parts paint here.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
