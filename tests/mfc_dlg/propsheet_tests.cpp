// CPropertySheet and CPropertyPage through the robot: a modal sheet whose
// data exchange failure keeps the page, a modeless sheet, a wizard whose
// pages refuse Next on bad input, the sheet's operations and a page run
// as a modal popup.
#include <string>
#include <vector>

#include "dlg_fixture.h"
#include "resource.h"

namespace dlgtest {
namespace {

class CLoggedPage : public CPropertyPage {
 public:
  CLoggedPage(UINT id, UINT caption, const char* name, Strings& log)
      : CPropertyPage(id, caption), m_name(name), m_log(log) {}

  BOOL OnInitDialog() override {
    CPropertyPage::OnInitDialog();
    Log("init");
    return TRUE;
  }
  BOOL OnSetActive() override {
    Log("setactive");
    return CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override {
    Log("killactive");
    return CPropertyPage::OnKillActive();
  }
  BOOL OnApply() override {
    Log("apply");
    return CPropertyPage::OnApply();
  }
  void OnReset() override { Log("reset"); }

 protected:
  void Log(const char* what) { m_log.push_back(m_name + " " + what); }
  std::string m_name;
  Strings& m_log;
};

class CGeneralPage : public CLoggedPage {
 public:
  explicit CGeneralPage(Strings& log) : CLoggedPage(IDD_PAGE_GENERAL, IDS_PAGE_GENERAL, "general", log) {}
  CString m_text = "first";
  int m_verbose = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_NAME, m_text);
    DDX_Check(pDX, IDC_VERBOSE, m_verbose);
  }
};

class CAdvancedPage : public CLoggedPage {
 public:
  explicit CAdvancedPage(Strings& log) : CLoggedPage(IDD_PAGE_ADVANCED, 0, "advanced", log) {}
  int m_count = 3;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_COUNT, m_count); }
};

class PropertySheetTest : public DlgTest {
 protected:
  Strings log;
  CGeneralPage general{log};
  CAdvancedPage advanced{log};
};

Window Item(const CWnd& page, int id) { return Window(::GetDlgItem(page.m_hWnd, id)); }

Window Tabs(CPropertySheet& sheet) { return Window(sheet.GetTabControl()->m_hWnd); }

TEST_F(PropertySheetTest, AModalSheetKeepsAPageWhoseValuesAreRefused) {
  CPropertySheet sheet(IDS_SHEET_CAPTION);
  sheet.AddPage(&general);
  sheet.AddPage(&advanced);
  std::string nameShown, firstTab;
  int activeIndex = -1;
  CPropertyPage* activePage = nullptr;
  bool keptAfterRefusal = false;
  robot.onMessageBox("Dialog Tests", IDOK);
  robot.onDialog("Options", [&](Robot& r, Window dlg) {
    firstTab = r.selectedTab(Tabs(sheet));
    nameShown = Item(general, IDC_NAME).text();
    Retype(r, Item(general, IDC_NAME), "second");
    r.selectTab(Tabs(sheet), "Advanced");
    activeIndex = sheet.GetActiveIndex();
    activePage = sheet.GetActivePage();
    r.snapshot(dlg, "two_page_sheet");
    Retype(r, Item(advanced, IDC_COUNT), "lots");
    r.click(dlg.child(IDOK));
    keptAfterRefusal = dlg.isVisible() && advanced.IsWindowVisible();
    Retype(r, Item(advanced, IDC_COUNT), "7");
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ("Main", firstTab) << "the page's caption id names its tab";
  EXPECT_EQ("first", nameShown);
  EXPECT_EQ(1, activeIndex);
  EXPECT_EQ(&advanced, activePage);
  EXPECT_TRUE(keptAfterRefusal);
  EXPECT_STREQ("second", general.m_text);
  EXPECT_EQ(7, advanced.m_count);
  EXPECT_EQ(nullptr, sheet.m_hWnd);
  EXPECT_EQ(nullptr, general.m_hWnd);
  EXPECT_EQ((Strings{"general init", "general setactive", "general killactive", "advanced init", "advanced setactive",
                     "advanced killactive", "advanced killactive", "general apply", "advanced apply"}),
            log);
}

TEST_F(PropertySheetTest, AModelessSheetGoesAwayWhenClosed) {
  CWnd owner;
  ASSERT_TRUE(halvane::test::CreateTopLevel(owner, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  CPropertySheet sheet("Preferences", &owner, 1);
  sheet.AddPage(&general);
  sheet.AddPage(&advanced);
  ASSERT_TRUE(sheet.Create());
  EXPECT_TRUE(sheet.IsWindowVisible());
  EXPECT_TRUE(owner.IsWindowEnabled()) << "a modeless sheet leaves its owner working";
  EXPECT_EQ(&advanced, sheet.GetActivePage()) << "the start page";
  EXPECT_EQ(owner.m_hWnd, ::GetWindow(sheet.m_hWnd, GW_OWNER));
  EXPECT_TRUE(sheet.SetActivePage(&general));
  EXPECT_EQ(0, sheet.GetActiveIndex());
  sheet.SetTitle("Connector", PSH_PROPTITLE);
  EXPECT_EQ("Connector Properties", Window(sheet.m_hWnd).text());

  robot.click(Item(sheet, IDCANCEL));
  EXPECT_EQ(nullptr, sheet.m_hWnd) << "the ended sheet destroyed itself";
  EXPECT_EQ("general reset", log[log.size() - 2]);
  EXPECT_EQ("advanced reset", log.back());
  owner.DestroyWindow();
}

// A wizard page that shows its own buttons when it becomes active.
class CWizardPage : public CPropertyPage {
 public:
  CWizardPage(UINT id, DWORD buttons) : CPropertyPage(id), m_buttons(buttons) {}
  BOOL OnSetActive() override {
    static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_buttons);
    return CPropertyPage::OnSetActive();
  }

 private:
  DWORD m_buttons;
};

class CNamePage : public CWizardPage {
 public:
  CNamePage() : CWizardPage(IDD_WIZARD_NAME, PSWIZB_NEXT) {}
  CString m_text;
  LRESULT OnWizardNext() override { return m_text.IsEmpty() ? -1 : 0; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, m_text); }
};

class CCountPage : public CWizardPage {
 public:
  CCountPage() : CWizardPage(IDD_WIZARD_COUNT, PSWIZB_BACK | PSWIZB_NEXT) {}
  int m_count = 0;
  LRESULT OnWizardNext() override { return m_count > 0 ? 0 : -1; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_COUNT, m_count); }
};

class CDonePage : public CWizardPage {
 public:
  CDonePage() : CWizardPage(IDD_WIZARD_DONE, PSWIZB_BACK | PSWIZB_FINISH) {}
  int finishes = 0;
  BOOL OnWizardFinish() override {
    ++finishes;
    return TRUE;
  }
};

TEST_F(PropertySheetTest, AWizardStaysOnAPageWithBadInput) {
  CNamePage name;
  CCountPage count;
  CDonePage done;
  CPropertySheet wizard("New item");
  wizard.AddPage(&name);
  wizard.AddPage(&count);
  wizard.AddPage(&done);
  wizard.SetWizardMode();
  Strings titles;
  bool stayedOnName = false, stayedOnZero = false, stayedOnText = false;
  int firstChild = 0, secondChild = 0;
  robot.onMessageBox("Dialog Tests", IDOK);
  robot.onDialog("Name", [&](Robot& r, Window dlg) {
    HWND first = ::GetWindow(dlg.hwnd(), GW_CHILD);
    firstChild = first == name.m_hWnd ? -1 : ::GetDlgCtrlID(first);
    secondChild = ::GetDlgCtrlID(::GetWindow(first, GW_HWNDNEXT));
    r.click(dlg.child(ID_WIZNEXT));
    stayedOnName = name.IsWindowVisible() == TRUE;
    Retype(r, Item(name, IDC_NAME), "Widget");
    r.click(dlg.child(ID_WIZNEXT));
    titles.push_back(dlg.text());
    Retype(r, Item(count, IDC_COUNT), "0");
    r.click(dlg.child(ID_WIZNEXT));
    stayedOnZero = count.IsWindowVisible() == TRUE;
    Retype(r, Item(count, IDC_COUNT), "many");
    r.click(dlg.child(ID_WIZNEXT));
    stayedOnText = count.IsWindowVisible() == TRUE;
    Retype(r, Item(count, IDC_COUNT), "4");
    r.key(VK_RETURN);
    titles.push_back(dlg.text());
    r.snapshot(dlg, "wizard_page");
    r.click(dlg.child(ID_WIZFINISH));
  });
  ASSERT_EQ(ID_WIZFINISH, wizard.DoModal());
  EXPECT_EQ(-1, firstChild) << "the page comes first";
  EXPECT_EQ(ID_PSETCHED, secondChild) << "then the etched line";
  EXPECT_TRUE(stayedOnName);
  EXPECT_TRUE(stayedOnZero) << "OnWizardNext answered -1";
  EXPECT_TRUE(stayedOnText) << "the data exchange failed";
  EXPECT_EQ((Strings{"Count", "Done"}), titles);
  EXPECT_STREQ("Widget", name.m_text);
  EXPECT_EQ(4, count.m_count);
  EXPECT_EQ(1, done.finishes);
}

// A sheet that edits itself once made, as programs do.
class CResizableSheet : public CPropertySheet {
 public:
  CResizableSheet() : CPropertySheet("Resizable") { m_dwSheetStyle |= WS_THICKFRAME; }
  bool initialised = false;
  BOOL OnInitDialog() override {
    const BOOL result = CPropertySheet::OnInitDialog();
    GetDlgItem(ID_APPLY_NOW)->ShowWindow(SW_HIDE);
    initialised = true;
    return result;
  }
};

TEST_F(PropertySheetTest, TheSheetsStyleOperationsAndEnd) {
  CResizableSheet sheet;
  sheet.AddPage(&general);
  DWORD style = 0;
  bool applyShown = true;
  robot.onDialog("Resizable", [&](Robot& r, Window dlg) {
    style = dlg.style();
    applyShown = dlg.child(ID_APPLY_NOW).isVisible();
    sheet.EndDialog(IDCANCEL);
    r.pumpUntilIdle();
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_TRUE(sheet.initialised);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(applyShown);

  robot.onDialog("Resizable", [&](Robot& r, Window) {
    sheet.PressButton(PSBTN_OK);
    r.pumpUntilIdle();
  });
  EXPECT_EQ(IDOK, sheet.DoModal()) << "a sheet runs again";
  EXPECT_EQ(1, sheet.GetPageCount());
  sheet.RemovePage(&general);
  EXPECT_EQ(0, sheet.GetPageCount());
  EXPECT_EQ(nullptr, sheet.GetPage(0));
}

TEST_F(PropertySheetTest, APageRunsAsAModalPopup) {
  DWORD style = 0;
  robot.onDialog("General", [&](Robot& r, Window dlg) {
    style = dlg.style();
    Retype(r, Item(general, IDC_NAME), "alone");
    r.key(VK_RETURN);
  });
  ASSERT_EQ(IDOK, general.DoModal());
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_CHILD);
  EXPECT_STREQ("alone", general.m_text);
}

}  // namespace
}  // namespace dlgtest
