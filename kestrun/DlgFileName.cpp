#include "DlgFileName.h"

#include <afxdlgs.h>

#include <HLGridDialogLayout.h>
#include <UtilMessageBox.h>

#include "ConnectorGrid.h"
#include "FileKinds.h"
#include "resource.h"

namespace {

constexpr int kHeaderWidth = 12;
constexpr int kNameWidth = 150;
constexpr int kFileWidth = 250;
constexpr int kBrowseWidth = 60;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgFileName, CDialog)
  ON_WM_SIZE()
  ON_MESSAGE(WM_FILE_NAME_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CDlgFileName::CDlgFileName(CWnd* pParent) : CDialog(IDD_FILE_NAME, pParent) {}

CDlgFileName::~CDlgFileName() = default;

BOOL CDlgFileName::OnInitDialog() {
  CDialog::OnInitDialog();
  GXInit();
  m_wndGrid.SubclassDlgItem(IDC_FILE_NAME_GRID, this);
  m_wndGrid.Initialize();
  FillGrid();
  CRect client;
  GetClientRect(&client);
  LayOut(client.Width(), client.Height());
  return TRUE;
}

void CDlgFileName::FillGrid() {
  CFileNameGrid& grid = m_wndGrid;
  grid.LockUpdate(TRUE);
  grid.SetColCount(CFileNameGrid::kBrowseCol);
  grid.SetRowCount(static_cast<ROWCOL>(m_rows.GetSize()));
  grid.SetColWidth(0, 0, kHeaderWidth);
  grid.SetColWidth(CFileNameGrid::kNameCol, CFileNameGrid::kNameCol, kNameWidth);
  grid.SetColWidth(CFileNameGrid::kFileCol, CFileNameGrid::kFileCol, kFileWidth);
  grid.SetColWidth(CFileNameGrid::kBrowseCol, CFileNameGrid::kBrowseCol, kBrowseWidth);
  grid.SetValueRange(CGXRange(0, CFileNameGrid::kNameCol), "Connector Name");
  grid.SetValueRange(CGXRange(0, CFileNameGrid::kFileCol), "File Name");
  for (INT_PTR i = 0; i < m_rows.GetSize(); ++i) {
    const auto nRow = static_cast<ROWCOL>(i + 1);
    grid.SetStyleRange(CGXRange(nRow, CFileNameGrid::kNameCol), CGXStyle()
                                                                    .SetControl(GX_IDS_CTRL_STATIC)
                                                                    .SetValue(m_rows[i].m_strName)
                                                                    .SetReadOnly(TRUE)
                                                                    .SetInterior(CConnectorGrid::kReadOnlyColor));
    grid.SetStyleRange(CGXRange(nRow, CFileNameGrid::kFileCol),
                       CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetValue(m_rows[i].m_strPath));
    grid.SetStyleRange(CGXRange(nRow, CFileNameGrid::kBrowseCol),
                       CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN).SetChoiceList("Browse"));
  }
  grid.LockUpdate(FALSE);
  grid.Redraw();
}

void CDlgFileName::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  LayOut(cx, cy);
}

void CDlgFileName::LayOut(int cx, int cy) {
  CWnd* pOk = GetDlgItem(IDOK);
  CWnd* pCancel = GetDlgItem(IDCANCEL);
  if (pOk != nullptr && pCancel != nullptr) HLLayoutGridDialog(*this, m_wndGrid, *pOk, *pCancel, cx, cy);
}

LRESULT CDlgFileName::OnBrowse(WPARAM wParam, LPARAM lParam) {
  const auto nRow = static_cast<ROWCOL>(wParam);
  if (static_cast<ROWCOL>(lParam) != CFileNameGrid::kBrowseCol || nRow < 1 || nRow > m_wndGrid.GetRowCount()) return 0;
  m_wndGrid.TransferCurrentCell();
  CFileDialog dlg(FALSE, ".cfg", m_wndGrid.GetValueRowCol(nRow, CFileNameGrid::kFileCol), OFN_HIDEREADONLY,
                  "Configuration file (*.cfg)|*.cfg||", this);
  dlg.m_ofn.lpstrTitle = "Select save file";
  if (dlg.DoModal() == IDOK) m_wndGrid.SetValueRange(CGXRange(nRow, CFileNameGrid::kFileCol), dlg.GetPathName());
  return 0;
}

BOOL CDlgFileName::TakeFiles(CArray<CString, const CString&>& files) {
  m_wndGrid.TransferCurrentCell();
  for (INT_PTR i = 0; i < m_rows.GetSize(); ++i) {
    CString path = m_wndGrid.GetValueRowCol(static_cast<ROWCOL>(i + 1), CFileNameGrid::kFileCol);
    path.Trim();
    const CString& name = m_rows[i].m_strName;
    if (path.IsEmpty()) {
      FormatMessageBox(MB_ICONEXCLAMATION, "Please, specify a file for '%s'.", static_cast<LPCTSTR>(name));
      return FALSE;
    }
    const CString ext = FileExtension(path);
    if (ext.IsEmpty()) path = WithConfigExtension(path);
    // A repository copy must never be overwritten with configuration text.
    if (IsRepositoryExtension(ext)) {
      FormatMessageBox(MB_ICONEXCLAMATION,
                       "The file '%s' of '%s' is a repository file.\nConnectors are saved here as configuration "
                       "files (.cfg).",
                       static_cast<LPCTSTR>(path), static_cast<LPCTSTR>(name));
      return FALSE;
    }
    for (INT_PTR j = 0; j < files.GetSize(); ++j) {
      if (files[j] == path) {
        FormatMessageBox(MB_ICONEXCLAMATION, "The file '%s' is chosen for more than one connector.",
                         static_cast<LPCTSTR>(path));
        return FALSE;
      }
    }
    files.Add(path);
  }
  return TRUE;
}

void CDlgFileName::OnOK() {
  CArray<CString, const CString&> files;
  if (!TakeFiles(files)) return;
  for (INT_PTR i = 0; i < m_rows.GetSize(); ++i) m_rows[i].m_strPath = files[i];
  EndDialog(IDOK);
}
