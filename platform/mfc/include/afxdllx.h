// Support of extension libraries (AFX_EXTENSION_MODULE, AfxInitExtensionModule,
// CDynLinkLibrary), which afxwin.h already holds here; a library's entry is
// registered with win32::RegisterLibraryEntry.
#pragma once

#include "afxwin.h"
