// The robot's own pieces: key mapping, mnemonic stripping, message names,
// the recorders and the finders.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "message_names.h"
#include "message_sequence.h"
#include "robot_test.h"

namespace halvane::test {
namespace {

using ::testing::ElementsAre;

TEST(StripMnemonic, RemovesMarkersAndKeepsDoubledAmpersands) {
  EXPECT_EQ(StripMnemonic("&OK"), "OK");
  EXPECT_EQ(StripMnemonic("Save &As..."), "Save As...");
  EXPECT_EQ(StripMnemonic("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(StripMnemonic("Trailing&"), "Trailing");
  EXPECT_EQ(StripMnemonic(""), "");
}

TEST(MessageNames, NamesMessagesAndTheRangesAboveThem) {
  EXPECT_EQ(MessageName(WM_INITDIALOG), "WM_INITDIALOG");
  EXPECT_EQ(MessageName(LB_ADDSTRING), "LB_ADDSTRING");
  EXPECT_EQ(MessageName(WM_USER + 5), "WM_USER+5");
  EXPECT_EQ(MessageName(WM_APP + 1), "WM_APP+1");
  EXPECT_EQ(MessageName(0xC123), "0xC123");
  EXPECT_EQ(NotificationName(WM_COMMAND, MAKEWPARAM(100, 0), 0), "menu");
  EXPECT_EQ(NotificationName(WM_COMMAND, MAKEWPARAM(100, 1), 0), "accelerator");
  EXPECT_EQ(NotificationName(WM_SETTEXT, 0, 0), "");
}

using RobotSupportTest = RobotTest;

TEST_F(RobotSupportTest, CommandCodesAreNamedByTheSendingControlsClass) {
  RecordingWindow parent("Parent");
  const HWND edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent.hwnd(),
                                   reinterpret_cast<HMENU>(5), nullptr, nullptr);
  const HWND combo = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 30, 80, 90,
                                    parent.hwnd(), reinterpret_cast<HMENU>(6), nullptr, nullptr);
  ASSERT_TRUE(edit != nullptr && combo != nullptr);
  EXPECT_EQ(NotificationName(WM_COMMAND, MAKEWPARAM(5, EN_CHANGE), reinterpret_cast<LPARAM>(edit)), "EN_CHANGE");
  EXPECT_EQ(NotificationName(WM_COMMAND, MAKEWPARAM(6, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo)),
            "CBN_SELCHANGE");
  constexpr UINT kClick = static_cast<UINT>(-2);  // NM_CLICK
  NMHDR header{combo, 6, kClick};
  EXPECT_EQ(NotificationName(WM_NOTIFY, 6, reinterpret_cast<LPARAM>(&header)), "NM_CLICK");
}

TEST_F(RobotSupportTest, RecordingWindowSeesItsCreationInWin32Order) {
  RecordingWindow window("Created");
  EXPECT_THAT(window.names({WM_NCCREATE, WM_CREATE, WM_SHOWWINDOW}),
              ElementsAre("WM_NCCREATE", "WM_CREATE", "WM_SHOWWINDOW"));
  EXPECT_EQ(window.messages().front().hwnd, window.hwnd());
}

TEST_F(RobotSupportTest, RecorderAnswersThroughTheOriginalProcedureAndRestoresIt) {
  RecordingWindow window("Original");
  const LONG_PTR original = GetWindowLongPtr(window.hwnd(), GWLP_WNDPROC);
  {
    MessageRecorder recorder(window);
    EXPECT_NE(GetWindowLongPtr(window.hwnd(), GWLP_WNDPROC), original);
    SetWindowText(window.hwnd(), "Changed");
    EXPECT_EQ(window.window().text(), "Changed");
    EXPECT_THAT(recorder.names({WM_SETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT}),
                ElementsAre("WM_SETTEXT", "WM_GETTEXTLENGTH", "WM_GETTEXT"));
  }
  EXPECT_EQ(GetWindowLongPtr(window.hwnd(), GWLP_WNDPROC), original);
}

TEST_F(RobotSupportTest, CommandsAreReducedToIdAndCode) {
  RecordingWindow window("Commands");
  SendMessage(window.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  SendMessage(window.hwnd(), WM_COMMAND, MAKEWPARAM(40001, 1), 0);
  EXPECT_THAT(window.commands(), ElementsAre(Command{IDOK, BN_CLICKED, {}}, Command{40001, 1, {}}));
  EXPECT_THAT(window.notifications(), ElementsAre("WM_COMMAND menu", "WM_COMMAND accelerator"));
}

TEST_F(RobotSupportTest, SequencesAreTablesWithOptionalAndPostedRows) {
  RecordingWindow window("Sequences");
  const HWND edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, window.hwnd(),
                                   reinterpret_cast<HMENU>(5), nullptr, nullptr);
  window.clear();
  SendMessage(window.hwnd(), WM_USER, 0, 0);
  PostMessage(window.hwnd(), WM_USER + 1, 0, 0);
  SetWindowText(edit, "text");
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
  EXPECT_TRUE(MatchesSequence(window,
                              {{WM_USER, nullptr, kSent},
                               {WM_COMMAND, edit, 0, EN_UPDATE},
                               {WM_COMMAND, edit, kOptional, EN_MAXTEXT},
                               {WM_COMMAND, edit, 0, EN_CHANGE},
                               {WM_USER + 1, window.hwnd(), kPosted}},
                              SequenceMatch::IgnoreOthers));
  const ::testing::AssertionResult wrong =
      MatchesSequence(window, {{WM_USER, nullptr, kPosted}, {WM_COMMAND}}, SequenceMatch::IgnoreOthers);
  ASSERT_FALSE(wrong);
  const std::string text = wrong.message();
  EXPECT_NE(text.find("expects WM_USER+0 (posted) but got WM_USER+0"), std::string::npos) << text;
  EXPECT_NE(text.find("WM_COMMAND EN_CHANGE"), std::string::npos) << "the recording, by name: " << text;
  EXPECT_FALSE(MatchesSequence(window, {{WM_USER}, {WM_COMMAND}}, SequenceMatch::IgnoreOthers))
      << "what comes after the last row fails";
  EXPECT_FALSE(MatchesSequence(window, {{WM_USER}}, SequenceMatch::Exact));
}

TEST_F(RobotSupportTest, FindersLocateTopLevelsByTitleClassAndPattern) {
  RecordingWindow first("Alpha One");
  RecordingWindow second("Beta Two", WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(robot.topLevel("Alpha One"), first.window());
  EXPECT_EQ(robot.topLevelMatching(std::regex("Beta.*")), second.window());
  const Window byClass = robot.topLevelByClass(RecordingWindow::kClassName);
  EXPECT_TRUE(byClass == first.window() || byClass == second.window());
  EXPECT_FALSE(robot.topLevel("Alpha"));
  EXPECT_EQ(robot.topmost(), first.window());  // the other one is hidden
  const auto ours = [](const Window& w) { return w.className() == RecordingWindow::kClassName; };
  const std::vector<Window> all = robot.topLevels();
  EXPECT_EQ(std::count_if(all.begin(), all.end(), ours), 2);
}

TEST_F(RobotSupportTest, ChildrenAreFoundByIdTextAndClass) {
  RecordingWindow parent("Parent");
  RecordingWindow inner("&Inner", WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, parent, 7);
  RecordingWindow deep("Deep && Dark", WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, inner, 8);
  const Window p = parent;
  EXPECT_EQ(p.child(7), inner.window());
  EXPECT_FALSE(p.child(8));  // only direct children
  EXPECT_EQ(p.childByText("Inner"), inner.window());
  EXPECT_EQ(p.childByText("Deep & Dark"), deep.window());
  EXPECT_EQ(p.childByClass(RecordingWindow::kClassName), inner.window());
  EXPECT_THAT(robot.texts(p), ElementsAre("&Inner", "Deep && Dark"));
  EXPECT_EQ(deep.window().id(), 8);
  EXPECT_EQ(deep.window().parent(), inner.window());
}

TEST_F(RobotSupportTest, TypedTextGoesToTheFocusedWindowWithItsShifts) {
  RecordingWindow window("Typing");
  SetFocus(window.hwnd());
  window.clear();
  robot.type("aB!");
  std::string typed;
  for (const Message& m : window.filtered({WM_CHAR})) typed += static_cast<char>(m.wParam);
  EXPECT_EQ(typed, "aB!");
  EXPECT_THAT(window.names({WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
              ElementsAre("WM_KEYDOWN", "WM_CHAR", "WM_KEYUP",                            // a
                          "WM_KEYDOWN", "WM_KEYDOWN", "WM_CHAR", "WM_KEYUP", "WM_KEYUP",  // Shift+B
                          "WM_KEYDOWN", "WM_KEYDOWN", "WM_CHAR", "WM_KEYUP", "WM_KEYUP"));
}

TEST_F(RobotSupportTest, ClicksArriveAtTheCentreInClientCoordinates) {
  RecordingWindow window("Clicks");
  window.clear();
  robot.click(window);
  robot.rightClick(window, {10, 20});
  const auto downs = window.filtered({WM_LBUTTONDOWN, WM_RBUTTONDOWN});
  ASSERT_EQ(downs.size(), 2u);
  RECT client{};
  GetClientRect(window.hwnd(), &client);
  POINT centre{(window.window().rect().left + window.window().rect().right) / 2,
               (window.window().rect().top + window.window().rect().bottom) / 2};
  ScreenToClient(window.hwnd(), &centre);
  EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), centre.x);
  EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), centre.y);
  EXPECT_EQ(GET_X_LPARAM(downs[1].lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(downs[1].lParam), 20);
  EXPECT_TRUE(window.contains(WM_LBUTTONUP));
  EXPECT_TRUE(window.contains(WM_RBUTTONUP));
}

TEST_F(RobotSupportTest, DoubleClickGivesADoubleClickMessageToClassesThatAskForIt) {
  RecordingWindow window("Double");
  window.clear();
  robot.doubleClick(window);
  EXPECT_THAT(window.names({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              ElementsAre("WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK", "WM_LBUTTONUP"));
}

TEST_F(RobotSupportTest, ChooseMenuFailsWithoutAMenuBar) {
  EXPECT_NONFATAL_FAILURE(robot.chooseMenu({"&File", "&Open..."}), "menu bar");
}

TEST(RobotWithoutFixture, AnswersModalLoopsOnceItsHookIsAttached) {
  win32::ResetWindowSystem();
  {
    Robot robot;
    robot.attachModalIdleHook();
    robot.onMessageBox("Standalone", IDOK);
    EXPECT_EQ(MessageBox(nullptr, "No fixture here", "Standalone", MB_OKCANCEL), IDOK);
  }
  EXPECT_TRUE(win32::GetModalStack().empty());
  win32::ResetWindowSystem();
}

}  // namespace
}  // namespace halvane::test
