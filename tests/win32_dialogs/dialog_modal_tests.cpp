// The modal loop: owners, results, nesting, WM_QUIT, idle messages.
#include "dialog_fixture.h"
#include "resource.h"

namespace {

class DialogModalTest : public DialogTest {};

TEST_F(DialogModalTest, TheOwnerIsDisabledDuringTheLoopAndEnabledBeforeTheDialogGoes) {
  HWND owner = MakeOwner();
  ASSERT_TRUE(owner);
  bool enabledDuringInit = true;
  bool enabledAtDestroy = false;
  HWND dialog = nullptr;
  script.onInit = [&](HWND) { enabledDuringInit = IsWindowEnabled(owner) != FALSE; };
  script.onMessage = [&](HWND, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_DESTROY) enabledAtDestroy = IsWindowEnabled(owner) != FALSE;
    return false;
  };
  std::vector<HWND> stack;
  HWND ownerOfDialog = nullptr;
  Then([&](HWND dlg) {
    dialog = dlg;
    stack = win32::GetModalStack();
    ownerOfDialog = GetWindow(dlg, GW_OWNER);
    EndDialog(dlg, 42);
  });
  EXPECT_EQ(42, RunSettings(owner));
  EXPECT_FALSE(enabledDuringInit);
  EXPECT_TRUE(enabledAtDestroy);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(owner, GetActiveWindow());
  EXPECT_EQ(std::vector<HWND>{dialog}, stack);
  EXPECT_EQ(owner, ownerOfDialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(win32::GetModalStack().empty());
}

TEST_F(DialogModalTest, AChildParentGivesItsTopLevelWindowAsOwner) {
  HWND owner = MakeOwner();
  HWND child = CreateWindowEx(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, owner, nullptr, Module(), nullptr);
  ASSERT_TRUE(child);
  HWND ownerOfDialog = nullptr;
  bool ownerEnabled = true;
  Then([&](HWND dlg) {
    ownerOfDialog = GetWindow(dlg, GW_OWNER);
    ownerEnabled = IsWindowEnabled(owner) != FALSE;
    EndDialog(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, RunSettings(child));
  EXPECT_EQ(owner, ownerOfDialog);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogModalTest, EndDialogDuringInitDialogEndsBeforeTheDialogShows) {
  script.onInit = [](HWND dlg) { EndDialog(dlg, 5); };
  EXPECT_EQ(5, RunSettings());
  EXPECT_EQ(script.messages.end(),
            std::find(script.messages.begin(), script.messages.end(), static_cast<UINT>(WM_SHOWWINDOW)));
}

TEST_F(DialogModalTest, ADialogWithoutWsVisibleIsShownByTheLoop) {
  bool visible = false;
  Then([&](HWND dlg) {
    visible = IsWindowVisible(dlg) != FALSE;
    EndDialog(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, DialogBoxParam(Module(), MAKEINTRESOURCE(IDD_HOST), nullptr, &TestDialogProc, 0));
  EXPECT_TRUE(visible);
}

TEST_F(DialogModalTest, NestedLoopsStackAndEndInnermostFirst) {
  HWND owner = MakeOwner();
  std::vector<HWND> innerStack;
  bool outerEnabledInside = true;
  bool outerEnabledAfter = false;
  INT_PTR innerResult = 0;
  HWND outer = nullptr;
  Then([&](HWND dlg) {
    outer = dlg;
    innerResult = DialogBoxParam(Module(), MAKEINTRESOURCE(IDD_TINY), dlg, &TestDialogProc, 0);
    outerEnabledAfter = IsWindowEnabled(dlg) != FALSE;
  });
  // Played by the inner loop while the step above waits in DialogBoxParam.
  Then([&](HWND inner) {
    innerStack = win32::GetModalStack();
    outerEnabledInside = IsWindowEnabled(outer) != FALSE;
    EndDialog(inner, 3);
  });
  Then([&](HWND dlg) { EndDialog(dlg, 4); });
  EXPECT_EQ(4, RunSettings(owner));
  EXPECT_EQ(3, innerResult);
  ASSERT_EQ(2u, innerStack.size());
  EXPECT_EQ(outer, innerStack[0]);
  EXPECT_FALSE(outerEnabledInside);
  EXPECT_TRUE(outerEnabledAfter);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogModalTest, WmQuitEndsTheLoopAndIsPostedAgain) {
  HWND owner = MakeOwner();
  Then([](HWND) { PostQuitMessage(7); });
  RunSettings(owner);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(win32::GetModalStack().empty());
  MSG msg{};
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
  EXPECT_EQ(7u, msg.wParam);
}

TEST_F(DialogModalTest, AnIdleLoopSendsEnterIdleAndLetsTheClockRunToTimers) {
  struct Idle {
    int count = 0;
    WPARAM kind = 99;
  } idle;
  HWND owner = MakeOwner();
  SetWindowLongPtr(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&idle));
  SetWindowLongPtr(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) {
                     if (m == WM_ENTERIDLE) {
                       auto* record = reinterpret_cast<Idle*>(GetWindowLongPtr(w, GWLP_USERDATA));
                       ++record->count;
                       record->kind = wp;
                     }
                     return DefWindowProc(w, m, wp, lp);
                   }));
  // This test lets the loop wait: the hook has nothing to do.
  win32::SetModalIdleHook([](HWND) { return false; });
  script.onInit = [](HWND dlg) { SetTimer(dlg, 1, 500, nullptr); };
  script.onMessage = [](HWND dlg, UINT msg, WPARAM, LPARAM) {
    if (msg != WM_TIMER) return false;
    EndDialog(dlg, 9);
    return true;
  };
  const DWORD before = GetTickCount();
  EXPECT_EQ(9, RunSettings(owner));
  EXPECT_GE(GetTickCount() - before, 500u);
  EXPECT_GE(idle.count, 1);
  EXPECT_EQ(static_cast<WPARAM>(MSGF_DIALOGBOX), idle.kind);
}

TEST_F(DialogModalTest, FailuresAnswerMinusOneAndLeaveTheOwnerEnabled) {
  HWND owner = MakeOwner();
  EXPECT_EQ(-1, DialogBoxParam(Module(), MAKEINTRESOURCE(IDD_CUSTOM), owner, &TestDialogProc, 0));
  EXPECT_EQ(-1, DialogBoxParam(Module(), MAKEINTRESOURCE(999), owner, &TestDialogProc, 0));
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
  EXPECT_EQ(0, DialogBoxParam(Module(), MAKEINTRESOURCE(IDD_SETTINGS), owner, &TestDialogProc, 0));
}

TEST_F(DialogModalTest, DestroyingTheDialogEndsItsLoop) {
  Then([](HWND dlg) { DestroyWindow(dlg); });
  EXPECT_EQ(0, RunSettings());
  EXPECT_TRUE(win32::GetModalStack().empty());
}

}  // namespace
