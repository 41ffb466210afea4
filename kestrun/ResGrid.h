// The grid of the resources tab: the parallel process degree and its split
// into the call-triggered and the event-triggered pool, each number with
// its share of the degree. Every edit goes to the connector model first
// and the grid is drawn again from it.
#pragma once

#include "HLGridCommon.h"

class CConnector;
class CResPropView;

class CResGrid : public CHLGridCommon {
 public:
  CResGrid();
  ~CResGrid() override;

  void SetOwnerView(CResPropView* pView) { m_pView = pView; }
  // Rows, columns, labels, grey cells.
  void SetupLayout();
  // The model's numbers and their percentages.
  void Fill(const CConnector& connector);
  // The five value cells, read as decimal numbers.
  void ReadValues(CConnector& connector);

  // The cell text check: digits only, and the model follows each keystroke.
  BOOL OnTextChangedRowCol(ROWCOL nRow, ROWCOL nCol) override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;

 private:
  // The digits of the text, each other character dropped with a beep;
  // `caret` moves back by what was dropped before it.
  CString KeepDigits(const CString& text, int& caret) const;
  // Applies a stored value or percentage to the model and redraws.
  void ApplyCell(ROWCOL nRow, ROWCOL nCol, const CString& digits);

  CResPropView* m_pView = nullptr;
  bool m_bChecking = false;
};
