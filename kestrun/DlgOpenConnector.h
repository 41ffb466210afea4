// Picks connectors of the server for opening, with an incremental find
// over their names.
#pragma once

#include <HLDlgOpenObjects.h>

class CDlgOpenConnector : public HLDlgOpenObjects {
 public:
  // The mode is 1, open: the only one the program has.
  CDlgOpenConnector(int nMode, CWnd* pParent);
  ~CDlgOpenConnector() override;

 protected:
  void FillList() override;
};
