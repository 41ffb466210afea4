// The KBRX "Supported Business Objects" tab: the broker connector's
// business objects with their message set identifiers, typed into the grid
// or loaded from message-set identifier files (.set); identifiers that
// clash with known ones are settled in the load-results dialog. It
// validates its rows and writes the "SupportedBusinessObjects = " line; it
// applies nothing to a server connector.
#pragma once

#include <sec/seclayout.h>

#include "GridTabView.h"
#include "SuppBOGridNVRT.h"

class CSuppBOViewNVRT : public CGridTabView {
  DECLARE_DYNCREATE(CSuppBOViewNVRT)

 public:
  CConnectorGrid& Grid() override { return m_wndGrid; }
  CSuppBOGridNVRT& BOGrid() { return m_wndGrid; }

  BOOL AppendConfigText(CString& text) override;
  BOOL Validate() override;
  // Loads the message-set files the user picks.
  afx_msg void OnLoad();
  // Takes the files' entries into the model, the clashing ones as the
  // user settles them.
  void LoadMessageSetFiles(const CStringArray& paths);

 protected:
  CSuppBOViewNVRT();

  void OnInitialUpdate() override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void FillGrid() override { m_wndGrid.FillFromConnector(); }
  void LayoutControls(int cx, int cy) override;
  DECLARE_MESSAGE_MAP()

 private:
  CSuppBOGridNVRT m_wndGrid;
  SECLayoutManager m_layout;
};
