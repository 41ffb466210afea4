// CBOPropDlg: the business-object specific properties an agent asks for
// while it generates, edited in the property grid. The dialog ends only
// through OK, once every required property has a value.
#pragma once

#include <afxwin.h>

#include <SizingList.h>

#include "AgentProperty.h"
#include "PropGrid.h"

class CBOPropDlg : public CDialog {
  DECLARE_MESSAGE_MAP()

 public:
  explicit CBOPropDlg(CWnd* pParent = nullptr);

  // The properties to edit (not owned); set before DoModal.
  void SetProperties(AgentPropArray* pProperties) { m_pProperties = pProperties; }

  // Put after the caption (" - " between) when not blank.
  CString m_strCaptionSuffix;
  // The text above the grid.
  CString m_strText;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  // Esc and the close box leave the dialog open.
  void OnCancel() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

  CPropGrid m_wndGrid;

 private:
  AgentPropArray* m_pProperties = nullptr;
  CSizingList m_sizing;
};
