#include "KBRXProfileDlg.h"

#include <algorithm>
#include <memory>

#include "GenerateWizard.h"
#include "wizard_resource.h"

namespace {

struct BrokerProperty {
  const char* name;
  const char* value;
  WORD maxLength;
  bool yesNo = false;  // chosen from "Y" and "N"
  bool required = false;
  bool secret = false;
  const char* choice = nullptr;  // the one value to choose
};

const BrokerProperty kBrokerProperties[CKBRXProfileDlg::kPropertyCount] = {
    {"VSK_DB", "", 127, false, true},
    {"DB_User", "", 63, false, true},
    {"DB_PW", "", 63, false, false, true},
    {"xsiPrefix", "xsi", 31},
    {"FilePath", "", 511},
    {"DefNameSpace", "", 127},
    {"NoNameSpaceLoc", "", 511},
    {"XMLTabName", "HlXML", 255, false, false, false, "HlXML"},
    {"ReportOnly", "N", 1, true},
    {"Verbose", "N", 1, true},
    {"Trace", "N", 1, true},
    {"DateStringOnly", "N", 1, true},
    {"InclTimeFrac", "N", 1, true},
    {"ShowSchema", "N", 1, true},
};

const char* const kStringType = "5";
const char* const kSingleSelection = "1";

}  // namespace

CKBRXProfileDlg::CKBRXProfileDlg(CWnd* pParent) : CDlgStep2(IDD_KBRX_PROFILE) {
  m_pParentWnd = pParent;
  MakeDefaultProperties(m_brokerProps);
}

void CKBRXProfileDlg::MakeDefaultProperties(AgentPropArray& properties) {
  properties.RemoveAll();
  for (const BrokerProperty& broker : kBrokerProperties) {
    CStringList values;
    values.AddTail(broker.value);
    AgentProperty property(broker.name, "", kStringType, values, broker.required ? 1 : 0, 1, kSingleSelection);
    property.m_bSecret = broker.secret ? 1 : 0;
    property.m_nMaxLength = broker.maxLength;
    if (broker.yesNo) {
      property.m_allowedValues.AddTail("Y");
      property.m_allowedValues.AddTail("N");
    } else if (broker.choice != nullptr) {
      property.m_allowedValues.AddTail(broker.choice);
    }
    property.m_bIsList = property.m_allowedValues.IsEmpty() ? 0 : 1;
    properties.Add(property);
  }
}

void CKBRXProfileDlg::SetWizard(CGenerateWizard* pWizard) { m_pSheet = pWizard; }

AgentPropArray* CKBRXProfileDlg::GetEditedProperties() {
  AgentPropArray* pProperties = CDlgStep2::GetEditedProperties();
  return pProperties != nullptr ? pProperties : &m_brokerProps;
}

CString CKBRXProfileDlg::GetBookRegistryKey() { return "KBRX Profiles\\"; }

CString CKBRXProfileDlg::GetDefaultBookPath(UINT) { return CDlgStep2::GetDefaultBookPath(IDS_KBRX_PROFILE_BOOK); }

BOOL CKBRXProfileDlg::OnInitDialog() {
  CDlgStep2::OnInitDialog();
  AgentPropArray* pProperties = GetEditedProperties();
  // A set never filled starts with the factory values.
  if (pProperties->GetSize() == 0) MakeDefaultProperties(*pProperties);
  m_propsAtStart = *pProperties;
  m_wndGrid.SetProperties(pProperties, CPropGrid::kFromDefaults);
  ApplyMaxLengths();
  return TRUE;
}

void CKBRXProfileDlg::ApplyMaxLengths() {
  const ROWCOL nRows = std::min(m_wndGrid.GetRowCount(), static_cast<ROWCOL>(kPropertyCount));
  for (ROWCOL row = 1; row <= nRows; ++row)
    m_wndGrid.SetStyleRange(CGXRange(row, CPropGrid::kValueCol),
                            CGXStyle().SetMaxLength(kBrokerProperties[row - 1].maxLength));
}

void CKBRXProfileDlg::OnNew() {
  m_cbProfiles.SetWindowText("");
  AgentPropArray fresh;
  MakeDefaultProperties(fresh);
  m_wndGrid.SetProperties(&fresh, CPropGrid::kFromDefaults);
  ApplyMaxLengths();
  UpdateButtons();
}

void CKBRXProfileDlg::SaveModifiedBook() {
  CGenerateWizard* pWizard = GetWizard();
  if (pWizard == nullptr) return;
  // A book is written only by a wizard past its first step.
  pWizard->SetCurrentStep(5);
  if (pWizard->IsBookModified() && pWizard->SaveProfileBook(GetBookRegistryKey()) == CGenerateWizard::kBookSaved)
    pWizard->SetBookModified(FALSE);
}

void CKBRXProfileDlg::OnOK() {
  SaveModifiedBook();
  AgentPropArray* pProperties = GetEditedProperties();
  m_wndGrid.GetProperties(pProperties);
  if (const std::unique_ptr<CStringList> pMissing{pProperties->GetIncompleteProperties()}) {
    CString message = "The following properties require non-empty values:\n";
    for (POSITION pos = pMissing->GetHeadPosition(); pos != nullptr;) message += pMissing->GetNext(pos) + "\n";
    MessageBox(message, "Incomplete properties", MB_OK | MB_ICONSTOP);
    return;
  }
  for (AgentProperty& property : *pProperties) {
    property.m_defaultValues.RemoveAll();
    property.m_defaultValues.AddTail(&property.m_currentValues);
  }
  EndDialog(IDOK);
}

void CKBRXProfileDlg::OnCancel() {
  SaveModifiedBook();
  *GetEditedProperties() = m_propsAtStart;
  EndDialog(IDCANCEL);
}
