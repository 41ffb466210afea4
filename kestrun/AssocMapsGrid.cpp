#include "AssocMapsGrid.h"

#include "Connector.h"

namespace {

constexpr const char* kNoMap = "<None>";
constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

// "<None>", then the maps that could serve the business object.
CString MapChoices(const CConnector& connector, const CString& bo) {
  CString choices = CString(kNoMap) + "\n";
  CStringList candidates;
  connector.BuildMapTable(bo, candidates);
  for (POSITION pos = candidates.GetHeadPosition(); pos != nullptr;) choices += candidates.GetNext(pos) + "\n";
  return choices;
}

}  // namespace

IMPLEMENT_DYNAMIC(CAssocMapsGrid, CConnectorGrid)

CAssocMapsGrid::CAssocMapsGrid() = default;

CAssocMapsGrid::~CAssocMapsGrid() = default;

void CAssocMapsGrid::OnGridInitialUpdate() {
  CConnectorGrid::OnGridInitialUpdate();
  SetupColumns(COLS_ASSOCIATED_MAPS);
}

void CAssocMapsGrid::SetRowStyles(ROWCOL nRow, const CString& choices) {
  const CGXStyle grey = ReadOnlyCell();
  SetStyleRange(CGXRange(nRow, COL_BO), grey, gxOverride, 0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, COL_MAP),
                CGXStyle()
                    .SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
                    .SetChoiceList(choices)
                    .SetUserAttribute(GX_IDS_UA_INDEXVALUE, "-1"),
                gxOverride, 0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, COL_TYPE), grey, gxOverride, 0, GX_INVALIDATE);
  SetStyleRange(CGXRange(nRow, COL_BINDING),
                CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetCheckBoxValues(kTrue, kFalse), gxOverride, 0,
                GX_INVALIDATE);
}

void CAssocMapsGrid::FillFromConnector() {
  const CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const BOOL locked = LockUpdate(TRUE);
  ROWCOL row = GetRowCount();
  for (POSITION pos = connector->m_supportedBOs.GetHeadPosition(); pos != nullptr;) {
    const CQRSupportedBO* record = connector->m_supportedBOs.GetNext(pos);
    if (record->state & RECORD_STALE) continue;
    InsertRows(++row, 1, GX_INVALIDATE);
    SetRowStyles(row, MapChoices(*connector, record->name));
    SetValueRange(CGXRange(row, COL_BO), record->name, gxOverride, 0, GX_INVALIDATE);
    NameType map;
    const BOOL known = connector->m_maps.Lookup(record->name, map);
    if (known) {
      SetValueRange(CGXRange(row, COL_MAP), map.m_strName, gxOverride, 0, GX_INVALIDATE);
      SetValueRange(CGXRange(row, COL_TYPE), map.m_strType, gxOverride, 0, GX_INVALIDATE);
    }
    SetValueRange(CGXRange(row, COL_BINDING), known && map.m_nFlag == 1 ? kTrue : kFalse, gxOverride, 0, GX_INVALIDATE);
  }
  for (ROWCOL r = 1; r <= GetRowCount(); ++r) ApplyBinding(r);
  LockUpdate(locked);
  Redraw();
}

// Explicit: the user picks the map. Implicit: the map the server would
// bind, shown read-only ("<None>" when it has none).
void CAssocMapsGrid::ApplyBinding(ROWCOL nRow) {
  if (IsExplicit(nRow)) {
    SetStyleRange(CGXRange(nRow, COL_MAP), CGXStyle().SetReadOnly(FALSE).SetInterior(::GetSysColor(COLOR_WINDOW)),
                  gxOverride, 0, GX_INVALIDATE);
    return;
  }
  CString name = kNoMap;
  CString type;
  const CConnector* connector = GetConnector();
  if (CQRConnector* server = connector != nullptr ? connector->m_pServerConnector : nullptr) {
    CStringList one;
    CStringList all;
    one.AddTail(GetValueRowCol(nRow, COL_BO));
    for (ROWCOL row = 1; row <= GetRowCount(); ++row) all.AddTail(GetValueRowCol(row, COL_BO));
    if (const NameType* map = server->GetImplicitMap(one, all); map != nullptr && map->m_nFlag == 0) {
      name = map->m_strName;
      type = map->m_strType;
    }
  }
  SetStyleRange(CGXRange(nRow, COL_MAP), CGXStyle().SetValue(name).SetReadOnly(TRUE).SetInterior(kReadOnlyColor),
                gxOverride, 0, GX_INVALIDATE);
  SetValueRange(CGXRange(nRow, COL_TYPE), type, gxOverride, 0, GX_INVALIDATE);
}

void CAssocMapsGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0) return;
  if (nCol == COL_BINDING) ApplyBinding(nRow);
  MarkModified();
  CConnectorGrid::OnModifyCell(nRow, nCol);
}

void CAssocMapsGrid::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0 && nCol >= 1) {
    ResetCurrentCell(TRUE);
    SortRowsByColumn(nCol, NextSortDescending(nCol), GetRowCount());
  }
  CConnectorGrid::OnClickedButtonRowCol(nRow, nCol);
}
