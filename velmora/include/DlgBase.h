// The "Business Object" dialog: the test-data editor of one instance with
// its verb and a comment. The caller builds it, fills the editor from an
// override of OnInitDialog, runs DoModal and reads the texts after IDOK.
#pragma once

#include <afxwin.h>

#include "TLBOInst.h"

class AFX_EXT_CLASS CDlgBase : public CDialog {
 public:
  explicit CDlgBase(CWnd* pParent = nullptr);

  INT_PTR DoModal() override;

  CTLBOInst m_tlBOInst;  // control 1039
  CString m_strVerb;     // combo box 1037, its text
  CString m_strComment;  // edit 1040
  CString m_strNote;     // edit 1019, hidden

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
};
