// The connector dialogs as a user meets them, each with its checks and its
// picture: the open dialog's rows and find, the new connector's refusals,
// the Files Save grid with its typed and browsed files, the masked
// verification and the upgrade list.
#include <HLGridCommon.h>

#include "DlgUpgrateStdProperty.h"
#include "DlgVerify.h"
#include "kestrun_app_fixture.h"
#include "resource.h"
#include "robot_grid.h"

namespace kestrun_app_test {
namespace {

using halvane::test::ClickGridCell;
using halvane::test::Robot;
using halvane::test::Window;

CGXGridWnd* GridOf(Window grid) { return DYNAMIC_DOWNCAST(CGXGridWnd, CWnd::FromHandlePermanent(grid.hwnd())); }

using DialogTest = KestrunAppTest;

TEST_F(DialogTest, TheOpenDialogListsTheServersConnectorsSortedAsTheServers) {
  for (const char* name : {"beta", "Alpha", "gamma", "Abc"}) PutOnServer(name);
  bool ran = false;
  Run({"-x"}, [&] {
    Connect();
    robot.onDialog("Open Connector Document", [&](Robot& r, Window dlg) {
      ran = true;
      const Window list = dlg.child(IDC_OPEN_LIST);
      EXPECT_EQ(dlg.child(IDC_OPEN_PROMPT).text(), "Select the Connector to Open");
      EXPECT_EQ(r.listViewColumn(list), (std::vector<std::string>{"Abc", "Alpha", "beta", "gamma"}));
      EXPECT_EQ(r.listViewColumn(list, 1), (std::vector<std::string>{"Server", "Server", "Server", "Server"}))
          << "names the server holds, loaded or not";
      EXPECT_EQ(r.focused(), dlg.child(IDC_OPEN_FIND));
      r.snapshot(dlg, "open_connector");
      r.onMessageBox("Error", IDOK);
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists()) << "nothing chosen: it says so and stays";
      // The find: by prefix ignoring case, and from the last row itself
      // without a selection.
      r.click(dlg.child(IDC_OPEN_FIND));
      r.type("A");
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{0});
      r.click(dlg.child(IDC_FIND_NEXT));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{1});
      r.clickListViewItem(list, 1, {VK_CONTROL});
      ASSERT_TRUE(r.listViewSelection(list).empty());
      r.click(dlg.child(IDC_FIND_PREV));
      EXPECT_EQ(r.listViewSelection(list), std::vector<int>{1});
      r.clickListViewItem(list, "gamma", {VK_CONTROL});
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open", "From Server...\tCtrl+O"});
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"QVS - Alpha", "QVS - gamma"}))
        << "top to bottom, each settled by its standard properties tab";
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, TheNewConnectorDialogRefusesEmptyLongTakenAndBadNames) {
  std::vector<std::string> boxes;
  bool ran = false;
  Run({"-x"}, [&] {
    NewConnector("Alpha");
    robot.onDialog("New Connector", [&](Robot& r, Window dlg) {
      ran = true;
      const Window name = dlg.child(IDC_NEW_NAME);
      const Window broker = dlg.child(IDC_NEW_BROKER);
      EXPECT_EQ(r.focused(), name);
      EXPECT_EQ(broker.listItems(), (std::vector<std::string>{"QVS Connectivity", "KBRX Connectivity"}));
      EXPECT_EQ(broker.text(), "QVS Connectivity");
      r.snapshot(dlg, "new_connector");
      // Empty.
      r.onMessageBox("Kestrun", IDOK);
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      // 81 characters cannot be entered.
      r.click(name);
      r.type(std::string(81, 'N'));
      EXPECT_EQ(name.text(), std::string(80, 'N'));
      // The name of an open QVS connector, in other case.
      ::SetWindowText(name.hwnd(), "ALPHA");
      r.onDialog("kestrun_app_tests", [&](Robot& rb, Window box) {
        for (const auto& text : rb.texts(box)) boxes.push_back(text);
        rb.click(box.childByText("OK"));
      });
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      // A name of no valid form.
      ::SetWindowText(name.hwnd(), "bad name!");
      r.onDialog("kestrun_app_tests", [&](Robot& rb, Window box) { rb.click(box.childByText("OK")); });
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      // The same name as a KBRX connector is another connector.
      ::SetWindowText(name.hwnd(), "ALPHA");
      r.choose(broker, "KBRX Connectivity");
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&New...\tCtrl+N"});
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"QVS - Alpha*", "KBRX - ALPHA*"}));
  });
  EXPECT_TRUE(ran);
  EXPECT_NE(std::find(boxes.begin(), boxes.end(), "The Connector 'ALPHA' already exist!\nPlease, specify unique name"),
            boxes.end());
}

TEST_F(DialogTest, FilesSaveTakesTypedAndBrowsedFilesAndRefusesClashes) {
  bool ran = false;
  Run({"-x"}, [&] {
    NewConnector("Alpha");
    NewConnector("Beta", true);
    NewConnector("Gamma");
    robot.onDialog("Files Save", [&](Robot& r, Window dlg) {
      ran = true;
      const Window gridWindow = dlg.child(IDC_FILE_NAME_GRID);
      CGXGridWnd* pGrid = GridOf(gridWindow);
      ASSERT_NE(pGrid, nullptr);
      EXPECT_EQ(dlg.child(IDC_FILE_NAME_TEXT).text(),
                "Connectors will be saved using the connector configuration file (.cfg) format:");
      ASSERT_EQ(pGrid->GetRowCount(), 3u);
      EXPECT_EQ(pGrid->GetValueRowCol(0, 1), "Connector Name");
      EXPECT_EQ(pGrid->GetValueRowCol(0, 2), "File Name");
      EXPECT_EQ(pGrid->GetValueRowCol(2, 1), "KBRX - Beta");
      EXPECT_EQ(pGrid->GetValueRowCol(2, 2), "Beta.cfg");
      EXPECT_EQ(pGrid->GetColWidth(0), 12);
      EXPECT_EQ(pGrid->GetColWidth(1), 150);
      EXPECT_EQ(pGrid->GetColWidth(2), 250);
      r.snapshot(dlg, "files_save");
      // The connector names cannot be edited.
      CGXStyle style;
      pGrid->ComposeStyleRowCol(1, 1, &style);
      EXPECT_TRUE(style.GetReadOnly());
      // Typed by hand.
      ClickGridCell(r, gridWindow, 1, 2);
      r.keys({VK_CONTROL, 'A'});
      r.type(Path("typed.cfg"));
      // Browsed.
      AnswerFileDialog("Select save file", Path("browsed"));
      ClickGridCell(r, gridWindow, 2, 3);
      EXPECT_EQ(pGrid->GetValueRowCol(2, 2), Path("browsed.cfg").c_str());
      // Two rows to one file: refused.
      pGrid->SetValueRange(CGXRange(3, 2), Path("browsed.cfg").c_str());
      int refusals = 0;
      r.onDialog("kestrun_app_tests", [&](Robot& rb, Window box) {
         ++refusals;
         rb.click(box.childByText("OK"));
       }).times(2);
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      // A repository copy's name: refused too.
      pGrid->SetValueRange(CGXRange(3, 2), Path("gamma.out").c_str());
      r.click(dlg.child(IDOK));
      EXPECT_TRUE(dlg.exists());
      EXPECT_EQ(refusals, 2);
      pGrid->SetValueRange(CGXRange(3, 2), Path("gamma").c_str());
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "Save All", "To File"});
    EXPECT_EQ(Doc("Alpha")->m_strPath, Path("typed.cfg").c_str()) << "the typed file is kept for its connector";
    EXPECT_EQ(Doc("Beta", CONNECTOR_KBRX)->m_strPath, Path("browsed.cfg").c_str());
    EXPECT_EQ(Doc("Gamma")->m_strPath, Path("gamma.cfg").c_str()) << "no extension: a configuration file";
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, FilesSaveCancelledSavesNothing) {
  bool ran = false;
  Run({"-x"}, [&] {
    NewConnector("Alpha");
    robot.onDialog("Files Save", [&](Robot& r, Window dlg) {
      ran = true;
      r.click(dlg.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "Save All", "To File"});
    EXPECT_TRUE(Doc("Alpha")->m_strPath.IsEmpty());
    EXPECT_TRUE(Doc("Alpha")->IsModified());
    EXPECT_FALSE(std::filesystem::exists(Path("Alpha.cfg")));
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, TheVerificationMasksTheValueAndHandsItBack) {
  bool ran = false;
  Run({"-x"}, [&] {
    robot.onDialog("Verification", [&](Robot& r, Window dlg) {
      ran = true;
      const Window value = dlg.child(IDC_VERIFY_VALUE);
      EXPECT_EQ(r.focused(), value);
      EXPECT_NE(value.style() & ES_PASSWORD, 0u) << "a secret is never shown";
      EXPECT_TRUE(dlg.childByText("Enter the current value for verification"));
      r.type("s3cret");
      r.snapshot(dlg, "verification");
      r.click(dlg.child(IDOK));
    });
    CDlgVerify dlg(&Frame());
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strValue, "s3cret");
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, TheUpgradeDialogListsThePropertiesAndUpgradeAgrees) {
  bool ran = false;
  Run({"-x"}, [&] {
    robot.onDialog("Upgrade Standard Properties", [&](Robot& r, Window dlg) {
      ran = true;
      EXPECT_EQ(dlg.child(IDC_UPGRADE_TEXT).text(), "PollInterval\r\nCharacterSet\r\n");
      EXPECT_TRUE(dlg.childByText("Show upgraded standard properties"));
      r.snapshot(dlg, "upgrade");
      r.click(dlg.childByText("Upgrade"));
    });
    CDlgUpgrateStdProperty upgrade(&Frame(), "PollInterval\r\nCharacterSet\r\n");
    EXPECT_EQ(upgrade.DoModal(), IDOK);
    robot.onDialog("Upgrade Standard Properties", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    CDlgUpgrateStdProperty cancelled(&Frame(), "TraceLevel\r\n");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  });
  EXPECT_TRUE(ran);
}

TEST_F(DialogTest, TheSaveAsFileDialogOffersTheRename) {
  bool ran = false;
  Run({"-x"}, [&] {
    NewConnector("Alpha");
    robot.onDialog("Save File As Connector", [&](Robot& r, Window files) {
      ran = true;
      EXPECT_EQ(files.child(edt1).text(), "Alpha");
      EXPECT_EQ(files.child(cmb1).listItems(),
                (std::vector<std::string>{"Configuration (*.cfg)", "QVS Repository (*.out)"}));
      EXPECT_EQ(files.child(chx1).text(), "Rename connector");
      r.snapshot(files, "save_as_file", false, {files.child(lst1), files.child(cmb2)});
      r.click(files.child(IDCANCEL));
    });
    robot.chooseMenu({"&File", "Save &As", "To File\tCtrl+Alt+F"});
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrun_app_test
