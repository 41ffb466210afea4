// The "Resources" tab of a QVS connector's window: the grid filled from the
// model, the rules that keep the numbers consistent while typed, the checks
// before a save, the "Resource = " line and the numbers applied to the
// server's connector.
#include <gtest/gtest.h>

#include "DataManager.h"
#include "ResPropView.h"
#include "clipboard_text.h"
#include "forms_fixture.h"
#include "robot_grid.h"

namespace {

using halvane::test::ClickGridCell;
using halvane::test::Window;
using kestrun_app_test::Text;
using kforms_test::FormsTest;
using Lines = std::vector<std::string>;

constexpr const char* kTab = "Resources";

std::string ConfigWithResource(const std::string& resource) {
  return "[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\nINSTALLID=key\r\n\r\n"
         "[ConnectorAgent Orders]\r\nApplicationName = Orders\r\nResource = " +
         resource + "\r\n";
}

// The degree, then minimum and maximum of each pool, as the model holds them.
std::vector<int> Numbers(const CConnector& c) {
  return {c.m_nParallelDegree, c.m_pools[0].m_nMinAlloc, c.m_pools[0].m_nMaxAlloc, c.m_pools[1].m_nMinAlloc,
          c.m_pools[1].m_nMaxAlloc};
}

class ResourcesTest : public FormsTest {
 protected:
  CResPropView* Show(CKestrunDoc* opened) {
    doc = opened;
    if (doc == nullptr) return nullptr;
    ShowTab(doc, kTab);
    view = Tab<CResPropView>(doc, kTab);
    return view;
  }
  CResPropView* Open(const std::string& resource) { return Show(OpenConfig(ConfigWithResource(resource))); }
  Window GridWindow() const { return Window(view->Grid().GetSafeHwnd()); }
  std::string Cell(ROWCOL row, ROWCOL col) const { return Text(view->Grid().GetValueRowCol(row, col)); }
  // The value column, rows 1, 3, 4, 6, 7.
  std::vector<std::string> Values() const { return {Cell(1, 2), Cell(3, 2), Cell(4, 2), Cell(6, 2), Cell(7, 2)}; }
  std::vector<std::string> Percentages() const { return {Cell(3, 3), Cell(4, 3), Cell(6, 3), Cell(7, 3)}; }
  // Makes the cell current with a click of its own (not the second half of
  // a double click).
  void ClickCell(ROWCOL row, ROWCOL col) {
    robot.advance(::GetDoubleClickTime() + 1);
    ClickGridCell(robot, GridWindow(), row, col);
  }
  // Types into the cell (its text replaced) and stores it with Enter.
  void TypeIntoCell(ROWCOL row, ROWCOL col, const std::string& text) {
    ClickCell(row, col);
    if (view->Grid().IsActiveCurrentCell()) ::SendMessage(::GetFocus(), EM_SETSEL, 0, -1);
    robot.key(VK_DELETE);
    robot.type(text);
    robot.key(VK_RETURN);
  }
  std::vector<int> Model() const { return Numbers(*doc->GetConnector()); }
  std::string ResourceLine() {
    const std::string saved = SavedConfig(doc);
    const size_t at = saved.find("Resource = ");
    return at == std::string::npos ? "<none>" : saved.substr(at, saved.find("\r\n", at) - at);
  }

  CKestrunDoc* doc = nullptr;
  CResPropView* view = nullptr;
};

TEST_F(ResourcesTest, TheGridShowsTheFilesRecordAndWritesItBack) {
  Run([&] {
    ASSERT_NE(Open("ParallelProcessDegree=3;CTR=1,2;ETR=1,1"), nullptr);
    EXPECT_EQ(Cell(0, 1), "Resource");
    EXPECT_EQ(Cell(0, 2), "Values");
    EXPECT_EQ(Cell(0, 3), "Percentage");
    EXPECT_EQ(Cell(1, 1), "Parallel Process Degree");
    EXPECT_EQ(Cell(2, 1), "    Call Triggered Requests");
    EXPECT_EQ(Cell(3, 1), "        Minimum Allocation");
    EXPECT_EQ(Cell(4, 1), "        Maximum Allocation");
    EXPECT_EQ(Cell(5, 1), "    Event Triggered Requests");
    EXPECT_EQ(Values(), (Lines{"3", "1", "2", "1", "1"}));
    EXPECT_EQ(Percentages(), (Lines{"33", "66", "33", "33"}));
    EXPECT_EQ(view->Grid().GetColWidth(0), 0);
    EXPECT_EQ(view->Grid().GetColWidth(1), 180);
    EXPECT_EQ(view->Grid().GetColWidth(2), 80);
    EXPECT_EQ(view->Grid().GetColWidth(3), 80);
    for (auto [row, col] : {std::pair<ROWCOL, ROWCOL>{1, 3}, {2, 2}, {2, 3}, {5, 2}, {5, 3}}) {
      const CGXStyle style = view->Grid().LookupStyleRowCol(row, col);
      EXPECT_EQ(style.GetInterior(), RGB(128, 128, 128)) << row << "," << col;
      EXPECT_TRUE(style.GetReadOnly()) << row << "," << col;
    }
    EXPECT_TRUE(view->Grid().LookupStyleRowCol(2, 1).GetReadOnly());
    EXPECT_FALSE(view->Grid().LookupStyleRowCol(4, 3).GetReadOnly());
    EXPECT_TRUE(view->Validate());
    EXPECT_EQ(ResourceLine(), "Resource = ParallelProcessDegree=3;CTR=1,2;ETR=1,1");
    const Lines lines = ResultLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Saving Resource..."), lines.end());
  });
}

TEST_F(ResourcesTest, ADegreeSplitsItselfBetweenThePools) {
  Run([&] {
    ASSERT_NE(Show(OpenNew("Orders", CONNECTOR_QVS)), nullptr);
    EXPECT_EQ(Values(), (Lines{"1", "0", "0", "0", "0"}));
    TypeIntoCell(1, 2, "10");
    EXPECT_EQ(Values(), (Lines{"10", "1", "7", "1", "3"}));
    EXPECT_EQ(Percentages(), (Lines{"10", "70", "10", "30"}));
    EXPECT_EQ(Model(), (std::vector<int>{10, 1, 7, 1, 3}));
    EXPECT_EQ(Text(doc->GetTitle()).back(), '*');
    EXPECT_TRUE(view->Validate());
    TypeIntoCell(1, 2, "1");
    EXPECT_EQ(Values(), (Lines{"1", "0", "0", "0", "0"}));
    EXPECT_TRUE(view->Validate());
    TypeIntoCell(1, 2, "0");
    EXPECT_EQ(Cell(1, 2), "1") << "a degree of 0 becomes 1";
  });
}

TEST_F(ResourcesTest, TheModelFollowsEveryKeystrokeAndOnlyDigitsGetThrough) {
  Run([&] {
    ASSERT_NE(Open("ParallelProcessDegree=4;CTR=1,3;ETR=1,1"), nullptr);
    TakeBeeps();
    ClickCell(3, 2);
    robot.key(VK_DELETE);
    robot.type("a");
    EXPECT_EQ(TakeBeeps(), (std::vector<std::pair<DWORD, DWORD>>{{600, 40}}));
    robot.type("2");
    EXPECT_EQ(Model()[1], 2) << "before the cell is left";
    robot.key(VK_RETURN);
    EXPECT_EQ(Cell(3, 2), "2");
    // Paste goes by the same rules.
    ClickCell(6, 2);
    halvane::test::SetClipboardText("x1y");
    robot.keys({VK_CONTROL, 'V'});
    EXPECT_EQ(TakeBeeps().size(), 2u);
    EXPECT_EQ(Cell(6, 2), "1");
    // An emptied cell shows the model's number again once it is left.
    ClickCell(7, 2);
    robot.key(VK_DELETE);
    robot.type("q");
    robot.key(VK_RETURN);
    EXPECT_EQ(Cell(7, 2), "1");
    EXPECT_EQ(Model(), (std::vector<int>{4, 2, 3, 1, 1}));
    // No number typed outlives the record's range.
    TypeIntoCell(3, 2, "123456789012");
    EXPECT_EQ(Cell(3, 2), "123456789");
  });
}

TEST_F(ResourcesTest, AMaximumMakesTheDegreeTheSumOfTheMaximums) {
  Run([&] {
    ASSERT_NE(Open("ParallelProcessDegree=1;CTR=0,0;ETR=0,0"), nullptr);
    TypeIntoCell(4, 2, "4");
    EXPECT_EQ(Model(), (std::vector<int>{5, 0, 4, 0, 1})) << "an empty pool gets 1";
    TypeIntoCell(7, 2, "6");
    EXPECT_EQ(Model(), (std::vector<int>{10, 0, 4, 0, 6}));
    EXPECT_EQ(Percentages(), (Lines{"0", "40", "0", "60"}));
    TypeIntoCell(7, 2, "0");
    EXPECT_EQ(Model(), (std::vector<int>{1, 0, 0, 0, 0}));
    TypeIntoCell(6, 2, "2");
    EXPECT_EQ(Model(), (std::vector<int>{1, 0, 0, 2, 0})) << "a minimum touches only itself";
  });
}

TEST_F(ResourcesTest, APercentageTakesItsShareOfTheDegreeOnceStored) {
  Run([&] {
    ASSERT_NE(Open("ParallelProcessDegree=10;CTR=1,7;ETR=1,3"), nullptr);
    ClickCell(4, 3);
    robot.key(VK_DELETE);
    robot.type("5");
    EXPECT_EQ(Model(), (std::vector<int>{10, 1, 7, 1, 3})) << "nothing changes while it is typed";
    robot.type("0");
    robot.key(VK_RETURN);
    EXPECT_EQ(Model(), (std::vector<int>{10, 1, 5, 1, 5}));
    EXPECT_EQ(Percentages(), (Lines{"10", "50", "10", "50"}));
    TypeIntoCell(6, 3, "250");
    EXPECT_EQ(Model(), (std::vector<int>{10, 1, 5, 10, 5})) << "a share is at most the whole";
    EXPECT_EQ(Cell(6, 3), "100");
  });
}

TEST_F(ResourcesTest, ADegreeFromAFileBelowOneShowsNoPercentages) {
  Run([&] {
    ASSERT_NE(Open("ParallelProcessDegree=-1;CTR=-1,-1;ETR=-1,-1"), nullptr);
    EXPECT_EQ(Values(), (Lines{"-1", "-1", "-1", "-1", "-1"}));
    EXPECT_EQ(Percentages(), (Lines{"", "", "", ""}));
    EXPECT_TRUE(view->Validate());
    EXPECT_EQ(ResourceLine(), "Resource = ParallelProcessDegree=-1;CTR=-1,-1;ETR=-1,-1");
  });
}

// Each broken rule, as a file brings it, and the message it shows.
struct BrokenRule {
  const char* resource;
  const char* message;
};

class ResourceRulesTest : public ResourcesTest, public ::testing::WithParamInterface<BrokenRule> {};

TEST_P(ResourceRulesTest, TheFirstBrokenRuleIsShownAndStopsTheSave) {
  AnswerMessages();
  Run([&] {
    ASSERT_NE(Open(GetParam().resource), nullptr);
    EXPECT_FALSE(view->Validate());
    EXPECT_EQ(messages, (Lines{GetParam().message}));
    messages.clear();
    EXPECT_FALSE(doc->ValidateAll());
    EXPECT_EQ(messages, (Lines{GetParam().message}));
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ResourceRulesTest,
    ::testing::Values(
        BrokenRule{"ParallelProcessDegree=1;CTR=0,1;ETR=0,0",
                   "Resource allocation cannot be more than zero, if Parallel Process Degree equal to 1"},
        BrokenRule{"ParallelProcessDegree=100;CTR=1,50;ETR=1,50", "Maximum Parallel Process Degree cannot exceed 99"},
        BrokenRule{"ParallelProcessDegree=3;CTR=1,3;ETR=0,0",
                   "Maximum resource allocation cannot be zero, if Parallel Process Degree equal more than 1"},
        BrokenRule{"ParallelProcessDegree=5;CTR=1,3;ETR=1,3",
                   "Total maximum allocations must be equal to Parallel Process Degree"},
        BrokenRule{"ParallelProcessDegree=5;CTR=4,3;ETR=0,2", "Minimum allocation cannot exceed maximum allocation"}));

TEST_F(ResourcesTest, ABrokerWindowHasNoResourcesAndWritesNoResourceLine) {
  Run([&] {
    CKestrunDoc* kbrx = OpenNew("Feed", CONNECTOR_KBRX);
    ASSERT_NE(kbrx, nullptr);
    EXPECT_EQ(Tab<CResPropView>(kbrx, kTab), nullptr);
    doc = kbrx;
    EXPECT_EQ(ResourceLine(), "<none>");
  });
}

TEST_F(ResourcesTest, SavingToTheServerAppliesTheNumbersToItsConnector) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    ASSERT_NE(Show(OpenNew("Orders", CONNECTOR_QVS)), nullptr);
    TypeIntoCell(1, 2, "6");
    TypeIntoCell(3, 2, "2");
    ASSERT_TRUE(doc->SaveToServer()) << ::testing::PrintToString(ResultLines());
  });
  CDataManager* manager = CDataManager::InitInstance();
  ASSERT_TRUE(manager->LogToServer(kestrun_app_test::kServer, kestrun_app_test::kUser, kestrun_app_test::kPassword));
  CQRConnector* server = manager->GetConnector("Orders");
  ASSERT_NE(server, nullptr);
  ASSERT_NE(server->GetResTable(), nullptr);
  EXPECT_EQ(server->getResValue(0), 6);
  EXPECT_EQ(server->getMinAllocValue(0, 0), 2);
  EXPECT_EQ(server->getMaxAllocValue(0, 0), 4);
  EXPECT_EQ(server->getMinAllocValue(0, 1), 1);
  EXPECT_EQ(server->getMaxAllocValue(0, 1), 2);
  EXPECT_EQ(Text(server->getResClass(0, 0)), "Call Triggered Requests");
  EXPECT_EQ(Text(server->getResClass(0, 1)), "Event Triggered Requests");
}

TEST_F(ResourcesTest, Snapshot) {
  Run([&] {
    ASSERT_NE(Open("ParallelProcessDegree=10;CTR=1,7;ETR=1,3"), nullptr);
    robot.snapshot(FrameWindow(), "resources");
  });
}

}  // namespace
