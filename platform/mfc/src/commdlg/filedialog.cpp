// CFileDialog: GetOpenFileName/GetSaveFileName with an explorer hook that
// attaches the object to the child dialog and turns the dialog's
// notifications into virtual calls.
#include "mfc/filedialog.h"

#include <algorithm>
#include <cstring>

#include "mfc/modulestate.h"
#include "mfc/winapp.h"
#include "notify_result.h"

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

// Room for one path as long as the file system allows (Windows' MAX_PATH
// is far shorter than a Linux path may be).
constexpr size_t kPathBuffer = 4096;
// Room for a folder and many names when several may be chosen.
constexpr size_t kMultiSelectBuffer = 64 * 1024;

CString LeafOf(const CString& path) {
  const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
  return path.Mid(slash + 1);
}

CString FolderOf(const CString& path) {
  const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
  return slash < 0 ? CString() : path.Left(slash == 0 ? 1 : slash);
}

// The extension of a file name without its dot; a leading dot (".profile")
// starts no extension.
int ExtensionDot(const CString& name) {
  const int dot = name.ReverseFind('.');
  return dot > 0 ? dot : -1;
}

CString JoinPath(const CString& folder, const CString& name) {
  if (folder.IsEmpty()) return name;
  const TCHAR last = folder[folder.GetLength() - 1];
  return last == '/' || last == '\\' ? folder + name : folder + '/' + name;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_fileBuffer(kPathBuffer, '\0') {
  m_ofn.lStructSize = sizeof m_ofn;
  m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER | OFN_ENABLESIZING;
  m_ofn.lpfnHook = &HookProc;
  m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
  m_ofn.hInstance = AfxGetResourceHandle();
  if (lpszDefExt != nullptr) {
    m_strDefExt = lpszDefExt;
    m_ofn.lpstrDefExt = m_strDefExt;
  }
  if (lpszFileName != nullptr) {
    const size_t n = std::min(std::strlen(lpszFileName), m_fileBuffer.size() - 1);
    std::memcpy(m_fileBuffer.data(), lpszFileName, n);
  }
  m_ofn.lpstrFile = m_fileBuffer.data();
  m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
  m_ofn.lpstrFileTitle = m_szFileTitle;
  m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
  if (lpszFilter != nullptr) {
    // "a|b||": the window system wants zeros where the bars are.
    m_strFilter = lpszFilter;
    while (m_strFilter.Right(2) != "||") m_strFilter += '|';
    LPTSTR p = m_strFilter.GetBuffer(0);
    std::replace(p, p + m_strFilter.GetLength(), '|', '\0');
    m_strFilter.ReleaseBuffer(m_strFilter.GetLength());
    m_ofn.lpstrFilter = m_strFilter;
  }
}

INT_PTR CFileDialog::DoModal() {
  if (m_hWnd != nullptr) return -1;
  // A caller that allows several names without giving its own buffer
  // gets one big enough for them.
  if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.lpstrFile == m_fileBuffer.data() &&
      m_fileBuffer.size() < kMultiSelectBuffer) {
    m_fileBuffer.resize(kMultiSelectBuffer, '\0');
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
  }
  // A child template the module set here lacks comes from the resource chain.
  if ((m_ofn.Flags & OFN_ENABLETEMPLATE) && m_ofn.lpTemplateName != nullptr &&
      ::FindResource(m_ofn.hInstance, m_ofn.lpTemplateName, RT_DIALOG) == nullptr)
    m_ofn.hInstance = AfxFindResourceHandle(m_ofn.lpTemplateName, RT_DIALOG);
  m_ofn.hwndOwner = PreModal();
  m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
  const BOOL ok = m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
  if (m_hWnd != nullptr) Detach();
  if (ok) return IDOK;
  return ::CommDlgExtendedError() == 0 ? IDCANCEL : -1;
}

// The child dialog's first message: the object takes the window over and
// runs its own OnInitDialog there (data exchange included).
UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return 0;
  const auto* ofn = reinterpret_cast<const OPENFILENAME*>(lParam);
  auto* self = reinterpret_cast<CFileDialog*>(ofn->lCustData);
  if (self == nullptr || self->m_hWnd != nullptr || !self->SubclassWindow(hWnd)) return 0;
  return static_cast<UINT_PTR>(self->OnInitDialog());
}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const auto* note = reinterpret_cast<const OFNOTIFY*>(lParam);
  LRESULT result = 0;
  switch (note->hdr.code) {
    case CDN_INITDONE:
      OnInitDone();
      break;
    case CDN_SELCHANGE:
      OnFileNameChange();
      break;
    case CDN_FOLDERCHANGE:
      OnFolderChange();
      break;
    case CDN_TYPECHANGE:
      OnTypeChange();
      break;
    case CDN_FILEOK:
      // The child's controls are read first; a value they refuse keeps
      // the dialog open as a refused name does.
      m_bChecking = true;
      result = (!UpdateData(TRUE) || OnFileNameOK()) ? 1 : 0;
      m_bChecking = false;
      break;
    default:
      return CCommonDialog::OnNotify(wParam, lParam, pResult);
  }
  return afx::AnswerNotify(m_hWnd, result, pResult);
}

BOOL CFileDialog::OnFileNameOK() { return FALSE; }
void CFileDialog::OnInitDone() {}
void CFileDialog::OnFileNameChange() {}
void CFileDialog::OnFolderChange() {}
void CFileDialog::OnTypeChange() {}

HWND CFileDialog::SystemDialog() const { return m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr; }

CString CFileDialog::AskDialog(UINT message) const {
  HWND dialog = SystemDialog();
  const auto needed = static_cast<int>(::SendMessage(dialog, message, 0, 0));
  if (needed <= 0) return CString();
  CString text;
  ::SendMessage(dialog, message, static_cast<WPARAM>(needed), reinterpret_cast<LPARAM>(text.GetBuffer(needed)));
  text.ReleaseBuffer();
  return text;
}

CString CFileDialog::CurrentPath() const {
  // While the name is checked the result (default extension added) is
  // already in the buffer; before, only the dialog knows what is typed.
  if (SystemDialog() != nullptr && !m_bChecking) return AskDialog(CDM_GETFILEPATH);
  return m_ofn.lpstrFile != nullptr ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetPathName() const { return CurrentPath(); }

CString CFileDialog::GetFileName() const { return LeafOf(CurrentPath()); }

CString CFileDialog::GetFileTitle() const {
  const CString name = GetFileName();
  const int dot = ExtensionDot(name);
  return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFileExt() const {
  const CString name = GetFileName();
  const int dot = ExtensionDot(name);
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFolderPath() const {
  if (SystemDialog() != nullptr) return AskDialog(CDM_GETFOLDERPATH);
  return FolderOf(GetPathName());
}

// A position is one past the offset of the next name in the buffer.
POSITION CFileDialog::GetStartPosition() const {
  if (m_ofn.lpstrFile == nullptr || m_ofn.lpstrFile[0] == '\0') return nullptr;
  return reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
  const char* buffer = m_ofn.lpstrFile;
  const auto offset = reinterpret_cast<UINT_PTR>(pos) - 1;
  // Several names only when the dialog put the first after the folder's
  // NUL; one name is its whole path, and whatever follows its NUL is left
  // over from an earlier answer.
  const bool several =
      (m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > 0 && buffer[m_ofn.nFileOffset - 1] == '\0';
  if (!several) {
    pos = nullptr;
    return CString(buffer);
  }
  const size_t at = offset == 0 ? m_ofn.nFileOffset : offset;
  const char* name = buffer + at;
  const size_t next = at + std::strlen(name) + 1;
  pos = buffer[next] == '\0' ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(next + 1));
  return JoinPath(CString(buffer), CString(name));
}

void CFileDialog::SetControlText(int nID, LPCTSTR lpsz) {
  ::SendMessage(SystemDialog(), CDM_SETCONTROLTEXT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(lpsz));
}

void CFileDialog::HideControl(int nID) { ::SendMessage(SystemDialog(), CDM_HIDECONTROL, static_cast<WPARAM>(nID), 0); }

void CFileDialog::SetDefExt(LPCSTR lpsz) {
  ::SendMessage(SystemDialog(), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(lpsz));
}
