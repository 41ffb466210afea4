#include "StdPropGridCtrl.h"

#include <HLPasswordControl.h>
#include <UtilMessageBox.h>

#include "Connector.h"
#include "DlgUpgrateStdProperty.h"
#include "KestrunApp.h"
#include "KestrunConstants.h"
#include "KestrunDoc.h"
#include "resource.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kStdColumns = 4;  // the Encrypt column of the table is not used here

CString ChoicesOf(const HvProperty& property) {
  CString choices;
  const CStringArray& allowed = property.GetAllowedValues();
  for (INT_PTR i = 0; i < allowed.GetSize(); ++i) choices += allowed[i] + "\n";
  return choices;
}

CGXStyle ValueStyle(const HvProperty& property) {
  CGXStyle style;
  style.SetInterior(kWhite).SetReadOnly(FALSE);
  if (property.GetAllowedValues().GetSize() > 0) {
    style.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
        .SetChoiceList(ChoicesOf(property))
        .SetUserAttribute(GX_IDS_UA_INDEXVALUE, "-1");
  } else {
    style.SetControl(property.GetType() == HvPropCipherText ? GX_IDS_CTRL_PASSWORD : GX_IDS_CTRL_EDIT);
  }
  return style;
}

}  // namespace

IMPLEMENT_DYNAMIC(CStdPropGridCtrl, CConnectorGrid)

CStdPropGridCtrl::CStdPropGridCtrl() { AddActionStyle(GX_ACTIVATE_SETCURRENT); }

CStdPropGridCtrl::~CStdPropGridCtrl() = default;

void CStdPropGridCtrl::OnGridInitialUpdate() {
  CConnectorGrid::OnGridInitialUpdate();
  const CKestrunDoc* doc = GetKestrunDoc();
  m_bBroker = doc != nullptr && !doc->IsQvsMode();
  GetParam()->GetStylesMap()->AddUserAttribute(kDescriptionAttribute, "Description");
  HLPasswordControl::Register(this);
  SetupColumns(COLS_PROPERTIES, kStdColumns);
  GetParam()->SetSortCol(PROP_COL_NAME);
  GetParam()->SetSortFlag(TRUE);
  FillFromConnector();
  CheckForUpgrade();
  SetCurrentCell(1, PROP_COL_VALUE);
}

void CStdPropGridCtrl::SetRow(ROWCOL nRow, HvProperty& property) {
  const CString method = m_bBroker ? HvProperty::GetUpdateMethod("QueueManager") : property.GetUpdateMethod();
  CGXStyle name = ReadOnlyCell();
  name.SetValue(property.GetName());
  if (!property.GetDescription().IsEmpty()) name.SetUserAttribute(kDescriptionAttribute, property.GetDescription());
  SetStyleRange(CGXRange(nRow, PROP_COL_NAME), name, gxCopy, 0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, PROP_COL_VALUE), ValueStyle(property).SetValue(property.GetValue()), gxCopy, 0,
                GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, PROP_COL_UPDATE), ReadOnlyCell().SetValue(method), gxCopy, 0, GX_INVALIDATE);
}

void CStdPropGridCtrl::FillFromConnector() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const BOOL locked = LockUpdate(TRUE);
  ResetCurrentCell(FALSE);
  ClearSelection(FALSE);
  auto& list = connector->StdPropertyList();
  ROWCOL count = 0;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    if (list.GetNext(pos)->IsActive()) ++count;
  }
  SetRowCount(count, GX_INVALIDATE);
  ROWCOL row = 1;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    HvProperty* property = list.GetNext(pos);
    if (property->IsActive()) SetRow(row++, *property);
  }
  const CGXGridParam* param = GetParam();
  if (param->GetSortCol() != 0) SortBy(param->GetSortCol(), !param->GetSortFlag());
  LockUpdate(locked);
  Redraw();
}

void CStdPropGridCtrl::SortBy(ROWCOL nCol, BOOL bDescending) { SortRowsByColumn(nCol, bDescending, GetRowCount()); }

HvProperty* CStdPropGridCtrl::GetRowProperty(ROWCOL nRow) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || nRow == 0 || nRow > GetRowCount()) return nullptr;
  return connector->FindStdProperty(GetValueRowCol(nRow, PROP_COL_NAME));
}

ROWCOL CStdPropGridCtrl::FindPropertyRow(const CString& name) {
  for (ROWCOL row = 1; row <= GetRowCount(); ++row) {
    if (GetValueRowCol(row, PROP_COL_NAME) == name) return row;
  }
  return 0;
}

void CStdPropGridCtrl::RebuildKeepingCell(const CString& name) {
  FillFromConnector();
  if (const ROWCOL row = FindPropertyRow(name)) SetCurrentCell(row, PROP_COL_VALUE);
}

// The model takes the value first, so that the tabs a mode switch makes
// read the connector as it now is.
void CStdPropGridCtrl::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  CConnector* connector = GetConnector();
  HvProperty* property = GetRowProperty(nRow);
  if (connector == nullptr || property == nullptr || nCol != PROP_COL_VALUE) return;
  const CString name = property->GetName();
  const CString value = GetCellText(nRow, PROP_COL_VALUE);
  if (value.CompareNoCase(property->GetValue()) == 0) return;
  const bool transport = name.CompareNoCase(TRANSPORT_PROPERTY) == 0;
  const BOOL broker = value.CompareNoCase(BROKER_TRANSPORT_VALUE) == 0;
  if (transport && OtherWindowShows(broker)) {
    PutCellText(nRow, PROP_COL_VALUE, property->GetValue());
    MarkModified();
    return;
  }
  const bool dependentsChanged = connector->SetStdProperty(name, value);
  const bool accepted = property->GetValue() == value;
  const bool switched = transport && accepted && SwitchMode(broker);
  if (accepted && (dependentsChanged || switched)) RebuildKeepingCell(name);
  Redraw(GX_UPDATENOW);
  MarkModified();
  CConnectorGrid::OnModifyCell(nRow, nCol);
}

BOOL CStdPropGridCtrl::OtherWindowShows(BOOL bBroker) {
  CConnector* connector = GetConnector();
  CKestrunApp* app = GetKestrunApp();
  const CKestrunDoc* other =
      app != nullptr ? app->FindConnectorDocument(connector->m_strName, bBroker ? CONNECTOR_KBRX : CONNECTOR_QVS)
                     : nullptr;
  if (other == nullptr || other == GetKestrunDoc()) return FALSE;
  FormatMessageBox(0, "The connector '%s' document exists!", static_cast<LPCTSTR>(other->m_strName));
  return TRUE;
}

BOOL CStdPropGridCtrl::SwitchMode(BOOL bBroker) {
  CKestrunDoc* doc = GetKestrunDoc();
  CConnector* connector = GetConnector();
  if (doc == nullptr || doc->IsQvsMode() == !bBroker) return FALSE;
  m_bBroker = bBroker;
  doc->m_bQvsMode = !bBroker;
  connector->m_nType = bBroker ? CONNECTOR_KBRX : CONNECTOR_QVS;
  if (bBroker)
    connector->DropOrphanMessageSets();
  else
    connector->RebuildSupportedBOsFromMessageSets();
  doc->SwitchTabSet();
  return TRUE;
}

void CStdPropGridCtrl::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0 && nCol >= 1) {
    ResetCurrentCell(TRUE);
    const BOOL descending = NextSortDescending(nCol);
    FillFromConnector();
    SortBy(nCol, descending);
  }
  CConnectorGrid::OnClickedButtonRowCol(nRow, nCol);
}

// Only a value can be cleared; names and update methods stay.
BOOL CStdPropGridCtrl::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  ROWCOL row = 0;
  ROWCOL col = 0;
  if (nChar == VK_DELETE && (!GetCurrentCell(row, col) || col != PROP_COL_VALUE)) return TRUE;
  return CConnectorGrid::OnGridKeyDown(nChar, nRepCnt, nFlags);
}

void CStdPropGridCtrl::CheckForUpgrade() {
  CKestrunApp* app = GetKestrunApp();
  CKestrunDoc* doc = GetKestrunDoc();
  CConnector* connector = GetConnector();
  CQRConnector* server = connector != nullptr ? connector->m_pServerConnector : nullptr;
  if (app == nullptr || doc == nullptr || !app->IsConnected() || server == nullptr ||
      (server->GetState() & HvStateOnServer) == 0)
    return;
  CString names;
  const auto& properties = server->GetStandardProperties(0);
  for (INT_PTR i = 0; i < properties.GetSize(); ++i) {
    if (properties[i]->NeedsUpgrade()) names += properties[i]->GetName() + "\r\n";
  }
  if (names.IsEmpty()) {
    doc->SetModifiedFlag(FALSE);
    return;
  }
  doc->SetModifiedFlag(TRUE);
  CDlgUpgrateStdProperty dlg(this, names);
  if (dlg.DoModal() != IDOK) {
    doc->SetModifiedFlag(FALSE);
    return;
  }
  server->AddState(HvStateModified);
  if (CWnd* view = GetParent()) view->PostMessage(WM_COMMAND, ID_SAVE_TO_SERVER);
}
