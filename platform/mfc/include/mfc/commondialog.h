// CCommonDialog: the base of the class library's wrappers of the window
// system's common dialogs, which make their own window.
#pragma once

#include "mfc/dialog.h"

class CCommonDialog : public CDialog {
  DECLARE_DYNAMIC(CCommonDialog)

 public:
  explicit CCommonDialog(CWnd* pParentWnd);

 protected:
  // The window a common dialog is owned by: the parent given, else the
  // main window, as for any modal dialog.
  HWND PreModal() const { return OwnerWindow(); }
};
