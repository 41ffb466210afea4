#include "AssocMapsView.h"

#include "ConfigFileText.h"
#include "Connector.h"
#include "KestrunApp.h"
#include "MainFrame.h"
#include "resource.h"

namespace {

constexpr const char* kNoMap = "<None>";
constexpr const char* kDefaultType = "HlMap";
constexpr const char* kNotAssociated =
    "'%s' Business object is not associated with any map. Implicit binding will be applied.";
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 500;

CString NotAssociatedLine(const CString& bo) {
  CString line;
  line.Format(kNotAssociated, static_cast<LPCTSTR>(bo));
  return line;
}

}  // namespace

IMPLEMENT_DYNCREATE(CAssocMapsView, CGridTabView)

CAssocMapsView::CAssocMapsView() : CGridTabView(IDD_ASSOC_MAPS, IDC_ASSOC_MAPS_GRID) {}

BOOL CAssocMapsView::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CGridTabView::PreCreateWindow(cs)) return FALSE;
  cs.cx = kViewWidth;
  cs.cy = kViewHeight;
  return TRUE;
}

void CAssocMapsView::LayoutControls(int cx, int cy) {
  if (m_wndGrid.GetSafeHwnd() != nullptr) m_wndGrid.MoveWindow(0, 0, cx, cy);
  SetScrollSizes(MM_TEXT, CSize(0, 0));
}

void CAssocMapsView::TakeRows(CMapTable& table, BOOL bForServer) {
  m_wndGrid.TransferCurrentCell();
  for (ROWCOL row = 1; row <= m_wndGrid.GetRowCount(); ++row) {
    const CString bo = m_wndGrid.GetCellText(row, CAssocMapsGrid::COL_BO);
    const CString map = m_wndGrid.GetCellText(row, CAssocMapsGrid::COL_MAP);
    CString type = m_wndGrid.GetCellText(row, CAssocMapsGrid::COL_TYPE);
    BOOL bound = m_wndGrid.IsExplicit(row);
    if (bForServer) {
      type = map.CompareNoCase(kNoMap) == 0 ? kNoMap : kDefaultType;
      if (map.IsEmpty() && bound) {
        AddResultLine(NotAssociatedLine(bo));
        bound = FALSE;
      }
    }
    NameType entry(map, type, bound ? 1 : 0);
    table.SetAt(bo, entry);
  }
}

void CAssocMapsView::ApplyToServer(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return;
  AddResultLine("Saving associated maps...");
  CMapTable table(10);
  TakeRows(table, TRUE);
  if (pServer == nullptr) return;
  pServer->UpdateMaps(table);
  connector->ClearMaps();
  for (POSITION pos = table.GetStartPosition(); pos != nullptr;) {
    CString bo;
    NameType entry;
    table.GetNextAssoc(pos, bo, entry);
    connector->m_maps.SetAt(bo, entry);
  }
  m_wndGrid.Refill();
}

BOOL CAssocMapsView::AppendConfigText(CString& text) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || connector->m_nType != CONNECTOR_QVS) return TRUE;
  if (CKestrunApp* app = GetKestrunApp(); app != nullptr && app->GetMainFrame() != nullptr)
    app->GetMainFrame()->SetStatusText("Saving Associated Maps...");
  TakeRows(connector->m_maps, FALSE);
  CStringList unassociated;
  CConfigFileText::AppendAssociatedMaps(*connector, text, unassociated);
  for (POSITION pos = unassociated.GetHeadPosition(); pos != nullptr;)
    AddResultLine(NotAssociatedLine(unassociated.GetNext(pos)));
  return TRUE;
}
