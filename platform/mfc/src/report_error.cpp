// Showing an exception's message, through the window system's message box
// until the application installs its own.
#include <atomic>

#include <windows.h>

#include "mfc/exception.h"

namespace {

std::atomic<AFX_REPORT_ERROR_HOOK> g_reportErrorHook{nullptr};

}  // namespace

AFX_REPORT_ERROR_HOOK AfxSetReportErrorHook(AFX_REPORT_ERROR_HOOK pfnHook) {
  return g_reportErrorHook.exchange(pfnHook);
}

int CException::ReportError(UINT nType, UINT nMessageID) const {
  char text[512];
  CString message;
  if (GetErrorMessage(text, sizeof text)) {
    message = text;
  } else if (nMessageID == 0 || !message.LoadString(nMessageID)) {
    message = "No error message is available.";
  }
  if (const AFX_REPORT_ERROR_HOOK hook = g_reportErrorHook.load()) return hook(message, nType);
  return ::MessageBox(nullptr, message, nullptr, nType);
}
