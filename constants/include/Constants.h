// The constant texts, the two code-to-message tables and the list helper
// that the grids, the validator, the repository-copy import and export, the
// broker export and the generation wizard share (and Kestrun's supported
// business objects). Every value is built before the application object
// starts and never changes.
//
// Comparisons "ignoring case" fold ASCII letters only; the bytes of UTF-8
// characters are compared as they are (the multibyte comparison of the
// class library, _mbsicmp).
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include "ErrorMessageTable.h"

constexpr int HV_TYPE_NAME_COUNT = 12;
constexpr int HV_INVALID_TYPE = 11;  // shown for any code outside 0 to 10
constexpr int HV_TRANS_LEVEL_COUNT = 4;

// Attribute and property type names, by type code.
extern const CString g_strTypeNames[HV_TYPE_NAME_COUNT];
extern const CString g_strSeparator;
// The registered clipboard format of copied attribute and verb rows.
extern const CString g_strClipboardFormat;
extern const CString g_strTransLevels[HV_TRANS_LEVEL_COUNT];
extern const CString g_strAssociatedMaps;
// The agent property that names the folder for generated files.
extern const CString g_strFileDestination;
// The target namespace written into exported schema files.
extern const CString g_strBOSchemaNamespace;

extern const CAgentErrorMessageTable g_agentErrors;
extern const CImpExpErrorMessageTable g_impExpErrors;

// The name of a type code; "Invalid type" for a code outside 0 to 10.
const CString& GetTypeName(int type);

// The first element at or after `start` (the head when null) that equals
// `text` ignoring case; null when none does.
POSITION FindNoCase(const CStringList& list, LPCTSTR text, POSITION start = nullptr);
