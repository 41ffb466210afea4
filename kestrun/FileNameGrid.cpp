#include "FileNameGrid.h"

void CFileNameGrid::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  CHLGridCommon::OnClickedButtonRowCol(nRow, nCol);
  if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_FILE_NAME_BROWSE, nRow, static_cast<LPARAM>(nCol));
}
