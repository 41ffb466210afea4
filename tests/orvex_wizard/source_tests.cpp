// The source step and the review step: the agent's tree with its generable
// nodes, levels fetched when opened, the context menu's filters, searches
// and associated files, the typed object path, and the review of the
// chosen nodes with the names to generate.
#include "DlgStep3.h"
#include "DlgStep4.h"
#include "generate_fixture.h"
#include "wizard_resource.h"

namespace generatetest {
namespace {

using dravon::test::ScriptedCallsOf;
using halvane::test::Robot;
using halvane::test::Window;
using ::testing::ElementsAre;

class SourceTest : public GenerateTest {
 protected:
  // The standard agent with deeper levels, a files node and an empty one.
  static dravon::test::ScriptedAgent TreeAgent(bool withSearch = true) {
    dravon::test::ScriptedAgent agent = StandardAgent();
    agent.tree[""].push_back({"Attachments", "Documents of the ledgers", false, true, TREENODE_FILES});
    agent.tree[""].push_back({"Archive", "Closed years", false, true});
    agent.tree["Sales"][0].hasChildren = true;
    agent.tree["Sales:Orders"] = {{"Lines", "Order lines", true, false}, {"Headers", "Order headers", true, false}};
    agent.tree["Attachments"] = {};
    agent.tree["Archive"] = {};
    if (!withSearch) agent.metadata.SetSearch(false, "");
    return agent;
  }
  int TreeCalls(const std::string& path) {
    const auto calls = ScriptedCallsOf(kAgent).calls;
    return static_cast<int>(std::count(calls.begin(), calls.end(), "GetBOTree " + path));
  }
  // Opens the node with its expand button.
  void OpenNode(const std::vector<std::string>& path) {
    HTREEITEM hItem = Item(SourceTree(), path);
    ASSERT_NE(hItem, nullptr);
    CRect rc;
    ASSERT_TRUE(SourceTree().GetItemRect(hItem, rc, TRUE));
    robot.click(Window(SourceTree().m_hWnd), POINT{rc.left - SourceTree().GetIndent() / 2 - 1, rc.CenterPoint().y});
  }
  // Answers the filter dialog with the filter.
  void AnswerFilter(const std::string& filter, std::vector<std::string>* offered = nullptr) {
    robot.onDialog("Apply filter to node", [filter, offered](Robot& r, Window dlg) {
      const Window combo = dlg.child(IDC_FILTER_NAME);
      if (offered != nullptr) *offered = combo.listItems();
      ::SetWindowText(combo.hwnd(), filter.c_str());
      r.click(dlg.child(IDOK));
    });
  }
  std::string Mark(const std::vector<std::string>& path) {
    HTREEITEM hItem = Item(SourceTree(), path);
    if (!SourceTree().IsItemMarked(hItem)) return "unmarked";
    return SourceTree().IsItemMatch(hItem) ? "match" : "apart";
  }
  CString Filter(const std::vector<std::string>& path) {
    return SourceTree().GetNode(Item(SourceTree(), path))->m_strFilter;
  }
  void UseObject(const std::string& path) {
    robot.onDialog("Object Path", [path](Robot& r, Window dlg) {
      ::SetWindowText(dlg.child(IDC_OBJECT_PATH).hwnd(), path.c_str());
      r.click(dlg.child(IDOK));
    });
    robot.click(Page().child(IDC_USE_OBJECT));
  }
};

TEST_F(SourceTest, TheTopLevelShowsGenerableNodesInBold) {
  Offer(TreeAgent());
  Run(false, [&] {
    OpenAt(2);
    EXPECT_EQ(Title(), "Business Object Wizard - Step 3 of 6 - Select Source");
    EXPECT_THAT(Children(SourceTree(), {}), ElementsAre("Sales", "Customers", "Attachments", "Archive"));
    EXPECT_TRUE(SourceTree().IsItemBold(Item(SourceTree(), {"Customers"})));
    EXPECT_FALSE(SourceTree().IsItemBold(Item(SourceTree(), {"Sales"})));
    EXPECT_EQ(SourceTree().GetItemText(Item(SourceTree(), {"Sales"}), 1), "The sales ledgers");
    EXPECT_EQ(SourceTree().GetColumnHeading(0), "Name");
    EXPECT_EQ(SourceTree().GetColumnHeading(1), "Description");
    EXPECT_EQ(TreeCalls(""), 1);
    OpenNode({"Sales"});
    EXPECT_THAT(Children(SourceTree(), {"Sales"}), ElementsAre("Orders", "Invoices", "Notes"))
        << "opening a node fetches its level";
    EXPECT_EQ(TreeCalls("Sales"), 1);
    ClickItem(SourceTree(), {"Sales", "Invoices"});
    robot.snapshot(Sheet(), "step3");
    Next();
    Back();
    EXPECT_EQ(TreeCalls(""), 1) << "coming back keeps the tree";
    EXPECT_THAT(Children(SourceTree(), {"Sales"}), ElementsAre("Orders", "Invoices", "Notes"));
  });
}

TEST_F(SourceTest, NextNeedsGenerableNodes) {
  Offer(TreeAgent());
  Run(false, [&] {
    OpenAt(2);
    std::string text;
    auto box = AnswerBox("ZTA Wizard", IDOK, &text).times(2);
    Next();
    EXPECT_EQ(text,
              "You can select only generable objects. Generable objects are marked in bold. Review your selection "
              "and try again.");
    EXPECT_EQ(robot.focused(), Window(SourceTree().m_hWnd));
    ClickItem(SourceTree(), {"Customers"});
    ClickItem(SourceTree(), {"Sales"}, {VK_CONTROL});
    Next();
    EXPECT_EQ(box.calls(), 2) << "a node that is not bold among the chosen";
    EXPECT_EQ(Step(), 2);
    ClickItem(SourceTree(), {"Customers"});
    Next();
    EXPECT_EQ(Step(), 3);
    EXPECT_THAT(Wizard()->GetSourceStep()->GetChosenPaths(), ElementsAre("Customers"));
  });
}

TEST_F(SourceTest, TheContextMenuOffersWhatTheNodeAllows) {
  Offer(TreeAgent());
  Run(false, [&] {
    OpenAt(2);
    std::vector<std::string> items;
    ContextMenu(SourceTree(), {"Customers"}, {}, &items);
    EXPECT_THAT(items, ElementsAre("Retrieve &all items (grey)", "Apply &filter... (grey)",
                                   "Apply &parent's filter (grey)", "&Search for items... (grey)"))
        << "a node without children";
    items.clear();
    ContextMenu(SourceTree(), {"Sales"}, {}, &items);
    EXPECT_THAT(items, ElementsAre("Retrieve &all items", "Apply &filter...", "Apply &parent's filter (grey)",
                                   "&Search for items..."))
        << "a node of the top level has no parent";
    items.clear();
    OpenNode({"Sales"});
    ContextMenu(SourceTree(), {"Sales", "Orders"}, {}, &items);
    EXPECT_THAT(items, ElementsAre("Retrieve &all items", "Apply &filter...", "Apply &parent's filter",
                                   "&Search for items..."));
    items.clear();
    ContextMenu(SourceTree(), {"Attachments"}, {}, &items);
    EXPECT_THAT(items, ElementsAre("Retrieve &all items", "Apply &filter...", "Apply &parent's filter (grey)",
                                   "&Search for items...", "-", "A&ssociate files"));
  });
  Offer(TreeAgent(false));
  Run(false, [&] {
    OpenAt(2);
    std::vector<std::string> items;
    ContextMenu(SourceTree(), {"Sales"}, {}, &items);
    EXPECT_THAT(items, ElementsAre("Retrieve &all items", "Apply &filter...", "Apply &parent's filter (grey)",
                                   "&Search for items... (grey)"))
        << "an agent that does not search";
  });
}

TEST_F(SourceTest, AFilterSetsApartTheChildrenThatDoNotMatch) {
  Offer(TreeAgent());
  Run(false, [&] {
    OpenAt(2);
    AnswerFilter("o*");
    ContextMenu(SourceTree(), {"Sales"}, {"Apply &filter..."});
    EXPECT_EQ(TreeCalls("Sales"), 1) << "a node not fetched yet is fetched for the filter";
    EXPECT_EQ(Mark({"Sales", "Orders"}), "match") << "letters of any case";
    EXPECT_EQ(Mark({"Sales", "Invoices"}), "apart");
    EXPECT_EQ(Mark({"Sales", "Notes"}), "apart");
    EXPECT_EQ(Filter({"Sales"}), "o*");
    robot.snapshot(Sheet(), "step3_filtered");
    // The filter again changes nothing; another one is matched here, without
    // the agent.
    std::vector<std::string> offered;
    AnswerFilter("o*", &offered);
    ContextMenu(SourceTree(), {"Sales"}, {"Apply &filter..."});
    EXPECT_THAT(offered, ElementsAre("o*")) << "the filters used before";
    AnswerFilter("*i*");
    ContextMenu(SourceTree(), {"Sales"}, {"Apply &filter..."});
    EXPECT_EQ(TreeCalls("Sales"), 1);
    EXPECT_EQ(Mark({"Sales", "Invoices"}), "match");
    EXPECT_EQ(Mark({"Sales", "Orders"}), "apart");
    // Every name matches the default filter: nothing is set apart.
    AnswerFilter("*");
    ContextMenu(SourceTree(), {"Sales"}, {"Apply &filter..."});
    EXPECT_EQ(Mark({"Sales", "Orders"}), "unmarked");
  });
}

TEST_F(SourceTest, TheParentsFilterAndRetrievingAllItems) {
  Offer(TreeAgent());
  Run(false, [&] {
    OpenAt(2);
    OpenNode({"Sales"});
    AnswerFilter("H*");
    ContextMenu(SourceTree(), {"Sales", "Orders"}, {"Apply &filter..."});
    EXPECT_EQ(Filter({"Sales", "Orders"}), "H*");
    ContextMenu(SourceTree(), {"Sales", "Orders"}, {"Apply &parent's filter"});
    EXPECT_EQ(Filter({"Sales", "Orders"}), "*") << "the parent keeps the default filter";
    EXPECT_EQ(Mark({"Sales", "Orders", "Headers"}), "unmarked");
    AnswerFilter("L*");
    ContextMenu(SourceTree(), {"Sales"}, {"Apply &filter..."});
    ContextMenu(SourceTree(), {"Sales", "Orders"}, {"Apply &parent's filter"});
    EXPECT_EQ(Filter({"Sales", "Orders"}), "L*");
    EXPECT_EQ(Mark({"Sales", "Orders", "Lines"}), "match");
    EXPECT_EQ(Mark({"Sales", "Orders", "Headers"}), "apart");
    const int before = TreeCalls("Sales");
    ContextMenu(SourceTree(), {"Sales"}, {"Retrieve &all items"});
    EXPECT_EQ(TreeCalls("Sales"), before + 1) << "fetched again";
    EXPECT_EQ(Filter({"Sales"}), "*");
    EXPECT_THAT(Children(SourceTree(), {"Sales"}), ElementsAre("Orders", "Invoices", "Notes"));
    EXPECT_EQ(Mark({"Sales", "Notes"}), "unmarked");
  });
}

TEST_F(SourceTest, ASearchAsksTheAgentWithThePatternAndANodeWithoutChildrenStaysEmpty) {
  Offer(TreeAgent());
  Run(false, [&] {
    OpenAt(2);
    std::string hint;
    robot.onDialog("ZTA Wizard - Enter a Search Pattern", [&](Robot& r, Window dlg) {
      hint = dlg.child(IDC_SEARCH_HINT).text();
      r.click(dlg.child(IDC_SEARCH_PATTERN));
      r.type("voi");
      r.snapshot(dlg, "search_pattern");
      r.click(dlg.child(IDOK));
    });
    ContextMenu(SourceTree(), {"Sales"}, {"&Search for items..."});
    EXPECT_EQ(hint, "A name or part of one");
    EXPECT_THAT(Children(SourceTree(), {"Sales"}), ElementsAre("Invoices"));
    std::string pattern;
    robot.onDialog("ZTA Wizard - Enter a Search Pattern", [&](Robot& r, Window dlg) {
      pattern = dlg.child(IDC_SEARCH_PATTERN).text();
      r.click(dlg.child(IDCANCEL));
    });
    ContextMenu(SourceTree(), {"Sales"}, {"&Search for items..."});
    EXPECT_EQ(pattern, "voi") << "the node's last pattern";
    ContextMenu(SourceTree(), {"Archive"}, {"Retrieve &all items"});
    EXPECT_EQ(TreeCalls("Archive"), 1);
    EXPECT_TRUE(Children(SourceTree(), {"Archive"}).empty());
  });
}

TEST_F(SourceTest, FilesAreAssociatedWithANodeAndRemovedAgain) {
  Offer(TreeAgent());
  halvane::test::TempFolder files("generate-files");
  files.file("orders.csv");
  files.file("invoices.csv");
  Run(false, [&] {
    OpenAt(2);
    robot.onDialog("Open", [&](Robot& r, Window dlg) {
      ::SetWindowText(dlg.child(0x0480).hwnd(), files.path().c_str());
      r.click(dlg.child(IDOK));
      ::SetWindowText(dlg.child(0x0480).hwnd(), "\"orders.csv\" \"invoices.csv\"");
      r.click(dlg.child(IDOK));
    });
    ContextMenu(SourceTree(), {"Attachments"}, {"A&ssociate files"});
    ASSERT_THAT(Children(SourceTree(), {"Attachments"}), ElementsAre("orders.csv", "invoices.csv"));
    HTREEITEM hFile = Item(SourceTree(), {"Attachments", "orders.csv"});
    EXPECT_EQ(std::string(SourceTree().GetItemText(hFile, 1)), files / "orders.csv");
    EXPECT_TRUE(SourceTree().IsItemBold(hFile));
    std::vector<std::string> items;
    ContextMenu(SourceTree(), {"Attachments", "orders.csv"}, {"&Remove file"}, &items);
    EXPECT_EQ(items.back(), "&Remove file");
    EXPECT_THAT(Children(SourceTree(), {"Attachments"}), ElementsAre("invoices.csv"));
    ClickItem(SourceTree(), {"Attachments", "invoices.csv"});
    Next();
    EXPECT_THAT(Strings(Wizard()->GetReviewStep()->GetNames()), ElementsAre("Attachments:invoices.csv"));
  });
}

TEST_F(SourceTest, TheReviewShowsTheChosenNodesWithTheirAncestors) {
  Offer(TreeAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(2);
    OpenNode({"Sales"});
    ClickItem(SourceTree(), {"Sales", "Orders"});
    ClickItem(SourceTree(), {"Sales", "Invoices"}, {VK_CONTROL});
    ClickItem(SourceTree(), {"Customers"}, {VK_CONTROL});
    Next();
    EXPECT_EQ(Title(), "Business Object Wizard - Step 4 of 6 - Confirm source nodes for business objects");
    EXPECT_THAT(Children(ReviewTree(), {}), ElementsAre("Sales", "Customers"));
    EXPECT_THAT(Children(ReviewTree(), {"Sales"}), ElementsAre("Orders", "Invoices"));
    EXPECT_EQ(ReviewTree().GetItemText(Item(ReviewTree(), {"Sales", "Orders"}), 1), "Orders taken");
    EXPECT_THAT(Strings(pWizard->GetReviewStep()->GetNames()),
                ElementsAre("Sales:Orders", "Sales:Invoices", "Customers"));
    EXPECT_EQ(pWizard->GetCurrentStep(), 4);
    robot.snapshot(Sheet(), "step4");
    // Back and forth without another choice keeps the review.
    Back();
    Next();
    EXPECT_EQ(pWizard->GetCurrentStep(), 4);
    EXPECT_THAT(Strings(pWizard->GetReviewStep()->GetNames()),
                ElementsAre("Sales:Orders", "Sales:Invoices", "Customers"));
    Back();
    ClickItem(SourceTree(), {"Sales", "Invoices"});
    Next();
    EXPECT_THAT(Strings(pWizard->GetReviewStep()->GetNames()), ElementsAre("Sales:Invoices")) << "another choice";
    EXPECT_THAT(Children(ReviewTree(), {}), ElementsAre("Sales"));
  });
}

TEST_F(SourceTest, ATypedObjectPathStandsForTheTree) {
  Offer(TreeAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(2);
    bool nextEnabled = true;
    robot.onDialog("Object Path", [&](Robot& r, Window dlg) {
      nextEnabled = dlg.child(IDOK).isEnabled();
      r.type("Sales: :Orders");
      r.snapshot(dlg, "object_path");
      r.click(dlg.child(IDOK));
    });
    robot.click(Page().child(IDC_USE_OBJECT));
    EXPECT_FALSE(nextEnabled) << "no path yet";
    ASSERT_EQ(Step(), 3) << "the path takes the wizard on";
    EXPECT_THAT(Children(ReviewTree(), {}), ElementsAre("Sales"));
    EXPECT_THAT(Children(ReviewTree(), {"Sales"}), ElementsAre("Orders")) << "the blank level is left out";
    EXPECT_EQ(ReviewTree().GetItemText(Item(ReviewTree(), {"Sales", "Orders"}), 1), "Custom business object");
    EXPECT_THAT(Strings(pWizard->GetReviewStep()->GetNames()), ElementsAre("Sales: :Orders")) << "as typed";
    robot.snapshot(Sheet(), "step4_typed");
    // The same path again keeps what the later steps made of it.
    ASSERT_EQ(pWizard->GetCurrentStep(), 4);
    Back();
    std::string offered;
    robot.onDialog("Object Path", [&](Robot& r, Window dlg) {
      offered = dlg.child(IDC_OBJECT_PATH).text();
      r.click(dlg.child(IDOK));
    });
    robot.click(Page().child(IDC_USE_OBJECT));
    EXPECT_EQ(offered, "Sales: :Orders") << "the last path is offered";
    EXPECT_EQ(Step(), 3);
    EXPECT_EQ(pWizard->GetCurrentStep(), 4);
    // Another path, or the same after the tree was used, is reviewed anew.
    Back();
    UseObject("Customers");
    EXPECT_THAT(Strings(pWizard->GetReviewStep()->GetNames()), ElementsAre("Customers"));
    Back();
    ClickItem(SourceTree(), {"Customers"});
    Next();
    EXPECT_THAT(Children(ReviewTree(), {}), ElementsAre("Customers"));
    EXPECT_EQ(ReviewTree().GetItemText(Item(ReviewTree(), {"Customers"}), 1), "Who buys") << "the tree's node";
    Back();
    UseObject("Customers");
    EXPECT_EQ(ReviewTree().GetItemText(Item(ReviewTree(), {"Customers"}), 1), "Custom business object");
  });
}

}  // namespace
}  // namespace generatetest
