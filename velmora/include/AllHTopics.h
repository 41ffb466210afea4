// "Help Topics": every topic of a help object in a read-only grid, one row
// per topic in list order, with its window, sub-topic and page.
#pragma once

#include <afxwin.h>

#include <memory>

class HLGrid;

class AFX_EXT_CLASS CAllHTopics : public CDialog {
 public:
  explicit CAllHTopics(CObList* pTopics, CWnd* pParent = nullptr);
  ~CAllHTopics() override;

  INT_PTR DoModal() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

 private:
  void FillGrid();

  CObList* m_pTopics;
  std::unique_ptr<HLGrid> m_pGrid;  // control 2010
};
