// The login dialog "Connect to Tressel Server": server, user name and
// password before a program connects, with the servers and users of the
// login history ("Common") and a search for running servers. The caller
// may preset the three texts: a preset that is not empty wins over the
// history. After IDOK the public members hold the accepted login.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

class AFX_EXT_CLASS CLogin : public CDialog {
 public:
  // A non-empty server (blanks trimmed) is fixed: the dialog cannot change
  // it and offers no search.
  explicit CLogin(CString strServer = CString(), CWnd* pParent = nullptr);
  ~CLogin() override;

  INT_PTR DoModal() override;

  // The three presets at once (a program's command line).
  void SetPresets(const CString& strServer, const CString& strUser, const CString& strPassword);

  CString m_strPassword;  // at most 30 characters, kept as typed
  int m_bRemember = 0;    // remember the user name and password
  CString m_strUser;      // at most 30 characters, trimmed on OK
  CString m_strServer;    // trimmed on OK

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnSelchangeUsername();
  afx_msg void OnDestroy();
  afx_msg void OnHlBrowse();
  DECLARE_MESSAGE_MAP()

 private:
  void FillHistory();

  CString m_strFixedServer;
  CButton m_ctlRemember;
  CEdit m_ctlPassword;
  CComboBox m_ctlServer;
  CComboBox m_ctlUser;
  // The remembered password of each user entry; the entries' item data
  // point here.
  std::vector<std::unique_ptr<CString>> m_userPasswords;
};
