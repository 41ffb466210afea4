#include "SuppBOViewNVRT.h"

#include <afxdlgs.h>

#include <DlgLoadResults.h>
#include <UtilMessageBox.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ConfigFileText.h"
#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "resource.h"

namespace {

constexpr const char* kOpenTitle = "Open Message Set ID File(s)";
constexpr const char* kOpenFilter = "Message Set ID (*.set)|*.set||";
constexpr const char* kSetExtension = ".set";
constexpr int kGap = 6;

bool EndsWithSetExtension(const CString& path) {
  const int length = static_cast<int>(strlen(kSetExtension));
  return path.GetLength() >= length && path.Right(length).CompareNoCase(kSetExtension) == 0;
}

// The conflict row of a name, ignoring case; null when none.
SetEntity* FindConflict(const std::vector<std::unique_ptr<SetEntity>>& rows, const CString& name) {
  for (const auto& row : rows) {
    if (row->m_strName.CompareNoCase(name) == 0) return row.get();
  }
  return nullptr;
}

void AddChoice(SetEntity& row, const CString& value) {
  for (INT_PTR i = 0; i < row.m_arrValues.GetSize(); ++i) {
    if (row.m_arrValues[i] == value) return;
  }
  row.m_arrValues.Add(value);
}

CString FormatString1(UINT id, const CString& argument) {
  CString text;
  AfxFormatString1(text, id, argument);
  return text;
}

}  // namespace

IMPLEMENT_DYNCREATE(CSuppBOViewNVRT, CGridTabView)

BEGIN_MESSAGE_MAP(CSuppBOViewNVRT, CGridTabView)
  ON_BN_CLICKED(IDC_SUPP_BO_NVRT_LOAD, OnLoad)
END_MESSAGE_MAP()

CSuppBOViewNVRT::CSuppBOViewNVRT() : CGridTabView(IDD_SUPP_BO_NVRT, IDC_SUPP_BO_NVRT_GRID) {}

// The grid stretches with the tab and the Load button stays beside its
// top right corner.
void CSuppBOViewNVRT::OnInitialUpdate() {
  CGridTabView::OnInitialUpdate();
  CWnd* load = GetDlgItem(IDC_SUPP_BO_NVRT_LOAD);
  if (load == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return;
  CRect client;
  GetClientRect(&client);
  CRect grid;
  CRect button;
  m_wndGrid.GetWindowRect(&grid);
  load->GetWindowRect(&button);
  ScreenToClient(&grid);
  ScreenToClient(&button);
  button.OffsetRect(client.right - kMarginRight - button.right, grid.top - button.top);
  load->MoveWindow(&button);
  m_wndGrid.MoveWindow(grid.left, grid.top, std::max(0, button.left - kGap - grid.left),
                       std::max(0, client.bottom - kMarginBottom - grid.top));
  m_layout.Init(this);
  m_layout.AddWindow(&m_wndGrid, SEC_ANCHOR_ALL);
  m_layout.AddWindow(load, SEC_ANCHOR_TOPRIGHT);
}

void CSuppBOViewNVRT::LayoutControls(int cx, int cy) {
  if (m_layout.GetNodeCount() > 0) m_layout.RecalcLayout(cx, cy);
  SetScrollSizes(MM_TEXT, CSize(0, 0));
}

BOOL CSuppBOViewNVRT::OnPreparePrinting(CPrintInfo* pInfo) { return PreparePrintingWithSelection(pInfo); }

void CSuppBOViewNVRT::OnLoad() {
  CFileDialog dlg(TRUE, kSetExtension, nullptr, OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                  kOpenFilter, this);
  dlg.m_ofn.lpstrTitle = kOpenTitle;
  if (dlg.DoModal() != IDOK) return;
  CStringArray paths;
  for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;) paths.Add(dlg.GetNextPathName(pos));
  LoadMessageSetFiles(paths);
}

void CSuppBOViewNVRT::LoadMessageSetFiles(const CStringArray& paths) {
  CConnector* connector = GetConnector();
  CConnectorFileCodec* codec = GetKestrunApp() != nullptr ? GetKestrunApp()->GetCodec() : nullptr;
  if (connector == nullptr || codec == nullptr) return;
  CMessageSetEntries entries;
  bool anyRead = false;
  for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
    if (EndsWithSetExtension(paths[i]) && codec->ReadMessageSetFile(paths[i], entries)) {
      anyRead = true;
    } else {
      FormatMessageBox(0, "Could not load Message Set ID '%s' file", static_cast<LPCTSTR>(paths[i]));
    }
  }
  if (!anyRead) return;
  std::vector<std::unique_ptr<SetEntity>> conflicts;
  for (INT_PTR i = 0; i < entries.GetSize(); ++i) {
    const CMessageSetEntry& entry = entries[i];
    const CMessageSetRecord* record = connector->FindMessageSet(entry.m_strName);
    if (record == nullptr) {
      connector->SetMessageSet(entry.m_strName, entry.m_strId);
    } else if (record->m_strId != entry.m_strId) {
      if (SetEntity* row = FindConflict(conflicts, entry.m_strName)) {
        AddChoice(*row, entry.m_strId);
      } else {
        auto added = std::make_unique<SetEntity>(entry.m_strName, entry.m_strId);
        added->m_arrValues.Add(record->m_strId);
        AddChoice(*added, entry.m_strId);
        conflicts.push_back(std::move(added));
      }
    }
  }
  if (!conflicts.empty()) {
    CDlgLoadResults dlg(AfxGetMainWnd());
    for (const auto& row : conflicts) dlg.m_arrEntities.Add(row.get());
    if (dlg.DoModal() == IDOK) {
      for (const auto& row : conflicts) connector->SetMessageSet(row->m_strName, row->m_strValue);
    }
  }
  if (CKestrunDoc* doc = GetDocument(); doc != nullptr && connector->IsModified()) doc->SetModifiedFlag(TRUE);
  m_wndGrid.Refill();
}

// The first problem ends the check, with its line in the results bar.
BOOL CSuppBOViewNVRT::Validate() {
  if (m_wndGrid.GetSafeHwnd() == nullptr || m_wndGrid.GetRowCount() <= 1) return TRUE;
  m_wndGrid.TransferCurrentCell();
  std::set<std::string> names;
  std::set<std::string> ids;
  for (ROWCOL row = 1; row < m_wndGrid.GetRowCount(); ++row) {
    const CString name = m_wndGrid.GetCellText(row, CSuppBOGridNVRT::COL_NAME);
    const CString id = m_wndGrid.GetCellText(row, CSuppBOGridNVRT::COL_ID);
    CString number;
    number.Format("%d", static_cast<int>(row));
    CString line;
    if (name.IsEmpty())
      line = FormatString1(IDS_SUPP_BO_NAME_EMPTY, number);
    else if (!names.insert(static_cast<LPCTSTR>(name)).second)
      line = FormatString1(IDS_SUPP_BO_NAME_TWICE, name);
    else if (id.IsEmpty())
      line = FormatString1(IDS_SUPP_BO_ID_EMPTY, number);
    else if (!ids.insert(static_cast<LPCTSTR>(id)).second)
      line = FormatString1(IDS_SUPP_BO_ID_TWICE, id);
    if (!line.IsEmpty()) {
      AddResultLine(line);
      return FALSE;
    }
  }
  return TRUE;
}

BOOL CSuppBOViewNVRT::AppendConfigText(CString& text) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || connector->m_nType != CONNECTOR_KBRX) return TRUE;
  AddResultLine("Saving Supported Business Objects...");
  m_wndGrid.TransferCurrentCell();
  CConfigFileText::AppendSupportedObjects(*connector, text);
  return TRUE;
}
