// The status window: its two templates, the busy clip, the progress bar's
// rounding, the cancel flag, the bounded texts and its messages.
#include <commctrl.h>
#include <win32/input.h>

#include <cmath>
#include <limits>
#include <string>

#include "StatusWindow.h"
#include "resource.h"
#include "velmora_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr const char* kTitle = "Please wait ...";

class StatusWindowTest : public VelmoraTest {
 protected:
  Window Status() const { return robot.topLevel(kTitle); }

  // The client size a template of `cx` by `cy` dialog units has.
  static CSize DialogUnits(Window dialog, int cx, int cy) {
    RECT rect{0, 0, cx, cy};
    ::MapDialogRect(dialog.hwnd(), &rect);
    return CSize(rect.right, rect.bottom);
  }
  static CSize ClientSize(Window dialog) {
    RECT rect{};
    ::GetClientRect(dialog.hwnd(), &rect);
    return CSize(rect.right, rect.bottom);
  }
  static POINT Centre(Window w) {
    const RECT r = w.rect();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  CWinApp app{"Status Host"};
};

TEST_F(StatusWindowTest, WithCancelOrProgressTheLargeTemplateShowsWhatWasAskedFor) {
  struct Case {
    BOOL cancel;
    BOOL progress;
  };
  for (const Case c : {Case{TRUE, TRUE}, Case{TRUE, FALSE}, Case{FALSE, TRUE}}) {
    CStatusWindow status(nullptr, c.cancel, c.progress);
    Window dialog = Status();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ClientSize(dialog), DialogUnits(dialog, 316, 73));
    EXPECT_EQ(dialog.child(IDC_STATUS_CANCEL).isVisible(), c.cancel != FALSE);
    EXPECT_EQ(dialog.child(IDC_STATUS_PROGRESS).isVisible(), c.progress != FALSE);
    EXPECT_EQ(dialog.child(IDC_STATUS_PERCENT).isVisible(), c.progress != FALSE);
    EXPECT_EQ(dialog.child(IDC_STATUS_MESSAGE).text(), "...");
    EXPECT_EQ(dialog.child(IDC_STATUS_PERCENT).text(), "0%");
  }
  EXPECT_FALSE(Status()) << "the destructor destroys the window";
}

TEST_F(StatusWindowTest, WithNeitherFlagTheSmallTemplateShowsNoCancelAndNoBar) {
  CStatusWindow status;
  Window dialog = Status();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ClientSize(dialog), DialogUnits(dialog, 207, 39));
  EXPECT_FALSE(dialog.child(IDC_STATUS_CANCEL).isVisible());
  EXPECT_FALSE(dialog.child(IDC_STATUS_PROGRESS).isVisible());
  EXPECT_FALSE(dialog.child(IDC_STATUS_PERCENT).isVisible());
  EXPECT_TRUE(dialog.child(IDC_STATUS_MESSAGE).isVisible());
}

TEST_F(StatusWindowTest, TheWindowIsCentredAndPlaysTheLibrarysClipWithoutEnd) {
  CStatusWindow status(nullptr, TRUE, TRUE);
  Window dialog = Status();
  ASSERT_TRUE(dialog);
  RECT work{};
  ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  const RECT r = dialog.rect();
  EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);
  Window clip = dialog.child(IDC_STATUS_CLIP);
  EXPECT_TRUE(Animate_IsPlaying(clip.hwnd()));
  robot.advance(5000);
  EXPECT_TRUE(Animate_IsPlaying(clip.hwnd())) << "the clip repeats";
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(StatusWindowTest, TheProgressBarRoundsAndKeepsWithinOneToAHundred) {
  CStatusWindow status(nullptr, FALSE, TRUE);
  Window dialog = Status();
  ASSERT_TRUE(dialog);
  Window bar = dialog.child(IDC_STATUS_PROGRESS);
  EXPECT_EQ(::SendMessage(bar.hwnd(), PBM_GETRANGE, FALSE, 0), 100);
  struct Case {
    float percent;
    int shown;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (const Case c : {Case{0, 1}, Case{99.5f, 100}, Case{250, 100}, Case{-3, 1}, Case{42.4f, 42}, Case{42.5f, 43},
                       Case{nan, 1}, Case{inf, 100}, Case{-inf, 1}, Case{3e9f, 100}}) {
    status.SetProgressBar(c.percent);
    EXPECT_EQ(dialog.child(IDC_STATUS_PERCENT).text(), std::to_string(c.shown) + "%") << c.percent;
    EXPECT_EQ(::SendMessage(bar.hwnd(), PBM_GETPOS, 0, 0), c.shown) << c.percent;
  }
}

TEST_F(StatusWindowTest, CancelOnlyRaisesTheFlagUntilTheCallerClearsIt) {
  CStatusWindow status(nullptr, TRUE, TRUE);
  Window dialog = Status();
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(status.GetCanceled());
  robot.click(dialog.child(IDC_STATUS_CANCEL));
  EXPECT_TRUE(status.GetCanceled());
  EXPECT_TRUE(dialog.exists());
  EXPECT_TRUE(dialog.isVisible()) << "Cancel does not close the window";
  EXPECT_TRUE(status.GetCanceled()) << "the flag stays";
  status.SetCanceled(FALSE);
  EXPECT_FALSE(status.GetCanceled());
  status.SetCanceled(TRUE);
  EXPECT_TRUE(status.GetCanceled());
}

TEST_F(StatusWindowTest, TheCallersMessagePumpDeliversTheCancelClickAndEscape) {
  CStatusWindow status(nullptr, TRUE, TRUE);
  Window dialog = Status();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(status.ProcessWindowMessages()) << "an empty queue";
  const POINT cancel = Centre(dialog.child(IDC_STATUS_CANCEL));
  win32::input::MouseMove(cancel);
  win32::input::MouseButton(0, true, cancel);
  win32::input::MouseButton(0, false, cancel);
  EXPECT_TRUE(status.ProcessWindowMessages());
  EXPECT_TRUE(status.GetCanceled());

  status.SetCanceled(FALSE);
  ::SetFocus(dialog.child(IDC_STATUS_CANCEL).hwnd());
  win32::input::KeyDown(VK_ESCAPE);
  win32::input::KeyUp(VK_ESCAPE);
  EXPECT_TRUE(status.ProcessWindowMessages());
  EXPECT_TRUE(status.GetCanceled()) << "Escape is Cancel";
  EXPECT_TRUE(dialog.exists());
}

TEST_F(StatusWindowTest, TitleAndMessageAreFormattedAndCutToTheSharedBuffers) {
  CStatusWindow status(nullptr, TRUE, FALSE);
  Window dialog = Status();
  ASSERT_TRUE(dialog);
  status.SetMsg("Connecting to server '%s' ...", "Halvane");
  EXPECT_EQ(dialog.child(IDC_STATUS_MESSAGE).text(), "Connecting to server 'Halvane' ...");
  status.SetTitle("Step %d of %d", 2, 5);
  EXPECT_EQ(dialog.text(), "Step 2 of 5");

  const std::string huge(5000, 'm');
  status.SetMsg("%s", huge.c_str());
  EXPECT_EQ(dialog.child(IDC_STATUS_MESSAGE).text(), huge.substr(0, 1023));
  status.SetTitle("%s%s", huge.c_str(), "tail");
  EXPECT_EQ(dialog.text(), huge.substr(0, 511));
  status.SetMsg(nullptr);
  EXPECT_EQ(dialog.child(IDC_STATUS_MESSAGE).text(), "");
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(StatusWindowTest, AWindowThatCannotBeMadeIsReportedAndEveryMemberDoesNothing) {
  CWnd gone;
  ASSERT_TRUE(gone.CreateEx(0, nullptr, "Gone", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
  const HWND stale = gone.GetSafeHwnd();
  gone.DestroyWindow();
  CWnd parent;
  parent.m_hWnd = stale;  // a parent whose window is gone
  robot.onMessageBox("Status Host", IDOK);
  {
    CStatusWindow status(&parent, TRUE, TRUE);
    EXPECT_FALSE(Status());
    status.SetTitle("%s", "x");
    status.SetMsg("%s", "y");
    status.SetProgressBar(50);
    status.SetCanceled(TRUE);
    EXPECT_FALSE(status.GetCanceled());
    EXPECT_FALSE(status.ProcessWindowMessages());
  }
  parent.m_hWnd = nullptr;
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(StatusWindowTest, Snapshots) {
  {
    CStatusWindow status(nullptr, TRUE, TRUE);
    status.SetMsg("Connecting to server '%s' ...", "Halvane");
    status.SetProgressBar(42);
    robot.pumpUntilIdle();
    robot.snapshot(Status(), "status_large");
  }
  {
    CStatusWindow status;
    status.SetMsg(
        "Reading the definitions of %d business objects from the server. This can take a while on a "
        "slow connection.",
        12);
    robot.pumpUntilIdle();
    robot.snapshot(Status(), "status_small");
  }
}

}  // namespace
