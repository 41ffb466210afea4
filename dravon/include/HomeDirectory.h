// The installation folder: the parent of the folder that holds the running
// program (bin/), with no trailing separator.
#pragma once

#include <afx.h>

AFX_EXT_API CString HomeDirectory();
