// CMessageWnd: tasks in, codes out; the wait window and the waiting loop.
#include "MessageWnd.h"

#include <algorithm>

#include "tasks/TaskRunner.h"
#include "tasks/WaitWnd.h"

using utils::tasks::CWaitWnd;
using utils::tasks::TaskRunner;

CMessageWnd::CMessageWnd(CWnd* pParent) : m_pRunner(std::make_unique<TaskRunner>()) { SetParentWnd(pParent); }

CMessageWnd::~CMessageWnd() {
  EnableAttached();
  CloseWaitWindow();
  // The runner's destructor waits for the worker.
  m_pRunner.reset();
}

void CMessageWnd::SetParentWnd(CWnd* pParent) { m_hParent = pParent != nullptr ? pParent->GetSafeHwnd() : nullptr; }

CWnd* CMessageWnd::GetParentWnd() const {
  return m_hParent != nullptr && ::IsWindow(m_hParent) ? CWnd::FromHandle(m_hParent) : nullptr;
}

CMessageTask* CMessageWnd::AddTask(HLTASKPROC pfnTask, void* pArg) {
  m_pending.push_back(std::make_shared<CMessageTask>(pfnTask, pArg));
  return m_pending.back().get();
}

BOOL CMessageWnd::Start(LPCTSTR lpszText) {
  if (m_pending.empty()) return FALSE;
  m_strStartText = lpszText != nullptr ? lpszText : "";
  std::vector<std::shared_ptr<CMessageTask>> batch;
  batch.swap(m_pending);
  m_started.insert(m_started.end(), batch.begin(), batch.end());
  ShowWaitWindow();
  for (const auto& task : batch) DisableAttached(*task);
  if (!m_pRunner->Run(batch)) {
    // No worker: these tasks can never answer.
    m_started.resize(m_started.size() - batch.size());
    EnableAttached();
    CloseWaitWindow();
    return FALSE;
  }
  return TRUE;
}

void CMessageWnd::ShowWaitWindow() {
  HWND owner = m_hParent != nullptr && ::IsWindow(m_hParent) ? m_hParent : nullptr;
  // A window whose owner went away went with it.
  if (m_pWaitWnd != nullptr && (m_pWaitWnd->GetSafeHwnd() == nullptr || ::GetWindow(*m_pWaitWnd, GW_OWNER) != owner))
    CloseWaitWindow();
  if (m_pWaitWnd == nullptr) {
    auto wnd = std::make_unique<CWaitWnd>([this] { ShowProgress(); });
    // Without a window the tasks still run; only nothing shows.
    if (!wnd->Create(owner, CString(), CString())) return;
    m_pWaitWnd = std::move(wnd);
    m_pRunner->SetNotifyWindow(m_pWaitWnd->GetSafeHwnd());
  }
  m_pWaitWnd->ShowCancel(FALSE);
  ShowProgress();
  m_pWaitWnd->ShowWindow(SW_SHOWNA);
  m_pWaitWnd->UpdateWindow();
}

const CMessageTask* CMessageWnd::CurrentTask() const {
  for (const auto& task : m_started)
    if (task->IsStarted() && !task->IsDone()) return task.get();
  auto waiting = std::find_if(m_started.begin(), m_started.end(), [](const auto& t) { return !t->IsStarted(); });
  if (waiting != m_started.end()) return waiting->get();
  return m_started.empty() ? nullptr : m_started.back().get();
}

void CMessageWnd::ShowProgress() {
  const CMessageTask* task = CurrentTask();
  if (m_pWaitWnd == nullptr || m_pWaitWnd->GetSafeHwnd() == nullptr || task == nullptr) return;
  CString title = task->GetTitle();
  if (title.IsEmpty() && GetParentWnd() != nullptr) GetParentWnd()->GetWindowText(title);
  m_pWaitWnd->SetContent(title, task->GetText().IsEmpty() ? m_strStartText : task->GetText());
}

void CMessageWnd::DisableAttached(const CMessageTask& task) {
  for (HWND hWnd : task.GetAttachedWindows()) {
    if (!::IsWindow(hWnd) || !::IsWindowEnabled(hWnd)) continue;
    ::EnableWindow(hWnd, FALSE);
    m_disabled.push_back(hWnd);
  }
}

void CMessageWnd::EnableAttached() {
  // In reverse, so a sheet comes back after its pages.
  for (auto it = m_disabled.rbegin(); it != m_disabled.rend(); ++it)
    if (::IsWindow(*it)) ::EnableWindow(*it, TRUE);
  m_disabled.clear();
}

void CMessageWnd::CloseWaitWindow() {
  if (m_pRunner != nullptr) m_pRunner->SetNotifyWindow(nullptr);
  m_pWaitWnd.reset();
}

UINT CMessageWnd::Join(DWORD dwTimeout, bool bKeepWaitWindow, bool bCancelable, bool bPumpMessages) {
  if (m_started.empty()) return TASK_NONE;
  const std::shared_ptr<CMessageTask> last = m_started.back();
  // Cancel can only be pressed while this thread dispatches its input.
  const bool cancelable = bCancelable && bPumpMessages && GetWaitWindow() != nullptr;
  if (GetWaitWindow() != nullptr) {
    m_pWaitWnd->ResetCancelled();
    m_pWaitWnd->ShowCancel(cancelable);
  }
  const WaitEnd end = Wait(*last, dwTimeout, cancelable, bPumpMessages);
  EnableAttached();
  if (!bKeepWaitWindow) CloseWaitWindow();
  if (m_bQuitSeen) {
    // The quit request belongs to the thread's own loop.
    m_bQuitSeen = false;
    ::PostQuitMessage(m_nQuitCode);
  }
  switch (end) {
    case WaitEnd::TimedOut:
      return TASK_TIMEOUT;
    case WaitEnd::Cancelled:
      m_started.clear();
      return TASK_CANCELLED;
    case WaitEnd::Done:
      break;
  }
  m_started.clear();
  return last->GetResult();
}

CMessageWnd::WaitEnd CMessageWnd::Wait(const CMessageTask& task, DWORD dwTimeout, bool bCancelable,
                                       bool bPumpMessages) {
  const DWORD begin = ::GetTickCount();
  HANDLE done = task.GetDoneEvent();
  for (;;) {
    // After WM_QUIT nothing more is dispatched here.
    const bool pump = bPumpMessages && !m_bQuitSeen;
    if (pump) PumpPending();
    if (task.IsDone()) return WaitEnd::Done;
    if (bCancelable && m_pWaitWnd != nullptr && m_pWaitWnd->IsCancelled()) return WaitEnd::Cancelled;
    DWORD remaining = INFINITE;
    if (dwTimeout != INFINITE) {
      const DWORD elapsed = ::GetTickCount() - begin;
      if (elapsed >= dwTimeout) return WaitEnd::TimedOut;
      remaining = dwTimeout - elapsed;
    }
    const DWORD wake = pump ? QS_ALLINPUT : QS_SENDMESSAGE;
    if (::MsgWaitForMultipleObjects(1, &done, FALSE, remaining, wake) == WAIT_OBJECT_0 + 1 && !pump) {
      // Peeking serves the messages other threads sent; nothing else is taken.
      MSG msg;
      ::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }
}

void CMessageWnd::PumpPending() {
  MSG msg;
  CWinThread* thread = AfxGetThread();
  while (!m_bQuitSeen && ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      m_bQuitSeen = true;
      m_nQuitCode = static_cast<int>(msg.wParam);
      return;
    }
    if (thread != nullptr && thread->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}

BOOL CMessageWnd::IsRunning() const { return !m_started.empty(); }

CWnd* CMessageWnd::GetWaitWindow() const {
  return m_pWaitWnd != nullptr && m_pWaitWnd->GetSafeHwnd() != nullptr ? m_pWaitWnd.get() : nullptr;
}
