// The "Standard Properties" tab, the first of both modes: the connector's
// active standard properties in their grid. It validates the values,
// writes them into the configuration file and sets them on the server's
// connector.
#pragma once

#include "GridTabView.h"
#include "StdPropGridCtrl.h"

class CStdPropsView : public CGridTabView {
  DECLARE_DYNCREATE(CStdPropsView)

 public:
  CConnectorGrid& Grid() override { return m_wndGrid; }
  CStdPropGridCtrl& PropGrid() { return m_wndGrid; }

  void ApplyToServer(CQRConnector* pServer) override;
  BOOL AppendConfigText(CString& text) override;
  BOOL Validate() override;

 protected:
  CStdPropsView();

  // The grid fills itself at its set-up: the tab holds the connector's
  // values from the start.
  void OnInitialUpdate() override;

 private:
  CStdPropGridCtrl m_wndGrid;
};
