// The string of a command as bars and frames read it: "prompt\ntip".
#pragma once

#include "afxstr.h"

namespace afx {

// The prompt (the status-bar text): the part before the newline.
CString CommandPrompt(UINT nID);
// The tip: the part after the newline, empty without one.
CString CommandTip(UINT nID);

}  // namespace afx
