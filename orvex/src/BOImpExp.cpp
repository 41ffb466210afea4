// The import/export object's messages, its writing of repository copies and
// schema files, and the reading of one definition again from its file.
// Reading and committing are in BOImpExpImport.cpp and BOImpExpCommit.cpp.
#include "BOImpExp.h"

#include <Constants.h>
#include <UtilFunc.h>

#include <string>
#include <string_view>

#include "KBRXExportTransaction.h"
#include "MainFrame.h"
#include "OrvexApp.h"

namespace repocopy = dravon::repocopy;

namespace {

bool IsSchemaPath(const CString& path) { return path.Right(4).CompareNoCase(".xsd") == 0; }

// The codes the repository-copy reader answers with its own messages.
bool IsReaderCode(int code) { return code != 0 && *repocopy::ErrorFormat(code) != '\0'; }

// The folder of a path, without its trailing separator ("." for a bare name).
CString FolderOf(const CString& path) {
  CString drive;
  CString folder;
  CUtilFunc::splitpath(path, &drive, &folder, nullptr, nullptr);
  folder = drive + folder;
  while (folder.GetLength() > 1 && (folder.Right(1) == "/" || folder.Right(1) == "\\"))
    folder = folder.Left(folder.GetLength() - 1);
  return folder.IsEmpty() ? CString(".") : folder;
}

CString FileOpenMessage(const CString& path) {
  CString text;
  text.Format("File %s could not be opened!", static_cast<LPCTSTR>(path));
  return text;
}

void ShowStop(const CString& text, const char* caption) {
  CWnd* pMain = AfxGetMainWnd();
  ::MessageBox(pMain != nullptr ? pMain->GetSafeHwnd() : nullptr, text, caption, MB_OK | MB_ICONSTOP);
}

}  // namespace

CBOImpExp::CBOImpExp() = default;

CBOImpExp::~CBOImpExp() = default;

// --- Messages ----------------------------------------------------------------------------

CString CBOImpExp::GetErrorText(int code) const {
  if (IsReaderCode(code)) {
    if (code == m_error.code) return repocopy::ErrorText(m_error);
    return repocopy::ErrorText(repocopy::Error{code, 0, m_strDetail});
  }
  const CString text = g_impExpErrors.GetMessage(static_cast<DWORD>(code));
  // The table's text is the format; the detail only ever its argument.
  const int first = text.Find("%s");
  if (first < 0 || text.Find("%s", first + 1) >= 0 || text.Find("%d") >= 0) return text;
  CString message;
  message.Format(text, static_cast<LPCTSTR>(m_strDetail));
  return message;
}

void CBOImpExp::SetDetailText(const CString& strText) { m_strDetail = strText; }

// --- Writing -------------------------------------------------------------------------------

std::vector<CQRBusObjDef*> CBOImpExp::WriteOrder(const CBODefArray& defs) {
  COrvexApp* pApp = GetOrvexApp();
  // The visited mark stands for "already in the list" during this run only.
  pApp->ClearStateBits(defs, HvStateVisited);
  std::vector<CQRBusObjDef*> order;
  for (INT_PTR i = 0; i < defs.GetSize(); ++i) {
    const CBODefArray& used = defs[i]->GetDependentBos(TRUE);
    for (INT_PTR j = 0; j < used.GetSize(); ++j) {
      CQRBusObjDef* pDef = used[j];
      if ((pDef->GetState() & HvStateVisited) != 0) continue;
      COrvexApp::MoveObjectEventIdLast(*pDef);
      pDef->AddState(HvStateVisited);
      order.push_back(pDef);
    }
  }
  pApp->ClearStateBits(defs, HvStateVisited);
  return order;
}

void CBOImpExp::MarkWritten(const std::vector<CQRBusObjDef*>& written, const CString& path) {
  const CString folder = FolderOf(path);
  for (CQRBusObjDef* pDef : written) {
    pDef->RemoveState(HvStateNew);
    pDef->AddState(HvStateWrittenToFile);
    // A schema export writes one file per definition, named after it.
    pDef->SetImportPath(IsSchemaPath(path) ? folder + "/" + pDef->name(0) + ".xsd" : path);
  }
}

int CBOImpExp::Export(const CBODefArray& defs, CString path) {
  if (defs.IsEmpty() || defs[0] == nullptr) return kWriteFailed;
  if (IsSchemaPath(path)) return ExportSchema(defs, path);
  const std::vector<CQRBusObjDef*> order = WriteOrder(defs);
  return ExportText(order, path);
}

int CBOImpExp::ExportText(const std::vector<CQRBusObjDef*>& order, const CString& path) {
  const std::vector<const CQRBusObjDef*> written(order.begin(), order.end());
  const repocopy::WriteError error = repocopy::WriteFile(std::string(path), written);
  if (error) {
    // A value that cannot stand on one line names the definition and the
    // field; nothing was written then.
    AfxMessageBox(error.kind == repocopy::WriteError::kFile ? FileOpenMessage(path) : error.message, MB_ICONSTOP);
    return kWriteFailed;
  }
  // Only what reached the file counts as written to it.
  MarkWritten(order, path);
  return 0;
}

int CBOImpExp::ExportSchema(const CBODefArray& defs, const CString& path) {
  COrvexApp* pApp = GetOrvexApp();
  if (CMainFrame* pFrame = pApp->GetMainFrame()) pFrame->ShowResults(TRUE);
  int result = 0;
  if (!pApp->CheckBODef(defs[0], COrvexApp::kSchemaValidation)) {
    CString findings;
    for (INT_PTR i = 0; i < pApp->GetValidationErrors().GetSize(); ++i)
      findings += pApp->GetValidationErrors()[i] + "\n";
    SetDetailText(findings);
    result = kSchemaFindings;
  } else {
    result = WriteSchemaFiles(WriteOrder(defs), *defs[0], path);
  }
  if (result != 0 && result != kWriteFailed) {
    ShowStop(GetErrorText(result), "Export error");
    SetDetailText("error occurred");
  }
  return result;
}

int CBOImpExp::WriteSchemaFiles(const std::vector<CQRBusObjDef*>& order, const CQRBusObjDef& first,
                                const CString& path) {
  std::string text;
  const std::vector<const CQRBusObjDef*> written(order.begin(), order.end());
  if (const repocopy::WriteError error = repocopy::WriteText(text, written)) {
    AfxMessageBox(error.message, MB_ICONSTOP);
    return kWriteFailed;
  }
  const CString folder = FolderOf(path);
  CKBRXExportTransaction transaction(this);
  int result = transaction.Export(folder, CString(std::string_view(text)));
  // The deployment files follow the first definition's settings.
  if (result == 0 && first.GetGenerateBrokerFiles() &&
      !(transaction.WriteParamsFile(folder, first.name(0), first.GetKBRXProperties()) &&
        transaction.WriteImportBatch(folder, first.name(0))))
    result = CKBRXExportTransaction::kDeploymentFilesFailed;
  if (result == 0) MarkWritten(order, path);
  return result;
}

// --- Reading one definition again ------------------------------------------------------------

BOOL CBOImpExp::ReloadFromFile(CQRBusObjDef* pDef) {
  if (pDef == nullptr) return FALSE;
  const CString path = pDef->GetImportPath();
  if (path.IsEmpty()) return FALSE;
  std::unique_ptr<CQRBusObjDef> found;
  repocopy::Error error;
  if (IsSchemaPath(path)) {
    CString text;
    if (CKBRXExportTransaction(this).Import(path, text) != 0) return FALSE;
    repocopy::LineReader in(std::string_view(text, static_cast<size_t>(text.GetLength())));
    error = repocopy::ReadDefinitionNamed(in, pDef->name(0), found);
  } else {
    error = repocopy::ReadDefinitionNamed(std::string(path), pDef->name(0), found);
  }
  if (error) {
    // A file that is gone, or has no version, simply does not answer.
    if (error.code != repocopy::kCannotRead && error.code != repocopy::kNoVersion) {
      m_error = error;
      AfxMessageBox(GetErrorText(error.code), MB_ICONSTOP);
    }
    return FALSE;
  }
  if (found == nullptr) return FALSE;
  // Only the content comes from the file: the export settings stay.
  const AgentPropArray brokerProperties = pDef->GetKBRXProperties();
  const BOOL generateBrokerFiles = pDef->GetGenerateBrokerFiles();
  pDef->Copy(*found);
  pDef->SetKBRXProperties(brokerProperties);
  pDef->SetGenerateBrokerFiles(generateBrokerFiles);
  // As it is in the file again.
  pDef->RemoveState(HvStateModified);
  pDef->AddState(HvStateWrittenToFile);
  return TRUE;
}
