// The robot's tree and tab helpers: picking items by path and tabs by
// text through the mouse, and the failures that name what was there.
#include <gtest/gtest-spi.h>

#include "robot.h"
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using halvane::test::Window;
using ::testing::ElementsAre;
using RobotTreeTab = TreeTabTest;

TEST_F(RobotTreeTab, SelectsATreeItemByPathOpeningTheBranches) {
  halvane::test::Robot robot;
  HWND tree = Tree(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
  SampleTree s = BuildSample(tree);
  robot.selectTreeItem(Window(tree), {"Fruit", "Banana", "Plantain"});
  EXPECT_EQ(TreeView_GetSelection(tree), s.plantain);
  EXPECT_TRUE(TreeView_GetItemState(tree, s.banana, TVIS_EXPANDED));
  EXPECT_THAT(robot.selectedTreePath(Window(tree)), ElementsAre("Fruit", "Banana", "Plantain"));
  EXPECT_EQ(Log().notices.back().code, static_cast<UINT>(TVN_SELCHANGED));
  EXPECT_EQ(Log().notices.back().action, static_cast<UINT>(TVC_BYMOUSE));
  EXPECT_THAT(robot.treeChildren(Window(tree), {"Fruit"}), ElementsAre("Apple", "Banana", "Cherry"));
  EXPECT_THAT(robot.treeChildren(Window(tree), {}), ElementsAre("Fruit", "Vegetables", "Grain"));
  EXPECT_EQ(robot.treeItem(Window(tree), {"Vegetables", "Leek"}), s.leek);
}

TEST_F(RobotTreeTab, ScrollsToItemsBelowTheFold) {
  halvane::test::Robot robot;
  HWND tree = Tree(TVS_HASBUTTONS | TVS_LINESATROOT | WS_VSCROLL, 200, 60);
  for (int i = 0; i < 30; ++i) Add(tree, TVI_ROOT, ("Row " + std::to_string(i)).c_str());
  robot.selectTreeItem(Window(tree), {"Row 27"});
  EXPECT_THAT(robot.selectedTreePath(Window(tree)), ElementsAre("Row 27"));
}

TEST_F(RobotTreeTab, MissingItemsFailNamingTheLevel) {
  halvane::test::Robot robot;
  HWND tree = Tree(TVS_HASBUTTONS);
  BuildSample(tree);
  EXPECT_NONFATAL_FAILURE(robot.selectTreeItem(Window(tree), {"Fruit", "Mango"}), "Apple, Banana, Cherry");
  EXPECT_NONFATAL_FAILURE(robot.treeItem(Window(parent_), {"Fruit"}), "no tree view");
}

TEST_F(RobotTreeTab, SelectsTabsByText) {
  halvane::test::Robot robot;
  HWND tabs =
      CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 100, parent_, nullptr, nullptr, nullptr);
  int i = 0;
  for (const char* label : {"General", "Trace", "Resources"}) {
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(label);
    TabCtrl_InsertItem(tabs, i++, &item);
  }
  robot.selectTab(Window(tabs), "Resources");
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  EXPECT_EQ(robot.selectedTab(Window(tabs)), "Resources");
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TCN_SELCHANGING), static_cast<UINT>(TCN_SELCHANGE)));
  EXPECT_NONFATAL_FAILURE(robot.selectTab(Window(tabs), "Missing"), "General, Trace, Resources");
}

}  // namespace
}  // namespace tree_tab_test
