// An object that keeps what went wrong in its last operation and makes the
// message of a failure code from it.
#pragma once

#include <afx.h>

class IPreparedError {
 public:
  virtual ~IPreparedError() = default;

  // The message of the code, filled with what the failure left behind (a
  // line number, a name, a detail).
  virtual CString GetErrorText(int code) const = 0;
};
