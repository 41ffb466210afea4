// CMessageTask: one job of a CMessageWnd, a function run on the worker
// thread with its argument, and what the wait window shows while it runs.
#pragma once

#include <afxwin.h>

#include <atomic>
#include <vector>

// A task function: takes the argument given to AddTask and answers its code.
typedef UINT (*HLTASKPROC)(void* pArg);

class AFX_EXT_CLASS CMessageTask {
 public:
  CMessageTask(HLTASKPROC pfnTask, void* pArg);
  ~CMessageTask();
  CMessageTask(const CMessageTask&) = delete;
  CMessageTask& operator=(const CMessageTask&) = delete;

  // The wait window's caption and text while this task runs; an empty
  // text shows the text given to CMessageWnd::Start.
  void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
  const CString& GetTitle() const { return m_strTitle; }
  void SetText(LPCTSTR lpszText) { m_strText = lpszText; }
  const CString& GetText() const { return m_strText; }

  // A window that takes no input while the task runs (the page that started
  // it, its sheet). Null and non-windows are ignored.
  void AttachWindow(CWnd* pWnd);
  const std::vector<HWND>& GetAttachedWindows() const { return m_attached; }

  BOOL IsStarted() const { return m_bStarted.load(); }
  BOOL IsDone() const { return m_bDone.load(); }
  // The function's code, once IsDone.
  UINT GetResult() const { return m_nResult.load(); }
  // Signalled when the function has returned.
  HANDLE GetDoneEvent() const { return m_hDone; }

  // The worker's steps: the task begins, then its function runs on the
  // calling thread.
  void MarkStarted() { m_bStarted = true; }
  void Run();

 private:
  HLTASKPROC m_pfnTask;
  void* m_pArg;
  CString m_strTitle;
  CString m_strText;
  std::vector<HWND> m_attached;
  std::atomic<bool> m_bStarted{false};
  std::atomic<bool> m_bDone{false};
  std::atomic<UINT> m_nResult{0};
  HANDLE m_hDone;
};
