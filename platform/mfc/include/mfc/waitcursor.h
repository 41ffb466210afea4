// CWaitCursor: shows the wait cursor for its lifetime (nesting counts).
#pragma once

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  // Shows the wait cursor again after something (a message box) changed it.
  void Restore();
};
