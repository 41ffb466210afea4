// The file dialog of Save As To File: the read-only box becomes "Rename
// connector", which asks to rename the connector to the file's title.
#pragma once

#include <afxdlgs.h>

class CDlgSaveAsToFile : public CFileDialog {
  DECLARE_DYNAMIC(CDlgSaveAsToFile)

 public:
  CDlgSaveAsToFile(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags, LPCTSTR lpszFilter,
                   CWnd* pParentWnd);

  // After IDOK: the connector is to take the file's title as its name.
  BOOL IsRenameChecked() const { return GetReadOnlyPref(); }

 protected:
  BOOL OnInitDialog() override;
};
