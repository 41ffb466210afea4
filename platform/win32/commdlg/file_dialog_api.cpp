// GetOpenFileName, GetSaveFileName and GetFileTitle.
#include <cstring>
#include <string>

#include "commdlg/commdlg_common.h"
#include "commdlg/file_dialog.h"

namespace win32::commdlg {
namespace {

BOOL RunFileDialog(LPOPENFILENAME ofn, bool save) {
  if (!ofn || (ofn->lStructSize != sizeof(OPENFILENAME) && ofn->lStructSize != OPENFILENAME_SIZE_VERSION_400)) {
    SetExtendedError(CDERR_STRUCTSIZE);
    return FALSE;
  }
  if (!ofn->lpstrFile || ofn->nMaxFile == 0 || (ofn->hwndOwner && !IsWindow(ofn->hwndOwner))) {
    SetExtendedError(CDERR_INITIALIZATION);
    return FALSE;
  }
  FileDialog dialog(*ofn, save);
  return dialog.Run();
}

}  // namespace
}  // namespace win32::commdlg

BOOL WINAPI GetOpenFileName(LPOPENFILENAME lpofn) { return win32::commdlg::RunFileDialog(lpofn, false); }

BOOL WINAPI GetSaveFileName(LPOPENFILENAME lpofn) { return win32::commdlg::RunFileDialog(lpofn, true); }

short WINAPI GetFileTitle(LPCSTR lpszFile, LPSTR lpszTitle, WORD cchSize) {
  if (!lpszFile) return -1;
  const std::string path = lpszFile;
  // A folder, an empty name or a pattern is no file name.
  if (path.empty() || path.back() == '/' || path.back() == '\\' || path.find_first_of("*?\"<>|") != std::string::npos)
    return -1;
  const std::string title = win32::commdlg::LeafOf(path);
  if (!lpszTitle || cchSize < title.size() + 1) return static_cast<short>(title.size() + 1);
  std::memcpy(lpszTitle, title.c_str(), title.size() + 1);
  return 0;
}
