// The base of the new-object name dialogs (CDlgBODefine, CDlgMapDefine,
// CDlgConnectorDefine): the name edit of at most 80 characters, OK only
// for a name left once its trailing blanks are gone, and OK's refusal of
// an empty, malformed or taken name. A derived dialog maps its edit's
// EN_CHANGE to OnChangeName and says when a name is taken.
#pragma once

#include <afxwin.h>

class CDataManager;

class AFX_EXT_CLASS CDlgNewObjectName : public CDialog {
 public:
  CDataManager* m_pDataManager;
  // At most 80 characters; after IDOK without trailing blanks.
  CString m_strName;

 protected:
  // A null data manager skips the uniqueness check.
  CDlgNewObjectName(UINT nIDTemplate, int nIDName, CDataManager* pDataManager, CWnd* pParent);

  // The message for a name already in use, asked only with a data
  // manager; empty when the name is free.
  virtual CString NameTakenMessage() = 0;

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnChangeName();

 private:
  int m_nIDName;
};
