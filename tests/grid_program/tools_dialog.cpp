#include "tools_dialog.h"

namespace gridprogram {

namespace {

struct SampleTool {
  const char* name;
  const char* kind;
  const char* enabled;
  const char* id;
};

constexpr SampleTool kSampleTools[] = {
    {"Ledger", "0", "1", "T-100"},
    {"Relay", "2", "0", "T-200"},
    {"Mailer", "1", "1", "T-300"},
    {"Archive", "0", "0", "T-400"},
};

constexpr COLORREF kGrey = RGB(192, 192, 192);

}  // namespace

BOOL CToolsGrid::OnStartEditing(ROWCOL nRow, ROWCOL nCol) {
  Note("OnStartEditing", nRow, nCol);
  return TRUE;
}

// Every tool needs a name: an emptied name cell keeps its editor.
BOOL CToolsGrid::OnValidateCell(ROWCOL nRow, ROWCOL nCol) {
  Note("OnValidateCell", nRow, nCol);
  CString sText;
  CGXControl* pControl = GetCurrentCellControl();
  if (nCol != kNameCol || pControl == nullptr || !pControl->GetCurrentText(sText)) return TRUE;
  sText.Trim();
  if (!sText.IsEmpty()) return TRUE;
  SetWarningText(kNameNeeded);
  return FALSE;
}

void CToolsGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol) { Note("OnModifyCell", nRow, nCol); }

BOOL CToolsGrid::OnEndEditing(ROWCOL nRow, ROWCOL nCol) {
  Note("OnEndEditing", nRow, nCol);
  return TRUE;
}

BOOL CToolsGrid::OnCancelEditing(ROWCOL nRow, ROWCOL nCol) {
  Note("OnCancelEditing", nRow, nCol);
  return TRUE;
}

BOOL CToolsGrid::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT, CPoint) {
  Note("OnLButtonClickedRowCol", nRow, nCol);
  return TRUE;
}

void CToolsGrid::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) { Note("OnClickedButtonRowCol", nRow, nCol); }

BOOL CToolsGrid::OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL, ROWCOL) {
  Note("OnLeftCell", nRow, nCol);
  return TRUE;
}

void CToolsGrid::OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) { Note("OnMovedCurrentCell", nRow, nCol); }

BOOL CToolsGrid::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags) {
  if (!CGXGridWnd::MoveRows(nFromRow, nToRow, nDestRow, flags)) return FALSE;
  log.push_back("MoveRows(" + std::to_string(nFromRow) + "-" + std::to_string(nToRow) + "," + std::to_string(nDestRow) +
                ")");
  return TRUE;
}

BOOL CToolsGrid::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags) {
  if (!CGXGridWnd::RemoveRows(nFromRow, nToRow, flags)) return FALSE;
  Note("RemoveRows", nFromRow, nToRow);
  return TRUE;
}

std::vector<std::string> CToolsGrid::TakeLog() {
  std::vector<std::string> taken;
  taken.swap(log);
  return taken;
}

std::string CToolsGrid::RowText(ROWCOL nRow) {
  std::string text;
  for (ROWCOL col = 1; col <= GetColCount(); ++col) {
    if (col > 1) text += '|';
    text += static_cast<LPCTSTR>(GetValueRowCol(nRow, col));
  }
  return text;
}

void CToolsGrid::OnGridInitialUpdate() {
  CGXGridWnd::OnGridInitialUpdate();
  LockUpdate(TRUE);
  SetColCount(4);
  SetRowCount(static_cast<ROWCOL>(std::size(kSampleTools)));
  SetValueRange(CGXRange(0, kNameCol), "Name");
  SetValueRange(CGXRange(0, kKindCol), "Kind");
  SetValueRange(CGXRange(0, kEnabledCol), "Enabled");
  SetValueRange(CGXRange(0, kIdCol), "Id");
  SetColWidth(0, 0, 28);
  SetColWidth(kNameCol, kKindCol, 100);
  SetColWidth(kEnabledCol, kIdCol, 60);
  SetStyleRange(CGXRange().SetCols(kKindCol),
                CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(kKinds));
  SetStyleRange(CGXRange().SetCols(kEnabledCol),
                CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(DT_CENTER));
  ROWCOL row = 1;
  for (const SampleTool& tool : kSampleTools) {
    SetValueRange(CGXRange(row, kNameCol), tool.name);
    SetValueRange(CGXRange(row, kKindCol), tool.kind);
    SetValueRange(CGXRange(row, kEnabledCol), tool.enabled);
    SetValueRange(CGXRange(row, kIdCol), tool.id);
    ++row;
  }
  // Read-only last: read-only cells refuse the program's writes too.
  SetStyleRange(CGXRange().SetCols(kIdCol), CGXStyle().SetReadOnly(TRUE).SetInterior(kGrey));
  LockUpdate(FALSE);
  Redraw();
}

void CToolsGrid::Note(const char* name, ROWCOL nRow, ROWCOL nCol) {
  log.push_back(std::string(name) + "(" + std::to_string(nRow) + "," + std::to_string(nCol) + ")");
}

CRecordsGrid::CRecordsGrid(std::vector<ToolRecord>& records) : CGXRecordBrowserWnd<ToolRecord>(records) {
  AddColumn(
      "Name", [](const ToolRecord& r) { return CString(r.name.c_str()); },
      [](ToolRecord& r, const CString& text) {
        if (text.IsEmpty()) return FALSE;
        r.name = static_cast<LPCTSTR>(text);
        return TRUE;
      });
  AddColumn("Host", [](const ToolRecord& r) { return CString(r.host.c_str()); });
  AddColumn(
      "Enabled", [](const ToolRecord& r) { return CString(r.enabled ? "1" : "0"); },
      [](ToolRecord& r, const CString& text) {
        r.enabled = text == "1";
        return TRUE;
      });
}

void CRecordsGrid::OnGridInitialUpdate() {
  CGXRecordBrowserWnd<ToolRecord>::OnGridInitialUpdate();
  SetColWidth(0, 0, 28);
  SetColWidth(1, 2, 120);
  SetColWidth(3, 3, 60);
  SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(DT_CENTER));
  SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetInterior(kGrey));
}

BEGIN_MESSAGE_MAP(CToolsDialog, CDialog)
  ON_BN_CLICKED(IDC_REMOVE, OnRemove)
END_MESSAGE_MAP()

CToolsDialog::CToolsDialog(std::vector<ToolRecord>& records) : CDialog(IDD_TOOLS), m_wndRecords(records) {}

BOOL CToolsDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_wndTools.SubclassDlgItem(IDC_TOOLS_GRID, this);
  m_wndTools.Initialize();
  m_wndRecords.SubclassDlgItem(IDC_RECORDS_GRID, this);
  m_wndRecords.Initialize();
  return TRUE;
}

void CToolsDialog::OnOK() {
  m_savedTools.clear();
  for (ROWCOL row = 1; row <= m_wndTools.GetRowCount(); ++row) m_savedTools.push_back(m_wndTools.RowText(row));
  CDialog::OnOK();
}

// Removes the selected rows, else the current cell's row; the last span
// first so that the earlier spans keep their numbers.
void CToolsDialog::OnRemove() {
  CRowColArray starts;
  CRowColArray ends;
  const ROWCOL nSpans = m_wndTools.GetSelectedRows(starts, ends, FALSE, TRUE);
  for (ROWCOL i = nSpans; i > 0; --i) {
    const auto at = static_cast<INT_PTR>(i - 1);
    m_wndTools.RemoveRows(starts[at], ends[at]);
  }
}

}  // namespace gridprogram
