// Help authoring: F11 makes or finds the topic of the window in front and
// runs "Add Help Topic" on a copy of it; OK writes the stub page, its
// screenshot and the help data file, Cancel leaves both as they were.
#include <HLGrid.h>

#include <string>
#include <vector>

#include "AddHTopic.h"
#include "help_fixture.h"
#include "host_resource.h"
#include "resource.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using Strings = std::vector<std::string>;

constexpr const char* kAuthoring = "Add Help Topic";

class LookupDialog : public CDialog {
 public:
  LookupDialog() : CDialog(IDD_HOST_LOOKUP) {}
};

void Retype(Robot& r, Window edit, const std::string& text) {
  r.click(edit);
  ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
  r.type(text);
}

class HelpAuthoringTest : public HelpTest {
 protected:
  // The help data file with a byte after the topic list that a rewrite
  // would not keep: it tells whether the file was written again.
  void WriteMarkedTopicFile(const std::vector<std::string>& pages = {}) {
    WriteEmptyTopicFile();
    {
      auto help = MakeHelp();
      for (const std::string& page : pages) AddTopic(*help, "Customer Lookup", "", page.c_str());
    }
    Bytes bytes = Read("OrvexHelp.data");
    bytes.push_back(0x5A);
    Write("OrvexHelp.data", bytes);
  }
  bool TopicFileRewritten() const { return Read("OrvexHelp.data").back() != 0x5A; }

  // Presses F11 in the lookup dialog (titled `title`) and answers the
  // authoring dialog with `author`.
  void AuthorLookup(std::function<void(Robot&, Window)> author, const std::string& title = "Customer Lookup") {
    robot.onDialog(kAuthoring, std::move(author));
    robot.onDialog("Customer Lookup", [title](Robot& r, Window dlg) {
      if (title != "Customer Lookup") ::SetWindowText(dlg.hwnd(), title.c_str());
      r.key(VK_F11);
      r.click(dlg.child(IDCANCEL));
    });
    LookupDialog dialog;
    dialog.DoModal();
  }
};

TEST_F(HelpAuthoringTest, OkOnANewTopicWritesTheStubPageItsScreenshotAndTheTopicFile) {
  WriteMarkedTopicFile();
  auto help = MakeHelp();
  Strings fields;
  bool focusInPage = false, checked = false;
  AuthorLookup(
      [&](Robot& r, Window dlg) {
        fields = {dlg.child(IDC_HTOPIC_WINDOW).text(), dlg.child(IDC_HTOPIC_TAB).text(),
                  dlg.child(IDC_HTOPIC_PAGE).text()};
        focusInPage = r.focused() == dlg.child(IDC_HTOPIC_PAGE);
        checked = dlg.child(IDC_HTOPIC_CREATE).checked() == BST_CHECKED;
        r.snapshot(dlg, "add_help_topic");
        r.click(dlg.child(IDOK));
      },
      "Orders & Returns");
  const std::string page = "Orvex/Orders & Returns_.html";
  EXPECT_EQ((Strings{"Orders & Returns", "", page}), fields);
  EXPECT_TRUE(focusInPage);
  EXPECT_TRUE(checked) << "the create-page box starts checked";
  EXPECT_EQ((Strings{"Orders & Returns||" + page}), Topics(*help));
  EXPECT_FALSE(static_cast<HTopic*>(help->GetTopics().GetHead())->m_bNew);
  EXPECT_TRUE(TopicFileRewritten());

  const std::string stub = Text(page);
  EXPECT_NE(std::string::npos,
            stub.find("<h2>\nOrders &amp; Returns - \n<br><img src = \"images/Orders &amp; Returns_.jpeg\">"))
      << stub;
  const Bytes jpeg = Read("Orvex/images/Orders & Returns_.jpeg");
  ASSERT_GE(jpeg.size(), 4u);
  EXPECT_EQ((Bytes{0xFF, 0xD8}), Bytes(jpeg.begin(), jpeg.begin() + 2)) << "a JPEG file";

  auto reread = MakeHelp();
  EXPECT_EQ((Strings{"Orders & Returns||" + page}), Topics(*reread));
}

TEST_F(HelpAuthoringTest, CancelOnANewTopicLeavesNoTopicAndTheFileUntouched) {
  WriteMarkedTopicFile();
  auto help = MakeHelp();
  AuthorLookup([](Robot& r, Window dlg) {
    Retype(r, dlg.child(IDC_HTOPIC_PAGE), "Orvex/typed.html");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_TRUE(Topics(*help).empty());
  EXPECT_FALSE(TopicFileRewritten());
  EXPECT_FALSE(Exists("Orvex/typed.html"));
  EXPECT_FALSE(Exists("Orvex/images/typed.jpeg"));
}

TEST_F(HelpAuthoringTest, CancelAfterEditingAndBrowsingLeavesAnExistingTopicAsItWas) {
  Write("Orvex/chosen.html", {'x'});
  WriteMarkedTopicFile({"Orvex/lookup.html"});
  auto help = MakeHelp();
  AuthorLookup([&](Robot& r, Window dlg) {
    Retype(r, dlg.child(IDC_HTOPIC_WINDOW), "Renamed");
    r.onDialog("Open", [&](Robot& r2, Window open) {
      Retype(r2, open.child(edt1), Path("Orvex/chosen.html"));
      r2.click(open.child(IDOK));
    });
    r.click(dlg.child(IDC_HTOPIC_BROWSE));
    EXPECT_EQ("Orvex/chosen.html", dlg.child(IDC_HTOPIC_PAGE).text()) << "the browsed page shows";
    EXPECT_EQ("Renamed", dlg.child(IDC_HTOPIC_WINDOW).text()) << "what was typed stays";
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ((Strings{"Customer Lookup||Orvex/lookup.html"}), Topics(*help));
  EXPECT_FALSE(TopicFileRewritten());
}

TEST_F(HelpAuthoringTest, OkOnATopicWhosePageExistsKeepsThePageAndRewritesTheTopicFile) {
  Write("Orvex/lookup.html", {'m', 'i', 'n', 'e'});
  WriteMarkedTopicFile({"Orvex/lookup.html"});
  auto help = MakeHelp();
  AuthorLookup([](Robot& r, Window dlg) {
    EXPECT_EQ("Orvex/lookup.html", dlg.child(IDC_HTOPIC_PAGE).text());
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ("mine", Text("Orvex/lookup.html"));
  EXPECT_TRUE(TopicFileRewritten());
  EXPECT_EQ((Strings{"Customer Lookup||Orvex/lookup.html"}), Topics(*help));
}

TEST_F(HelpAuthoringTest, BrowsingTakesPagesUnderTheHelpFolderWithTheirRealCase) {
  const std::string mixed = install / "Bin/Help";
  std::filesystem::create_directories(mixed + "/Orvex/Pages");
  std::ofstream(mixed + "/Orvex/Pages/Lookup.html") << "page";
  std::ofstream(install / "outside.html") << "page";
  std::ofstream(mixed + "/OrvexHelp.data", std::ios::binary).write("\0\0", 2);
  auto help = MakeHelp("Orvex", mixed.c_str());
  std::string refusal;
  AuthorLookup([&](Robot& r, Window dlg) {
    r.onDialog("Open", [&](Robot& r2, Window open) {
      Retype(r2, open.child(edt1), install / "outside.html");
      r2.click(open.child(IDOK));
    });
    AnswerBox(kHostCaption, refusal);
    r.click(dlg.child(IDC_HTOPIC_BROWSE));
    EXPECT_EQ("Orvex/Customer Lookup_.html", dlg.child(IDC_HTOPIC_PAGE).text()) << "a refused file changes nothing";
    r.onDialog("Open", [&](Robot& r2, Window open) {
      Retype(r2, open.child(edt1), mixed + "/Orvex/Pages/Lookup.html");
      r2.click(open.child(IDOK));
    });
    r.click(dlg.child(IDC_HTOPIC_BROWSE));
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ("Selected file is not relative to a help directory for this application", refusal);
  EXPECT_EQ((Strings{"Customer Lookup||Orvex/Pages/Lookup.html"}), Topics(*help));
  EXPECT_EQ("page", Text("../../Bin/Help/Orvex/Pages/Lookup.html")) << "an existing page is kept";
}

TEST_F(HelpAuthoringTest, AnEmptyOrEscapingPageIsRefusedAndTheDialogStays) {
  WriteMarkedTopicFile();
  auto help = MakeHelp();
  Strings refusals;
  AuthorLookup([&](Robot& r, Window dlg) {
    for (const char* page : {"  ", "../../outside.html"}) {
      Retype(r, dlg.child(IDC_HTOPIC_PAGE), page);
      std::string refusal;
      AnswerBox(kHostCaption, refusal);
      r.click(dlg.child(IDOK));
      refusals.push_back(refusal);
      EXPECT_TRUE(dlg.exists());
    }
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ((Strings{"Please, specify the valid help file", "Please, specify the valid help file"}), refusals);
  EXPECT_FALSE(std::filesystem::exists(install / "outside.html"));
  EXPECT_FALSE(TopicFileRewritten());
}

TEST_F(HelpAuthoringTest, InsideTheAuthoringDialogF1AndF11DoNothing) {
  WriteMarkedTopicFile();
  auto help = MakeHelp();
  int dialogs = 0;
  AuthorLookup([&](Robot& r, Window dlg) {
    r.key(VK_F1);
    r.key(VK_F11);
    for (const Window& w : r.topLevels()) dialogs += w.text() == kAuthoring;
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(1, dialogs);
}

TEST_F(HelpAuthoringTest, ListAllTopicsShowsEveryTopicInOrder) {
  WriteMarkedTopicFile({"Orvex/lookup.html"});
  auto help = MakeHelp();
  AddTopic(*help, "Connector - Standard", "Trace", "Kestrun/Connector - Standard_Trace.html");
  std::vector<Strings> rows;
  AuthorLookup([&](Robot& r, Window dlg) {
    r.onDialog("Help Topics", [&](Robot& r2, Window list) {
      auto* grid = static_cast<CGXGridCore*>(
          static_cast<HLGrid*>(CWnd::FromHandlePermanent(list.child(IDC_HTOPIC_GRID).hwnd())));
      ASSERT_NE(grid, nullptr);
      for (ROWCOL row = 0; row <= grid->GetRowCount(); ++row)
        rows.push_back({grid->GetValueRowCol(row, 1).GetString(), grid->GetValueRowCol(row, 2).GetString(),
                        grid->GetValueRowCol(row, 3).GetString()});
      r2.snapshot(list, "help_topics");
      r2.click(list.child(IDOK));
    });
    r.click(dlg.child(IDC_HTOPIC_LIST_ALL));
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ((std::vector<Strings>{{"Window", "Sub Topic", "File URL"},
                                  {"Customer Lookup", "", "Orvex/lookup.html"},
                                  {"Connector - Standard", "Trace", "Kestrun/Connector - Standard_Trace.html"}}),
            rows);
}

TEST_F(HelpAuthoringTest, AReadOnlySessionTellsTheAuthorOnce) {
  auto help = MakeHelp();  // no help data file
  std::string note;
  AnswerBox(kUtilsCaption, note);
  AuthorLookup([](Robot& r, Window dlg) { r.click(dlg.child(IDOK)); });
  EXPECT_NE(std::string::npos, note.find("does not exist")) << note;
  EXPECT_NE(std::string::npos, note.find("kept only until the program ends")) << note;
  AuthorLookup([](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
  EXPECT_EQ(1u, Topics(*help).size()) << "the first topic lives on in memory";
  EXPECT_FALSE(Exists("OrvexHelp.data"));
}

}  // namespace
