#include "DataHandlerView.h"

#include "ConfigFileText.h"
#include "Connector.h"
#include "KestrunDoc.h"

namespace {

constexpr const char* kEventsProperty = "ContainerManagedEvents";
constexpr const char* kEventsValue = "JMS";
constexpr int kEditIds[] = {IDC_DH_MIMETYPE, IDC_DH_CLASS, IDC_DH_CONFIG_MO};

}  // namespace

IMPLEMENT_DYNCREATE(CDataHandlerView, CFormTabView)

BEGIN_MESSAGE_MAP(CDataHandlerView, CFormTabView)
  ON_EN_CHANGE(IDC_DH_MIMETYPE, OnValueChange)
  ON_EN_CHANGE(IDC_DH_CLASS, OnValueChange)
  ON_EN_CHANGE(IDC_DH_CONFIG_MO, OnValueChange)
END_MESSAGE_MAP()

CDataHandlerView::CDataHandlerView() : CFormTabView(IDD) {}

CDataHandlerView::~CDataHandlerView() = default;

CString CDataHandlerView::EventsValue() const {
  const CConnector* connector = GetConnector();
  const HvProperty* events = connector != nullptr ? connector->FindStdProperty(kEventsProperty) : nullptr;
  return events != nullptr ? events->GetValue() : CString();
}

void CDataHandlerView::OnInitialUpdate() {
  m_bFilling = true;
  CFormTabView::OnInitialUpdate();
  if (const CConnector* connector = GetConnector()) {
    m_strMimeType = connector->m_strMimeType;
    m_strDHClass = connector->m_strDHClass;
    m_strDataHandlerConfigMOName = connector->m_strDataHandlerConfigMOName;
  }
  FillControls();
}

void CDataHandlerView::DoDataExchange(CDataExchange* pDX) {
  CFormTabView::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_DH_MIMETYPE, m_strMimeType);
  DDX_Text(pDX, IDC_DH_CLASS, m_strDHClass);
  DDX_Text(pDX, IDC_DH_CONFIG_MO, m_strDataHandlerConfigMOName);
}

void CDataHandlerView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
  CFormTabView::OnUpdate(pSender, lHint, pHint);
  if (pSender == nullptr) return;
  const BOOL enable = !EventsValue().IsEmpty();
  for (int id : kEditIds) GetDlgItem(id)->EnableWindow(enable);
}

BOOL CDataHandlerView::TakeValues() {
  if (!UpdateData(TRUE)) return FALSE;
  if (CConnector* connector = GetConnector()) {
    connector->m_strMimeType = m_strMimeType;
    connector->m_strDHClass = m_strDHClass;
    connector->m_strDataHandlerConfigMOName = m_strDataHandlerConfigMOName;
  }
  return TRUE;
}

// An edit of the values is a change of the connector at once, so that
// closing the window offers to save it.
void CDataHandlerView::OnValueChange() {
  if (m_bFilling || !TakeValues()) return;
  GetDocument()->SetModifiedFlag(TRUE);
}

BOOL CDataHandlerView::AppendConfigText(CString& text) {
  const CConnector* connector = GetConnector();
  if (connector == nullptr) return TRUE;
  if (!TakeValues()) return FALSE;
  CConfigFileText::AppendDataHandlers(*connector, text);
  return TRUE;
}

BOOL CDataHandlerView::Validate() {
  AddResultLine(LoadText(IDS_VALIDATING_DH));
  if (!TakeValues()) return FALSE;
  if (EventsValue() != kEventsValue) return TRUE;
  CString mimeType = m_strMimeType;
  CString dhClass = m_strDHClass;
  if (!mimeType.Trim().IsEmpty() && !dhClass.Trim().IsEmpty()) return TRUE;
  AddResultLine(LoadText(IDS_DH_VALUES_EMPTY));
  return FALSE;
}
