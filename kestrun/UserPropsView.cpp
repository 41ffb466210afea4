#include "UserPropsView.h"

#include <UtilFunc.h>

#include <map>
#include <string>

#include "ConfigFileText.h"
#include "Connector.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CUserPropsView, CGridTabView)

CUserPropsView::CUserPropsView() : CGridTabView(IDD_USER_PROPS, IDC_USER_PROPS_GRID) {}

// Edits go into the properties as they are stored, so the model is what
// the rows show once an open editor has stored its text.
void CUserPropsView::ApplyToServer(CQRConnector* pServer) {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  if (m_wndGrid.GetSafeHwnd() != nullptr) m_wndGrid.TransferCurrentCell();
  if (pServer != nullptr) connector->ApplyAppProperties(pServer);
}

BOOL CUserPropsView::AppendConfigText(CString& text) {
  return AppendPropertySection(text, "Saving Application Properties...", &CConfigFileText::AppendApplicationProperties);
}

// The first problem is reported and ends the check. A row number is the
// property's row in the grid as the user sees it (its place in the list
// while the tab was never shown).
BOOL CUserPropsView::Validate() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return TRUE;
  if (m_wndGrid.GetSafeHwnd() != nullptr) m_wndGrid.TransferCurrentCell();
  auto& list = connector->AppPropertyList();
  std::map<std::string, int> seen;
  int k = 0;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    HvProperty* property = list.GetNext(pos);
    ++k;
    if (property->GetState() & HvPropFlagDeleted) continue;
    const ROWCOL gridRow = m_wndGrid.GetSafeHwnd() != nullptr ? m_wndGrid.FindPropertyRow(property) : 0;
    const int row = gridRow != 0 ? static_cast<int>(gridRow) : k;
    const CString& name = property->GetName();
    CString line;
    if (property->IsStandard()) {
      line.Format("'%s' in row %d is a standard property", static_cast<LPCTSTR>(name), row);
    } else if (const auto first = seen.find(static_cast<LPCTSTR>(name)); first != seen.end()) {
      line.Format("'%s' occurs twice on row %d and %d", static_cast<LPCTSTR>(name), row, first->second);
    } else if (name.IsEmpty() && property->GetValue().IsEmpty()) {
      // An empty row the user left behind goes silently.
      if (gridRow != 0) m_wndGrid.RemoveRows(gridRow, gridRow);
      connector->RemoveAppProperty(property);
      --k;
      continue;
    } else if (!CUtilFunc::ValidateConnectorPropertyName(name, 0, nullptr)) {
      line.Format("'%s' is an invalid property name.", static_cast<LPCTSTR>(name));
    }
    if (!line.IsEmpty()) {
      AddResultLine(line);
      return FALSE;
    }
    seen.emplace(static_cast<LPCTSTR>(name), row);
  }
  return TRUE;
}
