// The "Associated Maps" tab (QVS): the map of each supported business
// object, in its grid. It writes the "AssociatedMaps = " line of the
// configuration file and hands its table of maps to the server's
// connector.
#pragma once

#include "AssocMapsGrid.h"
#include "GridTabView.h"

class CAssocMapsView : public CGridTabView {
  DECLARE_DYNCREATE(CAssocMapsView)

 public:
  CConnectorGrid& Grid() override { return m_wndGrid; }
  CAssocMapsGrid& MapsGrid() { return m_wndGrid; }

  void ApplyToServer(CQRConnector* pServer) override;
  BOOL AppendConfigText(CString& text) override;

 protected:
  CAssocMapsView();

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void FillGrid() override { m_wndGrid.FillFromConnector(); }
  void LayoutControls(int cx, int cy) override;

 private:
  // The rows as the model's map table; for the server, a map's type is
  // the one the server knows maps by, and a business object bound to no
  // map is bound implicitly. The business objects explicitly bound to no
  // map are told in the results bar.
  void TakeRows(CMapTable& table, BOOL bForServer);

  CAssocMapsGrid m_wndGrid;
};
