#include "SuppBOView.h"

#include <Constants.h>

#include <algorithm>

#include "ConfigFileText.h"
#include "Connector.h"
#include "KestrunDoc.h"
#include "resource.h"

namespace {

// The one level the connector editor offers, as the level table names it.
constexpr int kOfferedLevel = 2;
constexpr int kComboHeight = 20;

}  // namespace

IMPLEMENT_DYNCREATE(CSuppBOView, CGridTabView)

BEGIN_MESSAGE_MAP(CSuppBOView, CGridTabView)
  ON_CBN_SELCHANGE(IDC_SUPP_BO_TRANS_LEVEL, OnSelChangeTransLevel)
END_MESSAGE_MAP()

CSuppBOView::CSuppBOView() : CGridTabView(IDD_SUPP_BO, IDC_SUPP_BO_GRID) {}

void CSuppBOView::DoDataExchange(CDataExchange* pDX) {
  CGridTabView::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SUPP_BO_TRANS_LEVEL, m_cbTransLevel);
}

// The box shows the connector's level when it is the one offered; a
// connector of another level shows none and keeps its level.
void CSuppBOView::OnInitialUpdate() {
  CGridTabView::OnInitialUpdate();
  if (m_cbTransLevel.GetCount() == 0) m_cbTransLevel.AddString(g_strTransLevels[kOfferedLevel]);
  const CConnector* connector = GetConnector();
  const int level = connector != nullptr ? connector->m_nTransLevel - TRANS_LEVEL_FIRST_CODE : -1;
  m_cbTransLevel.SetCurSel(level == kOfferedLevel ? 0 : -1);
}

BOOL CSuppBOView::OnPreparePrinting(CPrintInfo* pInfo) { return PreparePrintingWithSelection(pInfo); }

void CSuppBOView::OnSelChangeTransLevel() {
  if (CKestrunDoc* doc = GetDocument()) doc->SetModifiedFlag(TRUE);
}

CString CSuppBOView::ChosenLevel() {
  const CConnector* connector = GetConnector();
  const int selected = m_cbTransLevel.GetSafeHwnd() != nullptr ? m_cbTransLevel.GetCurSel() : CB_ERR;
  if (selected != CB_ERR) {
    CString text;
    m_cbTransLevel.GetLBText(selected, text);
    return text;
  }
  const int index = connector != nullptr ? connector->m_nTransLevel - TRANS_LEVEL_FIRST_CODE : 0;
  return g_strTransLevels[std::clamp(index, 0, HV_TRANS_LEVEL_COUNT - 1)];
}

void CSuppBOView::TakeRows(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return;
  CStringArray names;
  CDWordArray agentSupport;
  m_wndGrid.GetRows(names, agentSupport);
  connector->DeleteAllSupportedBOs();
  if (pServer != nullptr) pServer->DeleteAllBOs();
  for (INT_PTR i = 0; i < names.GetSize(); ++i) {
    connector->SetSupportedBO(names[i], static_cast<int>(agentSupport[i]));
    if (pServer != nullptr) pServer->AddBO(names[i], static_cast<int>(agentSupport[i]));
  }
  if (m_wndGrid.GetRowCount() > 0) m_wndGrid.Refill();
}

void CSuppBOView::ApplyToServer(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  AddResultLine("Saving Supported Business Objects...");
  TakeRows(pServer);
  const CString level = ChosenLevel();
  connector->SetTransactionLevel(level);
  if (pServer != nullptr) pServer->SetTransLevel(static_cast<LPCTSTR>(level));
}

// The rows go into the model first, so that the line holds what the grid
// shows.
BOOL CSuppBOView::AppendConfigText(CString& text) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || connector->m_nType != CONNECTOR_QVS) return TRUE;
  AddResultLine("Saving Supported Business Objects...");
  TakeRows(nullptr);
  CConfigFileText::AppendSupportedObjects(*connector, text);
  return TRUE;
}

void CSuppBOView::LayoutControls(int cx, int cy) {
  CGridTabView::LayoutControls(cx, cy);
  if (m_cbTransLevel.GetSafeHwnd() == nullptr) return;
  CRect rect;
  m_cbTransLevel.GetWindowRect(&rect);
  ScreenToClient(&rect);
  m_cbTransLevel.MoveWindow(rect.left, rect.top, std::max(0, cx - kMarginRight - rect.left), kComboHeight);
}
