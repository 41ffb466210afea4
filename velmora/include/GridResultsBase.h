// What the grids of the import-results and load-results dialogs share: the
// grey read-only cells, the prefix find over the names of column 1 and the
// selection of the row found.
#pragma once

#include <HLGrid.h>

class AFX_EXT_CLASS CGridResultsBase : public HLGrid {
 public:
  // Light grey: the background of the cells the user cannot change.
  static constexpr COLORREF kReadOnlyColor = RGB(200, 200, 200);

  // The cell is emptied, made read-only and light grey.
  void SetColReadOnly(ROWCOL nRow, ROWCOL nCol);
  // The cell becomes editable on a white background.
  void SetColWrite(ROWCOL nRow, ROWCOL nCol);
  // The cell shows `text` as static text on light grey.
  void SetStaticText(ROWCOL nRow, ROWCOL nCol, LPCTSTR text);

  // Prefix search, ignoring case, on the names of column 1: down from the
  // row after the first selected one (row 1 when none is selected), or up
  // from the row before it (the last row when none is). An empty text
  // finds nothing. The match becomes the selection; TRUE when found.
  BOOL FindDown(const CString& text);
  BOOL FindUp(const CString& text);
  // The incremental search of the find edit: from row 1 down; the empty
  // text matches row 1.
  BOOL FindFromTop(const CString& text);

 protected:
  void OnGridInitialUpdate() override;

 private:
  // The first row from nFrom to nTo (inclusive, either direction) whose
  // name starts with `text`; 0 when none does.
  ROWCOL FindPrefix(const CString& text, ROWCOL nFrom, ROWCOL nTo);
  // 0 when no row is selected.
  ROWCOL FirstSelectedRow();
  BOOL SelectFound(ROWCOL nRow);
};
