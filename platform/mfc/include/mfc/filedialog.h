// CFileDialog: the window system's explorer-style open and save dialog.
// The object is attached to the dialog's child (the caller's template, or
// an empty one); the standard controls belong to its parent, GetParent().
#pragma once

#include <vector>

#include "mfc/collection_helpers.h"
#include "mfc/commondialog.h"
#include "win32/commdlg.h"

class CFileDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CFileDialog)

 public:
  // `lpszFilter` is in the "Text files (*.txt)|*.txt|All files (*.*)|*.*||" form.
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr);

  OPENFILENAME m_ofn{};

  INT_PTR DoModal() override;

  // Results; while the dialog runs they describe what is typed now.
  CString GetPathName() const;
  CString GetFileName() const;
  // The name without its folder and extension.
  CString GetFileTitle() const;
  CString GetFileExt() const;
  CString GetFolderPath() const;
  BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
  // The names chosen with OFN_ALLOWMULTISELECT (or the one name).
  POSITION GetStartPosition() const;
  CString GetNextPathName(POSITION& pos) const;

  // The standard controls of the running dialog.
  void SetControlText(int nID, LPCTSTR lpsz);
  void HideControl(int nID);
  void SetDefExt(LPCSTR lpsz);

 protected:
  // TRUE refuses the name: the dialog stays open.
  virtual BOOL OnFileNameOK();
  virtual void OnInitDone();
  virtual void OnFileNameChange();
  virtual void OnFolderChange();
  virtual void OnTypeChange();

  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  BOOL m_bOpenFileDialog;

 private:
  static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The standard controls' dialog, while it runs.
  HWND SystemDialog() const;
  CString AskDialog(UINT message) const;
  // The chosen file while the dialog runs, else the result.
  CString CurrentPath() const;

  CString m_strFilter;  // the filter with its separators made zeros
  CString m_strDefExt;
  std::vector<char> m_fileBuffer;
  char m_szFileTitle[81] = {};
  bool m_bChecking = false;  // inside OnFileNameOK
};
