// Context help on windows: F1 and F11 through the host's key routing, the
// topic of plain windows, tab controls, property sheets and tab windows,
// every fallback of opening a page, and the authoring dialogs with what OK
// and Cancel leave in the topics and the help data file.
#include <HLGrid.h>
#include <afxdlgs.h>
#include <sec/sectabwnd.h>

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

constexpr const char* kNoPageMessage = "Default help page wasn't found. Please, check your installation.";

class LookupDialog : public CDialog {
 public:
  LookupDialog() : CDialog(IDD_HOST_LOOKUP) {}
};

// "Connector - Standard" with a tab control whose second tab is selected.
class TabsDialog : public CDialog {
 public:
  TabsDialog() : CDialog(IDD_HOST_TABS) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    const HWND tabs = GetDlgItem(IDC_HOST_TABS)->GetSafeHwnd();
    const char* labels[] = {"Standard", "Trace"};
    for (int i = 0; i < 2; ++i) {
      TCITEM item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(labels[i]);
      ::SendMessage(tabs, TCM_INSERTITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessage(tabs, TCM_SETCURSEL, 1, 0);
    return TRUE;
  }
};

class ContextHelpTest : public HelpTest {
 protected:
  // Runs the lookup dialog and presses `key` in it.
  void PressIn(CDialog& dialog, const std::string& title, UINT key) {
    robot.onDialog(title, [key](Robot& r, Window dlg) {
      r.key(key);
      r.click(dlg.childByText("OK"));
    });
    dialog.DoModal();
  }
  void PressInLookup(UINT key) {
    LookupDialog dialog;
    PressIn(dialog, "Customer Lookup", key);
  }
};

TEST_F(ContextHelpTest, F1OnAWindowWithoutTabsOpensTheFirstTopicOfItsTitle) {
  WriteEmptyTopicFile();
  auto help = MakeHelp();
  AddTopic(*help, "Other", "", "Orvex/other.html");
  AddTopic(*help, "CUSTOMER LOOKUP", "Find", "Orvex/find.html");
  AddTopic(*help, "Customer Lookup", "", "Orvex/lookup.html");
  PressInLookup(VK_F1);
  EXPECT_EQ((Strings{Path("Orvex/find.html")}), opened) << "titles match ignoring case, any sub-topic";
}

TEST_F(ContextHelpTest, TheSelectedTabIsTheSubTopicAndThePropertyVariantPrefixesTheCaption) {
  WriteEmptyTopicFile();
  auto help = MakeHelp();
  AddTopic(*help, "Connector - Standard", "Standard", "Orvex/standard.html");
  AddTopic(*help, "connector - standard", "TRACE", "Orvex/trace.html");
  AddTopic(*help, "Connector - Standard", "Connector_Trace", "Kestrun/trace.html");
  TabsDialog dialog;
  PressIn(dialog, "Connector - Standard", VK_F1);
  app.m_bProperty = true;
  PressIn(dialog, "Connector - Standard", VK_F1);
  EXPECT_EQ((Strings{Path("Orvex/trace.html"), Path("Kestrun/trace.html")}), opened);
}

TEST_F(ContextHelpTest, APropertySheetsActivePageIsTheSubTopic) {
  WriteEmptyTopicFile();
  auto help = MakeHelp();
  AddTopic(*help, "Settings", "General", "Orvex/general.html");
  AddTopic(*help, "Settings", "Trace", "Orvex/trace.html");
  AddTopic(*help, "Settings", "Settings_Trace", "Kestrun/trace.html");
  CPropertyPage general(IDD_HOST_PAGE_GENERAL), trace(IDD_HOST_PAGE_TRACE);
  for (bool property : {false, true}) {
    app.m_bProperty = property;
    CPropertySheet sheet("Settings", nullptr, 1);
    sheet.AddPage(&general);
    sheet.AddPage(&trace);
    robot.onDialog("Settings", [](Robot& r, Window dlg) {
      r.key(VK_F1);
      r.click(dlg.child(IDCANCEL));
    });
    sheet.DoModal();
  }
  EXPECT_EQ((Strings{Path("Orvex/trace.html"), Path("Kestrun/trace.html")}), opened);
}

TEST_F(ContextHelpTest, ATabWindowsActiveLabelIsTheSubTopic) {
  WriteEmptyTopicFile();
  auto help = MakeHelp();
  AddTopic(*help, "Orvex - Customer", "Attributes", "Orvex/attributes.html");
  AddTopic(*help, "Orvex - Customer", "Orvex_Attributes", "Kestrun/attributes.html");
  CWnd frame;
  ASSERT_TRUE(halvane::test::CreateTopLevel(frame, "Orvex - Customer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300));
  SECTabWnd tabs;
  ASSERT_TRUE(tabs.Create(&frame));
  CEdit general, attributes;
  ASSERT_TRUE(general.Create(WS_CHILD, CRect(0, 0, 10, 10), &frame, 1));
  ASSERT_TRUE(attributes.Create(WS_CHILD, CRect(0, 0, 10, 10), &frame, 2));
  tabs.AddTab(&general, "General");
  tabs.AddTab(&attributes, "Attributes");
  tabs.ActivateTab(1);
  help->SetActiveWindow(frame.m_hWnd);
  MSG f1{frame.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {}};
  EXPECT_TRUE(app.PreTranslateMessage(&f1));
  app.m_bProperty = true;
  EXPECT_TRUE(app.PreTranslateMessage(&f1));
  EXPECT_EQ((Strings{Path("Orvex/attributes.html"), Path("Kestrun/attributes.html")}), opened);
  EXPECT_EQ(CString("Attributes"), help->GetTabName(&frame));
  EXPECT_EQ(CString("Orvex_Attributes"), help->GetTabNameProperty(&frame));
  frame.DestroyWindow();
}

TEST_F(ContextHelpTest, EveryWayAPageCannotBeOpenedHasItsFallback) {
  WriteEmptyTopicFile();
  auto help = MakeHelp();
  AddTopic(*help, "Customer Lookup", "", "Orvex/lookup.html");
  PressInLookup(VK_F1);
  EXPECT_EQ((Strings{Path("Orvex/lookup.html")}), opened);

  opened.clear();
  unopenable = {Path("Orvex/lookup.html")};
  failedResult = 32;  // the largest failure code is no success
  PressInLookup(VK_F1);
  EXPECT_EQ((Strings{Path("Orvex/lookup.html"), Path("NoHelpInstalled.html")}), opened);

  opened.clear();
  unopenable.insert(Path("NoHelpInstalled.html"));
  std::string shown;
  AnswerBox(kHostCaption, shown);
  PressInLookup(VK_F1);
  EXPECT_EQ(kNoPageMessage, shown);

  opened.clear();
  delete help->GetTopics().RemoveHead();
  PressInLookup(VK_F1);
  EXPECT_EQ((Strings{Path("NoHelp.html")}), opened) << "a window without a topic";
  unopenable.insert(Path("NoHelp.html"));
  AnswerBox(kHostCaption, shown);
  shown.clear();
  PressInLookup(VK_F1);
  EXPECT_EQ(kNoPageMessage, shown);
}

TEST_F(ContextHelpTest, TheDocumentationOpensWelcomeOrFallsBack) {
  auto help = MakeHelp();
  const std::string welcome = install / "documentation/welcome.html";
  help->ShowDocumentation();
  EXPECT_EQ((Strings{welcome}), opened);
  opened.clear();
  unopenable = {welcome};
  help->ShowDocumentation();
  EXPECT_EQ((Strings{welcome, Path("NoHelpInstalled.html")}), opened);
  unopenable.insert(Path("NoHelpInstalled.html"));
  std::string shown;
  AnswerBox(kHostCaption, shown);
  help->ShowDocumentation();
  EXPECT_EQ(kNoPageMessage, shown);
}

}  // namespace
