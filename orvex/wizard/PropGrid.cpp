#include "PropGrid.h"

#include <BrowseEditCtrl.h>
#include <Constants.h>

#include <algorithm>

#include "PropValueListCtrl.h"

BEGIN_MESSAGE_MAP(CPropGrid, HLGrid)
  ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The type code of Boolean values.
constexpr int kBooleanType = 1;

const char* const kDefaultTitles[] = {"Property", "Value", "Type", "Description"};

// A check list's value has a bit for each of the first 32 items.
constexpr INT_PTR kMaskBits = 32;

// The type text of a folder and of a file.
const char* const kFolderType = "9";
const char* const kFileType = "10";

BOOL IsSeveralValues(const AgentProperty& property) {
  CString selection = property.m_strSelection;
  selection.MakeUpper();
  return selection == "N";
}

CString SingleValue(const CStringList& values) { return values.GetCount() == 1 ? values.GetHead() : CString(); }

CString ChoiceList(const CStringList& allowed) {
  CString choices;
  for (POSITION pos = allowed.GetHeadPosition(); pos != nullptr;) choices += allowed.GetNext(pos) + "\n";
  return choices;
}

// Bit k stands for allowed value k.
CString MaskOf(const CStringList& allowed, const CStringList& values) {
  unsigned long mask = 0;
  INT_PTR bit = 0;
  for (POSITION pos = allowed.GetHeadPosition(); pos != nullptr && bit < kMaskBits; ++bit) {
    if (values.Find(allowed.GetNext(pos)) != nullptr) mask |= 1ul << bit;
  }
  CString text;
  text.Format("%ld", static_cast<long>(mask));
  return text;
}

std::vector<CString> Lines(const CString& list) {
  std::vector<CString> lines;
  for (int start = 0; start < list.GetLength();) {
    int end = list.Find('\n', start);
    if (end < 0) end = list.GetLength();
    lines.push_back(list.Mid(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

CPropGrid::CPropGrid() = default;

CPropGrid::~CPropGrid() = default;

int CPropGrid::TypeCode(const CString& strType) {
  const bool digits = !strType.IsEmpty() && strType.SpanIncluding("0123456789").GetLength() == strType.GetLength();
  return digits && strType.GetLength() <= 9 ? std::atoi(strType) : HV_INVALID_TYPE;
}

CString CPropGrid::TypeName(const CString& strType) { return GetTypeName(TypeCode(strType)); }

void CPropGrid::OnGridInitialUpdate() {
  HLGrid::OnGridInitialUpdate();
  // Row i shows property i: the rows keep their places.
  GetParam()->EnableMoveRows(FALSE);
}

void CPropGrid::RegisterCellControls() {
  RegisterControl(kValueListCtrl, new CPropValueListCtrl(this, kValueListEditID, kValueListCallerValue));
  RegisterControl(kFileBrowseCtrl, new CBrowseEditCtrl(TRUE, this, kFileBrowseCtrl));
  RegisterControl(kFolderBrowseCtrl, new CBrowseEditCtrl(FALSE, this, kFolderBrowseCtrl));
}

void CPropGrid::InitColumns(const CStringArray* pTitles) {
  if (pTitles != nullptr) {
    SetColCount(static_cast<ROWCOL>(pTitles->GetSize()));
    for (INT_PTR i = 0; i < pTitles->GetSize(); ++i)
      SetValueRange(CGXRange(0, static_cast<ROWCOL>(i + 1)), pTitles->GetAt(i));
  } else {
    SetColCount(kDefaultColCount);
    for (ROWCOL col = kNameCol; col <= kDefaultColCount; ++col)
      SetValueRange(CGXRange(0, col), kDefaultTitles[col - 1]);
    for (ROWCOL col = 0; col <= kDefaultColCount; ++col) {
      m_minWidths[col] = static_cast<int>(ColumnsWidth() * kWidthRatios[col]);
      SetColWidth(col, col, m_minWidths[col]);
    }
  }
  RegisterCellControls();
}

int CPropGrid::ColumnsWidth() const {
  CRect client;
  GetClientRect(&client);
  // Room for the vertical scroll bar, which comes with more rows.
  const int bar = (GetStyle() & WS_VSCROLL) != 0 ? 0 : ::GetSystemMetrics(SM_CXVSCROLL);
  return std::max(0, client.Width() - bar);
}

void CPropGrid::OnSize(UINT nType, int cx, int cy) {
  HLGrid::OnSize(nType, cx, cy);
  if (m_minWidths[kNameCol] == 0 || cx <= 0) return;
  for (ROWCOL col = 0; col <= kDefaultColCount; ++col)
    SetColWidth(col, col, std::max(static_cast<int>(cx * kWidthRatios[col]), m_minWidths[col]), GX_INVALIDATE);
}

int CPropGrid::SetProperties(const AgentPropArray* pProperties, int nMode) {
  if (pProperties == nullptr) return kNoProperties;
  if (GetColCount() < kDefaultColCount) return kTooFewColumns;
  const ROWCOL nRows = static_cast<ROWCOL>(pProperties->GetSize());
  if (nMode == kFromDefaults) {
    GetParam()->SetLockReadOnly(FALSE);
    ResetCurrentCell(FALSE);
    SetRowCount(nRows);
    if (nRows > 0) SetStyleRange(CGXRange(1, kValueCol, nRows, kValueCol), nullptr, gxRemove);
    ROWCOL nRow = 1;
    for (const AgentProperty& property : *pProperties) {
      SetValueRange(CGXRange(nRow, kNameCol), property.m_strName);
      SetValueRange(CGXRange(nRow, kDescriptionCol), property.m_strDescription);
      SetValueRange(CGXRange(nRow, kTypeCol), TypeName(property.m_strType));
      SetValueCell(nRow, property, property.m_defaultValues);
      ++nRow;
    }
  } else {
    for (const AgentProperty& property : *pProperties) {
      if (const ROWCOL nRow = FindRow(property)) SetValueCell(nRow, property, property.m_currentValues);
    }
  }
  FinishFill(GetRowCount());
  return kSet;
}

void CPropGrid::SetValueCell(ROWCOL nRow, const AgentProperty& property, const CStringList& values) {
  // Every attribute a value cell may take is set, so that a cell that
  // showed another kind of property keeps nothing of it.
  CGXStyle style;
  style.SetInterior(StandardStyle().GetInterior()).SetChoiceList("");
  if (!property.m_bIsList || property.m_allowedValues.IsEmpty()) {
    if (property.m_bIsList && IsSeveralValues(property)) {
      CPropValueListCtrl::StyleForValues(style, values);
      style.SetControl(kValueListCtrl).SetInterior(kValueListInterior);
    } else {
      WORD control = property.m_bSecret ? GX_IDS_CTRL_PASSWORD : GX_IDS_CTRL_EDIT;
      if (property.m_strType == kFolderType)
        control = kFolderBrowseCtrl;
      else if (property.m_strType == kFileType)
        control = kFileBrowseCtrl;
      style.SetControl(control).SetValue(SingleValue(values));
    }
  } else if (IsSeveralValues(property)) {
    style.SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX)
        .SetChoiceList(ChoiceList(property.m_allowedValues))
        .SetValue(MaskOf(property.m_allowedValues, values));
  } else {
    style.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
        .SetChoiceList(ChoiceList(property.m_allowedValues))
        .SetUserAttribute(GX_IDS_UA_INDEXVALUE, "-1")
        .SetValue(values.IsEmpty() ? CString() : values.GetHead());
  }
  SetStyleRange(CGXRange(nRow, kValueCol), style);
}

void CPropGrid::FinishFill(ROWCOL nRows) {
  if (nRows > 0) {
    const CGXStyle readOnly = CGXStyle().SetReadOnly(TRUE);
    SetStyleRange(CGXRange(1, kNameCol, nRows, kNameCol), readOnly);
    SetStyleRange(CGXRange(1, kTypeCol, nRows, kDescriptionCol), readOnly);
  }
  SetStyleRange(CGXRange().SetTable(), CGXStyle().SetVerticalAlignment(DT_VCENTER));
  GetParam()->SetLockReadOnly(TRUE);
}

BOOL CPropGrid::IsValueControl(WORD nControl) {
  switch (nControl) {
    case GX_IDS_CTRL_EDIT:
    case GX_IDS_CTRL_PASSWORD:
    case GX_IDS_CTRL_CBS_DROPDOWNLIST:
    case GX_IDS_CTRL_CHECKLIST_COMBOBOX:
    case kValueListCtrl:
    case kFileBrowseCtrl:
    case kFolderBrowseCtrl:
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CPropGrid::FindCell(ROWCOL& nRow, ROWCOL& nCol, LPCTSTR text) {
  const ROWCOL nRows = GetRowCount();
  const ROWCOL nCols = GetColCount();
  if (nRow == 0 || nRow > nRows) nRow = 1;
  if (nCol == 0 || nCol > nCols) nCol = 1;
  for (ROWCOL row = nRow; row <= nRows; ++row) {
    for (ROWCOL col = row == nRow ? nCol : 1; col <= nCols; ++col) {
      if (GetValueRowCol(row, col) == text) {
        nRow = row;
        nCol = col;
        return TRUE;
      }
    }
  }
  return FALSE;
}

ROWCOL CPropGrid::FindRow(const AgentProperty& property) {
  const CString type = TypeName(property.m_strType);
  const ROWCOL nCols = GetColCount();
  ROWCOL row = 1;
  ROWCOL col = 1;
  // Only a match in the Property column names a row; a description that
  // reads like the name does not.
  while (FindCell(row, col, property.m_strName)) {
    if (col == kNameCol && GetValueRowCol(row, kTypeCol) == type &&
        IsValueControl(LookupStyleRowCol(row, kValueCol).GetControl()))
      return row;
    if (col < nCols) {
      ++col;
    } else {
      col = 1;
      if (++row > GetRowCount()) break;
    }
  }
  return 0;
}

void CPropGrid::ReadValueCell(ROWCOL nRow, CStringList& values) {
  values.RemoveAll();
  const CGXStyle style = LookupStyleRowCol(nRow, kValueCol);
  switch (style.GetControl()) {
    case GX_IDS_CTRL_CHECKLIST_COMBOBOX: {
      const std::vector<CString> choices = Lines(style.GetChoiceList());
      const unsigned long mask = std::strtoul(style.GetValue(), nullptr, 10);
      for (size_t bit = 0; bit < choices.size() && bit < static_cast<size_t>(kMaskBits); ++bit) {
        if (mask & (1ul << bit)) values.AddTail(choices[bit]);
      }
      break;
    }
    case kValueListCtrl:
      CPropValueListCtrl::ValuesOf(style, values);
      break;
    default:
      if (!style.GetValue().IsEmpty()) values.AddTail(style.GetValue());
      break;
  }
}

AgentPropArray* CPropGrid::GetProperties(AgentPropArray* pProperties) {
  // An open editor's text counts as the cell's.
  TransferCurrentCell();
  AgentPropArray* pResult = pProperties != nullptr ? pProperties : new AgentPropArray;
  if (pProperties == nullptr) {
    for (ROWCOL row = 1; row <= GetRowCount(); ++row) {
      AgentProperty blank;
      blank.m_strName = GetValueRowCol(row, kNameCol);
      blank.m_strType = "5";
      blank.m_strSelection = "1";
      pResult->Add(blank);
    }
  }
  const ROWCOL nRows = std::min(GetRowCount(), static_cast<ROWCOL>(pResult->GetSize()));
  for (ROWCOL row = 1; row <= nRows; ++row) {
    AgentProperty& property = *pResult->GetAt(static_cast<INT_PTR>(row - 1));
    ReadValueCell(row, property.m_currentValues);
    if (TypeCode(property.m_strType) != kBooleanType) continue;
    for (POSITION pos = property.m_currentValues.GetHeadPosition(); pos != nullptr;) {
      CString& value = property.m_currentValues.GetNext(pos);
      value = value.CompareNoCase("Yes") == 0 || value.CompareNoCase("true") == 0 ? "Yes" : "No";
    }
  }
  return pResult;
}

BOOL CPropGrid::IsShiftDown() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

void CPropGrid::MoveToNeighbourCell(BOOL bBackwards) {
  const ROWCOL nRows = GetRowCount();
  const ROWCOL nCols = GetColCount();
  if (nRows == 0 || nCols == 0) return;
  ROWCOL row = 0;
  ROWCOL col = 0;
  if (!GetCurrentCell(row, col)) {
    SetCurrentCell(1, 1);
    return;
  }
  if (!bBackwards) {
    if (col < nCols) {
      ++col;
    } else {
      col = 1;
      row = row < nRows ? row + 1 : 1;
    }
  } else if (col > 1) {
    --col;
  } else {
    col = nCols;
    row = row > 1 ? row - 1 : nRows;
  }
  SetCurrentCell(row, col);
}

BOOL CPropGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nMessage == WM_KEYDOWN && (nChar == VK_TAB || nChar == VK_RETURN)) {
    MoveToNeighbourCell(IsShiftDown());
    return TRUE;
  }
  return HLGrid::ProcessKeys(pSender, nMessage, nChar, nRepCnt, nFlags);
}

// Enter would otherwise reach the dialog (its default button) while no
// editor has the keys, and from the masked editor.
BOOL CPropGrid::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    ROWCOL row = 0;
    ROWCOL col = 0;
    const BOOL bMasked = GetCurrentCell(row, col) && LookupStyleRowCol(row, col).GetControl() == GX_IDS_CTRL_PASSWORD;
    if (!IsEditing() || bMasked) {
      MoveToNeighbourCell(IsShiftDown());
      return TRUE;
    }
  }
  return HLGrid::PreTranslateMessage(pMsg);
}
