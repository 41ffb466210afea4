// The "Application Config Properties" tab: the application properties of
// the connector in their grid; it validates them, writes them with the
// connector section's comment lines into the configuration file and copies
// them into the server's connector.
#pragma once

#include "GridTabView.h"
#include "UserPropGridCtrl.h"

class CUserPropsView : public CGridTabView {
  DECLARE_DYNCREATE(CUserPropsView)

 public:
  CConnectorGrid& Grid() override { return m_wndGrid; }
  CUserPropGridCtrl& PropGrid() { return m_wndGrid; }

  void ApplyToServer(CQRConnector* pServer) override;
  BOOL AppendConfigText(CString& text) override;
  BOOL Validate() override;

 protected:
  CUserPropsView();

  void FillGrid() override { m_wndGrid.FillFromConnector(); }

 private:
  CUserPropGridCtrl m_wndGrid;
};
