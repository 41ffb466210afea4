// TaskRunner: the queue of started tasks and the worker thread that empties it.
#include "tasks/TaskRunner.h"

namespace utils::tasks {

TaskRunner::~TaskRunner() { WaitForWorker(); }

void TaskRunner::WaitForWorker() {
  if (m_pThread == nullptr) return;
  ::WaitForSingleObject(m_pThread->m_hThread, INFINITE);
  m_pThread.reset();
}

BOOL TaskRunner::Run(const std::vector<std::shared_ptr<CMessageTask>>& tasks) {
  std::unique_lock lock(m_mutex);
  m_queue.insert(m_queue.end(), tasks.begin(), tasks.end());
  if (m_bWorking || m_queue.empty()) return TRUE;
  // The last worker has given up its turn; let it finish leaving.
  lock.unlock();
  WaitForWorker();
  lock.lock();
  CWinThread* thread = AfxBeginThread(WorkerProc, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  if (thread == nullptr) return FALSE;
  thread->m_bAutoDelete = FALSE;
  m_pThread.reset(thread);
  m_bWorking = true;
  thread->ResumeThread();
  return TRUE;
}

void TaskRunner::SetNotifyWindow(HWND hWnd) {
  std::lock_guard lock(m_mutex);
  m_hNotify = hWnd;
}

UINT AFX_CDECL TaskRunner::WorkerProc(LPVOID pParam) {
  static_cast<TaskRunner*>(pParam)->Work();
  return 0;
}

void TaskRunner::Work() {
  while (std::shared_ptr<CMessageTask> task = Next()) {
    // The wait window shows the task that begins now.
    task->MarkStarted();
    Notify();
    task->Run();
    Notify();
  }
}

std::shared_ptr<CMessageTask> TaskRunner::Next() {
  std::lock_guard lock(m_mutex);
  if (m_queue.empty()) {
    m_bWorking = false;
    return nullptr;
  }
  std::shared_ptr<CMessageTask> task = m_queue.front();
  m_queue.pop_front();
  return task;
}

void TaskRunner::Notify() {
  HWND target = nullptr;
  {
    std::lock_guard lock(m_mutex);
    target = m_hNotify;
  }
  if (target != nullptr) ::PostMessage(target, WM_HLTASK_PROGRESS, 0, 0);
}

}  // namespace utils::tasks
