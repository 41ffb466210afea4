// CMessageWnd: runs long calls on a worker thread while the user-interface
// thread shows a wait window and keeps its windows painted.
//
//   CMessageTask* task = tasks.AddTask(Connect, &agent);
//   task->SetTitle("ZTA Wizard");
//   task->SetText("Connecting to \"Sales\". Please wait...");
//   task->AttachWindow(this);
//   tasks.Start("Please wait...");
//   UINT code = tasks.Join(INFINITE, false, false, true);
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "MessageTask.h"

namespace utils::tasks {
class TaskRunner;
class CWaitWnd;
}  // namespace utils::tasks

class AFX_EXT_CLASS CMessageWnd {
 public:
  // Join's answers that are not a task's own code.
  enum : UINT {
    TASK_TIMEOUT = 0xFFFFFFFF,    // the time-out passed; the task still runs
    TASK_CANCELLED = 0xFFFFFFFE,  // the user pressed Cancel; the code is dropped
    TASK_NONE = 0xFFFFFFFD,       // nothing was started
    TASK_FAILED = 0xFFFFFFFC,     // the function threw, or there was none
  };

  // The wait window is owned by pParent (a window or null).
  explicit CMessageWnd(CWnd* pParent);
  // Waits for tasks still running: their arguments belong to the caller.
  ~CMessageWnd();
  CMessageWnd(const CMessageWnd&) = delete;
  CMessageWnd& operator=(const CMessageWnd&) = delete;

  // Takes effect from the next Start.
  void SetParentWnd(CWnd* pParent);
  CWnd* GetParentWnd() const;

  // A new task, run by the next Start. The record stays valid until the
  // Join that answers for it.
  CMessageTask* AddTask(HLTASKPROC pfnTask, void* pArg);

  // Shows the wait window with the first task's text (lpszText when the task
  // has none), takes input from the tasks' attached windows and hands the
  // tasks to the worker, which runs them in order. FALSE when there was
  // nothing to start or no worker could be made.
  BOOL Start(LPCTSTR lpszText);

  // Waits for the tasks of the Starts so far and answers the last one's code.
  //   bKeepWaitWindow: another task follows at once; the wait window stays up
  //                    (the next Start reuses it, the next plain Join closes it).
  //   bCancelable:     the wait window offers Cancel (when messages are pumped),
  //                    which ends the wait with TASK_CANCELLED; the tasks finish
  //                    unseen.
  //   bPumpMessages:   the thread's messages are dispatched while waiting
  //                    (windows paint, timers run); otherwise only messages
  //                    sent by other threads are served.
  // After TASK_TIMEOUT a later Join waits again for the same tasks. The
  // attached windows take input again whatever the answer.
  UINT Join(DWORD dwTimeout, bool bKeepWaitWindow, bool bCancelable, bool bPumpMessages);

  // Started tasks not answered by a Join yet.
  BOOL IsRunning() const;
  // The wait window while it is shown, else null.
  CWnd* GetWaitWindow() const;

 private:
  enum class WaitEnd { Done, TimedOut, Cancelled };

  void ShowWaitWindow();
  // The wait window follows the running task (or the last one started).
  void ShowProgress();
  const CMessageTask* CurrentTask() const;
  WaitEnd Wait(const CMessageTask& task, DWORD dwTimeout, bool bCancelable, bool bPumpMessages);
  void PumpPending();
  void DisableAttached(const CMessageTask& task);
  void EnableAttached();
  void CloseWaitWindow();

  HWND m_hParent = nullptr;
  CString m_strStartText;
  std::vector<std::shared_ptr<CMessageTask>> m_pending;
  std::vector<std::shared_ptr<CMessageTask>> m_started;
  std::vector<HWND> m_disabled;  // attached windows this object disabled
  bool m_bQuitSeen = false;
  int m_nQuitCode = 0;
  std::unique_ptr<utils::tasks::TaskRunner> m_pRunner;
  std::unique_ptr<utils::tasks::CWaitWnd> m_pWaitWnd;
};
