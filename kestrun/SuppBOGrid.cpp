#include "SuppBOGrid.h"

#include "Connector.h"
#include "DataManager.h"

namespace {

constexpr WORD kNameListControl = 0xF010;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

}  // namespace

IMPLEMENT_DYNAMIC(CSuppBOGrid, CSuppBOGridBase)

CSuppBOGrid::CSuppBOGrid() = default;

CSuppBOGrid::~CSuppBOGrid() = default;

void CSuppBOGrid::OnGridInitialUpdate() {
  CSuppBOGridBase::OnGridInitialUpdate();
  SetupColumns(COLS_SUPPORTED_BOS);
  auto* list = new CGXComboBoxWnd(this);
  list->Create(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT | CBS_AUTOHSCROLL, kNameListControl);
  RegisterControl(kNameListControl, list);
  m_pNameList = list;
}

BOOL CSuppBOGrid::IsChoosing() const { return m_pNameList != nullptr && m_pNameList->IsDroppedDown(); }

void CSuppBOGrid::SetRowStyles(ROWCOL nRow) {
  SetStyleRange(CGXRange(nRow, COL_NAME),
                CGXStyle().SetControl(kNameListControl).SetInterior(kWhite).SetChoiceList(m_strFreeNames), gxOverride,
                0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, COL_AGENT), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetCheckBoxValues(kTrue, kFalse),
                gxOverride, 0, GX_INVALIDATE);
}

bool CSuppBOGrid::IsNameInGrid(const CString& name) {
  for (ROWCOL row = 1; row <= GetRowCount(); ++row) {
    if (GetValueRowCol(row, COL_NAME).CompareNoCase(name) == 0) return true;
  }
  return false;
}

int CSuppBOGrid::RefreshFreeNames() {
  m_strFreeNames.Empty();
  int count = 0;
  if (const CStringList* names = CDataManager::InitInstance()->RefreshBONames(0)) {
    for (POSITION pos = names->GetHeadPosition(); pos != nullptr;) {
      const CString& name = names->GetNext(pos);
      if (IsNameInGrid(name)) continue;
      m_strFreeNames += name + "\n";
      ++count;
    }
  }
  SetRowChoices();
  return count;
}

void CSuppBOGrid::SetRowChoices() {
  for (ROWCOL row = 1; row <= GetRowCount(); ++row) {
    const CString name = GetValueRowCol(row, COL_NAME);
    const CString choices = name.IsEmpty() ? m_strFreeNames : name + "\n" + m_strFreeNames;
    SetStyleRange(CGXRange(row, COL_NAME), CGXStyle().SetChoiceList(choices), gxOverride, 0, GX_INVALIDATE);
  }
}

void CSuppBOGrid::FillFromConnector() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const BOOL locked = LockUpdate(TRUE);
  // The server's names as they are now; later refreshes use this list.
  CDataManager::InitInstance()->RefreshBONames(1);
  ROWCOL row = GetRowCount();
  for (POSITION pos = connector->m_supportedBOs.GetHeadPosition(); pos != nullptr;) {
    CQRSupportedBO* record = connector->m_supportedBOs.GetNext(pos);
    if (record->state & RECORD_STALE) continue;
    AddEmptyRow(++row);
    SetStyleRange(CGXRange(row, COL_NAME), CGXStyle().SetValue(record->name).SetItemDataPtr(record), gxOverride, 0,
                  GX_INVALIDATE);
    SetValueRange(CGXRange(row, COL_AGENT), record->agentSupport ? kTrue : kFalse, gxOverride, 0, GX_INVALIDATE);
  }
  if (row > 0) SortByColumn(COL_NAME, FALSE);
  if (RefreshFreeNames() > 0) AddEmptyRow(GetRowCount() + 1);
  LockUpdate(locked);
  Redraw();
}

void CSuppBOGrid::GetRows(CStringArray& names, CDWordArray& agentSupport) {
  TransferCurrentCell();
  for (ROWCOL row = 1; row <= GetRowCount(); ++row) {
    const CString name = GetValueRowCol(row, COL_NAME);
    if (name.IsEmpty()) continue;
    names.Add(name);
    agentSupport.Add(GetValueRowCol(row, COL_AGENT).CompareNoCase(kTrue) == 0 ? 1 : 0);
  }
}

void CSuppBOGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  if (IsChoosing()) return;
  if (nCol == COL_NAME) {
    const int free = RefreshFreeNames();
    if (nRow == GetRowCount() && !GetValueRowCol(nRow, COL_NAME).IsEmpty() && free != 0) AddEmptyRow(nRow + 1);
  }
  MarkModified();
  CSuppBOGridBase::OnModifyCell(nRow, nCol);
}

void CSuppBOGrid::RemoveRowRecord(CConnector& connector, ROWCOL nRow) {
  if (GetRowItem(nRow, COL_NAME) != nullptr) connector.RemoveSupportedBO(GetValueRowCol(nRow, COL_NAME));
}

void CSuppBOGrid::OnRowsDeleted(BOOL bLastNamed) {
  if (RefreshFreeNames() > 0 && bLastNamed) AddEmptyRow(GetRowCount() + 1);
}
