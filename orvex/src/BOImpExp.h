// Business-object definitions in repository-copy files and, through the
// broker export, in XML schema files: the Open From File command, the
// commit of what was read into the session (with the import-results dialog
// for names the session has already), the export of one or many
// definitions, and reading one definition again from its file. The text
// itself is Dravon's repository-copy reader and writer (RepositoryCopyBO.h).
//
// What is read belongs to this object until CommitImport hands it over to
// the data manager (CDataManager::AdoptBODef), so that no release in the
// meantime (a lost server, a log-in) can take it; whatever is not committed
// goes with the object. A read that fails keeps nothing.
//
// Reading a generated text and committing it (the generation wizard):
//
//   if (const int code = impExp.ParseText(text)) { ... impExp.GetErrorText(code) ... }
//   impExp.CommitImport(bOpenInWindows, FALSE);  // the wizard saves on its own
//   ... impExp.GetImportedNames() ...            // the names as committed
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include <RepositoryCopyBO.h>

#include "DataManager.h"
#include "KBRXTransactionOwner.h"
#include "PreparedError.h"

class CBOImpExp : public IPreparedError, public IKBRXTransactionOwner {
 public:
  // The result of a write that did not happen (cancelled, no file, a value
  // that cannot stand on one line).
  static constexpr int kWriteFailed = 24;
  // The export of a schema file: its definition failed the validation, or
  // the translator found faults (the detail text lists them).
  static constexpr int kSchemaFindings = 15;

  CBOImpExp();
  ~CBOImpExp() override;
  CBOImpExp(const CBOImpExp&) = delete;
  CBOImpExp& operator=(const CBOImpExp&) = delete;

  // Open From File: the chosen files one after the other, each read and
  // committed (opening the definitions when the dialog says so).
  void Import();
  // Reads the definitions of a text held in memory, keeping them for
  // CommitImport. 0, or the code of the first fault (the text is then
  // dropped whole and GetErrorText tells the fault).
  int ParseText(LPCTSTR lpszText);
  // Hands what was read to the session, in the order read. A name the
  // session has (ignoring case) becomes a row of the import-results
  // dialog, whose choice for it is carried out: the local definition
  // renamed to the row's new name, the import renamed, the local one
  // overwritten, or the import dropped (also for every row on Cancel).
  // Then the definitions are opened in windows (those no other imported
  // one uses) when bOpenImported; otherwise, when connected and
  // bSaveToServer, each is saved to the server once. The names as
  // committed are appended to GetImportedNames().
  virtual void CommitImport(BOOL bOpenImported, BOOL bSaveToServer);
  CStringArray& GetImportedNames() { return m_arrImportedNames; }

  // Writes the definitions, each after the ones it uses and each once, to
  // `path`; a ".xsd" path is written as schema files through the broker
  // export (after the validation in schema mode). Every definition written
  // has its ObjectEventId attribute last, is no longer new and is marked as
  // written to this file. 0 on success, else a code of the import/export
  // table or kWriteFailed, after a message box.
  int Export(const CBODefArray& defs, CString path);
  // Reads the definition again from the file recorded with it; FALSE, and
  // the definition as it was, when there is none, it holds no definition
  // of that name, or it cannot be read (a damaged file is reported).
  BOOL ReloadFromFile(CQRBusObjDef* pDef);

  // The import/export table's text of the code, filled with the line and
  // text of the last read's fault or with the detail text.
  CString GetErrorText(int code) const override;
  void SetDetailText(const CString& strText) override;

 private:
  using Definitions = std::vector<std::unique_ptr<CQRBusObjDef>>;
  struct Collision;

  // --- Reading (BOImpExpImport.cpp) ---
  void ImportFile(const CString& path, BOOL bOpenImported);
  // Reads the definitions of the lines into m_imported: 0 or the fault's code.
  int ParseDefinitions(dravon::repocopy::LineReader& in);
  // Keeps what a read gave unless it failed: the read's code.
  int Keep(const dravon::repocopy::Error& error, Definitions& read);
  dravon::repocopy::ReadHooks MakeReadHooks();
  void ShowError(const CString& text) const;
  void WriteResult(const CString& line) const;

  // --- Committing (BOImpExpCommit.cpp) ---
  // Hands the read definition over to the data manager (not yet held).
  static CQRBusObjDef* HandOver(std::unique_ptr<CQRBusObjDef> read);
  // Carries out the row's choice; the definition kept under the row's
  // name or its new name, or null. Definitions to save besides it go to
  // `toSave`.
  CQRBusObjDef* Resolve(Collision& row, int nAction, const CString& newName, std::vector<CQRBusObjDef*>& toSave);
  void OpenInWindows(const std::vector<CQRBusObjDef*>& defs) const;
  static void SaveEachOnce(const std::vector<CQRBusObjDef*>& defs);

  // --- Writing (BOImpExp.cpp) ---
  // The definitions and every one they use, each once, the ones used first.
  static std::vector<CQRBusObjDef*> WriteOrder(const CBODefArray& defs);
  static void MarkWritten(const std::vector<CQRBusObjDef*>& written, const CString& path);
  int ExportText(const std::vector<CQRBusObjDef*>& order, const CString& path);
  int ExportSchema(const CBODefArray& defs, const CString& path);
  int WriteSchemaFiles(const std::vector<CQRBusObjDef*>& order, const CQRBusObjDef& first, const CString& path);

  // What the last read or translation left behind for the messages.
  dravon::repocopy::Error m_error;
  CString m_strDetail;
  // The definitions read and not committed yet, in the order read.
  Definitions m_imported;
  CStringArray m_arrImportedNames;
  // The file being read, recorded with each definition read from it.
  CString m_strFilePath;
  // Set while Open From File reads: the results pane follows the reading
  // and the definitions read are marked as read from the file.
  BOOL m_bImporting = FALSE;
};
