// The business-object properties dialog: its caption and text, the grid it
// fills, OK refusing while a required property is empty, Esc and the close
// box leaving it open, its sizing and its look.
#include "BOPropDlg.h"
#include "prop_grid_fixture.h"
#include "robot_grid.h"
#include "wizard_resource.h"

namespace wizardtest {
namespace {

using halvane::test::Robot;
using halvane::test::Window;
using ::testing::ElementsAre;

constexpr const char* kIncomplete = "Incomplete properties";

class TestBOPropDlg : public CBOPropDlg {
 public:
  using CBOPropDlg::CBOPropDlg;
  using CBOPropDlg::m_wndGrid;
};

class BOPropDlgTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    props = SampleProperties();
    props.Find("Host")->m_bRequired = 1;
  }
  // Types into a value cell of the dialog's grid and leaves it.
  static void TypeValue(Robot& r, Window dlg, ROWCOL row, const std::string& text) {
    const Window grid = dlg.child(IDC_PROP_GRID);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, grid, row, CPropGrid::kNameCol);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, grid, row, CPropGrid::kValueCol);
    r.type(text);
    r.key(VK_RETURN);
  }

  AgentPropArray props;
};

TEST_F(BOPropDlgTest, TheCaptionTakesTheSuffixAndTheTextStandsAboveTheGrid) {
  TestBOPropDlg dialog;
  dialog.m_strCaptionSuffix = "Customer";
  dialog.m_strText = "The agent needs these values for Customer.";
  dialog.SetProperties(&props);
  robot.onDialog("BO Properties - Customer", [&](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_PROP_TEXT).text(), "The agent needs these values for Customer.");
    EXPECT_EQ(dialog.m_wndGrid.GetRowCount(), static_cast<ROWCOL>(kSampleRows));
    EXPECT_EQ(std::string(dialog.m_wndGrid.GetValueRowCol(kHostRow, CPropGrid::kValueCol)), "localhost");
    r.snapshot(dlg, "bo_properties");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(BOPropDlgTest, ABlankSuffixLeavesTheCaptionAlone) {
  TestBOPropDlg dialog;
  dialog.m_strCaptionSuffix = "   ";
  dialog.SetProperties(&props);
  robot.onDialog("BO Properties", [](Robot& r, Window dlg) { r.click(dlg.child(IDOK)); });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(BOPropDlgTest, OkKeepsTheDialogWhileARequiredValueIsEmptyAndEndsOnceItIsFilled) {
  TestBOPropDlg dialog;
  dialog.SetProperties(&props);
  std::string refusal;
  robot.onDialog("BO Properties", [&](Robot& r, Window dlg) {
    TypeValue(r, dlg, kHostRow, " ");
    r.onDialog(kIncomplete, [&refusal](Robot& r2, Window box) {
      refusal = box.child(0xFFFF).text();
      r2.click(box.child(IDOK));
    });
    r.click(dlg.child(IDOK));
    EXPECT_TRUE(dlg.exists()) << "the dialog stays after the refusal";
    TypeValue(r, dlg, kHostRow, "db.example.org");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(refusal,
            "Some required fields were not filled out. Please review the agent properties and provide all required "
            "information.");
  EXPECT_THAT(Texts(props.Find("Host")->m_currentValues), ElementsAre("db.example.org"));
}

TEST_F(BOPropDlgTest, EscapeAndTheCloseBoxLeaveTheDialogOpen) {
  TestBOPropDlg dialog;
  dialog.SetProperties(&props);
  robot.onDialog("BO Properties", [](Robot& r, Window dlg) {
    r.key(VK_ESCAPE);
    EXPECT_TRUE(dlg.exists());
    ::SendMessage(dlg.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    r.pumpUntilIdle();
    EXPECT_TRUE(dlg.exists());
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(BOPropDlgTest, EnterInTheGridMovesToTheNextCellInsteadOfPressingOk) {
  TestBOPropDlg dialog;
  dialog.SetProperties(&props);
  robot.onDialog("BO Properties", [&](Robot& r, Window dlg) {
    CPropGrid& grid = dialog.m_wndGrid;
    const Window gridWindow = dlg.child(IDC_PROP_GRID);
    halvane::test::ClickGridCell(r, gridWindow, kHostRow, CPropGrid::kNameCol);
    r.key(VK_RETURN);
    EXPECT_TRUE(dlg.exists()) << "no cell was being edited";
    EXPECT_TRUE(grid.IsCurrentCell(kHostRow, CPropGrid::kValueCol));
    // From the masked editor too: the typed secret is kept and OK not pressed.
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, gridWindow, kPasswordRow, CPropGrid::kValueCol);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, gridWindow, kPasswordRow, CPropGrid::kValueCol);
    ASSERT_TRUE(grid.IsEditing());
    r.type("2");
    r.key(VK_RETURN);
    EXPECT_TRUE(dlg.exists());
    EXPECT_TRUE(grid.IsCurrentCell(kPasswordRow, CPropGrid::kTypeCol));
    EXPECT_EQ(std::string(grid.GetValueRowCol(kPasswordRow, CPropGrid::kValueCol)), "s3cret2");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_THAT(Texts(props.Find("Password")->m_currentValues), ElementsAre("s3cret2"));
}

TEST_F(BOPropDlgTest, TheGridGrowsWithTheDialogWhichCannotShrinkBelowItsFirstSize) {
  TestBOPropDlg dialog;
  dialog.SetProperties(&props);
  robot.onDialog("BO Properties", [&](Robot& r, Window dlg) {
    const RECT first = dlg.rect();
    const RECT gridFirst = dlg.child(IDC_PROP_GRID).rect();
    const RECT okFirst = dlg.child(IDOK).rect();
    const int nameWidth = dialog.m_wndGrid.GetColWidth(CPropGrid::kNameCol);
    ::SetWindowPos(dlg.hwnd(), nullptr, 0, 0, first.right - first.left + 200, first.bottom - first.top + 100,
                   SWP_NOMOVE | SWP_NOZORDER);
    r.pumpUntilIdle();
    const RECT grid = dlg.child(IDC_PROP_GRID).rect();
    EXPECT_EQ(grid.right - grid.left, gridFirst.right - gridFirst.left + 200);
    EXPECT_EQ(grid.bottom - grid.top, gridFirst.bottom - gridFirst.top + 100);
    const RECT ok = dlg.child(IDOK).rect();
    EXPECT_EQ(ok.left - okFirst.left, 200);
    EXPECT_EQ(ok.top - okFirst.top, 100);
    EXPECT_GT(dialog.m_wndGrid.GetColWidth(CPropGrid::kNameCol), nameWidth) << "the columns widen with the grid";
    MINMAXINFO info{};
    ::SendMessage(dlg.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, first.right - first.left);
    EXPECT_EQ(info.ptMinTrackSize.y, first.bottom - first.top);
    r.click(dlg.child(IDOK));
  });
  dialog.DoModal();
}

TEST_F(BOPropDlgTest, WithoutPropertiesTheGridIsEmptyAndOkEnds) {
  TestBOPropDlg dialog;
  robot.onDialog("BO Properties", [&](Robot& r, Window dlg) {
    EXPECT_EQ(dialog.m_wndGrid.GetRowCount(), 0u);
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
}  // namespace wizardtest
