#include "ResGrid.h"

#include <cstdlib>

#include "Connector.h"
#include "KestrunDoc.h"
#include "ResPropView.h"
#include "ResourceRules.h"
#include "resource.h"

using namespace resource_rules;

namespace {

enum Column : ROWCOL { COL_HEADER = 0, COL_LABEL = 1, COL_VALUE = 2, COL_PERCENTAGE = 3, COL_LAST = COL_PERCENTAGE };

constexpr int kLabelWidth = 180;
constexpr int kNumberWidth = 80;
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr DWORD kBeepFrequency = 600;
constexpr DWORD kBeepDuration = 40;
constexpr ROWCOL kNumberRows[] = {ROW_DEGREE, ROW_CALL_MIN, ROW_CALL_MAX, ROW_EVENT_MIN, ROW_EVENT_MAX};
constexpr ROWCOL kPoolNumberRows[] = {ROW_CALL_MIN, ROW_CALL_MAX, ROW_EVENT_MIN, ROW_EVENT_MAX};

bool IsPoolRow(ROWCOL row) { return row != ROW_DEGREE && IsNumberRow(static_cast<int>(row)); }

}  // namespace

CResGrid::CResGrid() = default;
CResGrid::~CResGrid() = default;

void CResGrid::SetupLayout() {
  LockUpdate(TRUE);
  SetRowCount(ROW_LAST);
  SetColCount(COL_LAST);
  SetColWidth(COL_HEADER, COL_HEADER, 0);
  SetColWidth(COL_LABEL, COL_LABEL, kLabelWidth);
  SetColWidth(COL_VALUE, COL_PERCENTAGE, kNumberWidth);
  SetValueRange(CGXRange(0, COL_LABEL), CFormTabView::LoadText(IDS_RES_HEADER_RESOURCE));
  SetValueRange(CGXRange(0, COL_VALUE), CFormTabView::LoadText(IDS_RES_HEADER_VALUES));
  SetValueRange(CGXRange(0, COL_PERCENTAGE), CFormTabView::LoadText(IDS_RES_HEADER_PERCENTAGE));
  SetValueRange(CGXRange(ROW_DEGREE, COL_LABEL), DEGREE_NAME);
  for (ROWCOL row : {ROW_CALL_MIN, ROW_EVENT_MIN})
    SetValueRange(CGXRange(row, COL_LABEL), CFormTabView::LoadText(IDS_RES_MIN_ALLOCATION));
  for (ROWCOL row : {ROW_CALL_MAX, ROW_EVENT_MAX})
    SetValueRange(CGXRange(row, COL_LABEL), CFormTabView::LoadText(IDS_RES_MAX_ALLOCATION));
  SetStyleRange(CGXRange(1, COL_LABEL, ROW_LAST, COL_LABEL), CGXStyle().SetReadOnly(TRUE));
  const CGXStyle grey = CGXStyle().SetInterior(kGrey).SetReadOnly(TRUE);
  SetStyleRange(CGXRange(ROW_DEGREE, COL_PERCENTAGE), grey);
  for (ROWCOL row : {ROW_CALL_CLASS, ROW_EVENT_CLASS})
    SetStyleRange(CGXRange(row, COL_VALUE, row, COL_PERCENTAGE), grey);
  LockUpdate(FALSE);
  Redraw();
}

void CResGrid::Fill(const CConnector& connector) {
  const BOOL locked = LockUpdate(TRUE);
  const BOOL lockReadOnly = GetParam()->IsLockReadOnly();
  GetParam()->SetLockReadOnly(FALSE);
  SetValueRange(CGXRange(ROW_CALL_CLASS, COL_LABEL), "    " + connector.m_pools[POOL_CALL_TRIGGERED].m_strClassName);
  SetValueRange(CGXRange(ROW_EVENT_CLASS, COL_LABEL), "    " + connector.m_pools[POOL_EVENT_TRIGGERED].m_strClassName);
  GetParam()->SetLockReadOnly(lockReadOnly);
  for (ROWCOL row : kNumberRows) {
    CString value;
    value.Format("%ld", static_cast<long>(ValueOfRow(connector, static_cast<int>(row))));
    SetValueRange(CGXRange(row, COL_VALUE), value);
  }
  for (ROWCOL row : kPoolNumberRows) {
    SetValueRange(CGXRange(row, COL_PERCENTAGE),
                  PercentageText(ValueOfRow(connector, static_cast<int>(row)), connector.m_nParallelDegree));
  }
  LockUpdate(locked);
  Redraw();
}

void CResGrid::ReadValues(CConnector& connector) {
  for (ROWCOL row : kNumberRows) {
    const long value = std::strtol(GetValueRowCol(row, COL_VALUE), nullptr, 10);
    StoreValueOfRow(connector, static_cast<int>(row), static_cast<int>(value));
  }
}

CString CResGrid::KeepDigits(const CString& text, int& caret) const {
  CString digits;
  const int caretAt = caret;
  for (int i = 0; i < text.GetLength(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9' && digits.GetLength() < MAX_DIGITS) {
      digits += c;
      continue;
    }
    ::Beep(kBeepFrequency, kBeepDuration);
    if (i < caretAt) --caret;
  }
  return digits;
}

void CResGrid::ApplyCell(ROWCOL nRow, ROWCOL nCol, const CString& digits) {
  CConnector* connector = m_pView != nullptr ? m_pView->GetConnector() : nullptr;
  if (connector == nullptr) return;
  if (!digits.IsEmpty()) {
    const int number = std::atoi(digits);
    if (nCol == COL_VALUE)
      ApplyTypedValue(*connector, static_cast<int>(nRow), number);
    else
      ApplyTypedPercentage(*connector, static_cast<int>(nRow), number);
    m_pView->GetDocument()->SetModifiedFlag(TRUE);
  }
  Fill(*connector);
}

BOOL CResGrid::OnTextChangedRowCol(ROWCOL nRow, ROWCOL nCol) {
  auto* pEdit = dynamic_cast<CGXEditControl*>(GetControl(nRow, nCol));
  if (pEdit == nullptr) return FALSE;
  if (m_bChecking) return TRUE;
  m_bChecking = true;
  int start = 0;
  int end = 0;
  pEdit->GetSel(start, end);
  CString text;
  pEdit->GetCurrentText(text);
  int caret = end;
  const CString digits = KeepDigits(text, caret);
  if (digits != text) {
    pEdit->SetCurrentText(digits);
    start = end = caret;
  }
  // A percentage takes effect when it is stored: while it is typed, each
  // keystroke would turn it back into the share that the last one left.
  if (nCol == COL_VALUE && !digits.IsEmpty()) ApplyCell(nRow, nCol, digits);
  if (IsCurrentCell(nRow, nCol) && IsActiveCurrentCell()) {
    if (auto* pCurrent = dynamic_cast<CGXEditControl*>(GetCurrentCellControl())) {
      pCurrent->SetSel(start, end);
      pCurrent->ScrollCaret();
    }
  }
  m_bChecking = false;
  return TRUE;
}

void CResGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  CHLGridCommon::OnModifyCell(nRow, nCol);
  if (m_pView != nullptr) m_pView->GetDocument()->SetModifiedFlag(TRUE);
  if (m_bChecking || (nCol != COL_VALUE && !(nCol == COL_PERCENTAGE && IsPoolRow(nRow)))) return;
  // A pasted, cut or typed text reaches the model by the same rules as each
  // keystroke; the grid then shows what the model holds.
  m_bChecking = true;
  int caret = 0;
  ApplyCell(nRow, nCol, KeepDigits(GetValueRowCol(nRow, nCol), caret));
  m_bChecking = false;
}
