// The "Attributes" tab of a definition window: the attribute grid filling
// the tab, the Edit and View commands of the tab routed to it, the data
// manager's notices about the shown and the contained definitions, the
// text export and printing of the grid.
#pragma once

#include "AttrGridCtrl.h"
#include "OrvexView.h"

class CBusObjAttrsView : public COrvexView {
  DECLARE_DYNCREATE(CBusObjAttrsView)

 public:
  CBusObjAttrsView();
  ~CBusObjAttrsView() override;

  void OnBONameAdded(CString name) override;
  void OnBONameRemoved(CString name) override;
  void OnBONamesReset() override;
  void RefreshFromDef() override;
  BOOL WriteGridToTextFile(const char* path) override;
  // Before a save or an export: the definition and every one it reaches
  // go back to "Pos" order.
  void ApplyToDef(CQRBusObjDef* pDef) override;

  CAttrGridCtrl& GetAttrGrid() { return m_wndAttrGrid; }

 protected:
  void OnInitialUpdate() override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  CGXGridCore* GetPrintedGrid() override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnDestroy();
  afx_msg void OnEditCopy();
  afx_msg void OnEditCut();
  afx_msg void OnEditPaste();
  afx_msg void OnUpdateCopyOrCut(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePaste(CCmdUI* pCmdUI);
  afx_msg void OnToParent();
  afx_msg void OnUpdateToParent(CCmdUI* pCmdUI);
  afx_msg void OnSelectAll();
  afx_msg void OnDeleteRow();
  afx_msg void OnUpdateDeleteRow(CCmdUI* pCmdUI);
  afx_msg void OnInsertAbove();
  afx_msg void OnUpdateInsertAbove(CCmdUI* pCmdUI);
  afx_msg void OnInsertBelow();
  afx_msg void OnUpdateInsertBelow(CCmdUI* pCmdUI);
  afx_msg void OnMoveUp();
  afx_msg void OnMoveDown();
  afx_msg void OnUpdateMove(CCmdUI* pCmdUI);
  afx_msg void OnExpandAll();
  afx_msg void OnCollapseAll();
  afx_msg void OnFilePrintPreview();
  afx_msg LRESULT OnDefGoneNotice(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  CAttrGridCtrl m_wndAttrGrid;
};
