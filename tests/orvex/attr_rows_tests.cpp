// The attribute grid's row operations and clipboard: deleting with the
// refused rows, moving among siblings and to the parent level, dragging
// rows (also into another contained object), and copying, cutting and
// pasting rows within and between definitions and as text.
#include <gtest/gtest.h>

#include <Constants.h>

#include "RowClipboard.h"
#include "grid_fixture.h"
#include "resource.h"

namespace orvex_test {
namespace {

std::vector<int> Positions(const CQRBusObjDef& def) {
  std::vector<int> positions;
  for (INT_PTR i = 0; i < def.GetAttrs().GetSize(); ++i) positions.push_back(def.GetAttrs()[i]->GetPosition());
  return positions;
}

class AttrRowsTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    PutOrderModel();
  }
};

TEST_F(AttrRowsTest, DeletingSkipsTheEmptyRowAndTheEventIdWithOneMessageEach) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    Strings messages;
    AnswerBox("Information", messages, 2);
    SelectRows(grid, 4, 6);
    robot.key(VK_DELETE);
    robot.pumpUntilIdle();
    EXPECT_EQ(messages, (Strings{"Cannot delete the last row", "Cannot delete ObjectEventID"}));
    EXPECT_EQ(Attrs(order), (Strings{"OrderId:Integer", "Buyer:Customer", "Lines:OrderLine", "ObjectEventId:String"}));
    EXPECT_EQ(Positions(order), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Column(grid, Col::kPos), (Strings{"1", "2", "3", "4", "5"}));
  });
}

// An expanded attribute's expansion goes with it.
TEST_F(AttrRowsTest, DeletingAnExpandedRowReleasesItsExpansion) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    grid.ExpandAll();
    ASSERT_TRUE(IsOpen(grid, "Customer") && IsOpen(grid, "Address"));
    SelectRows(grid, 2, 2);
    Command(grid, ID_EDIT_DELETE_ROW);
    EXPECT_FALSE(IsOpen(grid, "Customer") || IsOpen(grid, "Address"));
    EXPECT_TRUE(IsOpen(grid, "OrderLine"));
    EXPECT_EQ(Cell(grid, 2, Col::kName), "Lines");
  });
}

TEST_F(AttrRowsTest, MovingUpAndDownSwapsSiblingsOnly) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    grid.ToggleRowExpansion(2);
    SelectRows(grid, 1, 1);
    grid.MoveRowsDown();
    EXPECT_EQ(Attrs(order)[0], "Buyer:Customer");
    EXPECT_EQ(Attrs(order)[1], "OrderId:Integer");
    EXPECT_EQ(Positions(order), (std::vector<int>{1, 2, 3, 4, 5}));
    // The moved row is selected again where it went, past the expansion.
    ROWCOL row = 0, col = 0;
    grid.GetCurrentCell(row, col);
    EXPECT_EQ(Cell(grid, row, Col::kName), "OrderId");
    // The first attribute of the contained object stays first.
    SelectRows(grid, 2, 2);
    grid.MoveRowsUp();
    EXPECT_EQ(Attrs(*Def("Customer"))[0], "CustId:Integer");
    SelectRows(grid, 3, 3);
    grid.MoveRowsUp();
    EXPECT_EQ(Attrs(*Def("Customer"))[0], "CustName:String");
    EXPECT_EQ(Positions(*Def("Customer")), (std::vector<int>{1, 2, 3}));
  });
}

TEST_F(AttrRowsTest, MovingToTheParentLevelPutsTheAttributeAfterItsParent) {
  PutOnServer("Address", {"Street:String", "City:String", "Zip:String", "Country:String"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    grid.ToggleRowExpansion(2);
    grid.ToggleRowExpansion(5);
    ASSERT_EQ(Cell(grid, 9, Col::kPos), "2.3.4");
    grid.SetCurrentCell(9, Col::kName);
    EXPECT_TRUE(grid.CanMoveToParentLevel());
    grid.MoveToParentLevel();
    EXPECT_EQ(Attrs(*Def("Customer")),
              (Strings{"CustId:Integer", "CustName:String", "Home:Address", "Country:String"}));
    EXPECT_EQ(Positions(*Def("Customer")), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Attrs(*Def("Address")), (Strings{"Street:String", "City:String", "Zip:String"}));
    EXPECT_EQ(Positions(*Def("Address")), (std::vector<int>{1, 2, 3}));
    grid.SetCurrentCell(1, Col::kName);
    EXPECT_FALSE(grid.CanMoveToParentLevel()) << "already at the top";
    grid.SetCurrentCell(grid.GetRowCount() - 1, Col::kName);
    EXPECT_FALSE(grid.CanMoveToParentLevel()) << "the event id";
  });
}

TEST_F(AttrRowsTest, TheEmptyRowMovedToTheParentLevelCreatesItsAttributeThere) {
  PutOnServer("Bag", {"Id:Integer", "Inner:Address"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Bag");
    grid.ToggleRowExpansion(2);
    const ROWCOL empty = grid.GetEmptyRow();
    ASSERT_EQ(Cell(grid, empty, Col::kRowPath), "2.3");
    grid.SetCurrentCell(empty, Col::kName);
    grid.MoveToParentLevel();
    EXPECT_EQ(Cell(grid, empty, Col::kRowPath), "3");
    TypeInto(grid, empty, Col::kName, "Label");
    EXPECT_EQ(Attrs(*Def("Bag")), (Strings{"Id:Integer", "Inner:Address", "Label:"}));
    EXPECT_EQ(Attrs(*Def("Address")).size(), 2u);
  });
}

TEST_F(AttrRowsTest, DraggingRowsMovesTheAttributesAlsoIntoAContainedObject) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    // Total (row 4) up before OrderId.
    SelectRows(grid, 4, 4);
    DragRows(grid, 4, 1);
    EXPECT_EQ(Attrs(order)[0], "Total:Double");
    EXPECT_EQ(Positions(order), (std::vector<int>{1, 2, 3, 4, 5}));
    // OrderId (now row 2) into the customer, before its name.
    grid.ToggleRowExpansion(3);
    ASSERT_EQ(Cell(grid, 5, Col::kName), "CustName");
    SelectRows(grid, 2, 2);
    DragRows(grid, 2, 5);
    EXPECT_EQ(Attrs(order), (Strings{"Total:Double", "Buyer:Customer", "Lines:OrderLine", "ObjectEventId:String"}));
    EXPECT_EQ(Attrs(*Def("Customer")),
              (Strings{"CustId:Integer", "CustName:String", "OrderId:Integer", "Home:Address"}));
    EXPECT_EQ(Positions(*Def("Customer")), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE((Def("Customer")->GetState() & HvStateModified) != 0);
  });
}

TEST_F(AttrRowsTest, DraggingIsRefusedUnsortedIntoItsOwnContentsAndForTheEventId) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    const Strings before = Attrs(order);
    Strings messages;
    AnswerBox("Information", messages, 3);
    ClickHeader(grid, Col::kName);
    SelectRows(grid, 1, 1);
    DragRows(grid, 1, 3);
    ClickHeader(grid, Col::kPos);
    grid.ToggleRowExpansion(2);
    SelectRows(grid, 2, 2);
    DragRows(grid, 2, 4);
    const ROWCOL eventId = grid.GetEmptyRow() - 1;
    SelectRows(grid, eventId, eventId);
    DragRows(grid, eventId, 1);
    EXPECT_EQ(messages, (Strings{"Cannot move rows; sort by position first",
                                 "Cannot move rows into a business object that they contain",
                                 "Cannot move the row with ObjectEventId"}));
    EXPECT_EQ(Attrs(order), before);
  });
}

// --- Clipboard ----------------------------------------------------------------

class AttrClipboardTest : public AttrRowsTest {};

TEST_F(AttrClipboardTest, ThreeRowsOnOneOverwriteItAndGoInBelowOneRowOnThreeDeletesTheRest) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    SelectRows(grid, 1, 3);
    Command(grid, ID_EDIT_COPY);
    SelectRows(grid, 4, 4);

    Command(grid, ID_EDIT_PASTE);
    EXPECT_EQ(Attrs(order), (Strings{"OrderId:Integer", "Buyer:Customer", "Lines:OrderLine", "OrderId:Integer",
                                     "Buyer:Customer", "Lines:OrderLine", "ObjectEventId:String"}));
    EXPECT_EQ(Positions(order), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));

    SelectRows(grid, 1, 1);
    Command(grid, ID_EDIT_COPY);
    SelectRows(grid, 4, 6);
    Command(grid, ID_EDIT_PASTE);
    EXPECT_EQ(Attrs(order), (Strings{"OrderId:Integer", "Buyer:Customer", "Lines:OrderLine", "OrderId:Integer",
                                     "ObjectEventId:String"}));
    EXPECT_EQ(Positions(order), (std::vector<int>{1, 2, 3, 4, 5}));
    // The record stays for another paste.
    SelectRows(grid, grid.GetEmptyRow(), grid.GetEmptyRow());
    Command(grid, ID_EDIT_PASTE);
    EXPECT_EQ(Attrs(order).back(), "OrderId:Integer");
  });
}

TEST_F(AttrClipboardTest, CutThenPasteIntoAnotherDefinitionKeepsTheGridOrderAndCollapses) {
  PutOnServer("Archive", {"Id:Integer"});
  RunConnected([&] {
    CAttrGridCtrl& order = OpenAttrs("Order");
    order.ToggleRowExpansion(2);
    ASSERT_TRUE(IsOpen(order, "Customer"));
    // Buyer (expanded) and Total.
    SelectRows(order, 2, 2);
    order.GetParam()->GetRangeList()->AddTail(CGXRange().SetRows(7));
    Command(order, ID_EDIT_CUT);
    EXPECT_EQ(Attrs(*Def("Order")), (Strings{"OrderId:Integer", "Lines:OrderLine", "ObjectEventId:String"}));
    EXPECT_EQ(Positions(*Def("Order")), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(IsOpen(order, "Customer")) << "the cut row's expansion is let go";

    CAttrGridCtrl& archive = OpenAttrs("Archive");
    SelectRows(archive, 2, 2);
    Command(archive, ID_EDIT_PASTE);
    EXPECT_EQ(Attrs(*Def("Archive")), (Strings{"Id:Integer", "Buyer:Customer", "Total:Double"}));
    EXPECT_EQ(Positions(*Def("Archive")), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(Def("Archive")->GetAttrs()[1]->IsExpanded());
    EXPECT_TRUE((Def("Archive")->GetState() & HvStateModified) != 0);
  });
}

// Only this process's record names a definition of its own.
TEST_F(AttrClipboardTest, ARecordOfAnotherProcessIsIgnored) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    const Strings before = Attrs(order);
    CQRBusObjDef foreign("", nullptr, HvStateNew);
    foreign.GetAttrs().Add(new CBODefAttr(1, "Stranger", "String"));
    HGLOBAL block = foreign.PrepareClipboardData(QR_CLIPBOARD_BODEF);
    auto* data = static_cast<QRClipboardBlock*>(::GlobalLock(block));
    data->ownerToken ^= 0x5A5A;
    ::GlobalUnlock(block);
    ASSERT_TRUE(::OpenClipboard(grid.GetSafeHwnd()));
    ::EmptyClipboard();
    ::SetClipboardData(CRowClipboard::GetFormat(), block);
    ::CloseClipboard();
    SelectRows(grid, 1, 1);
    EXPECT_FALSE(grid.CanPasteSelection());
    Command(grid, ID_EDIT_PASTE);
    grid.SetFocus();
    robot.keys({VK_CONTROL, 'V'});
    robot.pumpUntilIdle();
    EXPECT_EQ(Attrs(order), before);
  });
}

TEST_F(AttrClipboardTest, CellTextPastesOnlyIntoColumnsThatTakeItsKind) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    TypeInto(grid, 1, Col::kComments, "remark");
    grid.SetCurrentCell(1, Col::kComments);
    Command(grid, ID_EDIT_COPY);
    EXPECT_EQ(CRowClipboard::GetCopyColumn(), static_cast<int>(Col::kComments));
    grid.SetCurrentCell(4, Col::kType);
    EXPECT_FALSE(grid.CanPasteSelection());
    grid.SetCurrentCell(4, Col::kName);
    EXPECT_TRUE(grid.CanPasteSelection());
    Command(grid, ID_EDIT_PASTE);
    EXPECT_EQ(order.GetAttrs()[3]->GetName(), "remark");

    grid.SetCurrentCell(1, Col::kKey);
    Command(grid, ID_EDIT_COPY);
    for (ROWCOL col : {Col::kForeign, Col::kRequired}) {
      grid.SetCurrentCell(4, col);
      EXPECT_TRUE(grid.CanPasteSelection()) << col;
    }
    for (ROWCOL col : {Col::kName, Col::kMaxLength, Col::kComments}) {
      grid.SetCurrentCell(4, col);
      EXPECT_FALSE(grid.CanPasteSelection()) << col;
    }
  });
}

// Every cut cell is emptied in its attribute, not only the current one.
TEST_F(AttrClipboardTest, CuttingACellRangeEmptiesEveryCutCellInTheModel) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    order.GetAttrs()[0]->SetComments("one");
    order.GetAttrs()[1]->SetComments("two");
    grid.FillGrid();
    grid.SetCurrentCell(1, Col::kComments);
    grid.SetSelection(CGXRange(1, Col::kAppInfo, 2, Col::kComments));
    Command(grid, ID_EDIT_CUT);
    EXPECT_EQ(order.GetAttrs()[0]->GetComments(), "");
    EXPECT_EQ(order.GetAttrs()[1]->GetComments(), "");
    EXPECT_EQ(order.GetAttrs().GetSize(), 5) << "nothing added by the empty row";
    grid.FillGrid();
    EXPECT_EQ(Cell(grid, 2, Col::kComments), "");
  });
}

}  // namespace
}  // namespace orvex_test
