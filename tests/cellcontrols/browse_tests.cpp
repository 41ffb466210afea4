// The browse cells: the button picks a file through the open-file dialog
// or a folder through the shell's folder browser, and the chosen path
// becomes the cell's text; a cancelled pick changes nothing.
#include <gtest/gtest.h>

#include <commdlg.h>
#include <shlobj.h>

#include "BrowseEditCtrl.h"
#include "cell_fixture.h"
#include "temp_folder.h"

namespace cells_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr WORD kFileID = 61632;
constexpr WORD kFolderID = 61633;

class BrowseTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    Attach(grid, 3, 2);
    grid.SetColWidth(1, 2, 180);
    grid.RegisterControl(kFileID, new CBrowseEditCtrl(TRUE, &grid, kFileID));
    grid.RegisterControl(kFolderID, new CBrowseEditCtrl(FALSE, &grid, kFolderID));
    grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(kFileID).SetValue("old.txt"));
    grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetControl(kFolderID).SetValue("/old"));
    grid.SetStyleRange(CGXRange(3, 1), CGXStyle().SetControl(kFileID).SetValue("locked.txt").SetReadOnly(TRUE));
    folder.file("chosen.txt");
    folder.folder("chosen");
  }
  void ClickButton(ROWCOL row) {
    auto* control = dynamic_cast<CBrowseEditCtrl*>(grid.GetControl(row, 1));
    ASSERT_NE(nullptr, control);
    Click(grid, Centre(control->GetButtonRect(CellRect(grid, row, 1))));
  }
  static void TypeInto(Robot& r, Window edit, const std::string& text) {
    r.click(edit);
    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.type(text);
  }

  HostGrid grid;
  halvane::test::TempFolder folder{"cells-browse"};
};

TEST_F(BrowseTest, AFileChosenInTheOpenDialogBecomesTheCellsText) {
  bool asked = false;
  robot.onDialog("Open", [&](Robot& r, Window files) {
    asked = true;
    EXPECT_EQ("", files.child(edt1).text()) << "no initial name";
    EXPECT_TRUE(files.child(cmb1).listItems().empty()) << "no filter";
    EXPECT_FALSE(files.child(chx1).isVisible()) << "no read-only box";
    EXPECT_FALSE(frame.IsWindowEnabled()) << "the dialog is modal over the grid's window";
    TypeInto(r, files.child(edt1), folder / "chosen.txt");
    r.key(VK_RETURN);
  });
  ClickButton(1);
  EXPECT_TRUE(asked);
  EXPECT_EQ(folder / "chosen.txt", std::string(grid.GetValueRowCol(1, 1)));
  EXPECT_EQ((std::vector<Cell>{{1, 1}}), grid.modified) << "one change by the user";
}

TEST_F(BrowseTest, AFileChosenWhileTheCellIsEditedReplacesTheTypedTextAndIsStored) {
  grid.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  robot.type("half typed");
  ASSERT_TRUE(grid.IsActiveCurrentCell());
  robot.onDialog("Open", [&](Robot& r, Window files) {
    TypeInto(r, files.child(edt1), folder / "chosen.txt");
    r.key(VK_RETURN);
  });
  ClickButton(1);
  EXPECT_EQ(folder / "chosen.txt", std::string(grid.GetValueRowCol(1, 1)));
  ASSERT_TRUE(grid.IsActiveCurrentCell()) << "the editing goes on in the cell";
  EXPECT_EQ(folder / "chosen.txt", robot.focused().text());
}

TEST_F(BrowseTest, AFolderPickedInTheShellsBrowserBecomesTheCellsText) {
  robot.onDialog("Browse for Folder", [&](Robot& r, Window browser) {
    EXPECT_TRUE(browser.childByText("Pick a folder, any folder:"));
    EXPECT_FALSE(frame.IsWindowEnabled());
    EXPECT_FALSE(browser.child(edt1)) << "folders are picked from the list";
    const std::string chosen = folder / "chosen";
    ::SendMessage(browser.hwnd(), BFFM_SETSELECTION, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
    r.click(browser.child(IDOK));
  });
  ClickButton(2);
  EXPECT_EQ(folder / "chosen", std::string(grid.GetValueRowCol(2, 1)));
  EXPECT_EQ((std::vector<Cell>{{2, 1}}), grid.modified);
}

TEST_F(BrowseTest, ACancelledPickLeavesTheTextAsItWas) {
  robot.onDialog("Open", [](Robot& r, Window files) { r.click(files.child(IDCANCEL)); });
  ClickButton(1);
  robot.onDialog("Browse for Folder", [](Robot& r, Window browser) { r.click(browser.child(IDCANCEL)); });
  ClickButton(2);
  EXPECT_EQ("old.txt", std::string(grid.GetValueRowCol(1, 1)));
  EXPECT_EQ("/old", std::string(grid.GetValueRowCol(2, 1)));
  EXPECT_TRUE(grid.modified.empty());
  EXPECT_TRUE(robot.pendingHandlers().empty());
}

TEST_F(BrowseTest, AReadOnlyCellsButtonOpensNoDialog) {
  // A dialog opening here would find no handler and fail the test.
  ClickButton(3);
  EXPECT_EQ("locked.txt", std::string(grid.GetValueRowCol(3, 1)));
  EXPECT_TRUE(grid.modified.empty());
}

}  // namespace
}  // namespace cells_test
