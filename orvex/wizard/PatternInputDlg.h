// CPatternInputDlg: "ZTA Wizard - Enter a Search Pattern", the pattern the
// agent searches a level of its tree for, under the agent's hint of what
// it understands.
#pragma once

#include <afxwin.h>

class CPatternInputDlg : public CDialog {
 public:
  explicit CPatternInputDlg(CWnd* pParent = nullptr);

  // In and out.
  CString m_strHint;
  CString m_strPattern;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
