// The rules the new-object name dialogs share: OK only for a name that is
// not empty once its trailing blanks are gone, and the order in which OK
// refuses a name.
#pragma once

#include <afxwin.h>

#include <functional>

namespace velmora {

// Reads the name edit `nIDName` into `name` without its trailing blanks and
// enables OK only when something is left.
void UpdateOkForName(CDialog& dialog, int nIDName, CString& name);

// OK's checks of a trimmed name, in order: an empty name shows
// `emptyMessage`; a name that is not alphanumeric is refused without a
// message of its own; then `conflict` answers the message for a name
// already in use (empty when it is free). TRUE when the dialog may close.
BOOL AcceptNewName(const CString& name, LPCTSTR emptyMessage, const std::function<CString()>& conflict);

}  // namespace velmora
