// CPeeredEdit: an edit field that enables its peer (a Next or OK button)
// exactly while its text, trimmed, is not empty.
#pragma once

#include <afxwin.h>

class CPeeredEdit : public CEdit {
 public:
  explicit CPeeredEdit(CWnd* pPeer = nullptr) : m_pPeer(pPeer) {}

  // The peer follows the text from now on.
  void SetPeer(CWnd* pPeer);
  void UpdatePeer();

 protected:
  afx_msg BOOL OnChange();
  DECLARE_MESSAGE_MAP()

 private:
  CWnd* m_pPeer;
};
