// The QVS "Supported Business Objects" tab: the business objects the
// connector supports, in their grid, and its maximum transaction level.
// It copies both into the model and the server's connector and writes the
// "SupportedBusinessObjects = " line of the configuration file.
#pragma once

#include "GridTabView.h"
#include "SuppBOGrid.h"

class CSuppBOView : public CGridTabView {
  DECLARE_DYNCREATE(CSuppBOView)

 public:
  CConnectorGrid& Grid() override { return m_wndGrid; }
  CSuppBOGrid& BOGrid() { return m_wndGrid; }
  CComboBox& TransLevelBox() { return m_cbTransLevel; }

  void ApplyToServer(CQRConnector* pServer) override;
  BOOL AppendConfigText(CString& text) override;

 protected:
  CSuppBOView();

  void DoDataExchange(CDataExchange* pDX) override;
  void OnInitialUpdate() override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void FillGrid() override { m_wndGrid.FillFromConnector(); }
  void LayoutControls(int cx, int cy) override;
  afx_msg void OnSelChangeTransLevel();
  DECLARE_MESSAGE_MAP()

 private:
  // The rows become the model's supported business objects (and the
  // server's, when given); the grid is then filled again from the model.
  void TakeRows(CQRConnector* pServer);
  // The level the box shows, or the model's own when it shows none.
  CString ChosenLevel();

  CSuppBOGrid m_wndGrid;
  CComboBox m_cbTransLevel;
};
