// Message-map entries for window messages and control notifications: each
// thunk unpacks the message's parameters into the handler's arguments.
#pragma once

#include "mfc/msgmap.h"
#include "mfc/types.h"

class CWnd;
class CDC;
class CMenu;
class CScrollBar;

namespace afx {

// The objects of handles carried by messages (temporary when need be).
CWnd* WndFromHandle(HWND hWnd);
CDC* DcFromHandle(HDC hDC);
CMenu* MenuFromHandle(HMENU hMenu);
CScrollBar* ScrollBarFromHandle(HWND hWnd);

inline HWND HwndOf(WPARAM w) { return reinterpret_cast<HWND>(w); }
inline HWND HwndOf(LPARAM l) { return reinterpret_cast<HWND>(l); }
template <class T>
T* PtrOf(LPARAM l) {
  return reinterpret_cast<T*>(l);
}

// Unpacks the message for a handler and calls it; the result becomes the
// message's result.
template <auto pmf, class Unpack>
LRESULT Call(CCmdTarget* p, const AFX_CALL& c, Unpack unpack) {
  auto* target = Target<pmf>(p);
  using R = decltype(unpack(target, c));
  if constexpr (std::is_void_v<R>) {
    unpack(target, c);
    return 0;
  } else {
    return ToResult(unpack(target, c));
  }
}

#define AFX_THUNK(name, ...)                                                                                    \
  template <auto pmf>                                                                                           \
  LRESULT name(CCmdTarget* p, const AFX_CALL& c) {                                                              \
    return Call<pmf>(p, c, [](auto* t, [[maybe_unused]] const AFX_CALL& m) { return (t->*pmf)(__VA_ARGS__); }); \
  }

AFX_THUNK(Sig_v)
AFX_THUNK(Sig_create, PtrOf<CREATESTRUCT>(m.lParam))
AFX_THUNK(Sig_size, static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(Sig_move, GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam))
AFX_THUNK(Sig_dc, DcFromHandle(reinterpret_cast<HDC>(m.wParam)))
AFX_THUNK(Sig_timer, static_cast<UINT_PTR>(m.wParam))
AFX_THUNK(Sig_wnd, WndFromHandle(HwndOf(m.wParam)))
AFX_THUNK(Sig_minmax, PtrOf<MINMAXINFO>(m.lParam))
AFX_THUNK(Sig_key, static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(Sig_mouse, static_cast<UINT>(m.wParam), CPoint(m.lParam))
AFX_THUNK(Sig_wheel, LOWORD(m.wParam), static_cast<short>(HIWORD(m.wParam)), CPoint(m.lParam))
AFX_THUNK(Sig_contextmenu, WndFromHandle(HwndOf(m.wParam)), CPoint(m.lParam))
AFX_THUNK(Sig_mouseactivate, WndFromHandle(HwndOf(m.wParam)), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(Sig_activate, LOWORD(m.wParam), WndFromHandle(HwndOf(m.lParam)), static_cast<BOOL>(HIWORD(m.wParam)))
AFX_THUNK(Sig_b, static_cast<BOOL>(m.wParam))
AFX_THUNK(Sig_showwindow, static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam))
AFX_THUNK(Sig_syscommand, static_cast<UINT>(m.wParam), m.lParam)
AFX_THUNK(Sig_scroll, LOWORD(m.wParam), static_cast<UINT>(static_cast<short>(HIWORD(m.wParam))),
          ScrollBarFromHandle(HwndOf(m.lParam)))
AFX_THUNK(Sig_scroll_reflect, LOWORD(m.wParam), static_cast<UINT>(static_cast<short>(HIWORD(m.wParam))))
AFX_THUNK(Sig_drawitem, static_cast<int>(m.wParam), PtrOf<DRAWITEMSTRUCT>(m.lParam))
AFX_THUNK(Sig_measureitem, static_cast<int>(m.wParam), PtrOf<MEASUREITEMSTRUCT>(m.lParam))
AFX_THUNK(Sig_ctlcolor, DcFromHandle(reinterpret_cast<HDC>(m.wParam)), WndFromHandle(HwndOf(m.lParam)),
          m.nMessage - WM_CTLCOLORMSGBOX)
AFX_THUNK(Sig_ctlcolor_reflect, DcFromHandle(reinterpret_cast<HDC>(m.wParam)),
          m.nMessage - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX)
AFX_THUNK(Sig_initmenupopup, MenuFromHandle(reinterpret_cast<HMENU>(m.wParam)), LOWORD(m.lParam),
          static_cast<BOOL>(HIWORD(m.lParam)))
AFX_THUNK(Sig_windowpos, PtrOf<WINDOWPOS>(m.lParam))
AFX_THUNK(Sig_helpinfo, PtrOf<HELPINFO>(m.lParam))
AFX_THUNK(Sig_settext, PtrOf<const char>(m.lParam))
AFX_THUNK(Sig_point, CPoint(m.lParam))
AFX_THUNK(Sig_setcursor, WndFromHandle(HwndOf(m.wParam)), LOWORD(m.lParam), HIWORD(m.lParam))
AFX_THUNK(Sig_ncactivate, static_cast<BOOL>(m.wParam))

#undef AFX_THUNK

}  // namespace afx

#define AFX_ON_WM(message, sig, memberFxn) {(UINT)(message), 0, 0, 0, AfxSig_msg, &afx::sig<&ThisClass::memberFxn>},

#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, Sig_create, OnCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, Sig_v, OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, Sig_v, OnNcDestroy)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, Sig_v, OnClose)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, Sig_size, OnSize)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, Sig_move, OnMove)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, Sig_v, OnPaint)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, Sig_dc, OnEraseBkgnd)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, Sig_timer, OnTimer)
#define ON_WM_PALETTECHANGED() AFX_ON_WM(WM_PALETTECHANGED, Sig_wnd, OnPaletteChanged)
#define ON_WM_QUERYNEWPALETTE() AFX_ON_WM(WM_QUERYNEWPALETTE, Sig_v, OnQueryNewPalette)
#define ON_WM_GETMINMAXINFO() AFX_ON_WM(WM_GETMINMAXINFO, Sig_minmax, OnGetMinMaxInfo)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, Sig_key, OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, Sig_key, OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, Sig_key, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_ON_WM(WM_SYSKEYDOWN, Sig_key, OnSysKeyDown)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, Sig_mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, Sig_mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, Sig_mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_WM(WM_RBUTTONDOWN, Sig_mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, Sig_mouse, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, Sig_mouse, OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_ON_WM(WM_MOUSEWHEEL, Sig_wheel, OnMouseWheel)
#define ON_WM_CONTEXTMENU() AFX_ON_WM(WM_CONTEXTMENU, Sig_contextmenu, OnContextMenu)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, Sig_wnd, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, Sig_wnd, OnKillFocus)
#define ON_WM_MOUSEACTIVATE() AFX_ON_WM(WM_MOUSEACTIVATE, Sig_mouseactivate, OnMouseActivate)
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, Sig_activate, OnActivate)
#define ON_WM_NCACTIVATE() AFX_ON_WM(WM_NCACTIVATE, Sig_ncactivate, OnNcActivate)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, Sig_showwindow, OnShowWindow)
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, Sig_syscommand, OnSysCommand)
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, Sig_setcursor, OnSetCursor)
#define ON_WM_HSCROLL() AFX_ON_WM(WM_HSCROLL, Sig_scroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, Sig_scroll, OnVScroll)
#define ON_WM_DRAWITEM() AFX_ON_WM(WM_DRAWITEM, Sig_drawitem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_ON_WM(WM_MEASUREITEM, Sig_measureitem, OnMeasureItem)
// One entry answers every WM_CTLCOLOR* message.
#define ON_WM_CTLCOLOR() \
  {WM_CTLCOLORMSGBOX, 0, 0, WM_CTLCOLORSTATIC, AfxSig_msg, &afx::Sig_ctlcolor<&ThisClass::OnCtlColor>},
#define ON_WM_INITMENUPOPUP() AFX_ON_WM(WM_INITMENUPOPUP, Sig_initmenupopup, OnInitMenuPopup)
#define ON_WM_WINDOWPOSCHANGED() AFX_ON_WM(WM_WINDOWPOSCHANGED, Sig_windowpos, OnWindowPosChanged)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, Sig_b, OnEnable)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, Sig_v, OnGetDlgCode)
#define ON_WM_HELPINFO() AFX_ON_WM(WM_HELP, Sig_helpinfo, OnHelpInfo)
#define ON_WM_SETTEXT() AFX_ON_WM(WM_SETTEXT, Sig_settext, OnSetText)
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, Sig_v, OnCancelMode)
#define ON_WM_NCHITTEST() AFX_ON_WM(WM_NCHITTEST, Sig_point, OnNcHitTest)

// Messages a parent reflects back to the control that sent them.
#define ON_WM_CTLCOLOR_REFLECT()                       \
  {WM_REFLECT_BASE + WM_CTLCOLORMSGBOX, 0,          0, \
   WM_REFLECT_BASE + WM_CTLCOLORSTATIC, AfxSig_msg, &afx::Sig_ctlcolor_reflect<&ThisClass::CtlColor>},
#define ON_WM_HSCROLL_REFLECT() AFX_ON_WM(WM_REFLECT_BASE + WM_HSCROLL, Sig_scroll_reflect, HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_ON_WM(WM_REFLECT_BASE + WM_VSCROLL, Sig_scroll_reflect, VScroll)

// Control notifications.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
