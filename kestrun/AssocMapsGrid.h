// The grid of the "Associated Maps" tab: one row per supported business
// object of the QVS connector with its map, the map type and whether the
// binding is explicit. An explicit binding lets the user pick one of the
// maps that could serve the business object; an implicit one shows the map
// the server would use, read-only.
#pragma once

#include <afxtempl.h>

#include "ConnectorGrid.h"
#include "QRConnector.h"

class CAssocMapsGrid : public CConnectorGrid {
  DECLARE_DYNAMIC(CAssocMapsGrid)

 public:
  enum { COL_BO = 1, COL_MAP = 2, COL_TYPE = 3, COL_BINDING = 4 };

  CAssocMapsGrid();
  ~CAssocMapsGrid() override;

  void FillFromConnector() override;
  // The map cell of the row as its binding says.
  void ApplyBinding(ROWCOL nRow);
  BOOL IsExplicit(ROWCOL nRow) { return GetValueRowCol(nRow, COL_BINDING) == "TRUE"; }

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;

 private:
  void SetRowStyles(ROWCOL nRow, const CString& choices);
};
