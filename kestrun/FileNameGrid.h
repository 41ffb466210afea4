// The grid of the Files Save dialog: one row per connector with its file
// and a "Browse" button, whose clicks go to the dialog.
#pragma once

#include <HLGridCommon.h>

// Sent to the grid's parent when a row's button is clicked (wParam row,
// lParam column).
constexpr UINT WM_FILE_NAME_BROWSE = WM_APP + 0x21;

class CFileNameGrid : public CHLGridCommon {
 public:
  enum : ROWCOL { kNameCol = 1, kFileCol = 2, kBrowseCol = 3 };

 protected:
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
};
