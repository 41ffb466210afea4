// Picks business-object definitions by name, for opening (mode 1) or for
// deleting (mode 0), with an incremental find over the names.
#pragma once

#include <HLDlgOpenObjects.h>

class CDlgOpenBO : public HLDlgOpenObjects {
 public:
  static constexpr int kDeleteMode = 0;
  static constexpr int kOpenMode = 1;

  CDlgOpenBO(int nMode, CWnd* pParent);
  ~CDlgOpenBO() override;

 protected:
  BOOL OnInitDialog() override;
  void FillList() override;

 private:
  int m_nMode;
};
