#include "DlgImportFile.h"

#include <Constants.h>
#include <UtilFunc.h>

#include "DataManager.h"
#include "GenerateWizard.h"
#include "KBRXProfileDlg.h"
#include "resource.h"

namespace {

// The description of the schema file type in the filters.
CString SchemaTypeDescription() {
  CString filter;
  filter.LoadString(IDS_XSD_FILTER);
  const int bar = filter.Find('|');
  return bar < 0 ? filter : filter.Left(bar);
}

// The 1-based place in the "description|pattern|..." filter of the type
// whose pattern is "*." + the extension; 0 when there is none.
DWORD FilterIndexOf(LPCTSTR filter, LPCTSTR defExt) {
  if (filter == nullptr || defExt == nullptr) return 0;
  CString ext = defExt;
  ext.TrimLeft('.');
  const CString pattern = "*." + ext;
  CString rest = filter;
  for (DWORD index = 1;; ++index) {
    const int first = rest.Find('|');
    if (first < 0) return 0;
    const int second = rest.Find('|', first + 1);
    const CString patterns = second < 0 ? rest.Mid(first + 1) : rest.Mid(first + 1, second - first - 1);
    if (patterns.CompareNoCase(pattern) == 0) return index;
    if (second < 0) return 0;
    rest = rest.Mid(second + 1);
  }
}

}  // namespace

IMPLEMENT_DYNAMIC(CDlgImportFile, CFileDialog)

BEGIN_MESSAGE_MAP(CDlgImportFile, CFileDialog)
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_GENERATE_BROKER_FILES, OnGenerateBrokerFiles)
  ON_BN_CLICKED(IDC_USE_PROFILE, OnUseProfile)
END_MESSAGE_MAP()

CDlgImportFile::CDlgImportFile(BOOL bOpen, LPCTSTR defExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter, CWnd* parent,
                               BOOL noBrokerOptions)
    : CFileDialog(bOpen, defExt, fileName, flags | OFN_ENABLETEMPLATE | OFN_SHOWHELP, filter, parent),
      m_bOpen(bOpen),
      m_bNoBrokerOptions(noBrokerOptions),
      m_strGivenName(fileName != nullptr ? fileName : "") {
  m_ofn.lpTemplateName = MAKEINTRESOURCE(IDD_IMPORT_FILE);
  m_ofn.lpstrTitle = "Open BusinessObject File";
  // The type shown at first is the one of the default extension.
  m_ofn.nFilterIndex = FilterIndexOf(filter, defExt);
  // Without a name there is nothing to rename from.
  if (m_strGivenName.IsEmpty()) m_nRename = BST_UNCHECKED;
}

CDlgImportFile::~CDlgImportFile() = default;

AgentPropArray& CDlgImportFile::GetBrokerProperties() {
  static AgentPropArray properties;
  return properties;
}

void CDlgImportFile::DoDataExchange(CDataExchange* pDX) {
  CFileDialog::DoDataExchange(pDX);
  if (m_bOpen) {
    DDX_Check(pDX, IDC_OPEN_IMPORTED, m_nOpenImported);
    return;
  }
  if (m_bNoBrokerOptions) return;
  DDX_Check(pDX, IDC_GENERATE_BROKER_FILES, m_nGenerateBrokerFiles);
  DDX_Check(pDX, IDC_RENAME_TO_FILE_NAME, m_nRename);
  DDX_Control(pDX, IDC_GENERATE_BROKER_FILES, m_btnGenerateBrokerFiles);
  DDX_Control(pDX, IDC_USE_PROFILE, m_btnUseProfile);
  DDX_Control(pDX, IDC_RENAME_TO_FILE_NAME, m_btnRename);
}

void CDlgImportFile::RemoveControl(int nID) {
  if (CWnd* pControl = GetDlgItem(nID)) {
    pControl->ShowWindow(SW_HIDE);
    pControl->EnableWindow(FALSE);
  }
}

BOOL CDlgImportFile::OnInitDialog() {
  CFileDialog::OnInitDialog();
  CWnd* pSystem = GetParent();
  CRect own;
  GetClientRect(&own);
  if (m_bOpen || m_bNoBrokerOptions) {
    RemoveControl(IDC_GENERATE_BROKER_FILES);
    RemoveControl(IDC_USE_PROFILE);
    RemoveControl(IDC_RENAME_TO_FILE_NAME);
    if (m_bNoBrokerOptions) RemoveControl(IDC_OPEN_IMPORTED);
  } else {
    RemoveControl(IDC_OPEN_IMPORTED);
    m_btnGenerateBrokerFiles.SetCheck(BST_CHECKED);
    m_sizing.Add(
        CControlSizingDefinition(&m_btnUseProfile, HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_TOP));
    m_sizing.SetContainerInitialSize(own.Size());
  }
  // The options span the dialog: the template takes its width.
  CRect system;
  pSystem->GetClientRect(&system);
  SetWindowPos(nullptr, 0, 0, system.Width(), own.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  CString title = m_bOpen ? CString("Import Business Object(s) From File(s)") : CString(m_ofn.lpstrTitle);
  if (!m_bOpen && m_bNoBrokerOptions) title += "s";
  pSystem->SetWindowText(title);

  m_hFileType = ::GetDlgItem(pSystem->GetSafeHwnd(), cmb1);
  UpdateControls();
  return TRUE;
}

void CDlgImportFile::OnSize(UINT nType, int cx, int cy) {
  CFileDialog::OnSize(nType, cx, cy);
  if (m_sizing.GetCount() > 0) m_sizing.ResizeTo(cx, cy);
}

BOOL CDlgImportFile::IsSchemaTypeSelected() const {
  if (m_hFileType == nullptr) return FALSE;
  const auto index = static_cast<int>(::SendMessage(m_hFileType, CB_GETCURSEL, 0, 0));
  if (index < 0) return FALSE;
  const auto length = static_cast<int>(::SendMessage(m_hFileType, CB_GETLBTEXTLEN, index, 0));
  CString text;
  ::SendMessage(m_hFileType, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(length + 1)));
  text.ReleaseBuffer();
  return text == SchemaTypeDescription();
}

void CDlgImportFile::UpdateControls() {
  if (m_bOpen || m_bNoBrokerOptions || m_btnRename.GetSafeHwnd() == nullptr) return;
  const BOOL schema = IsSchemaTypeSelected();
  // Deployment files come only with schema files, the profile only with them.
  m_btnGenerateBrokerFiles.EnableWindow(schema);
  m_btnUseProfile.EnableWindow(schema && m_btnGenerateBrokerFiles.GetCheck() == BST_CHECKED);
  if (schema) {
    // A schema file always carries the definition's own name.
    m_btnRename.SetButtonStyle(BS_AUTO3STATE);
    m_btnRename.SetCheck(BST_INDETERMINATE);
    m_btnRename.EnableWindow(FALSE);
  } else {
    m_btnRename.EnableWindow(TRUE);
    if (m_btnRename.GetCheck() == BST_INDETERMINATE) m_btnRename.SetCheck(BST_UNCHECKED);
    m_btnRename.SetButtonStyle(BS_AUTOCHECKBOX);
  }
}

void CDlgImportFile::OnTypeChange() { UpdateControls(); }

void CDlgImportFile::OnGenerateBrokerFiles() {
  m_btnUseProfile.EnableWindow(m_btnGenerateBrokerFiles.GetCheck() == BST_CHECKED);
}

void CDlgImportFile::OnUseProfile() {
  if (m_pBrokerBook == nullptr) m_pBrokerBook = std::make_unique<CGenerateWizard>("", nullptr, 0);
  // The dialog edits the process-wide list in place: OK keeps what was
  // entered there, Cancel puts it back.
  m_pBrokerBook->SetAgentProperties(&GetBrokerProperties());
  CKBRXProfileDlg dlg(GetParent());
  dlg.SetWizard(m_pBrokerBook.get());
  dlg.DoModal();
}

BOOL CDlgImportFile::OnFileNameOK() {
  // The options were read into the members before this is asked.
  if (m_bOpen || m_bNoBrokerOptions) return FALSE;
  // Deployment files are asked for only where the box could be changed.
  if (!m_btnGenerateBrokerFiles.IsWindowEnabled()) m_nGenerateBrokerFiles = BST_UNCHECKED;
  const CString title = GetFileTitle();
  if (!CUtilFunc::ValidateName(HvObjBusObj, title, TRUE, nullptr)) return TRUE;
  // Names are unique without regard to case: a rename to another's name,
  // or to a different case of one, is refused.
  const BOOL renames = m_nRename == BST_CHECKED && title != m_strGivenName;
  if (renames && FindNoCase(*CDataManager::InitInstance()->RefreshBONames(0), title) != nullptr) {
    const CString caption = "Error Renaming Definition \"" + m_strGivenName + "\"";
    ::MessageBox(GetParent()->GetSafeHwnd(), g_impExpErrors.GetMessage(25), caption, MB_OK | MB_ICONSTOP);
    return TRUE;
  }
  return FALSE;
}
