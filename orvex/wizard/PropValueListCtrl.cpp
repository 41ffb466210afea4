#include "PropValueListCtrl.h"

GRID_IMPLEMENT_CONTROL(CPropValueListCtrl, CDropGridCtrl)

BEGIN_MESSAGE_MAP(CPropValueListCtrl, CDropGridCtrl)
  ON_MESSAGE(WM_DROPGRID_END, OnDropGridEnd)
  ON_MESSAGE(WM_DROPGRID_DEACTIVATED, OnDropGridDeactivated)
END_MESSAGE_MAP()

namespace {

CString Joined(const CStringList& values, LPCTSTR separator, BOOL bTerminate) {
  CString text;
  for (POSITION pos = values.GetHeadPosition(); pos != nullptr;) {
    text += values.GetNext(pos);
    if (pos != nullptr || bTerminate) text += separator;
  }
  return text;
}

}  // namespace

CPropValueListCtrl::CPropValueListCtrl(CGXGridCore* pGrid, UINT nID, UINT nCallerValue)
    : CDropGridCtrl(pGrid, nID, nCallerValue) {}

CGXStyle& CPropValueListCtrl::StyleForValues(CGXStyle& style, const CStringList& values) {
  return style.SetChoiceList(Joined(values, "\n", TRUE)).SetValue(Joined(values, ", ", FALSE));
}

void CPropValueListCtrl::ValuesOf(const CGXStyle& style, CStringList& values) {
  values.RemoveAll();
  const CString list = style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
  for (int start = 0; start < list.GetLength();) {
    int end = list.Find('\n', start);
    if (end < 0) end = list.GetLength();
    values.AddTail(list.Mid(start, end - start));
    start = end + 1;
  }
}

void CPropValueListCtrl::Init(ROWCOL nRow, ROWCOL nCol) {
  CDropGridCtrl::Init(nRow, nCol);
  CStringList values;
  ValuesOf(BoundStyle(), values);
  CStringArray& list = GetValueList();
  list.RemoveAll();
  for (POSITION pos = values.GetHeadPosition(); pos != nullptr;) list.Add(values.GetNext(pos));
}

void CPropValueListCtrl::SetActive(BOOL bActive) {
  CDropGridCtrl::SetActive(bActive);
  if (bActive && GetSafeHwnd() != nullptr) SetReadOnly(TRUE);
}

BOOL CPropValueListCtrl::Store() { return TRUE; }

BOOL CPropValueListCtrl::OnGridChar(UINT nChar, UINT, UINT) { return nChar >= ' '; }

LRESULT CPropValueListCtrl::OnDropGridEnd(WPARAM wParam, LPARAM lParam) {
  const BOOL bShown = GetDropDown() != nullptr;
  CDropGridCtrl::OnDropGridEnd(wParam, lParam);
  if (bShown && GetDropDown() == nullptr) KeepListInCell();
  return 0;
}

LRESULT CPropValueListCtrl::OnDropGridDeactivated(WPARAM wParam, LPARAM lParam) {
  const BOOL bShown = GetDropDown() != nullptr;
  CDropGridCtrl::OnDropGridDeactivated(wParam, lParam);
  if (bShown && GetDropDown() == nullptr) KeepListInCell();
  return 0;
}

void CPropValueListCtrl::KeepListInCell() {
  const ROWCOL nRow = GetRow();
  const ROWCOL nCol = GetCol();
  if (nRow == GX_INVALID || nCol == GX_INVALID) return;
  CStringList values;
  const CStringArray& list = GetValueList();
  for (INT_PTR i = 0; i < list.GetSize(); ++i) values.AddTail(list[i]);
  CGXStyle style;
  StyleForValues(style, values);
  Grid()->SetStyleRange(CGXRange(nRow, nCol), style);
  if (IsActive()) SetValue(style.GetValue());
}
