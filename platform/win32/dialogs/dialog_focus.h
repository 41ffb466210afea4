// Focus and default-button rules of the dialog manager, shared by the
// dialog procedure, keyboard navigation and dialog creation.
#pragma once

#include <vector>

#include "win32/wintypes.h"

namespace win32::dlg {

// The control's answer to WM_GETDLGCODE (for `msg` when given).
UINT DialogCode(HWND control, const MSG* msg = nullptr);
bool IsPushButtonCode(UINT code);

// The dialog's controls in navigation order: its children in z-order, with
// the children of WS_EX_CONTROLPARENT containers in place of the container.
std::vector<HWND> NavigationOrder(HWND dlg);
// The entry of NavigationOrder that is `wnd` or holds it (the inner edit
// of a combo box stands for the combo box); null outside the dialog.
HWND NavigableControlOf(HWND dlg, HWND wnd);
// Visible and enabled by its own style bits (a dialog is still hidden
// while WM_INITDIALOG runs).
bool IsLiveControl(HWND control);

// Moves the focus to `control` as the dialog manager does: a control with
// DLGC_HASSETSEL gets its text selected when `selectAll`, the default push
// button follows, and the dialog remembers the control.
void SetDialogFocus(HWND dlg, HWND control, bool selectAll);
// Gives the default-button look to the focused push button, or back to the
// dialog's default button when the focus is not on a push button.
void UpdateDefaultButton(HWND dlg, HWND focus);
// The button of DM_GETDEFID, or null.
HWND DefaultIdButton(HWND dlg);
// Switches a push button between BS_PUSHBUTTON and BS_DEFPUSHBUTTON.
void SetPushButtonType(HWND button, DWORD type);
// A control that currently has the default-button look, other than `except`.
HWND FindVisualDefault(HWND dlg, HWND except);

// Remembers the focus when it is inside the dialog; gives it back (to the
// first tab stop when none was remembered). False when the dialog keeps no
// control focused: WM_INITDIALOG answered FALSE without focusing one.
void SaveDialogFocus(HWND dlg);
bool RestoreDialogFocus(HWND dlg);

}  // namespace win32::dlg
