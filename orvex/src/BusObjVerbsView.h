// The "General" tab of a definition window: the business object's own
// application-specific information (edit 1095, at most 255 characters,
// written into the definition as it is typed) above the verb grid on
// control 1001, which fills the rest of the tab. Cut, copy and paste go to
// the edit while the focus is in it, otherwise to the grid; the tab prints
// the grid with the definition's name and the page number in the header.
#pragma once

#include "OrvexView.h"
#include "VerbGridCtrl.h"

class CBusObjVerbsView : public COrvexView {
  DECLARE_DYNCREATE(CBusObjVerbsView)

 public:
  CBusObjVerbsView();
  ~CBusObjVerbsView() override;

  void RefreshFromDef() override;
  BOOL WriteGridToTextFile(const char* path) override;

  CVerbGridCtrl& GetVerbGrid() { return m_wndVerbGrid; }
  CString m_strAppInfo;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnInitialUpdate() override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  CGXGridCore* GetPrintedGrid() override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnChangeAppInfo();
  afx_msg void OnEditCut();
  afx_msg void OnEditCopy();
  afx_msg void OnEditPaste();
  afx_msg void OnUpdateEditCutCopy(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
  afx_msg void OnDeleteRow();
  afx_msg void OnUpdateDeleteRow(CCmdUI* pCmdUI);
  afx_msg void OnSelectAll();
  DECLARE_MESSAGE_MAP()

 private:
  // The plain edit that has the focus, unless it is a grid cell's editor.
  CEdit* FocusedPlainEdit();
  BOOL GridHasSelection();
  // Whether the clipboard holds copied verb rows of this program.
  static BOOL ClipboardHoldsVerbRows();

  CVerbGridCtrl m_wndVerbGrid;
  CEdit m_editAppInfo;
};
