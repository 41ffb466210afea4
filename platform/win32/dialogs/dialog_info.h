// What the dialog manager keeps per dialog window beside its window longs,
// and the registry of dialogs and running modal loops.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "win32/wintypes.h"

namespace win32::dlg {

struct FontDeleter {
  void operator()(std::remove_pointer_t<HFONT>* font) const;
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct DialogInfo {
  HFONT font = nullptr;          // answered by WM_GETFONT; null means the system font
  OwnedFont ownedFont;           // the font made from the template, deleted with the dialog
  SIZE baseUnits{};              // dialog base units of the dialog font
  HWND lastFocus = nullptr;      // the control that gets the focus back on activation
  bool keepNoFocus = false;      // WM_INITDIALOG answered FALSE and focused no control
  UINT defId = 0;                // set by the template's default button or DM_SETDEFID
  bool ended = false;            // EndDialog was called
  INT_PTR result = 0;            // EndDialog's result
  bool modal = false;            // a modal loop runs for this dialog
  HWND owner = nullptr;          // the modal dialog's owner, activated again when it ends
  HWND disabledOwner = nullptr;  // the owner the modal loop disabled and must enable again
};

// The dialog record of a window, or null when it is not a dialog of ours.
std::shared_ptr<DialogInfo> FindDialogInfo(HWND dlg);
// Makes the record of a new dialog window.
std::shared_ptr<DialogInfo> AttachDialogInfo(HWND dlg);
// Forgets the record (the window is being destroyed).
void DetachDialogInfo(HWND dlg);

void PushModal(HWND dlg);
void PopModal(HWND dlg);
std::vector<HWND> ModalStack();
std::function<bool(HWND)> CurrentIdleHook();

}  // namespace win32::dlg
