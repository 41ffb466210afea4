// CDlgGetFilterName: "Apply filter to node", the filter a node's children
// are matched against; the filters used before are offered in the list.
#pragma once

#include <afxwin.h>

#include <vector>

class CDlgGetFilterName : public CDialog {
 public:
  explicit CDlgGetFilterName(CWnd* pParent = nullptr);

  // In and out.
  CString m_strFilter;
  // Offered in the combo box's list.
  std::vector<CString> m_recentFilters;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
};
