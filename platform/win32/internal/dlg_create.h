// Dialog creation from binary templates: the dialog manager's, shared by
// CreateDialog* and DialogBox* and by the property sheets' pages.
#pragma once

#include <cstddef>

#include "win32/wintypes.h"

namespace win32::dlg {

struct DialogRequest {
  HINSTANCE instance = nullptr;
  const void* data = nullptr;  // DLGTEMPLATE or DLGTEMPLATEEX
  size_t size = 0;
  HWND parent = nullptr;  // parent of a child dialog, owner of a popup
  DLGPROC proc = nullptr;
  LPARAM param = 0;
  bool modal = false;  // disable the owner before creating, as DialogBox does
};

// Builds the dialog and its controls, sends WM_INITDIALOG, sets the first
// focus and shows a WS_VISIBLE dialog. Null when the template is malformed,
// the dialog or (without DS_NOFAILCREATE) one of its controls cannot be
// created, or WM_INITDIALOG destroyed it.
HWND CreateDialogWindow(const DialogRequest& request);

// The same with the template's style changed first: `styleOff` cleared,
// `styleOn` set (property sheet pages become children whatever their
// template says).
HWND CreateDialogWindowStyled(const DialogRequest& request, DWORD styleOff, DWORD styleOn);

// The RT_DIALOG resource `name` of `instance`; false when missing.
bool FindDialogResource(HINSTANCE instance, LPCSTR name, const void*& data, size_t& size);

// The largest template CreateDialogIndirect* reads: such calls give no size.
inline constexpr size_t kIndirectTemplateLimit = 1u << 20;

}  // namespace win32::dlg
