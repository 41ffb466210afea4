// The verb grid of the "General" tab: new verbs in the empty row, sorting
// with each column's own direction, deleting up to the empty row, dragging,
// and copying, cutting and pasting verbs as rows and as cell text.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "resource.h"

namespace orvex_test {
namespace {

constexpr ROWCOL kName = CVerbGridCtrl::kColName;
constexpr ROWCOL kAppInfo = CVerbGridCtrl::kColAppInfo;

class VerbGridTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    PutOnServer("Order", {"OrderId:Integer"});
  }
  static bool Modified(const CQRBusObjDef& def) {
    return (def.GetState() & HvStateModified) != 0 && (def.GetState() & HvStateWrittenToFile) == 0;
  }
  static void Reset(CQRBusObjDef& def) { def.SetState(HvStateOnServer | HvStateWrittenToFile); }
};

TEST_F(VerbGridTest, TheVerbsShowSortedByNameAndTheEmptyRowAddsOne) {
  RunConnected([&] {
    CVerbGridCtrl& grid = OpenVerbs("Order");
    CQRBusObjDef& order = *Def("Order");
    EXPECT_EQ(Column(grid, kName), (Strings{"Create", "Delete", "Retrieve", "Update", ""}));
    ROWCOL row = 0, col = 0;
    grid.GetCurrentCell(row, col);
    EXPECT_EQ(row, 5u) << "the empty row's first cell is current";
    Reset(order);
    TypeInto(grid, 5, kName, " Archive ");
    EXPECT_EQ(Verbs(order), (Strings{"Create", "Delete", "Retrieve", "Update", "Archive"}));
    EXPECT_TRUE(Modified(order));
    EXPECT_EQ(grid.GetRowCount(), 6u);
    Reset(order);
    TypeInto(grid, 5, kAppInfo, "keep");
    EXPECT_EQ(order.GetVerbs()[4]->GetAppInfo(), "keep");
    EXPECT_TRUE((order.GetVerbs()[4]->GetState() & 0x08) != 0);
    EXPECT_TRUE(Modified(order));
    // Moving through the empty row adds nothing.
    ClickCell(grid, 6, kName);
    robot.key(VK_TAB);
    ClickCell(grid, 1, kName);
    EXPECT_EQ(order.GetVerbs().GetSize(), 5);
  });
}

// Each column keeps its own direction; the opening fill was "Name" upwards.
TEST_F(VerbGridTest, HeaderClicksToggleTheClickedColumnsOwnDirection) {
  RunConnected([&] {
    CVerbGridCtrl& grid = OpenVerbs("Order");
    CQRBusObjDef& order = *Def("Order");
    order.GetVerbs()[0]->SetAppInfo("b");
    order.GetVerbs()[1]->SetAppInfo("a");
    order.GetVerbs()[2]->SetAppInfo("a");
    order.GetVerbs()[3]->SetAppInfo("c");
    ClickHeader(grid, kName);
    EXPECT_EQ(Verbs(order), (Strings{"Update", "Retrieve", "Delete", "Create"}));
    ClickHeader(grid, kName);
    EXPECT_EQ(Verbs(order), (Strings{"Create", "Delete", "Retrieve", "Update"}));
    ClickHeader(grid, kAppInfo);
    EXPECT_EQ(Verbs(order), (Strings{"Delete", "Retrieve", "Create", "Update"})) << "stable among equal keys";
    ClickHeader(grid, kAppInfo);
    EXPECT_EQ(Verbs(order), (Strings{"Update", "Create", "Delete", "Retrieve"}));
    EXPECT_EQ(Column(grid, kName), (Strings{"Update", "Create", "Delete", "Retrieve", ""}));
  });
}

// The empty row stops the deletion; what went before it stays gone, the
// array has no gaps and the definition is marked.
TEST_F(VerbGridTest, DeletingUpToTheEmptyRowDeletesTheRowsAboveAndSaysSo) {
  RunConnected([&] {
    CVerbGridCtrl& grid = OpenVerbs("Order");
    CQRBusObjDef& order = *Def("Order");
    Reset(order);
    Strings messages;
    AnswerBox("Information", messages);
    SelectRows(grid, 3, 5);
    robot.key(VK_DELETE);
    robot.pumpUntilIdle();
    EXPECT_EQ(messages, (Strings{"Cannot delete the last row"}));
    EXPECT_EQ(Verbs(order), (Strings{"Create", "Delete"}));
    EXPECT_TRUE(Modified(order));
    EXPECT_EQ(Column(grid, kName), (Strings{"Create", "Delete", ""}));
  });
}

TEST_F(VerbGridTest, DraggingMovesVerbsButNeverPastTheEmptyRow) {
  RunConnected([&] {
    CVerbGridCtrl& grid = OpenVerbs("Order");
    CQRBusObjDef& order = *Def("Order");
    SelectRows(grid, 1, 1);
    DragRows(grid, 1, 3);
    EXPECT_EQ(Verbs(order), (Strings{"Delete", "Retrieve", "Create", "Update"}));
    SelectRows(grid, 4, 4);
    DragRows(grid, 4, 5);
    EXPECT_EQ(Verbs(order), (Strings{"Delete", "Retrieve", "Create", "Update"}));
    EXPECT_EQ(Column(grid, kName).back(), "");
  });
}

TEST_F(VerbGridTest, CutRowsComeBackInTheirOrderAndTwoPastedOnOneOverwriteAndInsert) {
  RunConnected([&] {
    CVerbGridCtrl& grid = OpenVerbs("Order");
    CQRBusObjDef& order = *Def("Order");
    order.GetVerbs().DeleteAt(3);
    grid.FillGrid(TRUE);
    SelectRows(grid, 1, 2);
    grid.CutSelection();
    EXPECT_EQ(Verbs(order), (Strings{"Retrieve"}));
    SelectRows(grid, 2, 2);
    grid.PasteSelection();
    robot.pumpUntilIdle();
    EXPECT_EQ(Verbs(order), (Strings{"Retrieve", "Create", "Delete"}));

    SelectRows(grid, 2, 3);
    grid.CopySelection();
    SelectRows(grid, 1, 1);
    grid.PasteSelection();
    robot.pumpUntilIdle();
    EXPECT_EQ(Verbs(order), (Strings{"Create", "Delete", "Create", "Delete"}));
  });
}

TEST_F(VerbGridTest, CuttingACellRangeEmptiesEveryCutVerbField) {
  RunConnected([&] {
    CVerbGridCtrl& grid = OpenVerbs("Order");
    CQRBusObjDef& order = *Def("Order");
    order.GetVerbs()[0]->SetAppInfo("x");
    order.GetVerbs()[1]->SetAppInfo("y");
    grid.SetCurrentCell(1, kAppInfo);
    grid.SetSelection(CGXRange(1, kAppInfo, 2, kAppInfo));
    Reset(order);
    grid.CutSelection();
    EXPECT_EQ(order.GetVerbs()[0]->GetAppInfo(), "");
    EXPECT_EQ(order.GetVerbs()[1]->GetAppInfo(), "");
    EXPECT_TRUE(Modified(order));
    // Text goes in cell by cell; each line in the empty row makes a verb.
    grid.ClearSelection();
    grid.SetCurrentCell(5, kAppInfo);
    grid.PasteSelection();
    ASSERT_EQ(order.GetVerbs().GetSize(), 6);
    EXPECT_EQ(order.GetVerbs()[4]->GetAppInfo(), "x");
    EXPECT_EQ(order.GetVerbs()[5]->GetAppInfo(), "y");
    EXPECT_EQ(grid.GetRowCount(), 7u);
  });
}

// Copied attribute rows hold no verbs: pasting them changes nothing.
TEST_F(VerbGridTest, AttributeRowsOnTheClipboardLeaveTheVerbsAlone) {
  RunConnected([&] {
    CAttrGridCtrl& attrs = OpenAttrs("Order");
    SelectRows(attrs, 1, 1);
    attrs.CopySelection();
    CVerbGridCtrl& grid = OpenVerbs("Order");
    SelectRows(grid, 1, 2);
    grid.PasteSelection();
    EXPECT_EQ(Verbs(*Def("Order")), (Strings{"Create", "Delete", "Retrieve", "Update"}));
  });
}

}  // namespace
}  // namespace orvex_test
