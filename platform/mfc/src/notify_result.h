// How a dialog answers a notification it handled: the dialog procedure
// hands the window's message result back to the sender.
#pragma once

#include <windows.h>

namespace afx {

inline BOOL AnswerNotify(HWND hDlg, LRESULT result, LRESULT* pResult) {
  ::SetWindowLongPtr(hDlg, DWLP_MSGRESULT, result);
  if (pResult != nullptr) *pResult = result;
  return TRUE;
}

}  // namespace afx
