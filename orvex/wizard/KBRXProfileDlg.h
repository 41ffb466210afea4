// CKBRXProfileDlg: the message broker's connection properties, which go
// into the parameter file of an export's deployment files, edited in the
// property grid with named profiles kept in the broker's profile book. The
// wizard step's page run as a modal dialog over the hidden wizard that the
// import/export file dialog keeps for the broker.
#pragma once

#include "DlgStep2.h"

class CKBRXProfileDlg : public CDlgStep2 {
 public:
  // The broker properties, in the order of the parameter file.
  static constexpr INT_PTR kPropertyCount = 14;

  explicit CKBRXProfileDlg(CWnd* pParent = nullptr);

  // The wizard whose property set and book the dialog edits; set before
  // DoModal. Where the wizard holds no property set, the dialog edits one
  // of its own (GetBrokerProperties).
  void SetWizard(CGenerateWizard* pWizard);
  const AgentPropArray& GetBrokerProperties() const { return m_brokerProps; }

  BOOL OnInitDialog() override;
  CString GetDefaultBookPath(UINT nIDFileName) override;
  CString GetBookRegistryKey() override;

  // The broker properties with their factory values, replacing what the
  // array held.
  static void MakeDefaultProperties(AgentPropArray& properties);

 protected:
  // Refused while a required property is empty; otherwise the values
  // become the defaults, so that the next opening shows them.
  void OnOK() override;
  // The property set is put back as it was; profiles saved or removed
  // are still kept.
  void OnCancel() override;
  // The factory values again.
  void OnNew() override;
  AgentPropArray* GetEditedProperties() override;

 private:
  void ApplyMaxLengths();
  void SaveModifiedBook();

  AgentPropArray m_brokerProps;
  // The property set as the dialog found it.
  AgentPropArray m_propsAtStart;
};
