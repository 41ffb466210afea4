// The grid of the import-results dialog: object, type, action and new
// name of each colliding object. A change of a row's action greys or frees
// its new-name cell and is handed to the dialog.
#pragma once

#include "GridResultsBase.h"

class AFX_EXT_CLASS CGridImportResults : public CGridResultsBase {
 public:
  enum Column : ROWCOL { kObjectCol = 1, kTypeCol = 2, kActionCol = 3, kNewNameCol = 4 };

 protected:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
};
