#include "GridLoadResults.h"

#include <cstdlib>

CString CGridLoadResults::GetValueOfRowCol(ROWCOL nRow, ROWCOL nCol) {
  const CGXStyle style = LookupStyleRowCol(nRow, nCol);
  int nIndex = std::atoi(style.GetValue());
  const CString& choices = style.GetChoiceList();
  int nStart = 0;
  while (nStart < choices.GetLength()) {
    int nEnd = choices.Find('\n', nStart);
    if (nEnd < 0) nEnd = choices.GetLength();
    if (nIndex-- == 0) return choices.Mid(nStart, nEnd - nStart);
    nStart = nEnd + 1;
  }
  return CString();
}
