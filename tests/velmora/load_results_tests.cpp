// The load-results dialog: the candidates of each name and the one a row
// starts on, OK's choice (a row without candidates keeps its value),
// Cancel, find, and the library's resources.
#include <memory>
#include <string>
#include <vector>

#include "DlgLoadResults.h"
#include "host_fixture.h"
#include "resource.h"
#include "robot_grid.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr const char* kTitle = "Load Results";

class LoadDialog : public CDlgLoadResults {
 public:
  using CDlgLoadResults::CDlgLoadResults;
  using CDlgLoadResults::m_wndGrid;
  std::string Cell(ROWCOL nRow, ROWCOL nCol) { return std::string(m_wndGrid.GetValueRowCol(nRow, nCol)); }
};

// The caller's rows: the dialog never frees them.
struct Rows {
  std::vector<std::unique_ptr<SetEntity>> rows;

  SetEntity& Add(const char* name, const char* value, std::vector<const char*> candidates) {
    rows.push_back(std::make_unique<SetEntity>(name, value));
    for (const char* candidate : candidates) rows.back()->m_arrValues.Add(candidate);
    return *rows.back();
  }
  void HandTo(CDlgLoadResults& dialog) {
    for (auto& row : rows) dialog.m_arrEntities.Add(row.get());
  }
};

class LoadResultsTest : public HostTest {
 protected:
  static Window Grid(Window dlg) { return dlg.child(IDC_RESULTS_GRID); }
};

TEST_F(LoadResultsTest, EachRowOffersItsCandidatesAndStartsOnTheLastOneEqualToItsValue) {
  Rows rows;
  rows.Add("Customer", "msg-2", {"MSG-1", "msg-2", "MSG-2"});
  rows.Add("Order", "ORD-9", {"ORD-1", "ORD-2"});
  rows.Add("Invoice", "INV-1", {"INV-1", "INV-7"});
  LoadDialog dialog(nullptr);
  rows.HandTo(dialog);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_RESULTS_HEADER).text(),
              "The Load Process found the following duplicate message set IDs.\n Please Resolve the Duplication.");
    EXPECT_EQ(r.focused(), dlg.child(IDC_RESULTS_FIND));
    CGridLoadResults& grid = dialog.m_wndGrid;
    EXPECT_EQ(grid.GetColCount(), 2u);
    EXPECT_EQ(dialog.Cell(0, 1), "Business Object Name");
    EXPECT_EQ(grid.GetColWidth(1), 200);
    EXPECT_EQ(dialog.Cell(0, 2), "Message Set ID");
    EXPECT_EQ(grid.GetColWidth(2), 150);
    EXPECT_EQ(dialog.Cell(1, 1), "Customer");
    EXPECT_FALSE(grid.IsCellEditable(1, 1));
    EXPECT_EQ(grid.LookupStyleRowCol(1, 1).GetInterior(), RGB(200, 200, 200));
    EXPECT_EQ(std::string(grid.LookupStyleRowCol(1, 2).GetChoiceList()), "MSG-1\nmsg-2\nMSG-2\n");
    EXPECT_EQ(dialog.Cell(1, 2), "2") << "the later of two equal candidates";
    EXPECT_EQ(std::string(grid.GetValueOfRowCol(1, 2)), "MSG-2");
    EXPECT_EQ(dialog.Cell(2, 2), "0") << "a value that is no candidate starts on the first";
    EXPECT_EQ(dialog.Cell(3, 2), "0");
    r.snapshot(dlg, "load_results");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(rows.rows[0]->m_strValue), "MSG-2");
  EXPECT_EQ(std::string(rows.rows[1]->m_strValue), "ORD-1");
  EXPECT_EQ(std::string(rows.rows[2]->m_strValue), "INV-1");
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(LoadResultsTest, OkTakesTheChosenCandidatesAndARowWithoutCandidatesKeepsItsValue) {
  Rows rows;
  rows.Add("Customer", "MSG-1", {"MSG-1", "MSG-2"});
  rows.Add("Order", "ORD-3", {});
  LoadDialog dialog(nullptr);
  rows.HandTo(dialog);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    halvane::test::ClickGridCell(r, Grid(dlg), 1, CGridLoadResults::kValueCol);
    const Window combo = Grid(dlg).childByClass("ComboBox");
    ASSERT_TRUE(combo.isVisible());
    r.choose(combo, "MSG-2");
    EXPECT_EQ(dialog.Cell(1, 2), "1");
    EXPECT_EQ(std::string(dialog.m_wndGrid.GetValueOfRowCol(2, 2)), "") << "no candidates, no text";
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(rows.rows[0]->m_strValue), "MSG-2");
  EXPECT_EQ(std::string(rows.rows[1]->m_strName), "Order");
  EXPECT_EQ(std::string(rows.rows[1]->m_strValue), "ORD-3");
}

TEST_F(LoadResultsTest, CancelLeavesTheRowsAsTheyWere) {
  Rows rows;
  rows.Add("Customer", "MSG-1", {"MSG-1", "MSG-2"});
  LoadDialog dialog(nullptr);
  rows.HandTo(dialog);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    halvane::test::ClickGridCell(r, Grid(dlg), 1, CGridLoadResults::kValueCol);
    r.choose(Grid(dlg).childByClass("ComboBox"), "MSG-2");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_arrEntities.GetSize(), 1);
  EXPECT_EQ(std::string(rows.rows[0]->m_strValue), "MSG-1");
}

TEST_F(LoadResultsTest, FindSearchesTheNamesAsInTheImportResults) {
  Rows rows;
  for (const char* name : {"Order", "Customer", "OrderLine"}) rows.Add(name, "", {"A"});
  LoadDialog dialog(nullptr);
  rows.HandTo(dialog);
  auto selected = [&dialog] {
    CRowColArray starts;
    CRowColArray ends;
    return dialog.m_wndGrid.GetSelectedRows(starts, ends, TRUE, FALSE) == 1 && starts[0] == ends[0] ? starts[0] : 0;
  };
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    ::SetWindowText(dlg.child(IDC_RESULTS_FIND).hwnd(), "ord");
    r.pumpUntilIdle();
    EXPECT_EQ(selected(), 1u);
    dialog.m_wndGrid.ClearSelection();
    r.advance(GetDoubleClickTime() + 1);
    r.click(dlg.child(IDC_RESULTS_FIND_DOWN));
    EXPECT_EQ(selected(), 1u);
    r.advance(GetDoubleClickTime() + 1);
    r.click(dlg.child(IDC_RESULTS_FIND_DOWN));
    EXPECT_EQ(selected(), 3u);
    r.advance(GetDoubleClickTime() + 1);
    r.click(dlg.child(IDC_RESULTS_FIND_UP));
    EXPECT_EQ(selected(), 1u);
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(LoadResultsTest, TheLibrarysTemplateWinsOverTheHostsOfTheSameId) {
  ASSERT_NE(::FindResource(Host(), MAKEINTRESOURCE(IDD_LOAD_RESULTS), RT_DIALOG), nullptr);
  LoadDialog dialog(nullptr);
  robot.onDialog(kTitle, [](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_RESULTS_GRID).className(), "GXWND");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

}  // namespace
