#include "AddHTopic.h"

#include <afxdlgs.h>
#include <sec/secjpeg.h>

#include <filesystem>

#include "AllHTopics.h"
#include "HelpNames.h"
#include "HvHelp.h"
#include "ResourceScope.h"
#include "resource.h"

namespace {

constexpr const char* kPageFilter = "HTML Help files | *.html|All Files |*.*||";

bool FileExists(const CString& path) { return ::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

void MakeParentFolders(const CString& path) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path.GetString()).parent_path(), ec);
}

}  // namespace

IMPLEMENT_DYNAMIC(CAddHTopic, CDialog)

BEGIN_MESSAGE_MAP(CAddHTopic, CDialog)
  ON_BN_CLICKED(IDC_HTOPIC_BROWSE, OnBrowse)
  ON_BN_CLICKED(IDC_HTOPIC_LIST_ALL, OnListAll)
END_MESSAGE_MAP()

CAddHTopic::CAddHTopic(HvHelp* pHelp, HTopic* pTopic, CWnd* pParent)
    : CDialog(IDD_ADD_HTOPIC, pParent),
      m_strTitle(pTopic->m_strTitle),
      m_strSubTopic(pTopic->m_strSubTopic),
      m_strPage(pTopic->m_strPage),
      m_pHelp(pHelp),
      m_pTopic(pTopic) {}

CAddHTopic::~CAddHTopic() = default;

INT_PTR CAddHTopic::DoModal() {
  velmora::ResourceScope resources;
  return CDialog::DoModal();
}

void CAddHTopic::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_HTOPIC_WINDOW, m_strTitle);
  DDX_Text(pDX, IDC_HTOPIC_TAB, m_strSubTopic);
  DDX_Text(pDX, IDC_HTOPIC_PAGE, m_strPage);
  DDX_Check(pDX, IDC_HTOPIC_CREATE, m_bCreatePage);
}

BOOL CAddHTopic::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(IDC_HTOPIC_PAGE));
  return FALSE;
}

void CAddHTopic::OnBrowse() {
  // What was typed so far stays when the controls are refreshed.
  if (!UpdateData(TRUE)) return;
  CFileDialog dialog(TRUE, "*.html", m_strPage, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kPageFilter, this);
  const CString initialFolder = m_pHelp->GetHelpPath();
  dialog.m_ofn.lpstrInitialDir = initialFolder;
  if (dialog.DoModal() != IDOK) return;
  // Compared in lower case, as the help folder is kept; the page keeps the
  // file's real case, which a Linux file system needs to find it again.
  const CString path = dialog.GetPathName();
  CString lower = path;
  lower.MakeLower();
  const CString folder = m_pHelp->GetHelpFolder() + "/";
  if (lower.Left(folder.GetLength()) != folder) {
    AfxMessageBox("Selected file is not relative to a help directory for this application", MB_ICONERROR);
    return;
  }
  m_strPage = path.Mid(folder.GetLength());
  UpdateData(FALSE);
}

void CAddHTopic::OnListAll() {
  CAllHTopics topics(&m_pHelp->GetTopics(), this);
  topics.DoModal();
}

bool CAddHTopic::WriteStubPage() {
  const CString path = m_pHelp->HelpFile(m_strPage);
  CString imageName;
  if (SECJpeg* image = m_pTopic->GetImage()) {
    imageName = velmora::help::ImageName(m_strPage);
    const CString imagePath = m_pHelp->HelpFile(m_pHelp->GetAppName() + "/" + imageName);
    MakeParentFolders(imagePath);
    // A page without its picture is still a page to start from.
    if (!image->SaveImage(imagePath)) imageName.Empty();
  }
  const CString text = velmora::help::StubPage(m_strTitle, m_strSubTopic, imageName);
  MakeParentFolders(path);
  try {
    CFile page(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    page.Write(text.GetString(), static_cast<UINT>(text.GetLength()));
    page.Close();
  } catch (CException* e) {
    e->Delete();
    CString message;
    message.Format("The help page '%s' could not be written.", path.GetString());
    AfxMessageBox(message, MB_ICONERROR);
    return false;
  }
  return true;
}

void CAddHTopic::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strPage.Trim();
  if (!velmora::help::IsRelativePage(m_strPage)) {
    AfxMessageBox("Please, specify the valid help file", MB_ICONERROR);
    GotoDlgCtrl(GetDlgItem(IDC_HTOPIC_PAGE));
    return;
  }
  if (m_bCreatePage && !FileExists(m_pHelp->HelpFile(m_strPage)) && !WriteStubPage()) return;
  m_pTopic->m_strTitle = m_strTitle;
  m_pTopic->m_strSubTopic = m_strSubTopic;
  m_pTopic->m_strPage = m_strPage;
  m_pHelp->Flush();
  EndDialog(IDOK);
}
