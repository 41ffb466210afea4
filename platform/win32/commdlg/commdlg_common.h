// What the common dialogs share: the thread's extended error, the dialog
// font, building a control row of a template, and answering a dialog
// message through DWLP_MSGRESULT.
#pragma once

#include <string>
#include <string_view>

#include "internal/dlg_template_builder.h"
#include "win32/commdlg.h"
#include "win32/services.h"

namespace win32::commdlg {

void SetExtendedError(DWORD code);

// The font of every common dialog.
inline constexpr internal::DialogFontSpec kDialogFont{8, "MS Sans Serif"};
inline constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK | DS_CENTER;

// Item styles used by the templates.
inline constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
inline constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr DWORD kDefButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
inline constexpr DWORD kCheckBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
inline constexpr DWORD kDropList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
inline constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

// A dialog procedure's answer to a message whose result goes through
// DWLP_MSGRESULT.
INT_PTR Answer(HWND dlg, LRESULT result);

// The text of a control.
std::string ControlText(HWND control);
std::string ItemText(HWND dlg, int id);

// Copies `text` to a caller buffer of `size` bytes for the CDM_GET*
// messages: the size needed (terminator included) when it fits, else that
// size without copying.
int CopyOut(std::string_view text, LPSTR buffer, int size);

}  // namespace win32::commdlg
