// CDlgStep2: "Configure Agent", the agent's properties, sent to the agent
// when the step is left forwards.
#pragma once

#include <memory>

#include "AgentProperty.h"
#include "WzDialog.h"

class CDlgStep2 : public CWzDialog {
  DECLARE_DYNAMIC(CDlgStep2)

 public:
  CDlgStep2();

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;

 private:
  // The agent's properties as last sent; null before the first send.
  std::unique_ptr<AgentPropArray> m_pSentProperties;
};
