// The worker behind CMessageWnd: one class-library worker thread at a time
// runs the started tasks in order and tells a window after each step.
#pragma once

#include <afxwin.h>

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "MessageTask.h"

namespace utils::tasks {

// Posted to the notify window when a task begins and when it ends.
constexpr UINT WM_HLTASK_PROGRESS = WM_USER + 0x2A0;

class TaskRunner {
 public:
  TaskRunner() = default;
  // Waits for the worker: no task outlives the object that started it.
  ~TaskRunner();
  TaskRunner(const TaskRunner&) = delete;
  TaskRunner& operator=(const TaskRunner&) = delete;

  // Queues the tasks behind any still running; starts a worker when none runs.
  BOOL Run(const std::vector<std::shared_ptr<CMessageTask>>& tasks);
  void SetNotifyWindow(HWND hWnd);

 private:
  static UINT AFX_CDECL WorkerProc(LPVOID pParam);
  void Work();
  // Takes the next task, or ends the worker's turn when none is left.
  std::shared_ptr<CMessageTask> Next();
  void Notify();
  void WaitForWorker();

  std::mutex m_mutex;
  std::deque<std::shared_ptr<CMessageTask>> m_queue;
  bool m_bWorking = false;
  HWND m_hNotify = nullptr;
  std::unique_ptr<CWinThread> m_pThread;
};

}  // namespace utils::tasks
