// The import-results dialog: its rows and both modes, a row's action and
// its new-name cell, select-all, the checks of OK with the new names handed
// back, Cancel's freeing, find, the layout, and the library's resources.
#include <string>
#include <vector>

#include "DlgImportResults.h"
#include "host_fixture.h"
#include "resource.h"
#include "robot_grid.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr const char* kTitle = "Import Results";
constexpr const char* kBusinessObject = "Business Object";

// A repository object that counts its deletions.
class CountedObject : public CQRObj {
 public:
  explicit CountedObject(const char* name) : CQRObj(name, nullptr, 0) {}
  ~CountedObject() override { ++deletions; }
  static int deletions;
};
int CountedObject::deletions = 0;

// The dialog with its grid in reach; rows left after OK are the caller's,
// so this caller frees them.
class ImportDialog : public CDlgImportResults {
 public:
  using CDlgImportResults::CDlgImportResults;
  using CDlgImportResults::m_wndGrid;
  ~ImportDialog() override {
    for (INT_PTR i = 0; i < m_arrEntities.GetSize(); ++i) delete m_arrEntities[i];
  }
  void AddRow(const char* name, const char* type = kBusinessObject, CQRObj* object = nullptr) {
    m_arrEntities.Add(new Entity(name, type, 0, object));
  }
  std::string Cell(ROWCOL nRow, ROWCOL nCol) { return std::string(m_wndGrid.GetValueRowCol(nRow, nCol)); }
  std::vector<std::string> Column(ROWCOL nCol) {
    std::vector<std::string> cells;
    for (ROWCOL row = 1; row <= m_wndGrid.GetRowCount(); ++row) cells.push_back(Cell(row, nCol));
    return cells;
  }
  bool IsNewNameGrey(ROWCOL nRow) {
    const CGXStyle style = m_wndGrid.LookupStyleRowCol(nRow, CGridImportResults::kNewNameCol);
    return style.GetReadOnly() && style.GetInterior() == RGB(200, 200, 200);
  }
  bool IsNewNameWritable(ROWCOL nRow) {
    const CGXStyle style = m_wndGrid.LookupStyleRowCol(nRow, CGridImportResults::kNewNameCol);
    return m_wndGrid.IsCellEditable(nRow, CGridImportResults::kNewNameCol) && style.GetInterior() == RGB(255, 255, 255);
  }
  // Rows selected as a whole, top to bottom.
  std::vector<ROWCOL> Selected() {
    CRowColArray starts;
    CRowColArray ends;
    std::vector<ROWCOL> rows;
    const ROWCOL spans = m_wndGrid.GetSelectedRows(starts, ends, TRUE, FALSE);
    for (ROWCOL i = 0; i < spans; ++i)
      for (ROWCOL row = starts[static_cast<INT_PTR>(i)]; row <= ends[static_cast<INT_PTR>(i)]; ++row)
        rows.push_back(row);
    return rows;
  }
};

class ImportResultsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    CountedObject::deletions = 0;
  }

  static Window Grid(Window dlg) { return dlg.child(IDC_RESULTS_GRID); }
  static void ChooseAction(Robot& r, Window dlg, ROWCOL nRow, const std::string& action) {
    // From another cell, so that the click shows the list's box rather
    // than opening the one already shown.
    halvane::test::ClickGridCell(r, Grid(dlg), nRow, CGridImportResults::kObjectCol);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, Grid(dlg), nRow, CGridImportResults::kActionCol);
    const Window combo = Grid(dlg).childByClass("ComboBox");
    ASSERT_TRUE(combo.isVisible()) << "no action list at row " << nRow;
    r.choose(combo, action);
  }
  // Types into the new-name cell and leaves it, which stores the text.
  static void TypeNewName(Robot& r, Window dlg, ROWCOL nRow, const std::string& name) {
    halvane::test::ClickGridCell(r, Grid(dlg), nRow, CGridImportResults::kNewNameCol);
    r.type(name);
    halvane::test::ClickGridCell(r, Grid(dlg), nRow, CGridImportResults::kObjectCol);
  }
  // Clicks a find button as a user does, one click at a time (two quick
  // clicks make a double click, which a bitmap button does not take).
  static void Press(Robot& r, Window button) {
    r.advance(GetDoubleClickTime() + 1);
    r.click(button);
  }
  static void Find(Robot& r, Window dlg, const std::string& text) {
    ::SetWindowText(dlg.child(IDC_RESULTS_FIND).hwnd(), text.c_str());
    r.pumpUntilIdle();
  }
};

// --- Rows and modes ----------------------------------------------------------

TEST_F(ImportResultsTest, InImportModeEachRowShowsItsObjectTypeActionAndAnEmptyNewName) {
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  dialog.AddRow("Customer");
  dialog.AddRow("Order");
  dialog.AddRow("Billing", "Collaboration Template");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_RESULTS_HEADER).text(),
              "The Import Process found the following duplicate objects.\n Please Resolve the Duplication.");
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_FIRST).text(), "Overwrite Local");
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_SECOND).text(), "Don't Import");
    EXPECT_EQ(r.focused(), dlg.child(IDC_RESULTS_FIND));
    CGridImportResults& grid = dialog.m_wndGrid;
    EXPECT_EQ(grid.GetColCount(), 4u);
    const std::vector<std::string> titles = {"Object", "Type", "Action", "New Name"};
    const std::vector<int> widths = {120, 100, 150, 130};
    for (ROWCOL col = 1; col <= 4; ++col) {
      EXPECT_EQ(dialog.Cell(0, col), titles[col - 1]);
      EXPECT_EQ(grid.GetColWidth(col), widths[col - 1]);
    }
    EXPECT_EQ(dialog.Column(1), (std::vector<std::string>{"Customer", "Order", "Billing"}));
    EXPECT_EQ(dialog.Column(2), (std::vector<std::string>{kBusinessObject, kBusinessObject, "Collaboration Template"}));
    EXPECT_EQ(dialog.Column(3), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(dialog.Column(4), (std::vector<std::string>{"", "", ""}));
    for (ROWCOL row = 1; row <= 3; ++row) {
      for (ROWCOL col : {CGridImportResults::kObjectCol, CGridImportResults::kTypeCol}) {
        EXPECT_FALSE(grid.IsCellEditable(row, col));
        EXPECT_EQ(grid.LookupStyleRowCol(row, col).GetInterior(), RGB(200, 200, 200));
      }
      EXPECT_TRUE(dialog.IsNewNameWritable(row));
    }
    EXPECT_EQ(std::string(grid.LookupStyleRowCol(1, CGridImportResults::kActionCol).GetChoiceList()),
              "Keep Import\\RenameLocal\nKeep Local\\Rename Import\nOverwrite Local\nDon't Import\n");
    r.snapshot(dlg, "import_results_import_mode");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(ImportResultsTest, InServerModeTheHeaderTheSecondRadioAndTheActionsSpeakOfTheServer) {
  ImportDialog dialog(nullptr, CDlgImportResults::kServerMode);
  dialog.AddRow("Customer");
  dialog.AddRow("Invoice");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_RESULTS_HEADER).text(),
              "The connection process found the following duplicate object names.\n Choose the appropriate action "
              "to resolve the duplication.");
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_FIRST).text(), "Overwrite Local");
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_SECOND).text(), "Overwrite Server");
    EXPECT_EQ(std::string(dialog.m_wndGrid.LookupStyleRowCol(2, CGridImportResults::kActionCol).GetChoiceList()),
              "Keep Local\\Rename Server\nKeep Server\\Rename Local\nOverwrite Server\nOverwrite Local\n");
    ChooseAction(r, dlg, 2, "Overwrite Server");
    r.snapshot(dlg, "import_results_server_mode");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// --- Actions ---------------------------------------------------------------------

TEST_F(ImportResultsTest, AnOverwriteLosesTheTypedNewNameAndARenameFreesTheCellAgain) {
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  dialog.AddRow("Customer");
  dialog.AddRow("Order");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    TypeNewName(r, dlg, 1, "Customer2");
    EXPECT_EQ(dialog.Cell(1, 4), "Customer2");
    ChooseAction(r, dlg, 1, "Overwrite Local");
    EXPECT_EQ(dialog.Cell(1, 3), "2");
    EXPECT_EQ(dialog.Cell(1, 4), "");
    EXPECT_TRUE(dialog.IsNewNameGrey(1));
    EXPECT_FALSE(dialog.m_wndGrid.IsCellEditable(1, CGridImportResults::kNewNameCol));
    EXPECT_EQ(dialog.m_arrEntities[0]->m_nAction, 2) << "the row takes its action at once";
    ChooseAction(r, dlg, 1, "Keep Local\\Rename Import");
    EXPECT_TRUE(dialog.IsNewNameWritable(1));
    EXPECT_EQ(dialog.Cell(1, 4), "");
    EXPECT_EQ(dialog.m_arrEntities[0]->m_nAction, 1);
    ChooseAction(r, dlg, 2, "Don't Import");
    TypeNewName(r, dlg, 1, "Client");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(dialog.m_arrEntities.GetSize(), 2);
  EXPECT_EQ(dialog.m_arrEntities[0]->m_nAction, 1);
  EXPECT_EQ(std::string(dialog.m_arrEntities[0]->m_strName), "Customer") << "the original name stays";
  EXPECT_EQ(std::string(dialog.m_arrEntities[0]->m_strNewName), "Client");
  EXPECT_EQ(dialog.m_arrEntities[1]->m_nAction, 3);
  EXPECT_EQ(std::string(dialog.m_arrEntities[1]->m_strNewName), "");
}

TEST_F(ImportResultsTest, EveryActionOfBothModesIsTakenByTheRowAndRenamesAloneNeedANewName) {
  for (const int mode : {CDlgImportResults::kImportMode, CDlgImportResults::kServerMode}) {
    ImportDialog dialog(nullptr, mode);
    dialog.AddRow("Customer");
    robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
      for (const int action : {3, 0, 2, 1}) {
        ChooseAction(r, dlg, 1, std::string(dialog.GetActions()[action]));
        EXPECT_EQ(dialog.Cell(1, 3), std::to_string(action));
        EXPECT_EQ(dialog.m_arrEntities[0]->m_nAction, action);
        EXPECT_EQ(dialog.IsNewNameWritable(1), action < 2) << mode << " " << action;
        EXPECT_EQ(dialog.IsNewNameGrey(1), action >= 2) << mode << " " << action;
      }
      r.click(dlg.child(IDCANCEL));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
}

TEST_F(ImportResultsTest, SelectAllSetsEveryRowAndAnotherChoiceOfOneRowClearsTheRadio) {
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  for (const char* name : {"Customer", "Order", "Invoice"}) dialog.AddRow(name);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    TypeNewName(r, dlg, 2, "Order2");
    r.click(dlg.child(IDC_SELECT_ALL_FIRST));
    EXPECT_EQ(dialog.Column(3), (std::vector<std::string>{"2", "2", "2"})) << "Overwrite Local";
    EXPECT_EQ(dialog.Column(4), (std::vector<std::string>{"", "", ""}));
    for (ROWCOL row = 1; row <= 3; ++row) EXPECT_TRUE(dialog.IsNewNameGrey(row)) << row;
    for (INT_PTR i = 0; i < 3; ++i) EXPECT_EQ(dialog.m_arrEntities[i]->m_nAction, 2);
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_FIRST).checked(), BST_CHECKED);
    ChooseAction(r, dlg, 2, "Overwrite Local");
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_FIRST).checked(), BST_CHECKED) << "the radio's own action keeps it";
    ChooseAction(r, dlg, 3, "Don't Import");
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_FIRST).checked(), BST_UNCHECKED);
    EXPECT_EQ(dlg.child(IDC_SELECT_ALL_SECOND).checked(), BST_UNCHECKED);
    EXPECT_EQ(dialog.m_nSelectAll, -1);
    r.click(dlg.child(IDC_SELECT_ALL_SECOND));
    EXPECT_EQ(dialog.Column(3), (std::vector<std::string>{"3", "3", "3"})) << "Don't Import";
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  for (INT_PTR i = 0; i < 3; ++i) EXPECT_EQ(dialog.m_arrEntities[i]->m_nAction, 3);
}

TEST_F(ImportResultsTest, InServerModeTheRadiosStandForOverwriteLocalAndOverwriteServer) {
  ImportDialog dialog(nullptr, CDlgImportResults::kServerMode);
  dialog.AddRow("Customer");
  dialog.AddRow("Order");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    r.click(dlg.child(IDC_SELECT_ALL_FIRST));
    EXPECT_EQ(dialog.Column(3), (std::vector<std::string>{"3", "3"}));
    r.click(dlg.child(IDC_SELECT_ALL_SECOND));
    EXPECT_EQ(dialog.Column(3), (std::vector<std::string>{"2", "2"}));
    ChooseAction(r, dlg, 1, "Overwrite Local");
    EXPECT_EQ(dialog.m_nSelectAll, -1);
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_arrEntities[0]->m_nAction, 3);
  EXPECT_EQ(dialog.m_arrEntities[1]->m_nAction, 2);
}

// --- OK ---------------------------------------------------------------------------

TEST_F(ImportResultsTest, OkRefusesAnEmptyOrInvalidNewNameWithTheRowNumber) {
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  for (const char* name : {"Customer", "Order", "Invoice"}) dialog.AddRow(name);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    ChooseAction(r, dlg, 1, "Overwrite Local");
    TypeNewName(r, dlg, 2, "Order2");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please Enter Valid Name at row 3");
    TypeNewName(r, dlg, 3, "2Invoice");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please Enter Valid Name at row 3");
    EXPECT_EQ(std::string(dialog.m_arrEntities[2]->m_strNewName), "") << "a refusal changes no row";
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ImportResultsTest, OkRefusesANameInUseOfTheRowsTypeIgnoringCase) {
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  dialog.AddRow("Customer");
  dialog.AddRow("CustomerMap", "map");
  dialog.AddRow("Sorter", "Filter");
  CStringList names;
  names.AddTail("Customer");
  names.AddTail("Client");
  dialog.m_pBONames = &names;
  dialog.m_lstMapNames.AddTail("ClientMap");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    TypeNewName(r, dlg, 1, "CLIENT");
    TypeNewName(r, dlg, 2, "NewMap");
    TypeNewName(r, dlg, 3, "Customer");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Business Object with CLIENT name already exists");
    TypeNewName(r, dlg, 1, "Buyer");
    TypeNewName(r, dlg, 2, "clientmap");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Map with clientmap name already exists");
    TypeNewName(r, dlg, 2, "OrderMap");
    r.click(dlg.child(IDOK));  // a type of its own is not looked up
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_arrEntities[0]->m_strNewName), "Buyer");
  EXPECT_EQ(std::string(dialog.m_arrEntities[1]->m_strNewName), "OrderMap");
  EXPECT_EQ(std::string(dialog.m_arrEntities[2]->m_strNewName), "Customer");
}

TEST_F(ImportResultsTest, OkRefusesTwoRowsEndingUnderOneName) {
  ImportDialog dialog(nullptr, CDlgImportResults::kServerMode);
  for (const char* name : {"Customer", "Order", "Invoice"}) dialog.AddRow(name);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    ChooseAction(r, dlg, 3, "Overwrite Server");
    TypeNewName(r, dlg, 1, "Party");
    TypeNewName(r, dlg, 2, "PARTY");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Business Object with Party name already exists") << "given to two rows";
    TypeNewName(r, dlg, 2, "invoice");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Business Object with invoice name already exists") << "another row's name";
    TypeNewName(r, dlg, 2, "Order");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Business Object with Order name already exists") << "its own name";
    TypeNewName(r, dlg, 2, "Purchase");
    r.click(dlg.child(IDOK));  // no business-object list counts as an empty one
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_arrEntities[0]->m_strNewName), "Party");
  EXPECT_EQ(std::string(dialog.m_arrEntities[1]->m_strNewName), "Purchase");
  EXPECT_EQ(dialog.m_arrEntities[2]->m_nAction, 2);
}

// --- Cancel ------------------------------------------------------------------------

TEST_F(ImportResultsTest, CancelFreesTheRowsAndInImportModeWithTheFlagTheirObjects) {
  struct Case {
    int mode;
    BOOL deleteObjects;
    int deleted;
  };
  for (const Case c : {Case{CDlgImportResults::kImportMode, TRUE, 2}, Case{CDlgImportResults::kImportMode, FALSE, 0},
                       Case{CDlgImportResults::kServerMode, TRUE, 0}}) {
    CountedObject::deletions = 0;
    auto* first = new CountedObject("Customer");
    auto* second = new CountedObject("Order");
    {
      ImportDialog dialog(nullptr, c.mode, c.deleteObjects);
      dialog.AddRow("Customer", kBusinessObject, first);
      dialog.AddRow("Order", kBusinessObject, second);
      robot.onDialog(kTitle, [](Robot& r, Window) { r.key(VK_ESCAPE); });
      EXPECT_EQ(dialog.DoModal(), IDCANCEL);
      EXPECT_EQ(dialog.m_arrEntities.GetSize(), 0) << "the rows are gone";
      EXPECT_EQ(CountedObject::deletions, c.deleted) << c.mode << " " << c.deleteObjects;
    }
    if (c.deleted == 0) {
      delete first;
      delete second;
    }
  }
}

// --- Find -----------------------------------------------------------------------------

TEST_F(ImportResultsTest, FindGoesDownFromRowOneAndUpFromTheLastRow) {
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  for (const char* name : {"Customer", "Order", "CustAddress", "Invoice", "custom"}) dialog.AddRow(name);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    Find(r, dlg, "cust");
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{1})) << "typing searches from row 1";
    dialog.m_wndGrid.ClearSelection();
    Press(r, dlg.child(IDC_RESULTS_FIND_DOWN));
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{1})) << "down with nothing selected includes row 1";
    Press(r, dlg.child(IDC_RESULTS_FIND_DOWN));
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{3}));
    Press(r, dlg.child(IDC_RESULTS_FIND_DOWN));
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{5}));
    Press(r, dlg.child(IDC_RESULTS_FIND_DOWN));
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{5})) << "no further match leaves the selection";
    Press(r, dlg.child(IDC_RESULTS_FIND_UP));
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{3}));
    dialog.m_wndGrid.ClearSelection();
    Press(r, dlg.child(IDC_RESULTS_FIND_UP));
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{5})) << "up with nothing selected starts at the last row";
    Find(r, dlg, "customer");
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{1}));
    Find(r, dlg, "customers");
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{1})) << "a longer text than the name matches nothing";
    Find(r, dlg, "inv");
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{4}));
    Find(r, dlg, "");
    EXPECT_EQ(dialog.Selected(), (std::vector<ROWCOL>{1})) << "the empty text matches row 1";
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// --- Layout ------------------------------------------------------------------------

// Sends the dialog a size before its controls are attached, as the window
// system does while it builds the dialog.
class EarlySizedDialog : public ImportDialog {
 public:
  using ImportDialog::ImportDialog;
  CRect cancelBefore;
  CRect cancelAfterSize;

 protected:
  BOOL OnInitDialog() override {
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    pCancel->GetWindowRect(&cancelBefore);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(900, 700));
    pCancel->GetWindowRect(&cancelAfterSize);
    return ImportDialog::OnInitDialog();
  }
};

CRect ClientPlace(Window dlg, Window control) {
  RECT rect = control.rect();
  ::MapWindowPoints(nullptr, dlg.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  return CRect(rect);
}

TEST_F(ImportResultsTest, TheGridAndTheButtonsFollowTheDialogsSize) {
  EarlySizedDialog dialog(nullptr, CDlgImportResults::kImportMode);
  dialog.AddRow("Customer");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(dialog.cancelAfterSize, dialog.cancelBefore) << "a size before the controls exist moves nothing";
    for (const CSize size : {CSize(760, 420), CSize(640, 380)}) {
      ::SetWindowPos(dlg.hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
      r.pumpUntilIdle();
      RECT client{};
      ::GetClientRect(dlg.hwnd(), &client);
      const CRect grid = ClientPlace(dlg, Grid(dlg));
      EXPECT_EQ(grid.right, client.right - 50);
      EXPECT_EQ(grid.bottom, client.bottom - 50);
      const CRect cancel = ClientPlace(dlg, dlg.child(IDCANCEL));
      EXPECT_EQ(cancel.right, client.right - 10);
      EXPECT_EQ(cancel.bottom, client.bottom - 10);
      const CRect ok = ClientPlace(dlg, dlg.child(IDOK));
      EXPECT_EQ(ok.right, cancel.left - 10);
      EXPECT_EQ(ok.bottom, client.bottom - 10);
      EXPECT_EQ(ok.Size(), cancel.Size());
    }
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// --- Resources ----------------------------------------------------------------------

TEST_F(ImportResultsTest, TheLibrarysTemplateWinsOverTheHostsOfTheSameId) {
  ASSERT_NE(::FindResource(Host(), MAKEINTRESOURCE(IDD_IMPORT_RESULTS), RT_DIALOG), nullptr);
  ImportDialog dialog(nullptr, CDlgImportResults::kImportMode);
  dialog.AddRow("Customer");
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(Grid(dlg).className(), "GXWND");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please Enter Valid Name at row 1");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

}  // namespace
