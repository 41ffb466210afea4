// CPropGrid: a discovery agent's (or the message broker's) properties in a
// grid, one row per property with its name, value, type and description.
// The value cell's control follows the property's kind: a plain or masked
// edit, a file or folder path with a browse button, a drop-down list of the
// allowed values, a check list of them, or a list of values typed in a
// drop-down grid.
#pragma once

#include <HLGrid.h>

#include <array>

#include "AgentProperty.h"

class CPropGrid : public HLGrid {
  DECLARE_MESSAGE_MAP()

 public:
  // The default columns after the row headers.
  static constexpr ROWCOL kNameCol = 1;
  static constexpr ROWCOL kValueCol = 2;
  static constexpr ROWCOL kTypeCol = 3;
  static constexpr ROWCOL kDescriptionCol = 4;
  static constexpr ROWCOL kDefaultColCount = 4;

  // The cell controls the grid registers, and the ids their editors take.
  static constexpr WORD kValueListCtrl = 61471;
  static constexpr UINT kValueListEditID = 61472;
  static constexpr UINT kValueListCallerValue = 61473;
  static constexpr WORD kFileBrowseCtrl = 61632;
  static constexpr WORD kFolderBrowseCtrl = 61633;
  // The interior of a cell whose values are typed into a list.
  static constexpr COLORREF kValueListInterior = RGB(0xC0, 0xC0, 0xC0);

  // The width of each column (row headers first) as a share of the grid's
  // client width.
  static constexpr std::array<double, kDefaultColCount + 1> kWidthRatios{0.056, 0.18, 0.24, 0.14, 0.393};

  // SetProperties: the grid from the default values, or the rows that
  // match by name from the current values.
  enum { kFromDefaults = 0, kFromCurrent = 1 };
  // SetProperties' answers.
  enum { kSet = 0, kNoProperties = 1, kTooFewColumns = 2 };

  CPropGrid();
  ~CPropGrid() override;

  // Writes the value cells into the properties' current values (row i into
  // property i) and answers the same array. Without one, answers a new
  // array of blank text properties named after the rows, which the caller
  // deletes.
  virtual AgentPropArray* GetProperties(AgentPropArray* pProperties = nullptr);
  virtual int SetProperties(const AgentPropArray* pProperties, int nMode);
  // With titles, one column per title; without, the four default columns
  // at their shares of the client width (less a vertical scroll bar not
  // shown yet), which become their least widths.
  // Either way the grid's cell controls are registered.
  virtual void InitColumns(const CStringArray* pTitles = nullptr);

  // The row showing the property (its name, its type and a value cell of
  // the grid's kinds), or 0.
  ROWCOL FindRow(const AgentProperty& property);
  // The first cell at or after (nRow, nCol), row by row, whose text is
  // `text`; a start outside the grid is taken as 1. The cell found is
  // answered in nRow and nCol.
  BOOL FindCell(ROWCOL& nRow, ROWCOL& nCol, LPCTSTR text);

  // The type code a property's type text stands for (HV_INVALID_TYPE for
  // a text that is no number), and its name as the Type column shows it.
  static int TypeCode(const CString& strType);
  static CString TypeName(const CString& strType);

  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0) override;

 protected:
  void OnGridInitialUpdate() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);

 private:
  void RegisterCellControls();
  // The client width the default columns share when they are made.
  int ColumnsWidth() const;
  // The value cell of one row for the property with the values V.
  void SetValueCell(ROWCOL nRow, const AgentProperty& property, const CStringList& values);
  // The read-only columns and the table's look, then the lock again.
  void FinishFill(ROWCOL nRows);
  // The values a value cell holds, as its control keeps them.
  void ReadValueCell(ROWCOL nRow, CStringList& values);
  // Tab and Enter: the next cell (the previous one with Shift), wrapping
  // round the rows and the table.
  void MoveToNeighbourCell(BOOL bBackwards);
  static BOOL IsValueControl(WORD nControl);
  static BOOL IsShiftDown();

  // The columns' widths when the default columns were made; 0 until then.
  std::array<int, kDefaultColCount + 1> m_minWidths{};
};
