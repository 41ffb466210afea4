#include "modal_filter.h"

#include "mfc/winapp.h"
#include "mfc/wnd.h"

namespace afx {
namespace {

thread_local HHOOK t_msgFilter = nullptr;
thread_local int t_modalDepth = 0;
thread_local HWND t_modalWalkStop = nullptr;

// As the class library's own modal loop pumps through its thread: the
// thread's PreTranslateMessage sees the message first (an application's
// override takes F1 for help there), and its walk of the windows ends at
// the modal window's root.
BOOL PreTranslateModal(MSG* msg) {
  const HWND root = ::GetAncestor(msg->hwnd, GA_ROOT);
  CWinThread* thread = AfxGetThread();
  if (thread == nullptr) return CWnd::WalkPreTranslateTree(root, msg);
  const HWND outer = t_modalWalkStop;
  t_modalWalkStop = root;
  struct Restore {
    HWND saved;
    ~Restore() { t_modalWalkStop = saved; }
  } restore{outer};
  return thread->PreTranslateMessage(msg);
}

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && msg != nullptr && msg->hwnd != nullptr) {
    if (PreTranslateModal(msg)) return 1;
  }
  return ::CallNextHookEx(t_msgFilter, code, wParam, lParam);
}

}  // namespace

HWND ModalWalkStop() { return t_modalWalkStop; }

ModalFilter::ModalFilter() {
  if (t_modalDepth++ == 0)
    t_msgFilter = ::SetWindowsHookEx(WH_MSGFILTER, MessageFilter, nullptr, ::GetCurrentThreadId());
}

ModalFilter::~ModalFilter() {
  if (--t_modalDepth == 0 && t_msgFilter != nullptr) {
    ::UnhookWindowsHookEx(t_msgFilter);
    t_msgFilter = nullptr;
  }
}

HWND ModalOwner(const CWnd* pParentWnd) {
  HWND parent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  if (parent == nullptr) {
    CWnd* pMainWnd = AfxGetMainWnd();
    parent = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
  }
  if (parent == nullptr || !::IsWindow(parent)) return nullptr;
  HWND top = ::GetAncestor(parent, GA_ROOT);
  HWND popup = ::GetLastActivePopup(top);
  return popup != nullptr && ::IsWindowEnabled(popup) ? popup : top;
}

}  // namespace afx
