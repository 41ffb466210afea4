// The library's message boxes: a printf-style box and the decimal text of
// an integer.
#pragma once

#include <afx.h>

namespace utils::detail {
AFX_EXT_API int ShowFormattedBox(UINT style, const CString& text);
}

// Shows `format` filled with `args` (as CString::Format fills it) and
// answers the pressed button. Style 0 is an information box with OK.
template <typename... Args>
int FormatMessageBox(UINT style, LPCTSTR format, const Args&... args) {
  CString text;
  if (format) text.Format(format, args...);
  return utils::detail::ShowFormattedBox(style, text);
}

// The decimal text of `value`.
AFX_EXT_API CString HLFormatInt(int value);
