// Modal handlers keyed by title: how often they run, nested loops, message
// boxes, and the failure of a modal loop that nobody answers.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include <windows.h>

#include "order_dialog.h"
#include "resource.h"
#include "robot_test.h"

namespace halvane::test {
namespace {

using demo::kDetailsText;
using demo::kDetailsTitle;
using demo::kOrderTitle;
using demo::OrderDialog;

// The failures a statement reports, captured instead of failing the test.
template <typename Statement>
std::vector<std::string> FailuresOf(Statement statement) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    statement();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) messages.emplace_back(results.GetTestPartResult(i).message());
  return messages;
}

using ModalTest = RobotTest;

TEST_F(ModalTest, MessageBoxIsAnsweredByClickingTheChosenButton) {
  std::string text;
  robot.onDialog("Confirm", [&](Robot& r, Window box) {
    text = box.child(0xFFFF).text();
    EXPECT_TRUE(box.child(IDYES).isVisible());
    r.click(box.child(IDNO));
  });
  EXPECT_EQ(MessageBox(nullptr, "Delete the order?", "Confirm", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(text, "Delete the order?");
}

TEST_F(ModalTest, OnMessageBoxRunsOnceUnlessToldOtherwise) {
  HandlerRegistration twice = robot.onMessageBox("Question", IDYES).times(2);
  EXPECT_EQ(MessageBox(nullptr, "First?", "Question", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBox(nullptr, "Second?", "Question", MB_YESNO), IDYES);
  EXPECT_EQ(twice.calls(), 2);
  // The third box has no handler left: the robot fails the test and ends
  // the box with IDCANCEL, as it ends any unanswered modal loop.
  int third = 0;
  const auto failures = FailuresOf([&] { third = MessageBox(nullptr, "Third?", "Question", MB_YESNO); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("\"Question\""), std::string::npos) << failures[0];
  EXPECT_EQ(third, IDCANCEL);
}

TEST_F(ModalTest, AlwaysKeepsAnswering) {
  robot.onMessageBox("Again", IDOK).always();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(MessageBox(nullptr, "Once more", "Again", MB_OKCANCEL), IDOK);
}

TEST_F(ModalTest, NestedLoopsAreAnsweredInnermostFirst) {
  std::vector<std::string> order;
  robot.onDialog(kDetailsTitle, [&](Robot& r, Window box) {
    order.push_back("details");
    EXPECT_EQ(box.child(0xFFFF).text(), kDetailsText);
    EXPECT_FALSE(r.topLevel(kOrderTitle).isEnabled());
    r.key(VK_RETURN);
  });
  robot.onDialog(kOrderTitle, [&](Robot& r, Window dlg) {
    order.push_back("order opens details");
    r.click(dlg.child(IDC_DETAILS));
    order.push_back("order after details");
    EXPECT_TRUE(dlg.isEnabled());
    r.click(dlg.child(IDCANCEL));
  });
  OrderDialog dialog;
  EXPECT_EQ(dialog.run(), IDCANCEL);
  EXPECT_EQ(order, (std::vector<std::string>{"order opens details", "details", "order after details"}));
}

TEST_F(ModalTest, AnUnansweredMessageBoxFailsWithItsCaptionAndText) {
  int result = 0;
  const auto failures = FailuresOf(
      [&] { result = MessageBox(nullptr, "The file could not be saved.", "Save Error", MB_OK | MB_ICONERROR); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("\"Save Error\""), std::string::npos) << failures[0];
  EXPECT_NE(failures[0].find("The file could not be saved."), std::string::npos) << failures[0];
  EXPECT_NE(result, 0);
}

TEST_F(ModalTest, AnUnansweredDialogFailsWithItsTitleAndLabels) {
  OrderDialog dialog;
  INT_PTR result = 0;
  const auto failures = FailuresOf([&] { result = dialog.run(); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("\"Order Details\""), std::string::npos) << failures[0];
  EXPECT_NE(failures[0].find("&Quantity:"), std::string::npos) << failures[0];
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ModalTest, AThrowingOrFailingHandlerEndsTheLoop) {
  robot.onDialog(kOrderTitle, [](Robot&, Window) { throw std::runtime_error("handler broke"); });
  OrderDialog first;
  std::vector<std::string> failures = FailuresOf([&] { EXPECT_EQ(first.run(), IDCANCEL); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("handler broke"), std::string::npos) << failures[0];

  robot.onDialog(kOrderTitle, [](Robot&, Window dlg) { ASSERT_EQ(dlg.text(), "Another title"); });
  OrderDialog second;
  failures = FailuresOf([&] { EXPECT_EQ(second.run(), IDCANCEL); });
  EXPECT_FALSE(failures.empty());
}

// A dialog that closes itself on a timer needs no handler: the robot lets
// the virtual clock jump to the timer instead of failing.
INT_PTR CALLBACK SelfClosingProc(HWND dlg, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetTimer(dlg, 7, 5000, nullptr);
    return TRUE;
  }
  if (message == WM_TIMER && wParam == 7) {
    KillTimer(dlg, 7);
    EndDialog(dlg, 42);
    return TRUE;
  }
  return FALSE;
}

TEST_F(ModalTest, APendingTimerLetsTheClockJumpInsteadOfFailing) {
  const DWORD before = GetTickCount();
  EXPECT_EQ(DialogBoxParam(demo::DemoModule(), MAKEINTRESOURCE(IDD_ORDER), nullptr, &SelfClosingProc, 0), 42);
  EXPECT_GE(GetTickCount() - before, 5000u);
}

}  // namespace
}  // namespace halvane::test
