// CDlgStep1: "Select Agent", the name of the discovery agent to connect
// to, typed or picked from the agents that are registered; Next connects.
#pragma once

#include "PeeredEdit.h"
#include "WzDialog.h"

class CDlgStep1 : public CWzDialog {
  DECLARE_DYNAMIC(CDlgStep1)
  DECLARE_MESSAGE_MAP()

 public:
  CDlgStep1();

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  void OnSheetInitDialog() override;
  void InitSizing() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnFindAgents();
  afx_msg void OnSelChangeAgents();

 private:
  // Back is of no use on the first step.
  void UpdateButtons();

  CPeeredEdit m_edtName;
  CListBox m_lstAgents;
  CString m_strConnected;
};
