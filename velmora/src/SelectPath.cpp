// The class-path dialog: a jar file or a folder, picked in the file dialog
// or the folder browser, checked to exist and kept in the registry.
#include "SelectPath.h"

#include <HLUtilWinRegistry.h>
#include <afxcrt.h>
#include <afxdlgs.h>
#include <shlobj.h>

#include "ResourceScope.h"
#include "resource.h"

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kChoiceEntry = "isFile";
constexpr const char* kPathEntry = "Path";

}  // namespace

BEGIN_MESSAGE_MAP(CSelectPath, CDialog)
  ON_BN_CLICKED(IDC_CLASS_PATH_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CSelectPath::CSelectPath(CWnd* pParent)
    : CDialog(IDD, pParent), m_pRegistry(std::make_unique<CWinRegistry>("Halvane", "Pellisk")) {
  m_nChoice = static_cast<int>(m_pRegistry->GetProfileInt(kSection, kChoiceEntry, kJarFile));
  m_strPath = m_pRegistry->GetProfileString(kSection, kPathEntry, "");
}

CSelectPath::~CSelectPath() = default;

INT_PTR CSelectPath::DoModal() {
  velmora::ResourceScope resources;
  return CDialog::DoModal();
}

void CSelectPath::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_CLASS_PATH, m_strPath);
  DDX_Radio(pDX, IDC_CLASS_PATH_JAR, m_nChoice);
}

void CSelectPath::OnBrowse() {
  velmora::ResourceScope resources;
  UpdateData(TRUE);
  const CString chosen = m_nChoice == kDirectory ? BrowseForFolder() : BrowseForJar();
  if (!chosen.IsEmpty()) m_strPath = chosen;
  UpdateData(FALSE);
}

CString CSelectPath::BrowseForFolder() {
  BROWSEINFO info{};
  info.hwndOwner = m_hWnd;
  info.lpszTitle = "Select the ClassPath Directory";
  info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_SHAREABLE;
  PIDLIST_ABSOLUTE pidl = SHBrowseForFolder(&info);
  if (pidl == nullptr) return CString();
  char path[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDList(pidl, path);
  LPMALLOC pMalloc = nullptr;
  if (SHGetMalloc(&pMalloc) == S_OK) {
    pMalloc->Free(pidl);
    pMalloc->Release();
  }
  return found ? CString(path) : CString();
}

CString CSelectPath::BrowseForJar() {
  CFileDialog dialog(TRUE, "*.jar", "Halvane.jar", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_SHOWHELP,
                     "Jar Files(*.jar;*.zip)|*.jar;*.zip|All Files (*.*)|*.*||", this);
  dialog.m_ofn.lpstrTitle = "Select Halvane.jar File";
  if (dialog.DoModal() != IDOK) return CString();
  return dialog.GetPathName();
}

void CSelectPath::OnOK() {
  velmora::ResourceScope resources;
  if (!UpdateData(TRUE)) return;
  if (m_strPath.IsEmpty() || _access(m_strPath, 0) != 0) {
    AfxMessageBox(IDS_INVALID_CLASS_PATH, MB_OK);
    return;
  }
  m_pRegistry->WriteProfileInt(kSection, kChoiceEntry, m_nChoice);
  m_pRegistry->WriteProfileString(kSection, kPathEntry, m_strPath);
  EndDialog(IDOK);
}
