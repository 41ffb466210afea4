// CToolTipCtrl: a tooltip window owned by a parent, its tools named by a
// window (tool id 0: the window itself) and an id.
#pragma once

#include <commctrl.h>

#include "afxstr.h"
#include "mfc/wnd.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  CToolTipCtrl() = default;
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle = 0, DWORD dwStyleEx = 0);

  // Tool id 0 makes the window the tool; else the tool is the rectangle
  // (the window's client area when none) of the window with that id.
  BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  // The text is a string resource found through the resource chain.
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
  // Hands a mouse message of a tool window to the tooltip.
  void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
  void Pop() { SendMessage(TTM_POP); }
  // Every delay from the initial one, or (with a TTDT_ duration) one delay.
  void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay)); }
  void SetDelayTime(DWORD dwDuration, int iTime) { SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
  int GetDelayTime(DWORD dwDuration) const { return static_cast<int>(SendMessage(TTM_GETDELAYTIME, dwDuration)); }
  int SetMaxTipWidth(int iWidth) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth)); }
  int GetMaxTipWidth() const { return static_cast<int>(SendMessage(TTM_GETMAXTIPWIDTH)); }

 private:
  TOOLINFO ToolInfo(CWnd* pWnd, UINT_PTR nIDTool) const;
  BOOL AddToolText(CWnd* pWnd, LPCRECT lpRectTool, UINT_PTR nIDTool, HINSTANCE hinst, LPCTSTR text);
  void UpdateText(CWnd* pWnd, UINT_PTR nIDTool, HINSTANCE hinst, LPCTSTR text);
};
