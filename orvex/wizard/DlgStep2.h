// CDlgStep2: the wizard's second step, "Configure Agent": the agent's
// properties in the property grid, with named profiles of their values kept
// in the profile book (choose one, Save, New, Remove), sent to the agent
// when the step is left forwards. The broker's connection properties page
// is made from it.
#pragma once

#include <memory>

#include "PropGrid.h"
#include "WzDialog.h"

class CQRBDKAgent;

class CDlgStep2 : public CWzDialog {
  DECLARE_DYNAMIC(CDlgStep2)
  DECLARE_MESSAGE_MAP()

 public:
  CDlgStep2();

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  LRESULT OnWizardBack() override;

  // A book file of the name (a string id) in the machine's shared folder of
  // books, made empty when missing; empty when it cannot be made.
  virtual CString GetDefaultBookPath(UINT nIDFileName);
  // The book the registry names (the default one when it names none) into
  // the wizard.
  virtual void LoadProfileBook();
  // The book's registry folder below Orvex's settings.
  virtual CString GetBookRegistryKey();

  // The selected profile's name (empty when none is selected), or the
  // text of the combo box; trimmed.
  CString GetProfileName(BOOL bFromSelection);

 protected:
  explicit CDlgStep2(UINT nIDTemplate);

  void DoDataExchange(CDataExchange* pDX) override;
  // The properties the grid edits: the wizard's (null when it has none).
  virtual AgentPropArray* GetEditedProperties();
  // Save is open for a new name or the selected profile's; Remove for a
  // name the book holds.
  void UpdateButtons();

  afx_msg void OnSave();
  // The combo's text cleared and the grid rebuilt from the properties.
  afx_msg virtual void OnNew();
  afx_msg void OnRemove();
  afx_msg void OnSelChangeProfile();
  afx_msg void OnEditChangeProfile();

  CPropGrid m_wndGrid;
  CComboBox m_cbProfiles;

 private:
  // The combo box's entry that is exactly the name, or CB_ERR.
  int FindProfileEntry(const CString& name) const;
  // The folder for generated files, among the properties of an agent that
  // makes files.
  void AddFileDestination(AgentPropArray& properties) const;
  // Sends the properties: the first time as a task, later (after a
  // disconnect) only when they changed. FALSE when the agent refused.
  BOOL SendProperties(CQRBDKAgent& agent, const AgentPropArray& properties);

  // The agent's properties as last sent; null before the first send.
  std::unique_ptr<AgentPropArray> m_pSentProperties;
};
