#include "Constants.h"

#include <afxcrt.h>

const CString g_strTypeNames[HV_TYPE_NAME_COUNT] = {
    "Object", "Boolean",   "Integer",     "Float",     "Double", "String",
    "Date",   "Long text", "Cipher text", "Directory", "File",   "Invalid type",
};
const CString g_strSeparator = ":";
const CString g_strClipboardFormat = "CF_QROBJ";
const CString g_strTransLevels[HV_TRANS_LEVEL_COUNT] = {"None", "Minimal Effort", "Best Effort", "Stringent"};
const CString g_strAssociatedMaps = "AssociatedMaps";
const CString g_strFileDestination = "File destination";
const CString g_strBOSchemaNamespace = "http://schemas.halvane.example/2002/BOSchema/";

const CAgentErrorMessageTable g_agentErrors;
const CImpExpErrorMessageTable g_impExpErrors;

const CString& GetTypeName(int type) {
  return type >= 0 && type < HV_INVALID_TYPE ? g_strTypeNames[type] : g_strTypeNames[HV_INVALID_TYPE];
}

POSITION FindNoCase(const CStringList& list, LPCTSTR text, POSITION start) {
  if (text == nullptr) return nullptr;
  for (POSITION pos = start != nullptr ? start : list.GetHeadPosition(); pos != nullptr;) {
    const POSITION at = pos;
    if (_mbsicmp(list.GetNext(pos), text) == 0) return at;
  }
  return nullptr;
}
