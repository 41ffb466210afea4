#include "StdPropsView.h"

#include "ConfigFileText.h"
#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "KestrunApp.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CStdPropsView, CGridTabView)

CStdPropsView::CStdPropsView() : CGridTabView(IDD_STD_PROPS, IDC_STD_PROPS_GRID) {}

void CStdPropsView::OnInitialUpdate() {
  CGridTabView::OnInitialUpdate();
  m_bNeedsRefill = FALSE;
  m_bFilled = TRUE;
}

void CStdPropsView::TakeRowValues() {
  CConnector* connector = GetConnector();
  if (connector == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return;
  m_wndGrid.TransferCurrentCell();
  for (ROWCOL row = 1; row <= m_wndGrid.GetRowCount(); ++row)
    connector->SetStdProperty(m_wndGrid.GetCellText(row, PROP_COL_NAME), m_wndGrid.GetCellText(row, PROP_COL_VALUE));
}

void CStdPropsView::ApplyToServer(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return;
  m_wndGrid.TransferCurrentCell();
  for (ROWCOL row = 1; row <= m_wndGrid.GetRowCount(); ++row) {
    const CString name = m_wndGrid.GetCellText(row, PROP_COL_NAME);
    const CString value = m_wndGrid.GetCellText(row, PROP_COL_VALUE);
    connector->SetStdProperty(name, value);
    if (pServer != nullptr) pServer->SetStdProperty(name, value);
  }
}

BOOL CStdPropsView::AppendConfigText(CString& text) {
  CConnector* connector = GetConnector();
  CConnectorFileCodec* codec = GetKestrunApp() != nullptr ? GetKestrunApp()->GetCodec() : nullptr;
  if (connector == nullptr || codec == nullptr) return FALSE;
  AddResultLine("Saving Standard Properties...");
  TakeRowValues();
  CString error;
  if (CConfigFileText::AppendStandardProperties(*codec, *connector, text, error)) return TRUE;
  CConnectorFileCodec::ReportFileError(error);
  return FALSE;
}

// Every row is checked, so that each bad value gets its line.
BOOL CStdPropsView::Validate() {
  CConnector* connector = GetConnector();
  if (connector == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return TRUE;
  m_wndGrid.TransferCurrentCell();
  AddResultLine("Validating standard properties ");
  BOOL valid = TRUE;
  for (ROWCOL row = 1; row <= m_wndGrid.GetRowCount(); ++row) {
    const CString name = m_wndGrid.GetCellText(row, PROP_COL_NAME);
    const CString value = m_wndGrid.GetCellText(row, PROP_COL_VALUE);
    const HvProperty* property = connector->FindStdProperty(name);
    if (property == nullptr || connector->ValidateStdProperty(name, value)) continue;
    CString format;
    format.LoadString(value.IsEmpty() ? IDS_PROPERTY_NO_VALUE : IDS_PROPERTY_BAD_VALUE);
    CString line;
    if (value.IsEmpty())
      line.Format(format, static_cast<LPCTSTR>(name), static_cast<LPCTSTR>(property->GetDefaultValue()));
    else
      line.Format(format, static_cast<LPCTSTR>(name), static_cast<LPCTSTR>(value),
                  static_cast<LPCTSTR>(property->GetDefaultValue()));
    AddResultLine(line);
    valid = FALSE;
  }
  return valid;
}
