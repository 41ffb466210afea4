// CDocument's files: reading and writing through Serialize and CArchive,
// and the messages when that fails.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <windows.h>

#include "afxres.h"
#include "mfc/archive.h"
#include "mfc/document.h"
#include "mfc/exception.h"
#include "mfc/file.h"
#include "mfc/winapp.h"

namespace {

// A save goes to a file beside the target that replaces it only when
// complete, so that a failed save never costs the file that was there.
CString TemporaryNameFor(LPCTSTR lpszPathName) { return CString(lpszPathName) + ".~sav"; }

// The file a save replaces: through a link, the file it names, so that the
// link stays a link.
CString SaveTargetOf(LPCTSTR lpszPathName) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(lpszPathName, error);
  return error ? CString(lpszPathName) : CString(resolved.c_str());
}

// The new file takes the permissions of the one it replaces: a private
// file must not become readable by others.
void KeepPermissions(LPCTSTR lpszTarget, LPCTSTR lpszNewFile) {
  std::error_code error;
  const auto status = std::filesystem::status(lpszTarget, error);
  if (error || !std::filesystem::exists(status)) return;
  std::filesystem::permissions(lpszNewFile, status.permissions(), error);
}

}  // namespace

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
  CFile file;
  CFileException fe;
  if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
    ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
  }
  DeleteContents();
  // Dirty while it is being read: a failure leaves it so.
  SetModifiedFlag(TRUE);
  try {
    CArchive loadArchive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
    loadArchive.m_pDocument = this;
    if (file.GetLength() != 0) Serialize(loadArchive);
    loadArchive.Close();
    file.Close();
  } catch (CException* e) {
    file.Abort();
    DeleteContents();
    ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    e->Delete();
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName) {
  // Replacing the file would get round its read-only mark.
  const DWORD attributes = ::GetFileAttributes(lpszPathName);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    CFileException readOnly(CFileException::accessDenied, EACCES, lpszPathName);
    ReportSaveLoadException(lpszPathName, &readOnly, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return FALSE;
  }
  const CString target = SaveTargetOf(lpszPathName);
  const CString temporary = TemporaryNameFor(target);
  CFile file;
  CFileException fe;
  if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &fe)) {
    fe.m_strFileName = lpszPathName;
    ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
    return FALSE;
  }
  try {
    CArchive saveArchive(&file, CArchive::store | CArchive::bNoFlushOnDelete);
    saveArchive.m_pDocument = this;
    Serialize(saveArchive);
    saveArchive.Close();
    file.Close();
  } catch (CException* e) {
    file.Abort();
    std::remove(temporary);
    ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    e->Delete();
    return FALSE;
  }
  KeepPermissions(target, temporary);
  std::error_code error;
  std::filesystem::rename(static_cast<LPCTSTR>(temporary), static_cast<LPCTSTR>(target), error);
  if (error) {
    std::remove(temporary);
    CFileException renameFailure(CFileException::OsErrorToException(error.value()), error.value(), lpszPathName);
    ReportSaveLoadException(lpszPathName, &renameFailure, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR, CException* e, BOOL, UINT nIDPDefault) {
  // The user already knows of a cancelled operation.
  if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException))) return;
  CString prompt;
  char text[512] = {};
  if (e != nullptr && e->GetErrorMessage(text, sizeof text) && text[0] != '\0') {
    prompt = text;
  } else {
    prompt.LoadString(nIDPDefault);
  }
  AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDPDefault);
}
