#include "SuppBOGridNVRT.h"

#include "Connector.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

IMPLEMENT_DYNAMIC(CSuppBOGridNVRT, CSuppBOGridBase)

CSuppBOGridNVRT::CSuppBOGridNVRT() = default;

CSuppBOGridNVRT::~CSuppBOGridNVRT() = default;

void CSuppBOGridNVRT::OnGridInitialUpdate() {
  CSuppBOGridBase::OnGridInitialUpdate();
  SetupColumns(COLS_BROKER_BOS);
}

void CSuppBOGridNVRT::SetRowStyles(ROWCOL nRow) {
  SetStyleRange(CGXRange(nRow, COL_NAME, nRow, COL_ID), CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetInterior(kWhite),
                gxOverride, 0, GX_INVALIDATE);
}

CMessageSetRecord* CSuppBOGridNVRT::GetRowRecord(ROWCOL nRow) {
  return static_cast<CMessageSetRecord*>(GetRowItem(nRow, COL_NAME));
}

void CSuppBOGridNVRT::FillFromConnector() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const BOOL locked = LockUpdate(TRUE);
  ROWCOL row = GetRowCount();
  for (POSITION pos = connector->m_messageSets.GetHeadPosition(); pos != nullptr;) {
    CMessageSetRecord* record = connector->m_messageSets.GetNext(pos);
    if (record->m_nState & RECORD_STALE) continue;
    AddEmptyRow(++row);
    SetStyleRange(CGXRange(row, COL_NAME), CGXStyle().SetValue(record->m_strName).SetItemDataPtr(record), gxOverride, 0,
                  GX_INVALIDATE);
    SetValueRange(CGXRange(row, COL_ID), record->m_strId, gxOverride, 0, GX_INVALIDATE);
  }
  if (row > 0) SortByColumn(COL_NAME, FALSE);
  AddEmptyRow(GetRowCount() + 1);
  LockUpdate(locked);
  Redraw();
}

// The record takes the row's name and identifier together, so that an
// identifier typed before the name is not lost; a text past its limit is
// cut to the limit with a beep.
void CSuppBOGridNVRT::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || nRow == 0 || nRow > GetRowCount()) return;
  CString name = GetCellText(nRow, COL_NAME);
  CString id = GetCellText(nRow, COL_ID);
  if (nRow == GetRowCount() && !name.IsEmpty()) {
    AddEmptyRow(nRow + 1);
    auto* record = new CMessageSetRecord{"", "", RECORD_NEW};
    connector->AddMessageSetRecord(record);
    SetStyleRange(CGXRange(nRow, COL_NAME), CGXStyle().SetItemDataPtr(record), gxOverride, 0, GX_INVALIDATE);
  }
  if (IsTextEditCell(nRow, nCol) && (name.GetLength() > kMaxNameLength || id.GetLength() > kMaxIdLength)) {
    ::Beep(600, 40);
    if (nCol == COL_NAME && name.GetLength() > kMaxNameLength) {
      name = name.Left(kMaxNameLength);
      PutCellText(nRow, nCol, name);
    } else if (nCol == COL_ID && id.GetLength() > kMaxIdLength) {
      id = id.Left(kMaxIdLength);
      PutCellText(nRow, nCol, id);
    }
  }
  if (CMessageSetRecord* record = GetRowRecord(nRow)) {
    record->m_strName = name;
    record->m_strId = id;
    if ((record->m_nState & RECORD_NEW) == 0) record->m_nState |= RECORD_CHANGED;
  }
  MarkModified();
  CSuppBOGridBase::OnModifyCell(nRow, nCol);
}

void CSuppBOGridNVRT::RemoveRowRecord(CConnector& connector, ROWCOL nRow) {
  connector.RemoveMessageSetRecord(GetRowRecord(nRow));
}
