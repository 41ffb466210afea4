// Where the class library looks for a resource of its own modules.
#pragma once

#include "windows.h"

namespace afx {

// The module to load the named resource of the given type from.
HINSTANCE FindResourceModule(LPCTSTR lpszName, LPCTSTR lpszType);

}  // namespace afx
