// The object dialogs as a user meets them: the open dialog's rows, their
// places and the incremental find; the new-name dialog's refusals; the
// preferences sheet and its registry value.
#include <HLUtilWinRegistry.h>

#include <filesystem>
#include <string>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

constexpr int kList = 1019;
constexpr int kFind = 1004;
constexpr int kFindPrev = 1020;
constexpr int kFindNext = 1021;

using DialogTest = OrvexTest;

TEST_F(DialogTest, TheOpenDialogListsEveryNameSortedWithItsPlace) {
  PutOnServer("beta", {"Id:String"});
  PutOnServer("Alpha", {"Id:String"});
  PutOnServer("gamma", {"Id:String"});
  std::vector<std::string> args = Login();
  args.insert(args.end(), {"-n", "-ogamma"});
  AnswerNewDialog("Delta");
  bool ran = false;
  Run(args, [&] {
    robot.onDialog("Open Business Object", [&](Robot& r, Window dlg) {
      ran = true;
      const Window list = dlg.child(kList);
      EXPECT_EQ(dlg.child(1022).text(), "Select the Business Object to Open");
      EXPECT_EQ(r.listViewColumn(list), (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
      // A name the server holds is "Server" whether it is loaded or not.
      EXPECT_EQ(r.listViewColumn(list, 1), (std::vector<std::string>{"Server", "Server", "Local", "Server"}));
      EXPECT_EQ(r.focused(), dlg.child(kFind));
      EXPECT_TRUE(r.listViewSelection(list).empty());
      // OK with nothing chosen says so and keeps the dialog.
      r.onMessageBox("Error", IDOK);
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      // Rows chosen in any order come back top to bottom.
      r.clickListViewItem(list, "gamma");
      r.clickListViewItem(list, "Alpha", {VK_CONTROL});
      r.clickListViewItem(list, "beta", {VK_CONTROL});
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open..."});
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Delta", "gamma", "Alpha", "beta"}));
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, TheFindSelectsByPrefixIgnoringCaseAndStepsOnBothWays) {
  for (const char* name : {"b", "Abc", "ab"}) PutOnServer(name, {"Id:String"});
  bool ran = false;
  Run(Login(), [&] {
    robot.onDialog("Delete Business Objects", [&](Robot& r, Window dlg) {
      ran = true;
      EXPECT_EQ(dlg.child(1022).text(), "Select business objects to be deleted");
      const Window list = dlg.child(kList);
      ASSERT_EQ(r.listViewColumn(list), (std::vector<std::string>{"ab", "Abc", "b"}));
      r.type("AB");
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{0});
      r.click(dlg.child(kFindNext));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{1});
      r.click(dlg.child(kFindNext));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{1}) << "nothing further: the selection stays";
      r.click(dlg.child(kFindPrev));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{0});
      // Without a selection the steps start at the first and last rows
      // themselves.
      r.clickListViewItem(list, 0, {VK_CONTROL});
      ASSERT_TRUE(r.listViewSelection(list).empty());
      r.click(dlg.child(kFindNext));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{0});
      ::SetWindowText(dlg.child(kFind).hwnd(), "b");
      r.pumpUntilIdle();
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{2});
      r.clickListViewItem(list, 2, {VK_CONTROL});
      r.click(dlg.child(kFindPrev));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{2});
      // An empty text matches the first row.
      ::SetWindowText(dlg.child(kFind).hwnd(), "");
      r.pumpUntilIdle();
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{0});
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "&Delete..."});
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, ADoubleClickOpensTheRow) {
  PutOnServer("Customer", {"Id:String"});
  Run(Login(), [&] {
    robot.onDialog("Open Business Object",
                   [](Robot& r, Window dlg) { r.doubleClickListViewItem(dlg.child(kList), 0); });
    robot.chooseMenu({"&File", "&Open..."});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"});
  });
}

TEST_F(DialogTest, TheNewNameDialogRefusesTakenEmptyAndBadNames) {
  PutOnServer("Customer", {"Id:String"});
  bool ran = false;
  Run(Login(), [&] {
    robot.onDialog("New Business Object", [&](Robot& r, Window dlg) {
      ran = true;
      const Window name = dlg.child(1012);
      EXPECT_EQ(r.focused(), name);
      r.type(std::string(81, 'N'));
      EXPECT_EQ(name.text(), std::string(80, 'N')) << "at most 80 characters";
      r.click(dlg.child(1013));
      r.type(std::string(256, 'i'));
      EXPECT_EQ(dlg.child(1013).text().size(), 255u);
      ::SetWindowText(name.hwnd(), "CUSTOMER");
      r.onMessageBox("Error", IDOK);
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists()) << "taken in another case";
      EXPECT_EQ(r.focused(), name);
      ::SetWindowText(name.hwnd(), "");
      r.onDialog("Error", [](Robot& r2, Window box) {
        EXPECT_NE(
            std::find(r2.texts(box).begin(), r2.texts(box).end(), "Please give a valid name to the business object"),
            r2.texts(box).end());
        r2.click(box.child(IDOK));
      });
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      ::SetWindowText(name.hwnd(), "Has blank");
      // The name rule's box is titled with the program's file name.
      r.onMessageBox(std::filesystem::read_symlink("/proc/self/exe").filename().string(), IDOK);
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists()) << "the name rule refuses it with its own message";
      ::SetWindowText(name.hwnd(), "Order");
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&New..."});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Order"});
    CStringList* pNames = CDataManager::InitInstance()->RefreshBONames(0);
    EXPECT_NE(pNames->Find("Order"), nullptr);
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, ThePreferencesSheetWritesTheSharedProfileAndCancelRestores) {
  CWinRegistry common("Halvane", "Common");
  bool ran = false;
  Run({"-x"}, [&] {
    robot.onDialog("Business Object Preferences", [&](Robot& r, Window sheet) {
      ran = true;
      const Window apply = sheet.childByText("&Apply");
      EXPECT_TRUE(apply.exists() && !apply.isVisible()) << "no Apply for one page";
      EXPECT_TRUE(sheet.childByText("Not connected to server").exists());
      const Window check = sheet.childByText("Business Object Definition");
      ASSERT_TRUE(check.exists());
      EXPECT_EQ(check.checked(), BST_UNCHECKED);
      r.click(check);
      r.click(sheet.childByText("OK"));
    });
    robot.chooseMenu({"&View", "&Preferences..."});
    EXPECT_EQ(App().m_pPreferences->m_nDoDelBODef, 1);
    EXPECT_EQ(common.GetProfileInt("Preferences", "DoDelBODef", 0), 1u);

    robot.onDialog("Business Object Preferences", [](Robot& r, Window sheet) {
      const Window check = sheet.childByText("Business Object Definition");
      EXPECT_EQ(check.checked(), BST_CHECKED);
      r.click(check);
      r.click(sheet.childByText("Cancel"));
    });
    robot.chooseMenu({"&View", "&Preferences..."});
    EXPECT_EQ(App().m_pPreferences->m_nDoDelBODef, 1) << "Cancel reads the stored value back";
    EXPECT_EQ(common.GetProfileInt("Preferences", "DoDelBODef", 0), 1u);

    // Connected, the page names the server.
    ASSERT_TRUE(App().ConnectToServer(kServer, kUser, kPassword));
    robot.onDialog("Business Object Preferences", [](Robot& r, Window sheet) {
      EXPECT_TRUE(sheet.childByText(kServer).exists());
      r.snapshot(sheet, "preferences");
      r.click(sheet.childByText("Cancel"));
    });
    robot.chooseMenu({"&View", "&Preferences..."});
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, DialogSnapshots) {
  PutOnServer("Customer", {"Id:String"});
  PutOnServer("Order", {"Id:String"});
  Run(Login(), [&] {
    robot.onDialog("Open Business Object", [](Robot& r, Window dlg) {
      r.clickListViewItem(dlg.child(kList), "Order");
      r.snapshot(dlg, "open");
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "&Open..."});
    robot.onDialog("New Business Object", [](Robot& r, Window dlg) {
      r.type("Invoice");
      r.snapshot(dlg, "new");
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "&New..."});
    EXPECT_TRUE(OpenTitles().empty());
  });
}

}  // namespace
}  // namespace orvex_test
