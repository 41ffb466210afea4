// While a modal loop of the window system runs, its messages pass the class
// library's PreTranslateMessage chain first (the loop calls the message
// filter hook). One guard per modal loop; nested loops share the hook.
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

// The owner of a modal window whose parent is `pParentWnd` (else the main
// window): over a dialog, the popup that is active now; null without one.
HWND ModalOwner(const CWnd* pParentWnd);

}  // namespace afx
