// How a combo box drives its list ("ComboLBox") and hears from it.
//
// The combo box creates its list with the class "ComboLBox": a child of the
// combo for CBS_SIMPLE, a WS_POPUP owned by the combo (hWndParent = combo)
// for the drop-down kinds. The list remembers the combo (its creation
// parent) and behaves as an ordinary list box: LB_* messages, WM_COMMAND
// LBN_* notifications to the combo when LBS_NOTIFY is set, WM_DELETEITEM,
// WM_DRAWITEM and WM_MEASUREITEM to the combo, WM_CTLCOLORLISTBOX to the
// combo. A drop-down list additionally runs a tracking mode:
//
//   combo -> list  LBCB_STARTTRACK  after showing the drop-down. The list
//                  takes the capture; wParam TRUE means the left button is
//                  already down (the drop-down was opened by a press on the
//                  combo), so the next release over the list accepts.
//   combo -> list  LBCB_ENDTRACK    before hiding it. The list lets the
//                  capture go and stops tracking.
//   list -> combo  LBCB_SELTRACK    the selection followed the mouse (hover
//                  or drag) or a key; wParam = the new index.
//   list -> combo  LBCB_ACCEPT      a release over an item or Enter; wParam =
//                  the selected index (LB_ERR when none).
//   list -> combo  LBCB_CANCEL      Escape, or a press outside the list;
//                  lParam = the press point in screen coordinates (0 for
//                  Escape), so the combo can tell a press on its own button.
//
// While tracking the list never sends LBN_SELCHANGE; the combo reports its
// own CBN_* notifications. Keys the combo forwards (WM_KEYDOWN with arrows,
// Home/End, PgUp/PgDn, Enter, Escape; WM_CHAR for type-ahead) move the
// selection as in a list box and answer with LBCB_SELTRACK / LBCB_ACCEPT /
// LBCB_CANCEL, tracking or not.
#pragma once

#include "win32/wintypes.h"

#define LBCB_STARTTRACK 0x01C0
#define LBCB_ENDTRACK 0x01C1
#define LBCB_SELTRACK 0x01C2
#define LBCB_ACCEPT 0x01C3
#define LBCB_CANCEL 0x01C4

namespace win32::internal {

// The class name of a combo box's list.
inline constexpr const char* kComboListClass = "ComboLBox";

}  // namespace win32::internal
