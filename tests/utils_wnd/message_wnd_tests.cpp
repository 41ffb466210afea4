// CMessageWnd: tasks run on a worker while the wait window shows their
// text; Join answers the code, a time-out or a cancel, and the flags change
// what stays on screen and what the waiting thread dispatches.
#include <MessageWnd.h>

#include <atomic>

#include "utils_wnd_fixture.h"

namespace {

using halvane::test::Window;
using MessageWndTest = UtilsWndTest;

constexpr int kTextId = 100;

// A task that waits at a gate the test opens, then answers its code.
struct GatedJob {
  HANDLE gate = ::CreateEvent(nullptr, TRUE, FALSE, nullptr);
  UINT code = 0;
  std::atomic<DWORD> threadId{0};
  ~GatedJob() { ::CloseHandle(gate); }
  void Open() const { ::SetEvent(gate); }
};

UINT RunGated(void* pArg) {
  auto* job = static_cast<GatedJob*>(pArg);
  job->threadId = ::GetCurrentThreadId();
  ::WaitForSingleObject(job->gate, INFINITE);
  return job->code;
}

UINT Throws(void*) { throw 5; }

std::string WaitText(Window wait) { return wait.child(kTextId).text(); }

TEST_F(MessageWndTest, TheWaitWindowShowsTheTaskWhileTheWorkerRunsItAndGoesAtJoin) {
  CWnd host;
  ASSERT_TRUE(CreateTopLevel(host, "Host"));
  GatedJob job;
  job.code = 42;
  CMessageWnd tasks(&host);
  CMessageTask* task = tasks.AddTask(RunGated, &job);
  task->SetTitle("ZTA Wizard");
  task->SetText("Connecting to \"Sales\". Please wait...");
  task->AttachWindow(&host);
  ASSERT_TRUE(tasks.Start("Please wait..."));

  Window wait = robot.topLevel("ZTA Wizard");
  ASSERT_TRUE(wait);
  EXPECT_TRUE(wait.isVisible());
  EXPECT_EQ(WaitText(wait), "Connecting to \"Sales\". Please wait...");
  EXPECT_EQ(::GetWindow(wait.hwnd(), GW_OWNER), host.GetSafeHwnd());
  EXPECT_FALSE(Window(host.GetSafeHwnd()).isEnabled()) << "the attached window takes no input meanwhile";
  EXPECT_FALSE(wait.child(IDCANCEL).isVisible());
  EXPECT_TRUE(tasks.IsRunning());
  robot.snapshot(wait, "wait_window");

  job.Open();
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 42u);
  EXPECT_NE(job.threadId.load(), ::GetCurrentThreadId());
  EXPECT_FALSE(wait.exists());
  EXPECT_EQ(tasks.GetWaitWindow(), nullptr);
  EXPECT_TRUE(Window(host.GetSafeHwnd()).isEnabled());
  EXPECT_FALSE(tasks.IsRunning());
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), CMessageWnd::TASK_NONE) << "nothing left to join";
  host.DestroyWindow();
}

TEST_F(MessageWndTest, ATaskWithoutTextShowsTheStartTextUnderTheOwnersCaption) {
  CWnd host;
  ASSERT_TRUE(CreateTopLevel(host, "Owner"));
  GatedJob job;
  job.Open();
  CMessageWnd tasks(&host);
  tasks.AddTask(RunGated, &job);
  ASSERT_TRUE(tasks.Start("Discovering registered agents. Please wait..."));
  Window wait(tasks.GetWaitWindow()->GetSafeHwnd());
  EXPECT_EQ(wait.text(), "Owner");
  EXPECT_EQ(WaitText(wait), "Discovering registered agents. Please wait...");
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 0u);
  EXPECT_FALSE(tasks.Start("Please wait...")) << "no task to start";
  host.DestroyWindow();
}

TEST_F(MessageWndTest, TasksRunInOrderTheWindowFollowsThemAndJoinAnswersTheLastCode) {
  GatedJob first, second;
  first.code = 1;
  second.code = 2;
  CMessageWnd tasks(nullptr);
  tasks.AddTask(RunGated, &first)->SetText("First");
  tasks.AddTask(RunGated, &second)->SetText("Second");
  ASSERT_TRUE(tasks.Start("Please wait..."));
  Window wait(tasks.GetWaitWindow()->GetSafeHwnd());
  EXPECT_EQ(WaitText(wait), "First");

  first.Open();
  // The time-out passes once both threads wait: the worker at the second gate.
  EXPECT_EQ(tasks.Join(100, true, false, true), CMessageWnd::TASK_TIMEOUT);
  EXPECT_EQ(WaitText(wait), "Second");
  EXPECT_EQ(first.threadId.load(), second.threadId.load()) << "one worker runs them in turn";

  second.Open();
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 2u);
  EXPECT_FALSE(wait.exists());
}

TEST_F(MessageWndTest, ATimeOutAnswersAtItsTimeAndALaterJoinStillGetsTheCode) {
  CWnd host;
  ASSERT_TRUE(CreateTopLevel(host, "Host"));
  GatedJob job;
  job.code = 9;
  CMessageWnd tasks(&host);
  tasks.AddTask(RunGated, &job)->AttachWindow(&host);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  const DWORD before = ::GetTickCount();
  EXPECT_EQ(tasks.Join(500, false, false, true), CMessageWnd::TASK_TIMEOUT);
  EXPECT_GE(::GetTickCount() - before, 500u);
  EXPECT_EQ(tasks.GetWaitWindow(), nullptr) << "a plain Join closes the window whatever the answer";
  EXPECT_TRUE(Window(host.GetSafeHwnd()).isEnabled());
  EXPECT_TRUE(tasks.IsRunning());

  job.Open();
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 9u);
  host.DestroyWindow();
}

TEST_F(MessageWndTest, KeepingTheWaitWindowCarriesItToTheNextTask) {
  GatedJob terminate, connect;
  terminate.Open();
  connect.Open();
  connect.code = 3;
  CMessageWnd tasks(nullptr);
  tasks.AddTask(RunGated, &terminate)->SetText("Terminating");
  ASSERT_TRUE(tasks.Start("Please wait..."));
  CWnd* wait = tasks.GetWaitWindow();
  EXPECT_EQ(tasks.Join(INFINITE, true, false, true), 0u);
  ASSERT_EQ(tasks.GetWaitWindow(), wait);
  EXPECT_TRUE(wait->IsWindowVisible());

  tasks.AddTask(RunGated, &connect)->SetText("Connecting");
  ASSERT_TRUE(tasks.Start("Please wait..."));
  EXPECT_EQ(tasks.GetWaitWindow(), wait);
  EXPECT_EQ(WaitText(Window(wait->GetSafeHwnd())), "Connecting");
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 3u);
  EXPECT_EQ(tasks.GetWaitWindow(), nullptr);
}

halvane::test::Robot* g_robot = nullptr;
HANDLE g_gate = nullptr;
HWND g_cancel = nullptr;

bool g_cancelShown = false;

void CALLBACK PressCancel(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  g_cancelShown = Window(g_cancel).isVisible();
  g_robot->click(Window(g_cancel));
}

TEST_F(MessageWndTest, CancelEndsTheWaitAndTheTaskFinishesUnseen) {
  GatedJob job;
  job.code = 7;
  CMessageWnd tasks(nullptr);
  tasks.AddTask(RunGated, &job)->SetTitle("Busy");
  ASSERT_TRUE(tasks.Start("Please wait..."));
  Window wait = robot.topLevel("Busy");
  g_robot = &robot;
  g_cancel = wait.child(IDCANCEL).hwnd();
  ::SetTimer(nullptr, 0, 50, PressCancel);
  EXPECT_EQ(tasks.Join(INFINITE, false, true, true), CMessageWnd::TASK_CANCELLED);
  EXPECT_TRUE(g_cancelShown);
  EXPECT_FALSE(wait.exists());
  EXPECT_FALSE(tasks.IsRunning());
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), CMessageWnd::TASK_NONE);
  job.Open();  // the destructor waits for the worker
}

TEST_F(MessageWndTest, FailingTasksAnswerTheFailureCode) {
  CMessageWnd tasks(nullptr);
  tasks.AddTask(Throws, nullptr);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), CMessageWnd::TASK_FAILED);
  tasks.AddTask(nullptr, nullptr);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), CMessageWnd::TASK_FAILED);
}

// Without pumping, posted messages wait for the thread's own loop, but a
// task that sends to a window of this thread is still served.
struct SendJob {
  HWND target = nullptr;
};
constexpr UINT WM_ASK = WM_APP + 5;
int g_posted = 0;

class CAnswering : public CWnd {
 protected:
  afx_msg LRESULT OnAsk(WPARAM wParam, LPARAM) {
    if (wParam == 0) ++g_posted;
    return 77;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CAnswering, CWnd)
  ON_MESSAGE(WM_ASK, OnAsk)
END_MESSAGE_MAP()

UINT SendToUi(void* pArg) {
  return static_cast<UINT>(::SendMessage(static_cast<SendJob*>(pArg)->target, WM_ASK, 1, 0));
}

TEST_F(MessageWndTest, WithoutPumpingOnlySentMessagesAreServed) {
  CAnswering target;
  ASSERT_TRUE(CreateTopLevel(target, "Target"));
  g_posted = 0;
  SendJob job{target.GetSafeHwnd()};
  CMessageWnd tasks(&target);
  tasks.AddTask(SendToUi, &job);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  target.PostMessage(WM_ASK, 0, 0);
  EXPECT_EQ(tasks.Join(INFINITE, false, false, false), 77u);
  EXPECT_EQ(g_posted, 0);
  robot.pumpUntilIdle();
  EXPECT_EQ(g_posted, 1);

  tasks.AddTask(SendToUi, &job);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  target.PostMessage(WM_ASK, 0, 0);
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 77u);
  EXPECT_EQ(g_posted, 2) << "pumping dispatches the posted message during the wait";
  target.DestroyWindow();
}

// Asked from the task through a sent message, so it answers during Join.
class CCancelProbe : public CWnd {
 protected:
  afx_msg LRESULT OnAsk(WPARAM, LPARAM) { return ::IsWindowVisible(g_cancel) ? 1 : 0; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCancelProbe, CWnd)
  ON_MESSAGE(WM_ASK, OnAsk)
END_MESSAGE_MAP()

TEST_F(MessageWndTest, CancelIsOfferedOnlyWhileTheWaitDispatchesInput) {
  CCancelProbe probe;
  ASSERT_TRUE(CreateTopLevel(probe, "Probe"));
  SendJob job{probe.GetSafeHwnd()};
  CMessageWnd tasks(&probe);
  tasks.AddTask(SendToUi, &job);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  g_cancel = ::GetDlgItem(tasks.GetWaitWindow()->GetSafeHwnd(), IDCANCEL);
  EXPECT_EQ(tasks.Join(INFINITE, false, true, false), 0u) << "nobody could press it";
  tasks.AddTask(SendToUi, &job);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  g_cancel = ::GetDlgItem(tasks.GetWaitWindow()->GetSafeHwnd(), IDCANCEL);
  EXPECT_EQ(tasks.Join(INFINITE, false, true, true), 1u);
  probe.DestroyWindow();
}

TEST_F(MessageWndTest, ANewParentOwnsTheNextWaitWindowAfterTheOldOneWent) {
  CWnd sheet, mainWnd;
  ASSERT_TRUE(CreateTopLevel(sheet, "Sheet"));
  ASSERT_TRUE(CreateTopLevel(mainWnd, "Main"));
  GatedJob job;
  CMessageWnd tasks(&sheet);
  tasks.AddTask(RunGated, &job)->SetTitle("First");
  ASSERT_TRUE(tasks.Start("Please wait..."));
  job.Open();
  EXPECT_EQ(tasks.Join(INFINITE, true, false, true), 0u);
  sheet.DestroyWindow();
  EXPECT_EQ(tasks.GetWaitWindow(), nullptr) << "the kept window went with its owner";

  tasks.SetParentWnd(&mainWnd);
  EXPECT_EQ(tasks.GetParentWnd(), &mainWnd);
  tasks.AddTask(RunGated, &job)->SetTitle("Disconnecting");
  ASSERT_TRUE(tasks.Start("Please wait..."));
  Window wait = robot.topLevel("Disconnecting");
  ASSERT_TRUE(wait);
  EXPECT_EQ(::GetWindow(wait.hwnd(), GW_OWNER), mainWnd.GetSafeHwnd());
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 0u);
  mainWnd.DestroyWindow();
}

void CALLBACK QuitAndOpen(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  ::PostQuitMessage(4);
  ::SetEvent(g_gate);
}

TEST_F(MessageWndTest, AQuitRequestDuringTheWaitIsLeftForTheThreadsOwnLoop) {
  GatedJob job;
  job.code = 6;
  g_gate = job.gate;
  CMessageWnd tasks(nullptr);
  tasks.AddTask(RunGated, &job);
  ASSERT_TRUE(tasks.Start("Please wait..."));
  ::SetTimer(nullptr, 0, 20, QuitAndOpen);
  EXPECT_EQ(tasks.Join(INFINITE, false, false, true), 6u);
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 4u);
}

}  // namespace
