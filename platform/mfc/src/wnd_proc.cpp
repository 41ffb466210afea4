// Message dispatch: AfxWndProc, the message map of windows, commands and
// notifications, and reflection of control notifications to the control.
#include <windows.h>

#include "mfc/exception.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/winthread.h"
#include "mfc/wnd.h"
#include "winthread_state.h"

namespace {

// Records the message being handled for Default and GetCurrentMessage,
// restoring the outer one when the handler returns.
class CurrentMessage {
 public:
  CurrentMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) : m_saved(AfxGetThreadState()->m_lastSentMsg) {
    MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    msg.hwnd = hWnd;
    msg.message = nMsg;
    msg.wParam = wParam;
    msg.lParam = lParam;
  }
  ~CurrentMessage() { AfxGetThreadState()->m_lastSentMsg = m_saved; }
  CurrentMessage(const CurrentMessage&) = delete;
  CurrentMessage& operator=(const CurrentMessage&) = delete;

 private:
  MSG m_saved;
};

bool IsControlNotification(UINT message) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
      return true;
    default:
      return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
  }
}

}  // namespace

WNDPROC AfxGetAfxWndProc() { return &AfxWndProc; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_QUERYAFXWNDPROC) return 1;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr) return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CurrentMessage current(hWnd, nMsg, wParam, lParam);
  LRESULT result = 0;
  try {
    result = pWnd->WindowProc(nMsg, wParam, lParam);
  } catch (CException* e) {
    // The window system's frames are no place for it: it ends here.
    result = AfxProcessWndProcException(e, CWnd::GetCurrentMessage());
    e->Delete();
  }
  // A class whose OnNcDestroy did not reach CWnd's still lets go of the
  // handle; after CWnd's the object may be gone, so ask the map.
  if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
    pWnd->Detach();
    pWnd->PostNcDestroy();
  }
  return result;
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &AfxGetThreadState()->m_lastSentMsg; }

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_hWnd == nullptr) return 0;
  if (m_pfnSuper != nullptr) return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::DispatchMsgEntry(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT* pResult) {
  const AFX_CALL call{message, wParam, lParam, 0, nullptr, nullptr};
  const LRESULT result = pEntry->pfn(this, call);
  if (pResult != nullptr) *pResult = result;
  return TRUE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = 0;
  BOOL handled = FALSE;
  if (message == WM_COMMAND) {
    handled = OnCommand(wParam, lParam);
    result = 1;
  } else if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    handled = header != nullptr && header->hwndFrom != nullptr && OnNotify(wParam, lParam, &result);
  } else if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), message, 0, 0)) {
    handled = DispatchMsgEntry(entry, message, wParam, lParam, &result);
  } else if (IsControlNotification(message)) {
    // Without a handler of its own the parent offers the message back to
    // the control that sent it.
    HWND child = nullptr;
    if (message == WM_DRAWITEM) {
      child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    } else if (message == WM_MEASUREITEM) {
      child = ::GetDlgItem(m_hWnd, static_cast<int>(wParam));
    } else if (message != WM_PARENTNOTIFY) {
      child = reinterpret_cast<HWND>(lParam);
    }
    handled = child != nullptr && ReflectLastMsg(child, &result);
    if (handled && message == WM_DRAWITEM) result = TRUE;
  }
  if (handled && pResult != nullptr) *pResult = result;
  return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  const auto hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl == nullptr) {
    if (nID == 0) return FALSE;
    // A menu item or accelerator: a disabled command is eaten.
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
    if (!state.m_bEnabled) return TRUE;
    nCode = CN_COMMAND;
  } else {
    // The control gets the first chance at its own notification.
    if (ReflectLastMsg(hWndCtrl)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (ReflectLastMsg(header->hwndFrom, pResult)) return TRUE;
  AFX_NOTIFY notify{pResult, header};
  const UINT nID = static_cast<UINT>(header->idFrom);
  return OnCmdMsg(nID, static_cast<int>(MAKELONG(LOWORD(header->code), WM_NOTIFY)), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pChild = FromHandlePermanent(hWndChild);
  if (pChild == nullptr) return FALSE;
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return pChild->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    const int code = static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND));
    if (!CCmdTarget::OnCmdMsg(0, code, nullptr, nullptr)) return FALSE;
    if (pResult != nullptr) *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    AFX_NOTIFY notify{pResult, header};
    const int code = static_cast<int>(MAKELONG(LOWORD(header->code), WM_REFLECT_BASE + WM_NOTIFY));
    return CCmdTarget::OnCmdMsg(0, code, &notify, nullptr);
  }
  if (IsControlNotification(message)) return OnReflectedMsg(message, wParam, lParam, pResult);
  return FALSE;
}

BOOL CWnd::OnReflectedMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const UINT reflected = WM_REFLECT_BASE + message;
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), reflected, 0, 0);
  return entry != nullptr && DispatchMsgEntry(entry, reflected, wParam, lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
      if (pWnd->PreTranslateMessage(pMsg)) return TRUE;
    }
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

void CWnd::OnNcDestroy() {
  Default();
  // The window is gone: forget it, then let the object delete itself.
  Detach();
  PostNcDestroy();
}

void CWnd::PostNcDestroy() {}
void CWnd::PreSubclassWindow() {}
