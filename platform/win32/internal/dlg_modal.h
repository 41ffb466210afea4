// The idle step shared by every modal loop of the window system (dialogs,
// message boxes, menus, common dialogs).
#pragma once

#include "win32/wintypes.h"

namespace win32::internal {

// Runs the modal idle hook for `modalWindow` when one is installed. True
// when the hook acted and the caller should look at its queue again before
// it waits (and so before the virtual clock may jump).
bool RunModalIdle(HWND modalWindow);

// Whether EndDialog was called for the dialog, and with what result; false
// for a window that is not a dialog.
bool DialogEnded(HWND dlg, INT_PTR* result);

// Registers a running modal loop so that GetModalStack() lists it; the
// window leaves the stack when the guard ends.
class ModalLoopGuard {
 public:
  explicit ModalLoopGuard(HWND modalWindow);
  ~ModalLoopGuard();
  ModalLoopGuard(const ModalLoopGuard&) = delete;
  ModalLoopGuard& operator=(const ModalLoopGuard&) = delete;

 private:
  HWND window_;
};

}  // namespace win32::internal
