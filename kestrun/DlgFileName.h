// "Files Save": the configuration file each open connector is saved to by
// Save All To File. The caller lists one row per document; after IDOK each
// row holds its file, a configuration file of its own.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "FileNameGrid.h"

struct CFileNameRow {
  CString m_strName;  // as the connector's window names it
  CString m_strPath;
};

class CDlgFileName : public CDialog {
 public:
  explicit CDlgFileName(CWnd* pParent);
  ~CDlgFileName() override;

  CArray<CFileNameRow, const CFileNameRow&> m_rows;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void FillGrid();
  void LayOut(int cx, int cy);
  // The rows' files as typed, each checked: FALSE after a message naming
  // the first one that cannot be used.
  BOOL TakeFiles(CArray<CString, const CString&>& files);

  CFileNameGrid m_wndGrid;
};
