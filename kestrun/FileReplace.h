// Writing a connector file so that a failed write never costs the file that
// was there: the text goes to a temporary file beside it, which replaces the
// old one only when it was written and closed whole.
#pragma once

#include <afx.h>

// False with the standard text of the file error in `error`; the old file
// (if any) is then unchanged and no temporary file is left.
bool ReplaceFileContent(const CString& path, const CString& content, CString& error);
