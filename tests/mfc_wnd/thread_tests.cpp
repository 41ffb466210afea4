// Threads: a worker runs its function and ends; a user-interface thread
// runs its own pump, takes thread messages through its map and ends with
// WM_QUIT. Both are waited for through the window system's kernel objects.
#include <atomic>

#include "wnd_fixture.h"

namespace {

using ThreadTest = WndTest;

UINT AFX_CDECL Worker(LPVOID param) {
  auto* value = static_cast<std::atomic<int>*>(param);
  value->store(41 + 1);
  return 7;
}

TEST_F(ThreadTest, AWorkerRunsItsFunctionAndReportsItsExitCode) {
  std::atomic<int> value{0};
  CWinThread* thread = AfxBeginThread(Worker, &value, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE(thread, nullptr);
  thread->m_bAutoDelete = FALSE;
  thread->ResumeThread();
  ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, INFINITE), WAIT_OBJECT_0);
  DWORD code = 0;
  ASSERT_TRUE(::GetExitCodeThread(thread->m_hThread, &code));
  EXPECT_EQ(code, 7u);
  EXPECT_EQ(value.load(), 42);
  delete thread;
  EXPECT_EQ(AfxBeginThread(static_cast<AFX_THREADPROC>(nullptr), nullptr), nullptr);
}

constexpr UINT WM_WORK = WM_APP + 20;
std::atomic<int> g_work{0};
HANDLE g_ready = nullptr;
std::atomic<CWinThread*> g_current{nullptr};

class CUiThread : public CWinThread {
  DECLARE_DYNCREATE(CUiThread)

 public:
  BOOL InitInstance() override {
    g_current = AfxGetThread();
    // The queue exists from the first look at it; then posts can come.
    MSG msg;
    ::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE);
    ::SetEvent(g_ready);
    return TRUE;
  }
  int ExitInstance() override { return 5; }

 protected:
  afx_msg void OnWork(WPARAM wParam, LPARAM) {
    g_work += static_cast<int>(wParam);
    if (g_work >= 3) ::PostQuitMessage(0);
  }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CUiThread, CWinThread)

BEGIN_MESSAGE_MAP(CUiThread, CWinThread)
  ON_THREAD_MESSAGE(WM_WORK, OnWork)
END_MESSAGE_MAP()

TEST_F(ThreadTest, AUserInterfaceThreadPumpsThreadMessagesThroughItsMap) {
  g_work = 0;
  g_ready = ::CreateEvent(nullptr, TRUE, FALSE, nullptr);
  CWinThread* thread = AfxBeginThread(RUNTIME_CLASS(CUiThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE(thread, nullptr);
  thread->m_bAutoDelete = FALSE;
  thread->ResumeThread();
  // Messages posted before its queue exists would be lost: wait for it.
  ASSERT_EQ(::WaitForSingleObject(g_ready, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(thread->PostThreadMessage(WM_WORK, 1, 0));
  EXPECT_TRUE(thread->PostThreadMessage(WM_WORK, 2, 0));
  ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, INFINITE), WAIT_OBJECT_0);
  DWORD code = 0;
  ::GetExitCodeThread(thread->m_hThread, &code);
  EXPECT_EQ(code, 5u);
  EXPECT_EQ(g_work.load(), 3);
  EXPECT_EQ(g_current.load(), thread) << "AfxGetThread on the thread is its object";
  delete thread;
  ::CloseHandle(g_ready);
  EXPECT_EQ(AfxBeginThread(RUNTIME_CLASS(CWnd)), nullptr) << "not a thread class";
}

}  // namespace
