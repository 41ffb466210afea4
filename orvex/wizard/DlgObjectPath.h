// CDlgObjectPath: "Object Path", the path of one source object typed in
// place of choosing it in the tree, its levels separated by ":".
#pragma once

#include <afxwin.h>

#include "PeeredEdit.h"

class CDlgObjectPath : public CDialog {
 public:
  explicit CDlgObjectPath(CWnd* pParent = nullptr);

  // In and out.
  CString m_strPath;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

  // "&Next >" is usable only with a path.
  CPeeredEdit m_edtPath;
};
