// The dialog behind CStatusWindow.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

class CDlgStatus : public CDialog {
 public:
  CDlgStatus() = default;
  ~CDlgStatus() override;

  bool m_bCanceled = false;
  CStatic m_percent;
  CProgressCtrl m_progress;
  CButton m_cancel;
  CAnimateCtrl m_animate;
  CStatic m_message;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Cancel (the button or Escape) only raises the flag: the window stays
  // until its owner goes.
  void OnCancel() override;
  DECLARE_MESSAGE_MAP()
};
