// A modeless waiting window for long operations on the user-interface
// thread: a busy clip, a message, optionally a progress bar with its
// percentage and a Cancel button that only raises a flag. The caller keeps
// it on the stack, updates it, pumps its messages between steps and polls
// the cancel flag.
#pragma once

#include <afxwin.h>

#include <memory>

class CDlgStatus;

class AFX_EXT_CLASS CStatusWindow {
 public:
  // The large template when either flag is set, else the small one.
  explicit CStatusWindow(CWnd* pParent = nullptr, BOOL bShowCancel = FALSE, BOOL bShowProgress = FALSE);
  virtual ~CStatusWindow();
  CStatusWindow(const CStatusWindow&) = delete;
  CStatusWindow& operator=(const CStatusWindow&) = delete;

  // printf-style; the title is cut at 511 and the message at 1023
  // characters (both buffers are shared by every status window).
  void SetTitle(const char* format, ...);
  void SetMsg(const char* format, ...);
  // Rounded to the nearest whole percent and kept within 1 to 100.
  void SetProgressBar(float percent);
  // Handles the messages queued for the window; FALSE without a window or
  // when the quit message or a failure came.
  BOOL ProcessWindowMessages();
  void SetCanceled(BOOL bCanceled);
  BOOL GetCanceled();

 private:
  std::unique_ptr<CDlgStatus> m_pDlg;  // null when the window could not be made
};
