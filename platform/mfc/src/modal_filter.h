// While a modal loop of the window system runs, its messages pass the
// thread's PreTranslateMessage first (the loop calls the message filter
// hook), as they would in the class library's own modal loop. One guard per
// modal loop; nested loops share the hook.
#pragma once

#include <windows.h>

class CWnd;

namespace afx {

class ModalFilter {
 public:
  ModalFilter();
  ~ModalFilter();
  ModalFilter(const ModalFilter&) = delete;
  ModalFilter& operator=(const ModalFilter&) = delete;
};

// While the message filter offers a modal loop's message to the thread's
// PreTranslateMessage: the window where its walk ends (the modal window's
// root). Null otherwise.
HWND ModalWalkStop();

// The owner of a modal window whose parent is `pParentWnd` (else the main
// window): over a dialog, the popup that is active now; null without one.
HWND ModalOwner(const CWnd* pParentWnd);

}  // namespace afx
