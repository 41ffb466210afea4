// The columns of the attribute grid, in grid order: title, width in pixels,
// column id and flag. One process-wide table that never changes.
#pragma once

#include <afx.h>

#include <vector>

struct BOColumn {
  CString m_strTitle;
  int m_nWidth;
  // The grid column: in this build the id is the column's place in the grid.
  int m_nId;
  int m_nFlag;
};

class CBOColumnTable {
 public:
  // Column ids, in grid order.
  enum ColumnId {
    kRowPath = 0,
    kPos,
    kName,
    kType,
    kKey,
    kForeign,
    kRequired,
    kCard,
    kMaxLength,
    kDefault,
    kAppInfo,
    kComments,
    kColumnCount
  };

  static const CBOColumnTable& Get();

  int GetCount() const { return static_cast<int>(m_columns.size()); }
  const BOColumn& operator[](int id) const { return m_columns[static_cast<size_t>(id)]; }

 private:
  CBOColumnTable();

  std::vector<BOColumn> m_columns;
};
