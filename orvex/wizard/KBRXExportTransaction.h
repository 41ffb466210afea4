// Business-object definitions to and from XML schema files for the message
// broker. The conversion is done by the Java schema translator
// (Velmora.Translators.TransBusObjWorkspace in lib/Halvane.jar under the
// installation folder named by HALVANE), run as a hidden program of its
// own; its input and answers pass through files of the temporary folder
// whose names carry the process id. An export can also write the two
// files the broker's schema import tool reads. The owner builds one
// transaction on the stack for each export or import.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include "AgentProperty.h"
#include "KBRXTransactionOwner.h"

class CKBRXExportTransaction {
 public:
  // The result codes, those of the import/export message table.
  enum Result {
    kSuccess = 0,
    kTranslatorErrors = 15,       // the translator's findings are the detail text
    kTranslatorFailed = 16,       // it did not run or end well, or a file could not be written
    kDeploymentFilesFailed = 19,  // set by the caller
    kImportFailed = 20,
    kNoInstallation = 22,  // HALVANE is not set
    kLibraryMissing = 23,  // a jar is missing under HALVANE
  };
  // The exit code with which the translator reports its work done.
  static constexpr DWORD kTranslatorDone = 400;
  // The broker properties the parameter file takes, in profile order.
  static constexpr INT_PTR kBrokerPropertyCount = 14;

  explicit CKBRXExportTransaction(IKBRXTransactionOwner* pOwner);
  virtual ~CKBRXExportTransaction();
  CKBRXExportTransaction(const CKBRXExportTransaction&) = delete;
  CKBRXExportTransaction& operator=(const CKBRXExportTransaction&) = delete;

  // Writes one schema file per definition of the repository-copy text into
  // the folder; on success GetFileList() names them.
  int Export(LPCTSTR lpszFolder, LPCTSTR lpszText);
  // The definitions of the schema file (and of the schemas it depends on)
  // as repository-copy text with its header block.
  int Import(LPCTSTR lpszSchemaFile, CString& strText);

  // The broker's parameter file, folder/<name>Params.txt, with the 14
  // broker properties; FALSE when it could not be written (or there are
  // not exactly 14 properties, or a text would break its lines).
  BOOL WriteParamsFile(LPCTSTR lpszFolder, LPCTSTR lpszName, const AgentPropArray& properties);
  // The batch file folder/Import<name>.bat that runs the broker's import
  // tool on the parameter file; the program never runs it.
  BOOL WriteImportBatch(LPCTSTR lpszFolder, LPCTSTR lpszName);

  int RunExportTranslator(LPCTSTR lpszInputFile, LPCTSTR lpszOutputFolder, LPCTSTR lpszErrorFile, LPCTSTR lpszListFile);
  // The translator's exit code; kNotStarted when it could not be started.
  DWORD RunImportTranslator(LPCTSTR lpszSchemaFile, LPCTSTR lpszInputFile, LPCTSTR lpszOutputFile);
  static constexpr DWORD kNotStarted = 0xFFFFFFFF;
  // Appends the file's lines, trimmed, that are not empty; FALSE (and
  // nothing appended) when the file cannot be read.
  BOOL ReadLines(LPCTSTR lpszFile, CStringArray& lines);

  // The schema files the last export wrote.
  const CStringArray& GetFileList() const { return m_files; }

  // The temporary folder is taken once per program run; tests that change
  // TEMP have it taken again.
  static void ResetTemporaryFolder();

 private:
  // Finds the translator's jars under HALVANE; a result code other than
  // kSuccess (with the detail text set) when they are not there.
  int LocateTranslator(CString& strHome);
  void SetDetailText(const CString& strText);

  IKBRXTransactionOwner* m_pOwner;
  CStringArray m_files;
};
