// A modeless sheet driven by its messages: pages added, removed and
// selected, the index conversions, siblings, titles, Cancel to Close, and
// the end reported through PSM_GETCURRENTPAGEHWND.
#include "propsheet_fixture.h"
#include "resource.h"

namespace halvane::test {
namespace {

using Strings = std::vector<std::string>;

class SheetMessagesTest : public PropertySheetTest {
 protected:
  void SetUp() override {
    PropertySheetTest::SetUp();
    general.name = "general";
    advanced.name = "advanced";
    extra.name = "extra";
  }
  HWND Modeless(DWORD flags, std::vector<HPROPSHEETPAGE> pages) {
    PROPSHEETHEADER header = Header(flags | PSH_MODELESS, pages);
    return reinterpret_cast<HWND>(PropertySheet(&header));
  }
  PageScript general, advanced, extra;
};

TEST_F(SheetMessagesTest, PagesComeAndGoByMessage) {
  HWND sheet = Modeless(0, {MakePage(IDD_GENERAL, general), MakePage(IDD_ADVANCED, advanced)});
  ASSERT_NE(nullptr, sheet);
  EXPECT_TRUE(IsWindowVisible(sheet));
  HWND tab = PropSheet_GetTabControl(sheet);
  EXPECT_EQ(GetDlgItem(sheet, ID_PSTABCONTROL), tab);
  EXPECT_EQ(general.wnd, PropSheet_GetCurrentPageHwnd(sheet));

  HPROPSHEETPAGE added = MakePage(IDD_STEP_ONE, extra);
  EXPECT_TRUE(PropSheet_AddPage(sheet, added));
  EXPECT_EQ(3, TabCtrl_GetItemCount(tab));
  EXPECT_EQ(2, PropSheet_PageToIndex(sheet, added));
  EXPECT_EQ(added, PropSheet_IndexToPage(sheet, 2));
  EXPECT_EQ(1, static_cast<int>(SendMessage(sheet, PSM_IDTOINDEX, 0, IDD_ADVANCED)));
  EXPECT_EQ(IDD_STEP_ONE, static_cast<int>(SendMessage(sheet, PSM_INDEXTOID, 2, 0)));

  EXPECT_TRUE(PropSheet_SetCurSel(sheet, added, 0));
  EXPECT_EQ(extra.wnd, PropSheet_GetCurrentPageHwnd(sheet));
  EXPECT_EQ(2, PropSheet_HwndToIndex(sheet, extra.wnd));
  EXPECT_EQ(2, TabCtrl_GetCurSel(tab));

  // Removing the page shown brings its neighbour; the removed page is gone.
  PropSheet_RemovePage(sheet, 2, nullptr);
  EXPECT_EQ(1, extra.releases);
  EXPECT_EQ(2, TabCtrl_GetItemCount(tab));
  EXPECT_EQ(advanced.wnd, PropSheet_GetCurrentPageHwnd(sheet));
  EXPECT_EQ(1, TabCtrl_GetCurSel(tab));
  EXPECT_FALSE(PropSheet_SetCurSel(sheet, nullptr, 5));
  DestroyWindow(sheet);
  EXPECT_EQ(1, general.releases);
  EXPECT_EQ(1, advanced.releases);
}

TEST_F(SheetMessagesTest, InsertedPagesGoBeforeAnIndexOrAfterAHandle) {
  HWND sheet = Modeless(0, {});
  ASSERT_NE(nullptr, sheet);
  HPROPSHEETPAGE first = MakePage(IDD_GENERAL, general);
  ASSERT_TRUE(SendMessage(sheet, PSM_INSERTPAGE, 7, reinterpret_cast<LPARAM>(first)));
  EXPECT_EQ(general.wnd, PropSheet_GetCurrentPageHwnd(sheet)) << "an index past the end appends and shows the page";
  HPROPSHEETPAGE after = MakePage(IDD_STEP_ONE, extra);
  ASSERT_TRUE(SendMessage(sheet, PSM_INSERTPAGE, reinterpret_cast<WPARAM>(first), reinterpret_cast<LPARAM>(after)));
  EXPECT_EQ(1, PropSheet_PageToIndex(sheet, after));
  HPROPSHEETPAGE before = MakePage(IDD_ADVANCED, advanced);
  ASSERT_TRUE(SendMessage(sheet, PSM_INSERTPAGE, 0, reinterpret_cast<LPARAM>(before)));
  EXPECT_EQ(0, PropSheet_PageToIndex(sheet, before));
  EXPECT_EQ(2, PropSheet_PageToIndex(sheet, after));
  DestroyWindow(sheet);
}

TEST_F(SheetMessagesTest, SiblingsTitleAndCancelToClose) {
  advanced.siblingsAnswer = 42;
  HWND sheet = Modeless(0, {MakePage(IDD_GENERAL, general), MakePage(IDD_ADVANCED, advanced)});
  EXPECT_EQ(0, PropSheet_QuerySiblings(sheet, 1, 2)) << "only pages already made are asked";
  PropSheet_SetCurSel(sheet, nullptr, 1);
  EXPECT_EQ(42, PropSheet_QuerySiblings(sheet, 1, 2));

  PropSheet_SetTitle(sheet, PSH_PROPTITLE, "Connector");
  EXPECT_EQ("Connector Properties", Window(sheet).text());
  PropSheet_SetTitle(sheet, 0, MAKEINTRESOURCE(IDS_CAPTION));
  EXPECT_EQ("Settings", Window(sheet).text());

  SendMessage(sheet, PSM_CANCELTOCLOSE, 0, 0);
  EXPECT_FALSE(Window(GetDlgItem(sheet, IDCANCEL)).isEnabled());
  EXPECT_EQ("Close", Window(GetDlgItem(sheet, IDOK)).text());
  DestroyWindow(sheet);
}

TEST_F(SheetMessagesTest, AModelessSheetReportsItsEndAndHandlesItsKeys) {
  HWND sheet = Modeless(PSH_HASHELP, {MakePage(IDD_GENERAL, general)});
  Window help(GetDlgItem(sheet, IDHELP));
  EXPECT_TRUE(help.isVisible());
  EXPECT_FALSE(help.isEnabled()) << "the page has no help";

  // The owner's loop hands the sheet its keys.
  MSG msg{};
  msg.hwnd = GetDlgItem(general.wnd, IDC_NAME);
  msg.message = WM_KEYDOWN;
  msg.wParam = VK_TAB;
  EXPECT_TRUE(PropSheet_IsDialogMessage(sheet, &msg));
  EXPECT_EQ(GetDlgItem(general.wnd, IDC_VERBOSE), GetFocus());

  PropSheet_Changed(sheet, general.wnd);
  EXPECT_TRUE(Window(GetDlgItem(sheet, ID_APPLY_NOW)).isEnabled());
  EXPECT_TRUE(PropSheet_Apply(sheet));
  EXPECT_FALSE(Window(GetDlgItem(sheet, ID_APPLY_NOW)).isEnabled());

  robot.click(Window(GetDlgItem(sheet, IDOK)));
  EXPECT_EQ(nullptr, PropSheet_GetCurrentPageHwnd(sheet)) << "the sheet has ended";
  EXPECT_TRUE(IsWindow(sheet)) << "its owner destroys it";
  EXPECT_EQ(1, static_cast<int>(SendMessage(sheet, PSM_GETRESULT, 0, 0)));
  DestroyWindow(sheet);
  EXPECT_EQ((Strings{"general:init", "general:SETACTIVE", "general:KILLACTIVE", "general:APPLY", "general:KILLACTIVE",
                     "general:APPLY(ok)"}),
            log);
}

TEST_F(SheetMessagesTest, PagesFromStructuresTheStartPageAndBadInput) {
  PROPSHEETPAGE structs[2] = {Page(IDD_GENERAL, general), Page(IDD_ADVANCED, advanced)};
  structs[1].dwFlags |= PSP_USETITLE;
  structs[1].pszTitle = "More";
  PROPSHEETHEADER header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USEPSTARTPAGE;
  header.hInstance = GetModuleHandle(nullptr);
  header.pszCaption = MAKEINTRESOURCE(IDS_CAPTION);
  header.nPages = 2;
  header.ppsp = structs;
  header.pStartPage = "More";
  HWND sheet = reinterpret_cast<HWND>(PropertySheet(&header));
  ASSERT_NE(nullptr, sheet);
  EXPECT_EQ("Settings", Window(sheet).text());
  EXPECT_EQ(advanced.wnd, PropSheet_GetCurrentPageHwnd(sheet));
  EXPECT_EQ("More", robot.selectedTab(Window(PropSheet_GetTabControl(sheet))));
  DestroyWindow(sheet);

  EXPECT_EQ(-1, PropertySheet(nullptr));
  PROPSHEETPAGE tooSmall = Page(IDD_GENERAL, general);
  tooSmall.dwSize = 8;
  EXPECT_EQ(nullptr, CreatePropertySheetPage(&tooSmall));
  EXPECT_FALSE(DestroyPropertySheetPage(nullptr));
}

}  // namespace
}  // namespace halvane::test
