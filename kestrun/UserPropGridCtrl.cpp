#include "UserPropGridCtrl.h"

#include <HLPasswordControl.h>

#include "Connector.h"
#include "DlgVerify.h"
#include "KestrunDoc.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr const char* kChecked = "1";
constexpr const char* kUnchecked = "0";
constexpr const char* kNotVerified =
    "Cannot verify the value. Try again.\nLetters must be typed in correct case\nThe value will be kept encrypted.";

// Sets a flag for its lifetime.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~FlagScope() { m_flag = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& m_flag;
};

CGXStyle EditCell() { return CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetInterior(kWhite); }
CGXStyle CheckBoxCell() { return CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetCheckBoxValues(kChecked, kUnchecked); }

}  // namespace

IMPLEMENT_DYNAMIC(CUserPropGridCtrl, CConnectorGrid)

CUserPropGridCtrl::CUserPropGridCtrl() = default;

CUserPropGridCtrl::~CUserPropGridCtrl() = default;

void CUserPropGridCtrl::OnGridInitialUpdate() {
  CConnectorGrid::OnGridInitialUpdate();
  SetupColumns(COLS_PROPERTIES);
  HLPasswordControl::Register(this);
}

CString CUserPropGridCtrl::NewUpdateMethod() const {
  const CKestrunDoc* doc = GetKestrunDoc();
  return doc == nullptr || doc->IsQvsMode() ? "agent restart" : "connector restart";
}

void CUserPropGridCtrl::SetDataRowStyles(ROWCOL nRow) {
  SetStyleRange(CGXRange(nRow, PROP_COL_NAME, nRow, PROP_COL_VALUE), EditCell(), gxOverride, 0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, PROP_COL_UPDATE), ReadOnlyCell(), gxOverride, 0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, PROP_COL_ENCRYPT), CheckBoxCell(), gxOverride, 0, GX_INVALIDATE);
}

void CUserPropGridCtrl::SetValueCellMasked(ROWCOL nRow, BOOL bMasked) {
  SetStyleRange(CGXRange(nRow, PROP_COL_VALUE),
                CGXStyle().SetControl(bMasked ? GX_IDS_CTRL_PASSWORD : GX_IDS_CTRL_EDIT), gxOverride, 0, GX_INVALIDATE);
  if (IsCurrentCell(nRow, PROP_COL_VALUE)) {
    if (CGXControl* control = GetCurrentCellControl()) control->Init(nRow, PROP_COL_VALUE);
  }
}

BOOL CUserPropGridCtrl::IsPasswordCell(ROWCOL nRow, ROWCOL nCol) {
  return LookupStyleRowCol(nRow, nCol).GetControl() == GX_IDS_CTRL_PASSWORD;
}

void CUserPropGridCtrl::FillFromConnector() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const BOOL locked = LockUpdate(TRUE);
  ResetCurrentCell(FALSE);
  auto& list = connector->AppPropertyList();
  SetRowCount(static_cast<ROWCOL>(list.GetCount()) + 1, GX_INVALIDATE);
  ROWCOL row = 1;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++row) {
    HvProperty* property = list.GetNext(pos);
    const BOOL encrypted = property->GetType() == HvPropCipherText;
    SetDataRowStyles(row);
    SetValueRange(CGXRange(row, PROP_COL_NAME), property->GetName(), gxOverride, 0, GX_INVALIDATE);
    SetValueRange(CGXRange(row, PROP_COL_VALUE), property->GetValue(), gxOverride, 0, GX_INVALIDATE);
    SetValueCellMasked(row, encrypted);
    SetValueRange(CGXRange(row, PROP_COL_UPDATE), property->GetUpdateMethod(), gxOverride, 0, GX_INVALIDATE);
    SetValueRange(CGXRange(row, PROP_COL_ENCRYPT), encrypted ? kChecked : kUnchecked, gxOverride, 0, GX_INVALIDATE);
    SetStyleRange(CGXRange(row, 0), CGXStyle().SetItemDataPtr(property), gxOverride, 0, GX_INVALIDATE);
  }
  SetNewRowDefaults(row);
  LockUpdate(locked);
  Redraw();
}

void CUserPropGridCtrl::SetNewRowDefaults(ROWCOL nRow) {
  SetDataRowStyles(nRow);
  SetValueRange(CGXRange(nRow, PROP_COL_UPDATE), NewUpdateMethod(), gxOverride, 0, GX_INVALIDATE);
  SetValueRange(CGXRange(nRow, PROP_COL_ENCRYPT), kUnchecked, gxOverride, 0, GX_INVALIDATE);
}

HvProperty* CUserPropGridCtrl::GetRowProperty(ROWCOL nRow) { return static_cast<HvProperty*>(GetRowItem(nRow, 0)); }

ROWCOL CUserPropGridCtrl::FindPropertyRow(const HvProperty* pProperty) {
  for (ROWCOL row = 1; row <= GetLastDataRow(); ++row) {
    if (GetRowProperty(row) == pProperty) return row;
  }
  return 0;
}

// Copies and sorts see nothing of an encrypted value, not even its length.
BOOL CUserPropGridCtrl::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol) {
  const BOOL result = CConnectorGrid::GetControlText(strResult, nRow, nCol);
  if (nRow > 0 && IsPasswordCell(nRow, nCol)) strResult.Empty();
  return result;
}

void CUserPropGridCtrl::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  if (m_bInValueChanged) return;
  BOOL handled = FALSE;
  {
    const FlagScope scope(m_bInValueChanged);
    handled = HandleValueChanged(nRow, nCol);
  }
  if (handled) CConnectorGrid::OnModifyCell(nRow, nCol);
}

HvProperty* CUserPropGridCtrl::AddNewRowProperty(ROWCOL nRow) {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return nullptr;
  auto* property = new HvProperty("", "", HvPropString, NewUpdateMethod(), HvPropFlagNew);
  connector->AddAppProperty(property);
  SetStyleRange(CGXRange(nRow, 0), CGXStyle().SetItemDataPtr(property), gxOverride, 0, GX_INVALIDATE);
  InsertRows(nRow + 1, 1, GX_INVALIDATE);
  SetNewRowDefaults(nRow + 1);
  return property;
}

BOOL CUserPropGridCtrl::HandleValueChanged(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0 || nRow > GetRowCount()) return FALSE;
  if (nRow == GetRowCount()) AddNewRowProperty(nRow);
  HvProperty* property = GetRowProperty(nRow);
  if (property == nullptr) return FALSE;
  const CString name = GetCellText(nRow, PROP_COL_NAME);
  const CString value = GetCellText(nRow, PROP_COL_VALUE);
  const auto nameCol = static_cast<ROWCOL>(GetColumnNumber(PROP_COL_NAME));
  const auto valueCol = static_cast<ROWCOL>(GetColumnNumber(PROP_COL_VALUE));
  if (IsTextEditCell(nRow, nCol) && (name.GetLength() > kMaxNameLength || value.GetLength() > kMaxValueLength)) {
    ::Beep(600, 40);
    if (nCol == nameCol) PutCellText(nRow, nCol, property->GetName());
    if (nCol == valueCol) PutCellText(nRow, nCol, property->GetValue());
    return FALSE;
  }
  if (nCol == nameCol) {
    property->SetName(name);
  } else if (nCol == valueCol) {
    property->SetValue(value);
  } else if (nCol == PROP_COL_ENCRYPT) {
    if (GetValueRowCol(nRow, nCol) == kChecked) {
      SetValueCellMasked(nRow, TRUE);
      property->SetType(HvPropCipherText);
    } else {
      VerifyDecryption(nRow, *property);
    }
  }
  MarkModified();
  return TRUE;
}

void CUserPropGridCtrl::VerifyDecryption(ROWCOL nRow, HvProperty& property) {
  CDlgVerify dlg(this);
  if (dlg.DoModal() == IDOK) {
    if (dlg.m_strValue == property.GetValue()) {
      SetValueCellMasked(nRow, FALSE);
      property.SetType(HvPropString);
      return;
    }
    AfxMessageBox(kNotVerified, MB_OK | MB_ICONSTOP);
  }
  PutCellText(nRow, PROP_COL_ENCRYPT, kChecked);
}

void CUserPropGridCtrl::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0 && nCol >= 1) {
    ResetCurrentCell(TRUE);
    SortRowsByColumn(nCol, NextSortDescending(nCol), GetLastDataRow());
  }
  CConnectorGrid::OnClickedButtonRowCol(nRow, nCol);
}

// Each row removes its own property, so that rows of the same name never
// leave another row pointing at a freed one.
void CUserPropGridCtrl::DeleteSelectedRows() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const ROWCOL newRow = GetRowCount();
  BOOL deleted = FALSE;
  ResetCurrentCell(FALSE);
  for (ROWCOL row : SelectedRowsBottomUp()) {
    if (row >= newRow) continue;
    connector->RemoveAppProperty(GetRowProperty(row));
    RemoveRows(row, row, GX_INVALIDATE);
    deleted = TRUE;
  }
  ClearSelection();
  if (deleted) MarkModified();
  Redraw();
}
