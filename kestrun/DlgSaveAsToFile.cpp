#include "DlgSaveAsToFile.h"

#include "resource.h"

IMPLEMENT_DYNAMIC(CDlgSaveAsToFile, CFileDialog)

CDlgSaveAsToFile::CDlgSaveAsToFile(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                                   LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd) {}

BOOL CDlgSaveAsToFile::OnInitDialog() {
  CFileDialog::OnInitDialog();
  if ((m_ofn.Flags & ~static_cast<DWORD>(OFN_HIDEREADONLY)) != 0) {
    CString label;
    label.LoadString(IDS_RENAME_CONNECTOR);
    SetControlText(chx1, label);
  }
  return TRUE;
}
