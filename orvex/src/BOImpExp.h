// Business-object definitions in repository-copy files: writing
// definitions with every definition they use, and reading one definition
// again from the file it was written to. The text itself is Dravon's
// repository-copy reader and writer (RepositoryCopyBO.h).
#pragma once

#include <afxwin.h>

#include "DataManager.h"

class CBOImpExp {
 public:
  // The result of a write that did not happen (no file, no room, a value
  // that cannot stand on one line).
  static constexpr int kWriteFailed = 24;
  // The schema export waits for the broker export's schema writer.
  static constexpr int kSchemaExportUnavailable = 16;

  CBOImpExp() = default;

  // Writes the definitions, each after the ones it uses and each once, to
  // `path`; a ".xsd" path is a schema file. Every definition written has
  // its ObjectEventId attribute last, is no longer new and is marked as
  // written to this file. 0 on success, else a code of the import/export
  // table or kWriteFailed, after a message box.
  int Export(const CBODefArray& defs, CString path);
  // Reads the definition again from the file recorded with it; FALSE when
  // there is none, it holds no definition of that name, or it cannot be
  // read (a damaged file is reported).
  BOOL ReloadFromFile(CQRBusObjDef* pDef);
  // The import/export table's text of the code.
  CString GetErrorText(int code) const;

 private:
  int ExportSchema();
};
