// The column descriptions of the connector editor's grids: four static
// tables, one per kind of grid, that the grids take their column titles and
// widths from. The child frame fills them when it makes a connector window.
#pragma once

#include <afx.h>

// One grid column: its header title (empty for the row-header column 0),
// its width in pixels and the grid column it describes.
struct UserPropCol {
  CString m_strTitle;
  int m_nWidth = 0;
  int m_nColumn = 0;
};

enum UserPropColTable {
  COLS_PROPERTIES,       // the application and the standard properties
  COLS_SUPPORTED_BOS,    // the supported business objects (QVS)
  COLS_BROKER_BOS,       // the broker's business objects (KBRX)
  COLS_ASSOCIATED_MAPS,  // the associated maps
  COLS_TABLE_COUNT
};

// Positions of the property table.
enum { PROP_COL_NAME = 1, PROP_COL_VALUE = 2, PROP_COL_UPDATE = 3, PROP_COL_ENCRYPT = 4 };

// (Re)fills the four tables; calling it again gives the same content.
void FillColumnTables();
// The number of columns of a table, the row-header column included (0
// before the tables are filled).
int GetColumnCount(UserPropColTable table);
// The table's record at a position; null past its end or before the fill.
const UserPropCol* GetColumn(UserPropColTable table, int position);
// The column number of the property table's record at the position (-1
// when there is none).
int GetColumnNumber(int position);
