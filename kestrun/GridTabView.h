// CGridTabView: the base of the connector window's tabs that show one grid
// (CConnectorGrid) over the model: the grid filled on the first time the
// tab comes to the front, printing through the grid, the "Delete Row"
// command for the grids whose rows can be deleted, and the grid following
// the tab's size.
#pragma once

#include "ConnectorGrid.h"
#include "KestrunView.h"

class CConnectorFileCodec;

class CGridTabView : public CKestrunView {
  DECLARE_DYNAMIC(CGridTabView)

 public:
  ~CGridTabView() override;

  virtual CConnectorGrid& Grid() = 0;

 protected:
  CGridTabView(UINT nIDTemplate, UINT nGridID);

  // Subclasses the template's grid control and initialises the grid.
  void OnInitialUpdate() override;
  // The first call with a sender (the tab came to the front) fills the
  // grid from the model; the tab then writes its section.
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
  // Fills the grid from the model; by default the grid fills itself.
  virtual void FillGrid();
  // Where the grid goes when the tab is sized: by default it keeps its
  // top-left corner and reaches to kMarginRight and kMarginBottom pixels
  // from the tab's edges.
  virtual void LayoutControls(int cx, int cy);

  // A writer of a property section of the configuration file: FALSE with
  // the message in its last argument when a value cannot be written.
  using PropertySectionWriter = BOOL (*)(CConnectorFileCodec&, const CConnector&, CString&, CString&);
  // The property tabs' AppendConfigText: the saving line in the results
  // bar, the grid's open editor stored, then the section written; a
  // section that cannot be written is reported and stops the write.
  BOOL AppendPropertySection(CString& text, const CString& savingLine, PropertySectionWriter writer);

  // The print dialog of the business-object tabs: any number of pages, and
  // the selection may be printed alone.
  BOOL PreparePrintingWithSelection(CPrintInfo* pInfo);
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnDeleteRow();
  afx_msg void OnUpdateDeleteRow(CCmdUI* pCmdUI);
  afx_msg void OnFilePrintPreviewWait();
  DECLARE_MESSAGE_MAP()

  static constexpr int kMarginRight = 3;
  static constexpr int kMarginBottom = 5;

 private:
  UINT m_nGridID;
};
