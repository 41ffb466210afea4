// One named set of property values that the user keeps in a profile book.
#pragma once

#include <afx.h>

#include "AgentProperty.h"

class AgentProfile {
 public:
  AgentProfile(const CString& strName, const AgentPropArray& props) : m_props(props), m_strName(strName) {}

  AgentPropArray m_props;
  CString m_strName;
};
