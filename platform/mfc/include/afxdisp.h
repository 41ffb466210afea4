// Automation support the programs use: the automation date and a start-up
// call that has nothing to set up here.
#pragma once

#include "afxwin.h"
#include "mfc/oledatetime.h"

inline BOOL AfxOleInit() { return TRUE; }
