// The menu loop on a window's menu bar: messages in order, the mouse, the
// keyboard and mnemonics, grey items, and changes made while a popup opens.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "menu_fixture.h"

namespace halvane::test {
namespace {

const std::initializer_list<UINT> kMenuMessages = {WM_ENTERMENULOOP,   WM_INITMENU,     WM_INITMENUPOPUP, WM_MENUSELECT,
                                                   WM_UNINITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND};

using MenuLoopTest = MenuTest;

TEST_F(MenuLoopTest, ChoosingWithTheMouseSendsTheMenuMessagesInOrder) {
  robot.chooseMenu({"&File", "&Open..."});
  const std::vector<std::string> expected = {"WM_ENTERMENULOOP", "WM_INITMENU",     "WM_MENUSELECT",
                                             "WM_INITMENUPOPUP", "WM_MENUSELECT",   "WM_UNINITMENUPOPUP",
                                             "WM_MENUSELECT",    "WM_EXITMENULOOP", "WM_COMMAND"};
  EXPECT_EQ(main->names(kMenuMessages), expected);
  const auto messages = main->filtered(kMenuMessages);
  EXPECT_EQ(messages[0].wParam, WPARAM(FALSE));  // not a popup loop
  EXPECT_EQ(reinterpret_cast<HMENU>(messages[1].wParam), menu_);
  // The bar item is selected by position, with the popup flag.
  EXPECT_EQ(LOWORD(messages[2].wParam), 0);
  EXPECT_TRUE(HIWORD(messages[2].wParam) & MF_POPUP);
  EXPECT_EQ(reinterpret_cast<HMENU>(messages[3].wParam), fileMenu());
  EXPECT_EQ(LOWORD(messages[3].lParam), 0);
  // The item under the mouse is selected by command.
  EXPECT_EQ(LOWORD(messages[4].wParam), kOpen);
  EXPECT_TRUE(HIWORD(messages[4].wParam) & MF_MOUSESELECT);
  // The loop's end: 0xFFFF flags and no menu.
  EXPECT_EQ(HIWORD(messages[6].wParam), 0xFFFF);
  EXPECT_EQ(messages[6].lParam, 0);
  EXPECT_EQ(commands(), std::vector<UINT>{kOpen});
  EXPECT_EQ(HIWORD(messages[8].wParam), 0);  // from a menu, not an accelerator
  EXPECT_EQ(FindWindow("#32768", nullptr), nullptr) << "the popup is gone";
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuLoopTest, CascadingSubmenuOpensAndItsItemIsChosen) {
  robot.chooseMenu({"&File", "&Recent", "&2 b.txt"});
  EXPECT_EQ(commands(), std::vector<UINT>{kRecentB});
  // Both popups were initialised and closed again, the cascade first.
  const auto popups = main->filtered({WM_INITMENUPOPUP, WM_UNINITMENUPOPUP});
  ASSERT_EQ(popups.size(), 4u);
  EXPECT_EQ(reinterpret_cast<HMENU>(popups[1].wParam), GetSubMenu(fileMenu(), 3));
  EXPECT_EQ(LOWORD(popups[1].lParam), 3);
  EXPECT_EQ(popups[2].message, UINT(WM_UNINITMENUPOPUP));
  EXPECT_EQ(reinterpret_cast<HMENU>(popups[2].wParam), GetSubMenu(fileMenu(), 3));
}

TEST_F(MenuLoopTest, GreyItemIsNotChosenByTheMouseNorByEnter) {
  EXPECT_FALSE(robot.tryChooseMenu({"&Edit", "&Undo"}));
  robot.pumpUntilIdle();
  EXPECT_TRUE(commands().empty());
  std::vector<UINT> selected;
  main->answer(WM_MENUSELECT, [&](HWND, WPARAM wParam, LPARAM) {
    selected.push_back(LOWORD(wParam));
    return LRESULT(0);
  });
  // The keyboard opens the popup at its first item, the grey Undo: grey
  // items take the selection but Enter closes the menu without a command.
  robot.onMenu([](Robot& r, Window) { r.key(VK_RETURN); });
  robot.keys({VK_MENU, 'E'});
  EXPECT_TRUE(commands().empty());
  EXPECT_NE(std::find(selected.begin(), selected.end(), UINT(kUndo)), selected.end());
  EXPECT_FALSE(IsWindow(FindWindow("#32768", nullptr)));
}

TEST_F(MenuLoopTest, AltLetterOpensByMnemonicAndALetterChooses) {
  std::vector<std::string> seen;
  robot.onMenu([&](Robot& r, Window popup) {
    seen = r.openMenuItems();
    EXPECT_EQ(popup.className(), "#32768");
    r.type("c");
  });
  robot.keys({VK_MENU, 'E'});
  EXPECT_EQ(seen, (std::vector<std::string>{"&Undo", "&Copy", "&Paste"}));
  EXPECT_EQ(commands(), std::vector<UINT>{kCopy});
}

TEST_F(MenuLoopTest, ArrowsMoveWrapSkipSeparatorsAndCrossTheBar) {
  robot.onMenu([](Robot& r, Window) {
    r.key(VK_DOWN);  // New
    r.key(VK_UP);    // wraps to Exit
    r.key(VK_UP);    // Recent
    r.key(VK_UP);    // over the separator to Open
    r.key(VK_RETURN);
  });
  robot.key(VK_F10);
  EXPECT_EQ(commands(), std::vector<UINT>{kOpen});
  main->clear();
  robot.onMenu([](Robot& r, Window) {
    r.key(VK_LEFT);  // from File round to View
    r.key(VK_DOWN);  // opens View at its first item
    r.key(VK_DOWN);
    r.key(VK_RETURN);
  });
  robot.key(VK_F10);
  EXPECT_EQ(commands(), std::vector<UINT>{kStatusBar});
}

TEST_F(MenuLoopTest, RightOpensTheCascadeAndLeftClosesIt) {
  std::vector<std::string> inCascade, afterLeft;
  robot.onMenu([](Robot& r, Window) {
    r.key(VK_DOWN);  // from New to Open
    r.key(VK_DOWN);  // over the separator to Recent
    r.key(VK_RIGHT);
  });
  robot.onMenu([&](Robot& r, Window) {
    inCascade = r.openMenuItems();
    r.key(VK_LEFT);
  });
  robot.onMenu([&](Robot& r, Window) {
    afterLeft = r.openMenuItems();
    r.key(VK_RIGHT);
    r.key(VK_RETURN);
  });
  robot.keys({VK_MENU, 'F'});
  EXPECT_EQ(inCascade, (std::vector<std::string>{"&1 a.txt", "&2 b.txt"}));
  EXPECT_EQ(afterLeft.size(), 5u);
  EXPECT_EQ(commands(), std::vector<UINT>{kRecentA});
}

TEST_F(MenuLoopTest, EscapeClosesOneLevelAtATime) {
  int idles = 0;
  robot
      .onMenu([&](Robot& r, Window w) {
        ++idles;
        if (idles == 1) {
          EXPECT_EQ(w.className(), "#32768");
        } else {
          EXPECT_EQ(w, main->window()) << "only the bar is selected";
        }
        r.key(VK_ESCAPE);
      })
      .times(2);
  robot.keys({VK_MENU, 'F'});
  EXPECT_EQ(idles, 2);
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(main->names({WM_EXITMENULOOP}).size(), 1u);
}

TEST_F(MenuLoopTest, AltAloneSelectsTheBarAndAltAgainLeaves) {
  bool sawBar = false;
  robot.onMenu([&](Robot& r, Window w) {
    sawBar = w == main->window() && FindWindow("#32768", nullptr) == nullptr;
    r.key(VK_MENU);
  });
  robot.key(VK_MENU);
  EXPECT_TRUE(sawBar);
  EXPECT_EQ(main->names({WM_ENTERMENULOOP, WM_EXITMENULOOP}),
            (std::vector<std::string>{"WM_ENTERMENULOOP", "WM_EXITMENULOOP"}));
  // Alt with another key in between is not a menu key.
  main->clear();
  robot.keys({VK_MENU, VK_SHIFT});
  EXPECT_FALSE(main->contains(WM_ENTERMENULOOP));
}

TEST_F(MenuLoopTest, ChangesMadeInInitMenuPopupAreHonoured) {
  main->answer(WM_INITMENUPOPUP, [this](HWND, WPARAM wParam, LPARAM) {
    HMENU popup = reinterpret_cast<HMENU>(wParam);
    if (popup == editMenu()) {
      EnableMenuItem(popup, kUndo, MF_ENABLED);
      EnableMenuItem(popup, kPaste, MF_GRAYED);
      CheckMenuItem(popup, kCopy, MF_UNCHECKED);
    }
    return LRESULT(0);
  });
  std::vector<UINT> states;
  robot.onMenu([&](Robot& r, Window) {
    for (UINT id : {kUndo, kCopy, kPaste}) states.push_back(GetMenuState(editMenu(), id, MF_BYCOMMAND));
    r.key(VK_ESCAPE);
    r.key(VK_ESCAPE);
  });
  robot.keys({VK_MENU, 'E'});
  ASSERT_EQ(states.size(), 3u);
  EXPECT_FALSE(states[0] & MF_GRAYED);
  EXPECT_FALSE(states[1] & MF_CHECKED);
  EXPECT_TRUE(states[2] & MF_GRAYED);
  EXPECT_TRUE(robot.tryChooseMenu({"&Edit", "&Undo"}));
  EXPECT_FALSE(robot.tryChooseMenu({"&Edit", "&Paste"}));
  EXPECT_EQ(commands(), std::vector<UINT>{kUndo});
}

TEST_F(MenuLoopTest, AKeyWithoutAMnemonicAsksTheOwnerThroughMenuChar) {
  std::vector<Message> asked;
  main->answer(WM_MENUCHAR, [&](HWND hwnd, WPARAM wParam, LPARAM lParam) {
    asked.push_back({hwnd, WM_MENUCHAR, wParam, lParam, "", ""});
    return LRESULT(MAKELRESULT(2, MNC_EXECUTE));  // the third item, Paste
  });
  robot.onMenu([](Robot& r, Window) { r.type("z"); });
  robot.keys({VK_MENU, 'E'});
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(LOWORD(asked[0].wParam), 'z');
  EXPECT_TRUE(HIWORD(asked[0].wParam) & MF_POPUP);
  EXPECT_EQ(reinterpret_cast<HMENU>(asked[0].lParam), editMenu());
  EXPECT_EQ(commands(), std::vector<UINT>{kPaste});
}

TEST_F(MenuLoopTest, ASharedMnemonicSelectsInTurnAndEnterChooses) {
  AppendMenu(editMenu(), MF_STRING, 204, "&Cut");  // shares C with Copy
  robot.onMenu([](Robot& r, Window) {
    r.type("c");  // Copy, selected only
    r.type("c");  // Cut
    r.key(VK_RETURN);
  });
  robot.keys({VK_MENU, 'E'});
  EXPECT_EQ(commands(), std::vector<UINT>{204});
}

TEST_F(MenuLoopTest, OnlyOneMenuLoopRunsAtATime) {
  BOOL nested = TRUE;
  robot.onMenu([&](Robot& r, Window) {
    nested = TrackPopupMenu(editMenu(), TPM_RETURNCMD, 10, 10, 0, main->hwnd(), nullptr);
    r.key(VK_ESCAPE);
    r.key(VK_ESCAPE);
  });
  robot.keys({VK_MENU, 'F'});
  EXPECT_FALSE(nested);
}

TEST_F(MenuLoopTest, HoverSwitchesBarItemsAndAClickOutsideCancels) {
  std::vector<std::string> afterHover;
  robot.onMenu([&](Robot&, Window) { internal::InjectMouseMove(BarItemCentre(1)); });
  robot.onMenu([&](Robot& r, Window) {
    afterHover = r.openMenuItems();
    r.click(main->window());  // the client area is outside every menu
  });
  ClickScreen(BarItemCentre(0));
  EXPECT_EQ(afterHover, (std::vector<std::string>{"&Undo", "&Copy", "&Paste"}));
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(FindWindow("#32768", nullptr), nullptr);
  EXPECT_EQ(main->names({WM_EXITMENULOOP}).size(), 1u);
}

TEST_F(MenuLoopTest, ClickingTheOpenBarItemAgainClosesTheMenu) {
  robot.onMenu([&](Robot&, Window) {
    internal::InjectMouseButton(false, true, BarItemCentre(0));
    internal::InjectMouseButton(false, false, BarItemCentre(0));
  });
  ClickScreen(BarItemCentre(0));
  EXPECT_EQ(main->names({WM_ENTERMENULOOP, WM_EXITMENULOOP}),
            (std::vector<std::string>{"WM_ENTERMENULOOP", "WM_EXITMENULOOP"}));
  EXPECT_TRUE(commands().empty());
}

TEST_F(MenuLoopTest, AMenuLoopWithNoHandlerFailsNamingItsItems) {
  std::vector<std::string> failures;
  {
    ::testing::TestPartResultArray results;
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    robot.keys({VK_MENU, 'F'});
    for (int i = 0; i < results.size(); ++i) failures.emplace_back(results.GetTestPartResult(i).message());
  }
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("\"&Open...\""), std::string::npos) << failures[0];
  EXPECT_EQ(FindWindow("#32768", nullptr), nullptr) << "the robot closed the menu";
}

}  // namespace
}  // namespace halvane::test
