// The order dialog driven like a person would: keyboard navigation, the
// default and cancel buttons, mnemonics and the Win32 order of the
// notifications the dialog procedure receives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "order_dialog.h"
#include "resource.h"
#include "robot_test.h"

namespace halvane::test {
namespace {

using demo::kOrderTitle;
using demo::OrderDialog;
using ::testing::ElementsAre;

// The commands one control sent, in order.
std::vector<Command> CommandsFrom(const MessageLog& log, int id) {
  std::vector<Command> out;
  for (const Command& c : log.commands()) {
    if (c.id == id) out.push_back(c);
  }
  return out;
}

Command Cmd(int id, int code) { return {id, code, {}}; }

class OrderDialogTest : public RobotTest {
 protected:
  OrderDialog order;
};

TEST_F(OrderDialogTest, ValuesEnteredByTheRobotAreReadBackAfterOk) {
  robot.onDialog(kOrderTitle, [](Robot& r, Window dlg) {
    r.type("Ada Lovelace");
    r.key(VK_TAB);
    r.type("12");
    r.click(dlg.child(IDC_GIFT));
    r.click(dlg.child(IDC_AIR));
    r.choose(dlg.child(IDC_COLOUR), "Blue");
    r.select(dlg.child(IDC_SIZES), "Large");
    EXPECT_EQ(dlg.child(IDC_COLOUR).text(), "Blue");
    EXPECT_EQ(dlg.child(IDC_SIZES).selectedIndex(), 2);
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(order.run(), IDOK);
  EXPECT_EQ(order.name, "Ada Lovelace");
  EXPECT_EQ(order.quantity, "12");
  EXPECT_TRUE(order.giftWrap);
  EXPECT_FALSE(order.express);
  EXPECT_EQ(order.shipping, IDC_AIR);
  EXPECT_EQ(order.colour, "Blue");
  EXPECT_EQ(order.size, "Large");
}

TEST_F(OrderDialogTest, FirstFocusIsTheFirstTabStopAndInitDialogComesFirst) {
  robot.onDialog(kOrderTitle, [](Robot& r, Window dlg) {
    EXPECT_EQ(r.focused(), dlg.child(IDC_NAME));
    EXPECT_TRUE(dlg.isVisible());
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  ASSERT_FALSE(order.log.messages().empty());
  EXPECT_EQ(order.log.messages().front().name, "WM_INITDIALOG");
}

TEST_F(OrderDialogTest, TabAndShiftTabFollowTheTemplateAndWrapAround) {
  std::vector<int> forward;
  std::vector<int> backward;
  robot.onDialog(kOrderTitle, [&](Robot& r, Window) {
    for (int i = 0; i < 10; ++i) {
      forward.push_back(r.focused().id());
      r.key(VK_TAB);
    }
    forward.push_back(r.focused().id());
    for (int i = 0; i < 3; ++i) {
      r.keys({VK_SHIFT, VK_TAB});
      backward.push_back(r.focused().id());
    }
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_THAT(forward, ElementsAre(IDC_NAME, IDC_QUANTITY, IDC_GIFT, IDC_EXPRESS, IDC_ROAD, IDC_COLOUR, IDC_SIZES, IDOK,
                                   IDCANCEL, IDC_DETAILS, IDC_NAME));
  EXPECT_THAT(backward, ElementsAre(IDC_DETAILS, IDCANCEL, IDOK));
}

TEST_F(OrderDialogTest, ArrowKeysMoveAndCheckWithinTheRadioGroupOnly) {
  std::vector<int> focus;
  robot.onDialog(kOrderTitle, [&](Robot& r, Window dlg) {
    r.click(dlg.child(IDC_ROAD));
    order.log.clear();
    for (int i = 0; i < 3; ++i) {
      r.key(VK_DOWN);
      focus.push_back(r.focused().id());
    }
    r.key(VK_UP);
    focus.push_back(r.focused().id());
    EXPECT_EQ(dlg.child(IDC_AIR).checked(), BST_CHECKED);
    EXPECT_EQ(dlg.child(IDC_ROAD).checked(), BST_UNCHECKED);
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_THAT(focus, ElementsAre(IDC_RAIL, IDC_AIR, IDC_ROAD, IDC_AIR));
  EXPECT_THAT(CommandsFrom(order.log, IDC_RAIL), ElementsAre(Cmd(IDC_RAIL, BN_CLICKED)));
}

TEST_F(OrderDialogTest, EnterInAnEditPressesTheDefaultButton) {
  robot.onDialog(kOrderTitle, [](Robot& r, Window) {
    r.type("Grace");
    r.key(VK_RETURN);
  });
  ASSERT_EQ(order.run(), IDOK);
  EXPECT_EQ(order.name, "Grace");
  EXPECT_THAT(CommandsFrom(order.log, IDOK), ElementsAre(Cmd(IDOK, BN_CLICKED)));
}

TEST_F(OrderDialogTest, EnterOnAFocusedPushButtonPressesThatButton) {
  robot.onMessageBox(demo::kDetailsTitle, IDOK);
  robot.onDialog(kOrderTitle, [](Robot& r, Window dlg) {
    for (int i = 0; i < 12 && r.focused() != dlg.child(IDC_DETAILS); ++i) r.key(VK_TAB);
    r.key(VK_RETURN);
    EXPECT_TRUE(dlg.exists());
    r.keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(r.focused(), dlg.child(IDCANCEL));
    r.key(VK_RETURN);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_THAT(CommandsFrom(order.log, IDC_DETAILS), ElementsAre(Cmd(IDC_DETAILS, BN_CLICKED)));
  EXPECT_THAT(CommandsFrom(order.log, IDCANCEL), ElementsAre(Cmd(IDCANCEL, BN_CLICKED)));
  EXPECT_TRUE(CommandsFrom(order.log, IDOK).empty());
}

TEST_F(OrderDialogTest, EscapeAnswersCancel) {
  robot.onDialog(kOrderTitle, [](Robot& r, Window) {
    r.type("ignored");
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_EQ(order.name, "");
  EXPECT_THAT(CommandsFrom(order.log, IDCANCEL), ElementsAre(Cmd(IDCANCEL, BN_CLICKED)));
}

TEST_F(OrderDialogTest, MnemonicsFocusLabelledControlsAndPressButtons) {
  robot.onMessageBox(demo::kDetailsTitle, IDOK);
  robot.onDialog(kOrderTitle, [](Robot& r, Window dlg) {
    r.keys({VK_MENU, 'Q'});
    EXPECT_EQ(r.focused(), dlg.child(IDC_QUANTITY));
    r.keys({VK_MENU, 'N'});
    EXPECT_EQ(r.focused(), dlg.child(IDC_NAME));
    r.keys({VK_MENU, 'G'});
    EXPECT_EQ(dlg.child(IDC_GIFT).checked(), BST_CHECKED);
    r.keys({VK_MENU, 'I'});
    EXPECT_EQ(dlg.child(IDC_AIR).checked(), BST_CHECKED);
    r.keys({VK_MENU, 'C'});
    EXPECT_EQ(r.focused(), dlg.child(IDC_COLOUR));
    r.keys({VK_MENU, 'D'});
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_THAT(CommandsFrom(order.log, IDC_GIFT), ElementsAre(Cmd(IDC_GIFT, BN_CLICKED)));
  EXPECT_THAT(CommandsFrom(order.log, IDC_DETAILS), ElementsAre(Cmd(IDC_DETAILS, BN_CLICKED)));
}

TEST_F(OrderDialogTest, EditNotificationsArriveInWin32Order) {
  std::vector<Command> seen;
  robot.onDialog(kOrderTitle, [&](Robot& r, Window) {
    order.log.clear();
    r.type("Hi");
    r.key(VK_TAB);
    seen = order.log.commands();
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_THAT(seen, ElementsAre(Cmd(IDC_NAME, EN_UPDATE), Cmd(IDC_NAME, EN_CHANGE), Cmd(IDC_NAME, EN_UPDATE),
                                Cmd(IDC_NAME, EN_CHANGE), Cmd(IDC_NAME, EN_KILLFOCUS), Cmd(IDC_QUANTITY, EN_SETFOCUS)));
}

TEST_F(OrderDialogTest, ClickingAControlMovesTheFocusBeforeItNotifies) {
  std::vector<Command> seen;
  robot.onDialog(kOrderTitle, [&](Robot& r, Window dlg) {
    order.log.clear();
    r.click(dlg.child(IDC_GIFT));
    r.select(dlg.child(IDC_SIZES), "Medium");
    seen = order.log.commands();
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  EXPECT_THAT(seen, ElementsAre(Cmd(IDC_NAME, EN_KILLFOCUS), Cmd(IDC_GIFT, BN_CLICKED), Cmd(IDC_SIZES, LBN_SETFOCUS),
                                Cmd(IDC_SIZES, LBN_SELCHANGE)));
}

TEST_F(OrderDialogTest, ChoosingFromTheComboOpensItsListFirst) {
  robot.onDialog(kOrderTitle, [&](Robot& r, Window dlg) {
    const Window combo = dlg.child(IDC_COLOUR);
    EXPECT_THAT(combo.listItems(), ElementsAre("Red", "Green", "Blue", "Yellow"));
    order.log.clear();
    r.choose(combo, "Yellow");
    EXPECT_EQ(combo.selectedIndex(), 3);
    EXPECT_FALSE(r.droppedList(combo).isVisible());
    r.key(VK_ESCAPE);
  });
  ASSERT_EQ(order.run(), IDCANCEL);
  const std::vector<Command> combo = CommandsFrom(order.log, IDC_COLOUR);
  ASSERT_GE(combo.size(), 4u);
  EXPECT_EQ(combo[0], Cmd(IDC_COLOUR, CBN_SETFOCUS));
  EXPECT_EQ(combo[1], Cmd(IDC_COLOUR, CBN_DROPDOWN));
  // Win32 does not fix the order of CBN_SELCHANGE and CBN_CLOSEUP.
  EXPECT_EQ(std::count(combo.begin(), combo.end(), Cmd(IDC_COLOUR, CBN_SELCHANGE)), 1);
  EXPECT_EQ(std::count(combo.begin(), combo.end(), Cmd(IDC_COLOUR, CBN_CLOSEUP)), 1);
}

}  // namespace
}  // namespace halvane::test
