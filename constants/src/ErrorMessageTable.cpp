#include "ErrorMessageTable.h"

void CErrorMessageTable::Add(DWORD code, LPCTSTR text) {
  m_codes.Add(code);
  m_texts.Add(text);
}

CString CErrorMessageTable::GetMessage(DWORD code) const {
  for (INT_PTR i = 0; i < m_codes.GetSize(); ++i) {
    if (m_codes[i] == code && i < m_texts.GetSize()) return m_texts[i];
  }
  return "Unknown error.";
}

CAgentErrorMessageTable::CAgentErrorMessageTable() {
  Add(0x0FFFFFFE, "Unexpected error");
  Add(1, "Cannot bind to agent");
  Add(2, "Cannot get a handle to agent");
  Add(3, "Cannot register callback listener for agent");
  Add(4, "A CORBA exception occurred while getting agent properties");
  Add(5,
      "The wizard cannot continue because it failed to communicated with the ZTA. Make sure VisiBroker, the "
      "database and the ZTA agent are running, then restart the process.");
  Add(6, "The wizard cannot continue because the agent is no longer responding");
  Add(7, "ZTA Wizard failed to terminate agent");
  Add(8,
      "The ZTA wizard is no longer connected to agent \"%s.\" You can still go back and forward between the steps "
      "that you completed and inspect your input but you can no longer make any changes.");
  Add(10, "The ZTA wizard failed to retrieved the %s content");
  Add(9,
      "The ZTA wizard failed to request the %s content from the ZTA. The ZTA declared that it generates this "
      "content");
}

CImpExpErrorMessageTable::CImpExpErrorMessageTable() {
  Add(1, "%s does not contain any Business Object definitions");
  Add(2, "Line %d: No repository copy version available");
  Add(3, "Line %d: Missing [BusinessObjectDefinition] header");
  Add(4, "The content of the BO definition %s is incomplete");
  Add(5, "Line %d: The first field in a business object definition must be its name");
  Add(6, "Line %d: %s Invalid attribute");
  Add(7, "Line %d: The first attribute of the business object must be its name");
  Add(8, "Line %d: Unknown field name %s encountered");
  Add(9, "Line %d: Properties must have their name as the first field");
  Add(10, "Line %d: NULL property name encountered");
  Add(11, "Line %d: Property name encountered twice");
  Add(13, "Line %d: The field is invalid");
  Add(14, "Line %d: %s Invalid verb");
  Add(15, "Export failed due to any/all of the following unresolved dependencies: %s");
  Add(16, "Export failed; could not execute the external exporting utility");
  Add(17,
      "When saving to an xml schema file, the file's name must coincide with the business object's name. Do you "
      "want to save to \"%s.xsd\" instead of \"%s?\"");
  Add(18, "Attribute %s is not a valid XML name");
  Add(19, "Creating of KBRX deployment files failed");
  Add(20, "Import failed; could not execute the external exporting utility");
  Add(21, "Failed to read the schema and/or its dependent schemas");
  Add(22, "Inadequate operating system environment%s");
  Add(23, "Cannot find library(ies)%s");
  Add(25, "A business object with this name already exists");
}
