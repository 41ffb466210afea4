// The "Printing" dialog shown during a print job: what prints where, the
// page being printed, and Cancel, which the job's abort procedure reads.
#pragma once

#include "afxwin.h"

namespace afx {

class CPrintingDialog : public CDialog {
 public:
  CPrintingDialog(CWnd* pParent, const CString& document, const CString& printer, const CString& port);
  ~CPrintingDialog() override;

  void ShowPage(UINT nPage);
  // The printer DC's abort procedure: lets the dialog (and the program)
  // run; FALSE once the user cancelled.
  static BOOL CALLBACK AbortProc(HDC hDC, int nCode);
  static BOOL UserAborted();

 protected:
  void OnCancel() override;
};

}  // namespace afx
