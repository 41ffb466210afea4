// The attribute grid over a definition window: its rows with expanded
// contained business objects, editing each kind of cell with the type
// rules and the state bits, sorting, and the context menu's commands.
#include <gtest/gtest.h>

#include <cstdio>

#include <BitmapBtnEdit.h>
#include <IndentEdit.h>

#include "grid_fixture.h"
#include "resource.h"

namespace orvex_test {
namespace {

constexpr int kNewModified = HvStateModified;
constexpr int kOnServerWritten = HvStateOnServer | HvStateWrittenToFile;

COLORREF Interior(CGXGridCore& grid, ROWCOL row, ROWCOL col) { return grid.LookupStyleRowCol(row, col).GetInterior(); }

// Whether an edit set the modified bit and cleared the written-to-file bit.
::testing::AssertionResult MarkedModified(const CQRBusObjDef& def) {
  const int state = def.GetState();
  if ((state & HvStateModified) != 0 && (state & HvStateWrittenToFile) == 0) return ::testing::AssertionSuccess();
  char text[16] = {};
  std::snprintf(text, sizeof(text), "0x%x", state);
  return ::testing::AssertionFailure() << "state " << text;
}

class AttrGridTest : public GridTest {};

TEST_F(AttrGridTest, TheRowsShowTheAttributesAndTheContainedObjectsInlineWhenExpanded) {
  PutOrderModel();
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    EXPECT_EQ(Column(grid, Col::kRowPath), (Strings{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Column(grid, Col::kName), (Strings{"OrderId", "Buyer", "Lines", "Total", "ObjectEventId", ""}));
    grid.ExpandAll();
    EXPECT_EQ(Column(grid, Col::kRowPath),
              (Strings{"1", "2", "2.1", "2.2", "2.3", "2.3.1", "2.3.2", "3", "3.1", "3.2", "3.3", "4", "5", "6"}));
    EXPECT_EQ(Column(grid, Col::kName),
              (Strings{"OrderId", "Buyer", "CustId", "CustName", "Home", "Street", "City", "Lines", "LineNo", "Product",
                       "Quantity", "Total", "ObjectEventId", ""}));
    EXPECT_TRUE(IsOpen(grid, "Customer") && IsOpen(grid, "Address") && IsOpen(grid, "OrderLine"));

    // Each level is tinted and indented; an expanded name takes the next tint.
    EXPECT_EQ(Interior(grid, 1, Col::kType), RGB(255, 255, 255));
    EXPECT_EQ(Interior(grid, 3, Col::kType), RGB(240, 255, 255));
    EXPECT_EQ(Interior(grid, 6, Col::kType), RGB(225, 255, 255));
    EXPECT_EQ(Interior(grid, 2, Col::kName), RGB(240, 255, 255));
    auto* pExpanded = dynamic_cast<CBitmapBtnEdit*>(grid.GetControl(5, Col::kName));
    ASSERT_NE(pExpanded, nullptr);
    EXPECT_EQ(pExpanded->GetKind(), CBitmapBtnEdit::kExpanded);
    EXPECT_EQ(pExpanded->GetIndent(), 10);
    auto* pIndented = dynamic_cast<CIndentEdit*>(grid.GetControl(6, Col::kName));
    ASSERT_NE(pIndented, nullptr);
    EXPECT_EQ(pIndented->GetIndent(), 20);

    // Grey and read-only: the business object's length and default, the
    // event id's fields, the empty row's cardinality.
    for (ROWCOL col : {Col::kMaxLength, Col::kDefault}) {
      EXPECT_EQ(Interior(grid, 2, col), RGB(192, 192, 192));
      EXPECT_FALSE(grid.IsCellEditable(2, col));
    }
    for (ROWCOL col = Col::kName; col <= Col::kDefault; ++col) EXPECT_FALSE(grid.IsCellEditable(13, col)) << col;
    EXPECT_TRUE(grid.IsCellEditable(13, Col::kAppInfo));
    EXPECT_EQ(Interior(grid, 14, Col::kCard), RGB(192, 192, 192));
    EXPECT_EQ(Cell(grid, 14, Col::kMaxLength), "255");

    grid.CollapseAll();
    EXPECT_EQ(grid.GetRowCount(), 6u);
    EXPECT_FALSE(IsOpen(grid, "Customer") || IsOpen(grid, "Address") || IsOpen(grid, "OrderLine"));
    EXPECT_TRUE(IsOpen(grid, "Order"));
  });
}

TEST_F(AttrGridTest, AnObjectThatContainsItselfExpandsOnceAndItsInnerOccurrenceStaysCollapsed) {
  PutOnServer("Leaf", {"Value:String", "Back:Node"});
  PutOnServer("Node", {"Id:Integer", "Next:Node", "Child:Leaf"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Node");
    grid.ExpandAll();
    EXPECT_EQ(Column(grid, Col::kRowPath), (Strings{"1", "2", "3", "3.1", "3.2", "3.3"}));
    EXPECT_FALSE(grid.GetRowAttr(2)->IsExpanded());
    EXPECT_FALSE(grid.GetRowAttr(5)->IsExpanded());
    std::vector<std::string> items;
    ContextMenu(grid, 5, Col::kName, "", &items);
    EXPECT_NE(std::find(items.begin(), items.end(), "&Expand (grey)"), items.end());
  });
}

// The definition is fetched first: without one the row stays collapsed.
TEST_F(AttrGridTest, AnExpansionWhoseDefinitionCannotBeHadLeavesTheRowCollapsed) {
  PutOnServer("Parcel", {"Id:Integer", "Content:Ghost"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Parcel");
    grid.SetCurrentCell(2, Col::kName);
    Command(grid, ID_ATTR_EXPAND);
    EXPECT_FALSE(grid.GetRowAttr(2)->IsExpanded());
    EXPECT_EQ(grid.GetRowAttr(2)->GetContainedDef(), nullptr);
    EXPECT_FALSE(IsOpen(grid, "Ghost"));
    EXPECT_EQ(grid.GetRowCount(), 3u);
  });
}

TEST_F(AttrGridTest, TheNameButtonTogglesOneLevel) {
  PutOrderModel();
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    auto* pButton = dynamic_cast<CBitmapBtnEdit*>(grid.GetControl(2, Col::kName));
    ASSERT_NE(pButton, nullptr);
    EXPECT_EQ(pButton->GetKind(), CBitmapBtnEdit::kCollapsed);
    const CRect button = pButton->GetButtonRect(grid.GetCellRect(2, Col::kName));
    robot.click(Win(grid), POINT{button.CenterPoint().x, button.CenterPoint().y});
    robot.pumpUntilIdle();
    Pause();
    EXPECT_EQ(Column(grid, Col::kRowPath), (Strings{"1", "2", "2.1", "2.2", "2.3", "3", "4", "5", "6"}));
    EXPECT_FALSE(grid.GetRowAttr(5)->IsExpanded()) << "one level only";
    grid.ToggleRowExpansion(2);
    EXPECT_EQ(grid.GetRowCount(), 6u);
    EXPECT_FALSE(IsOpen(grid, "Customer"));
  });
}

TEST_F(AttrGridTest, AnOfflineDefinitionWithoutAttributesOffersTheEmptyRowForItsFirst) {
  RunOffline([&] {
    CAttrGridCtrl& grid = OpenAttrs("Draft");
    ASSERT_EQ(grid.GetRowCount(), 1u);
    EXPECT_EQ(Cell(grid, 1, Col::kRowPath), "1");
    EXPECT_EQ(Cell(grid, 1, Col::kPos), "1");
    TypeInto(grid, 1, Col::kName, "First");
    EXPECT_EQ(Attrs(*Def("Draft")), (Strings{"First:"}));
    EXPECT_EQ(Def("Draft")->GetAttrs()[0]->GetPosition(), 1);
    EXPECT_EQ(grid.GetRowCount(), 2u);
    EXPECT_EQ(Cell(grid, 2, Col::kRowPath), "2");
  });
}

// --- Editing --------------------------------------------------------------

class AttrEditTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    PutOrderModel();
  }
  // The next edit must set the modified bit again.
  static void Reset(CQRBusObjDef& def) { def.SetState(kOnServerWritten); }
};

TEST_F(AttrEditTest, EachKindOfCellStoresItsFieldAndMarksTheDefinition) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    const CBODefAttr& total = *order.GetAttrs()[3];
    const CBODefAttr& buyer = *order.GetAttrs()[1];

    Reset(order);
    TypeInto(grid, 4, Col::kName, "  Amount  ");
    EXPECT_EQ(total.GetName(), "Amount") << "trimmed";
    EXPECT_TRUE(MarkedModified(order));

    for (ROWCOL col : {Col::kKey, Col::kForeign, Col::kRequired}) {
      Reset(order);
      ClickCheckBox(grid, 4, col);
      EXPECT_TRUE(MarkedModified(order)) << col;
    }
    EXPECT_TRUE(total.IsKey() && total.IsForeignKey() && total.IsRequired());

    Reset(order);
    Choose(grid, 2, Col::kCard, "N");
    EXPECT_EQ(buyer.GetCardinality(), "N");
    EXPECT_TRUE(MarkedModified(order));

    Reset(order);
    TypeInto(grid, 4, Col::kDefault, " 0.5");
    EXPECT_EQ(total.GetDefaultValue(), " 0.5") << "a default keeps its blanks";
    EXPECT_TRUE(MarkedModified(order));

    for (ROWCOL col : {Col::kAppInfo, Col::kComments}) {
      Reset(order);
      TypeInto(grid, 4, col, "text " + std::to_string(col));
      EXPECT_TRUE(MarkedModified(order)) << col;
    }
    EXPECT_EQ(total.GetAppInfo(), "text 10");
    EXPECT_EQ(total.GetComments(), "text 11");
    // The event id keeps its name and type; its information is edited.
    EXPECT_FALSE(grid.IsCellEditable(5, Col::kName));
    TypeInto(grid, 5, Col::kAppInfo, "stamp");
    EXPECT_EQ(order.GetAttrs()[4]->GetAppInfo(), "stamp");
  });
}

TEST_F(AttrEditTest, AStringTakesALengthAndABooleanAChoiceOfDefaults) {
  PutOnServer("Flags", {"Id:Integer", "Note:String", "Active:Boolean"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Flags");
    CQRBusObjDef& flags = *Def("Flags");
    EXPECT_FALSE(grid.IsCellEditable(1, Col::kMaxLength)) << "no length for an integer";
    TypeInto(grid, 2, Col::kMaxLength, "40");
    EXPECT_EQ(flags.GetAttrs()[1]->GetMaxLength(), "40");
    Reset(flags);
    Choose(grid, 3, Col::kDefault, "true");
    EXPECT_EQ(flags.GetAttrs()[2]->GetDefaultValue(), "true");
    EXPECT_TRUE(MarkedModified(flags));
  });
}

TEST_F(AttrEditTest, TheEmptyRowBecomesAnAttributeOnlyWhenSomethingIsTypedIntoIt) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    Reset(order);
    // Walking through its cells and clicking them adds nothing.
    ClickCell(grid, 6, Col::kName);
    for (int i = 0; i < 5; ++i) robot.key(VK_TAB);
    ClickCell(grid, 6, Col::kAppInfo);
    ClickCell(grid, 1, Col::kName);
    robot.pumpUntilIdle();
    EXPECT_EQ(order.GetAttrs().GetSize(), 5);
    EXPECT_EQ(order.GetState(), kOnServerWritten);

    TypeInto(grid, 6, Col::kName, "Note");
    ASSERT_EQ(order.GetAttrs().GetSize(), 6);
    const CBODefAttr& note = *order.GetAttrs()[5];
    EXPECT_EQ(note.GetName(), "Note");
    EXPECT_EQ(note.GetPosition(), 6);
    EXPECT_TRUE(MarkedModified(order));
    EXPECT_EQ(grid.GetRowCount(), 7u);
    EXPECT_EQ(Cell(grid, 7, Col::kRowPath), "7");
    ROWCOL row = 0, col = 0;
    grid.GetCurrentCell(row, col);
    EXPECT_EQ(row, 6u) << "Tab goes on in the new attribute's row";
    EXPECT_EQ(col, Col::kType);

    ClickCheckBox(grid, 7, Col::kKey);
    ASSERT_EQ(order.GetAttrs().GetSize(), 7);
    EXPECT_TRUE(order.GetAttrs()[6]->IsKey());
  });
}

TEST_F(AttrEditTest, ChangingTheTypeFollowsItsRulesAndMarksTheDefinition) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    CBODefAttr& buyer = *order.GetAttrs()[1];
    buyer.SetCardinality("N");
    grid.ToggleRowExpansion(2);
    ASSERT_TRUE(IsOpen(grid, "Customer"));

    Reset(order);
    Choose(grid, 2, Col::kType, "String");
    EXPECT_EQ(buyer.GetTypeName(), "String");
    EXPECT_TRUE(buyer.IsSimpleType());
    EXPECT_EQ(buyer.GetMaxLength(), "255");
    EXPECT_EQ(buyer.GetCardinality(), "");
    EXPECT_FALSE(buyer.IsExpanded());
    EXPECT_FALSE(IsOpen(grid, "Customer")) << "the expansion went with the old type";
    EXPECT_EQ(grid.GetRowCount(), 6u);
    EXPECT_TRUE(MarkedModified(order));

    Reset(order);
    Choose(grid, 2, Col::kType, "Integer");
    EXPECT_EQ(buyer.GetMaxLength(), "");
    EXPECT_TRUE(MarkedModified(order));

    buyer.SetDefaultValue("7");
    Choose(grid, 2, Col::kType, "Address");
    EXPECT_EQ(buyer.GetTypeName(), "Address");
    EXPECT_FALSE(buyer.IsSimpleType());
    EXPECT_EQ(buyer.GetContainedObjectVersion(), "1.0.0");
    EXPECT_EQ(buyer.GetDefaultValue(), "");
    EXPECT_EQ(buyer.GetMaxLength(), "");
    EXPECT_NE(dynamic_cast<CBitmapBtnEdit*>(grid.GetControl(2, Col::kName)), nullptr);
  });
}

TEST_F(AttrEditTest, NewBusinessObjectInTheTypeListCreatesOneOrPutsTheTypeBack) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    robot.onDialog("New Business Object", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    Choose(grid, 4, Col::kType, "New business object");
    EXPECT_EQ(order.GetAttrs()[3]->GetTypeName(), "Double");
    EXPECT_EQ(Cell(grid, 4, Col::kType), "Double");

    AnswerNewDialog("Invoice", "billing");
    Choose(grid, 4, Col::kType, "New business object");
    EXPECT_EQ(order.GetAttrs()[3]->GetTypeName(), "Invoice");
    CQRBusObjDef* pInvoice = CDataManager::InitInstance()->GetBO("Invoice", 0, 0);
    ASSERT_NE(pInvoice, nullptr);
    EXPECT_EQ(pInvoice->GetAppInfo(), "billing");
    EXPECT_EQ(Verbs(*pInvoice), (Strings{"Create", "Retrieve", "Update", "Delete"}));
    // Listed in sorted place among the business objects.
    CComboBox* pList = grid.GetTypeList();
    CString before, at;
    const int index = pList->FindStringExact(-1, "Invoice");
    ASSERT_GE(index, CAttrGridCtrl::kFirstBusObjItem);
    pList->GetLBText(index - 1, before);
    EXPECT_EQ(before, "Customer");
  });
}

// --- Sorting --------------------------------------------------------------

TEST_F(AttrGridTest, HeaderClicksSortUpDownUpStablyAndTheContainedObjectsWithIt) {
  PutOnServer("Address", {"Zeta:String", "Alpha:String", "Mid:String"});
  PutOnServer("Person", {"B:String", "A:String", "Home:Address", "C:String", "D:String"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Person");
    CQRBusObjDef& person = *Def("Person");
    grid.ToggleRowExpansion(3);
    ClickHeader(grid, Col::kName);
    EXPECT_EQ(Column(grid, Col::kName), (Strings{"A", "B", "C", "D", "Home", "Alpha", "Mid", "Zeta", ""}));
    EXPECT_EQ(grid.GetParam()->GetSortCol(), Col::kName);
    ClickHeader(grid, Col::kName);
    EXPECT_EQ(Column(grid, Col::kName), (Strings{"Home", "Zeta", "Mid", "Alpha", "D", "C", "B", "A", ""}));
    EXPECT_TRUE(person.IsSortDescending());
    ClickHeader(grid, Col::kName);
    EXPECT_EQ(Column(grid, Col::kName)[0], "A");
    // Keys: the first attribute is the only key; the rest keep their order.
    ClickHeader(grid, Col::kPos);
    ClickHeader(grid, Col::kKey);
    EXPECT_EQ(Column(grid, Col::kName), (Strings{"A", "Home", "Alpha", "Mid", "Zeta", "C", "D", "B", ""}))
        << "the non-keys first, each group in its order";
    ClickHeader(grid, Col::kPos);
    EXPECT_TRUE(grid.IsSortedByPosition());
    EXPECT_EQ(Column(grid, Col::kPos), (Strings{"1", "2", "3", "3.1", "3.2", "3.3", "4", "5", "6"}));
  });
}

// --- The context menu -------------------------------------------------------

TEST_F(AttrGridTest, TheContextMenuEnablesItsItemsForTheClickedRow) {
  PutOnServer("Customer", {"CustId:Integer"});
  PutOnServer("Holder", {"Id:Integer", "Owner:Customer"});
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Holder");
    Strings items;
    ContextMenu(grid, 1, Col::kType, "", &items);
    EXPECT_EQ(items,
              (Strings{"Insert &Above", "Insert &Below", "Cu&t\tCtrl+X", "&Copy\t Ctrl+C", "&Paste\tCtrl+V (grey)",
                       "&Delete\tDEL (grey)", "&Expand (grey)", "C&ollapse (grey)", "Open In Window (grey)"}));
    // The last attribute: no Insert Below, but it opens in its window.
    ContextMenu(grid, 2, Col::kType, "", &items);
    EXPECT_EQ(items, (Strings{"Insert &Above", "Insert &Below (grey)", "Cu&t\tCtrl+X", "&Copy\t Ctrl+C",
                              "&Paste\tCtrl+V (grey)", "&Delete\tDEL (grey)", "&Expand", "C&ollapse (grey)",
                              "Open In Window"}));
    ContextMenu(grid, 3, Col::kType, "", &items);
    EXPECT_EQ(items, (Strings{"Insert &Above (grey)", "Insert &Below (grey)", "Cu&t\tCtrl+X (grey)",
                              "&Copy\t Ctrl+C (grey)", "&Paste\tCtrl+V (grey)", "&Delete\tDEL (grey)", "&Expand (grey)",
                              "C&ollapse (grey)", "Open In Window (grey)"}));
    SelectRows(grid, 1, 2);
    ContextMenu(grid, 1, Col::kType, "", &items);
    EXPECT_EQ(items[5], "&Delete\tDEL");
  });
}

TEST_F(AttrGridTest, TheContextMenuInsertsExpandsCollapsesAndOpensWindows) {
  PutOrderModel();
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    ContextMenu(grid, 2, Col::kType, "Insert &Above");
    EXPECT_EQ(Attrs(order), (Strings{"OrderId:Integer", ":", "Buyer:Customer", "Lines:OrderLine", "Total:Double",
                                     "ObjectEventId:String"}));
    EXPECT_EQ(Column(grid, Col::kPos), (Strings{"1", "2", "3", "4", "5", "6", "7"}));
    ROWCOL row = 0, col = 0;
    grid.GetCurrentCell(row, col);
    EXPECT_EQ(row, 2u);
    ContextMenu(grid, 3, Col::kType, "Insert &Below");
    EXPECT_EQ(Attrs(order)[3], ":");
    EXPECT_EQ(order.GetAttrs()[3]->GetPosition(), 4);
    EXPECT_EQ(order.GetAttrs()[6]->GetPosition(), 7);

    ContextMenu(grid, 3, Col::kType, "&Expand");
    EXPECT_EQ(Cell(grid, 7, Col::kRowPath), "3.3.1") << "the whole subtree";
    ContextMenu(grid, 3, Col::kType, "C&ollapse");
    EXPECT_EQ(grid.GetRowCount(), 8u);

    ContextMenu(grid, 3, Col::kType, "Open In Window");
    EXPECT_NE(COrvexDoc::FindByName("Customer"), nullptr);
  });
}

}  // namespace
}  // namespace orvex_test
