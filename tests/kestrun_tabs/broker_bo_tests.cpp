// The KBRX "Supported Business Objects" tab in a real connector window:
// names and message set identifiers typed into the grid and kept in the
// model's records at once, the limits, deleting rows, validation, the
// configuration-file line, and loading message-set files with the clashes
// settled in the load-results dialog.
#include <win32/commdlg.h>
#include <win32/winuser.h>

#include "SuppBOViewNVRT.h"
#include "resource.h"
#include "tabs_fixture.h"

namespace kestrun_tabs_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr int kBrokerTab = 2;
constexpr int kLoadGrid = 1003;

class BrokerBOTest : public TabsTest {
 protected:
  CSuppBOViewNVRT* OpenTab(std::unique_ptr<CConnector> connector) {
    CKestrunDoc* doc = Open(std::move(connector));
    if (doc == nullptr) return nullptr;
    ShowTab(doc, "Supported Business Objects");
    return Tab<CSuppBOViewNVRT>(doc, kBrokerTab);
  }
  std::string WriteSetFile(const std::string& name, const std::string& text) {
    WriteFile(name, text);
    return Path(name);
  }
  static std::vector<std::string> Records(const CConnector& connector) {
    std::vector<std::string> records;
    for (POSITION pos = connector.m_messageSets.GetHeadPosition(); pos != nullptr;) {
      const CMessageSetRecord* record = connector.m_messageSets.GetNext(pos);
      records.push_back(Text(record->m_strName) + "=" + Text(record->m_strId));
    }
    return records;
  }
  static void Load(CSuppBOViewNVRT& view, const std::vector<std::string>& paths) {
    CStringArray array;
    for (const std::string& path : paths) array.Add(path.c_str());
    view.LoadMessageSetFiles(array);
  }
};

std::unique_ptr<CConnector> WithSets(const char* name, const std::vector<std::pair<const char*, const char*>>& sets) {
  auto connector = NewModel(name, true);
  for (const auto& [bo, id] : sets) connector->AddMessageSetRecord(new CMessageSetRecord{bo, id, RECORD_NEW});
  return connector;
}

TEST_F(BrokerBOTest, TheRecordsComeSortedAndEveryEditGoesIntoThemAtOnce) {
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"Order", "MS-2"}, {"Customer", "MS-1"}}));
    ASSERT_NE(view, nullptr);
    CSuppBOGridNVRT& grid = view->BOGrid();
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"Customer|MS-1", "Order|MS-2", "|"}));
    EXPECT_EQ(Cell(grid, 0, 2), "Message Set ID");
    EXPECT_EQ(grid.GetColWidth(2), 200);

    TypeInto(grid, 1, 2, "MS-9");
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"Order=MS-2", "Customer=MS-9"}));
    EXPECT_TRUE(view->GetDocument()->IsModified());

    TypeInto(grid, 3, 2, "MS-3");
    EXPECT_EQ(grid.GetRowCount(), 3u) << "an identifier alone makes no record";
    TypeInto(grid, 3, 1, "Invoice");
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"Customer|MS-9", "Order|MS-2", "Invoice|MS-3", "|"}));
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"Order=MS-2", "Customer=MS-9", "Invoice=MS-3"}))
        << "the identifier typed first came along with the name";
  });
}

TEST_F(BrokerBOTest, ANamePastEightyCharactersBeepsAndKeepsItsFirstEighty) {
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"Order", "MS-2"}}));
    ASSERT_NE(view, nullptr);
    win32::GetRecordedBeeps();
    TypeInto(view->BOGrid(), 1, 1, std::string(81, 'n'));
    const auto beeps = win32::GetRecordedBeeps();
    ASSERT_EQ(beeps.size(), 1u);
    EXPECT_EQ(beeps[0].frequency, 600u);
    EXPECT_EQ(Cell(view->BOGrid(), 1, 1), std::string(80, 'n'));
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{std::string(80, 'n') + "=MS-2"}));
  });
}

TEST_F(BrokerBOTest, DeletingARowRemovesItsOwnRecord) {
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"A", "1"}, {"A", "2"}, {"B", "3"}}));
    ASSERT_NE(view, nullptr);
    CSuppBOGridNVRT& grid = view->BOGrid();
    ASSERT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"A|1", "A|2", "B|3", "|"}));
    SelectRows(grid, 2, 4);
    robot.key(VK_DELETE);
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"A|1", "|"}));
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"A=1"}));
    EXPECT_EQ(grid.GetRowRecord(1), view->GetConnector()->m_messageSets.GetHead());
  });
}

TEST_F(BrokerBOTest, ValidationReportsTheFirstEmptyOrRepeatedNameOrIdentifier) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> sets;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{{"A", "1"}, {"", "2"}}, "Supported Business Object (Row 2): business object name is empty."},
      {{{"A", "1"}, {"A", "2"}}, "Supported Business Object: duplicate business object name 'A'."},
      {{{"A", "1"}, {"B", ""}}, "Supported Business Object (Row 2): business object message ID is empty.."},
      {{{"A", "1"}, {"B", "1"}}, "Supported Business Object: duplicate business object message ID '1'."},
      {{{"A", "1"}, {"a", "2"}}, ""},
  };
  for (const Case& c : cases) {
    Run([&] {
      CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", c.sets));
      ASSERT_NE(view, nullptr);
      EXPECT_EQ(view->Validate(), c.line.empty());
      EXPECT_EQ(ResultLines(), c.line.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.line});
    });
  }
}

TEST_F(BrokerBOTest, TheConfigurationLineListsNamesWithTheirIdentifiers) {
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"A", "1"}, {"B", "2"}, {"C", ""}}));
    ASSERT_NE(view, nullptr);
    CString text;
    ASSERT_TRUE(view->AppendConfigText(text));
    EXPECT_EQ(Text(text), "SupportedBusinessObjects = A=1;B=2\r\n");
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Saving Supported Business Objects..."}));
  });
}

TEST_F(BrokerBOTest, LoadingAddsNewNamesAndLeavesTheSameIdentifiersAsTheyAre) {
  const std::string set = WriteSetFile("one.set", "A = 1\r\nB = 2\r\n");
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"A", "1"}}));
    ASSERT_NE(view, nullptr);
    robot.onDialog("Open Message Set ID File(s)", [&](Robot& r, Window dlg) {
      SetWindowText(dlg.child(edt1).hwnd(), set.c_str());
      r.click(dlg.child(IDOK));
    });
    robot.click(Window(view->GetDlgItem(IDC_SUPP_BO_NVRT_LOAD)->GetSafeHwnd()));
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"A=1", "B=2"}));
    EXPECT_EQ(Rows(view->BOGrid(), {1, 2}), (std::vector<std::string>{"A|1", "B|2", "|"}));
    EXPECT_TRUE(view->GetDocument()->IsModified());
  });
}

TEST_F(BrokerBOTest, ClashingIdentifiersOfTwoFilesAreSettledInOneRowOfTheLoadResults) {
  const std::string three = WriteSetFile("three.set", "A = 3\r\nC = 5\r\n");
  const std::string four = WriteSetFile("four.set", "A = 4\r\n");
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"A", "1"}}));
    ASSERT_NE(view, nullptr);
    std::vector<std::string> names, choices;
    robot.onDialog("Load Results", [&](Robot& r, Window dlg) {
      auto* grid = dynamic_cast<CGXGridWnd*>(CWnd::FromHandle(dlg.child(kLoadGrid).hwnd()));
      ASSERT_NE(grid, nullptr);
      for (ROWCOL row = 1; row <= grid->GetRowCount(); ++row) {
        names.push_back(Text(grid->GetValueRowCol(row, 1)));
        choices.push_back(Text(grid->LookupStyleRowCol(row, 2).GetChoiceList()));
      }
      r.snapshot(dlg, "load_results");
      halvane::test::ClickGridCell(r, dlg.child(kLoadGrid), 1, 2);
      Window combo = dlg.child(kLoadGrid).childByClass("ComboBox");
      r.choose(combo, "4");
      r.click(dlg.child(IDOK));
    });
    Load(*view, {three, four});
    EXPECT_EQ(names, (std::vector<std::string>{"A"}));
    EXPECT_EQ(choices, (std::vector<std::string>{"1\n3\n4\n"}));
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"A=4", "C=5"}));
    EXPECT_EQ(Rows(view->BOGrid(), {1, 2}), (std::vector<std::string>{"A|4", "C|5", "|"}));
  });
}

TEST_F(BrokerBOTest, CancelKeepsTheKnownIdentifiersAndTheEntriesWithoutClash) {
  const std::string three = WriteSetFile("three.set", "A = 3\r\nC = 5\r\n");
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {{"A", "1"}}));
    ASSERT_NE(view, nullptr);
    robot.onDialog("Load Results", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    Load(*view, {three});
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"A=1", "C=5"}));
  });
}

TEST_F(BrokerBOTest, AFileThatIsNoSetFileOrHoldsABadNameIsReportedAndTheOthersLoad) {
  const std::string good = WriteSetFile("good.set", "B = 2\r\n");
  const std::string text = WriteSetFile("notes.txt", "C = 3\r\n");
  const std::string bad = WriteSetFile("bad.set", "D = 4\r\nnot a name = 5\r\n");
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {}));
    ASSERT_NE(view, nullptr);
    AnswerMessages();
    Load(*view, {good, text, bad});
    EXPECT_EQ(messages, (std::vector<std::string>{"Could not load Message Set ID '" + text + "' file",
                                                  "Could not load Message Set ID '" + bad + "' file"}));
    EXPECT_EQ(Records(*view->GetConnector()), (std::vector<std::string>{"B=2", "D=4"}))
        << "the good lines of a file that failed later stay";
  });
}

TEST_F(BrokerBOTest, WhenNoFileLoadsNothingChanges) {
  const std::string bad = WriteSetFile("bad.set", "D = 4\r\nnot a name = 5\r\n");
  Run([&] {
    CSuppBOViewNVRT* view = OpenTab(WithSets("Beta", {}));
    ASSERT_NE(view, nullptr);
    AnswerMessages();
    Load(*view, {bad});
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Records(*view->GetConnector()).empty());
    EXPECT_FALSE(view->GetDocument()->IsModified());
  });
}

TEST_F(BrokerBOTest, Snapshot) {
  Run([&] {
    OpenTab(WithSets("Beta", {{"Customer", "MS-1"}, {"Order", "MS-2"}}));
    robot.snapshot(Window(Frame().GetSafeHwnd()), "broker_business_objects");
  });
}

}  // namespace
}  // namespace kestrun_tabs_test
