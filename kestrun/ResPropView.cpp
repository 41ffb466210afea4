#include "ResPropView.h"

#include "ConfigFileText.h"
#include "Connector.h"
#include "KestrunDoc.h"
#include "ResourceRules.h"

IMPLEMENT_DYNCREATE(CResPropView, CFormTabView)

CResPropView::CResPropView() : CFormTabView(IDD) {
  // The form's grid control needs the grid's window class.
  GXInit();
  m_grid.SetOwnerView(this);
}

CResPropView::~CResPropView() = default;

void CResPropView::OnInitialUpdate() {
  CFormTabView::OnInitialUpdate();
  if (m_grid.m_hWnd == nullptr) {
    m_grid.SubclassDlgItem(IDC_RESOURCES_GRID, this);
    m_grid.Initialize();
  }
  m_grid.SetupLayout();
  FillControls();
}

void CResPropView::DoDataExchange(CDataExchange* pDX) {
  CFormTabView::DoDataExchange(pDX);
  CConnector* connector = GetConnector();
  if (connector == nullptr || m_grid.m_hWnd == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    // An open editor's text counts as typed.
    if (m_grid.IsActiveCurrentCell()) m_grid.TransferCurrentCell();
    m_grid.ReadValues(*connector);
  } else {
    m_grid.Fill(*connector);
  }
}

BOOL CResPropView::Validate() {
  CWaitCursor wait;
  UpdateData(TRUE);
  const CConnector* connector = GetConnector();
  if (connector == nullptr) return FALSE;
  const UINT broken = resource_rules::FirstBrokenRule(*connector);
  if (broken == 0) return TRUE;
  CString message;
  message.LoadString(broken);
  AfxMessageBox(message, MB_OK);
  return FALSE;
}

BOOL CResPropView::AppendConfigText(CString& text) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || !GetDocument()->IsQvsMode()) return TRUE;
  CString line;
  line.LoadString(IDS_RES_SAVING);
  AddResultLine(line);
  UpdateData(TRUE);
  CConfigFileText::AppendResource(*connector, text);
  return TRUE;
}

void CResPropView::ApplyToServer(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || pServer == nullptr) return;
  UpdateData(TRUE);
  connector->ApplyResources(pServer);
}

void CResPropView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) { m_grid.OnGridBeginPrinting(pDC, pInfo); }

void CResPropView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  CFormTabView::OnPrepareDC(pDC, pInfo);
  if (pInfo != nullptr) m_grid.OnGridPrepareDC(pDC, pInfo);
}

void CResPropView::OnPrint(CDC* pDC, CPrintInfo* pInfo) { m_grid.OnGridPrint(pDC, pInfo); }

void CResPropView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) { m_grid.OnGridEndPrinting(pDC, pInfo); }
