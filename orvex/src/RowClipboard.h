// The clipboard of copied attribute and verb rows: a "CF_QROBJ" record
// naming a temporary definition of this process (which the application
// deletes with ReleaseClipboardObject), and the grid column that cell text
// was last copied from.
#pragma once

#include <afxwin.h>

#include <memory>

#include "DataManager.h"

class CRowClipboard {
 public:
  static UINT GetFormat();
  // The definition of this process's record on the clipboard, else null
  // (a record of another kind or of another process names nothing here).
  static CQRBusObjDef* GetDefinition(CWnd* pOwner);
  // Puts a record of the definition on the clipboard; the application
  // owns the definition from then on. FALSE when the clipboard refused it.
  static BOOL PutDefinition(CWnd* pOwner, std::unique_ptr<CQRBusObjDef> pDef);
  // The application's release of its record, before every new copy or cut.
  static void Release();
  static BOOL HasText();

  // The column cell text was last copied or cut from (0: not from an
  // attribute column).
  static void SetCopyColumn(int column);
  static int GetCopyColumn();
};
