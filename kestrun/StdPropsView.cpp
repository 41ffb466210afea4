#include "StdPropsView.h"

#include "ConfigFileText.h"
#include "Connector.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CStdPropsView, CGridTabView)

CStdPropsView::CStdPropsView() : CGridTabView(IDD_STD_PROPS, IDC_STD_PROPS_GRID) {}

void CStdPropsView::OnInitialUpdate() {
  CGridTabView::OnInitialUpdate();
  m_bFilled = TRUE;
}

// Every accepted edit is in the model already, and a value the model
// refused stays refused: the model's values are what the connector holds.
void CStdPropsView::ApplyToServer(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr || pServer == nullptr || m_wndGrid.GetSafeHwnd() == nullptr) return;
  m_wndGrid.TransferCurrentCell();
  for (ROWCOL row = 1; row <= m_wndGrid.GetRowCount(); ++row) {
    if (const HvProperty* property = m_wndGrid.GetRowProperty(row))
      pServer->SetStdProperty(property->GetName(), property->GetValue());
  }
}

BOOL CStdPropsView::AppendConfigText(CString& text) {
  return AppendPropertySection(text, "Saving Standard Properties...", &CConfigFileText::AppendStandardProperties);
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
