// The import/export object's reading: Open From File and the reading of a
// text into definitions that wait for their commit.
#include <string>
#include <string_view>

#include "BOImpExp.h"
#include "DlgImportFile.h"
#include "KBRXExportTransaction.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "resource.h"

namespace repocopy = dravon::repocopy;

namespace {

bool IsSchemaPath(const CString& path) { return path.Right(4).CompareNoCase(".xsd") == 0; }

}  // namespace

void CBOImpExp::WriteResult(const CString& line) const {
  if (CMainFrame* pFrame = GetOrvexApp()->GetMainFrame()) pFrame->AppendResult(line, 2);
}

void CBOImpExp::ShowError(const CString& text) const { AfxMessageBox(text, MB_ICONSTOP); }

void CBOImpExp::Import() {
  CString schemaFilter;
  schemaFilter.LoadString(IDS_XSD_FILTER);
  CString filter;
  filter.Format("%s|Halvane (*.in)|*.in|*.txt|*.txt|All Files (*.*)|*.*||", static_cast<LPCTSTR>(schemaFilter));
  CDlgImportFile dlg(TRUE, ".txt", nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, filter, AfxGetMainWnd(), FALSE);
  if (dlg.DoModal() != IDOK) return;
  const BOOL open = dlg.m_nOpenImported == BST_CHECKED;
  std::vector<CString> paths;
  for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;) paths.push_back(dlg.GetNextPathName(pos));
  for (const CString& path : paths) ImportFile(path, open);
}

void CBOImpExp::ImportFile(const CString& path, BOOL bOpenImported) {
  CWaitCursor wait;
  m_strFilePath = path;
  if (CMainFrame* pFrame = GetOrvexApp()->GetMainFrame()) pFrame->ShowResults(FALSE);
  int code = 0;
  m_bImporting = TRUE;
  if (IsSchemaPath(path)) {
    CString text;
    code = CKBRXExportTransaction(this).Import(path, text);
    if (code == 0) {
      repocopy::LineReader in(std::string_view(text, static_cast<size_t>(text.GetLength())));
      code = ParseDefinitions(in);
    }
  } else {
    Definitions read;
    code = Keep(repocopy::ReadFile(std::string(path), read, MakeReadHooks()), read);
  }
  m_bImporting = FALSE;
  if (code == repocopy::kCannotRead) {
    CString text;
    text.Format("File %s could not be opened!", static_cast<LPCTSTR>(path));
    ShowError(text);
    return;
  }
  if (code != 0) {
    ShowError(GetErrorText(code));
    return;
  }
  CommitImport(bOpenImported, TRUE);
}

int CBOImpExp::ParseText(LPCTSTR lpszText) {
  const std::string_view text = lpszText != nullptr ? std::string_view(lpszText) : std::string_view();
  repocopy::LineReader in(text);
  return ParseDefinitions(in);
}

int CBOImpExp::ParseDefinitions(repocopy::LineReader& in) {
  Definitions read;
  return Keep(repocopy::ReadDefinitions(in, read, MakeReadHooks()), read);
}

int CBOImpExp::Keep(const repocopy::Error& error, Definitions& read) {
  // A read that fails has already freed what it made.
  m_error = error;
  if (!error)
    m_imported.insert(m_imported.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
  return error.code;
}

repocopy::ReadHooks CBOImpExp::MakeReadHooks() {
  repocopy::ReadHooks hooks;
  hooks.warning = [this](const repocopy::Error& warning) { WriteResult("Warning: " + repocopy::ErrorText(warning)); };
  if (m_bImporting) {
    hooks.started = [this](CQRBusObjDef& def) {
      WriteResult("Importing business object " + CString(def.name(0)));
      def.SetState(HvStateWrittenToFile);
      def.SetImportPath(m_strFilePath);
    };
  }
  return hooks;
}
