// A tabbed sheet through the robot: pages on tabs, the notification order
// of tab changes, Apply, OK and Cancel, the keyboard, and the layout.
#include "propsheet_fixture.h"
#include "resource.h"

namespace halvane::test {
namespace {

using Strings = std::vector<std::string>;

class TabbedSheetTest : public PropertySheetTest {
 protected:
  void SetUp() override {
    PropertySheetTest::SetUp();
    general.name = "general";
    advanced.name = "advanced";
    general.reportsChanges = true;
    pages = {MakePage(IDD_GENERAL, general), MakePage(IDD_ADVANCED, advanced)};
  }
  PageScript general, advanced;
  std::vector<HPROPSHEETPAGE> pages;
};

TEST_F(TabbedSheetTest, TabsShowTheirPagesAndApplyFollowsChanges) {
  Strings tabTexts, buttons;
  bool applyAtStart = true, applyAfterTyping = false, applyAfterApply = true;
  bool generalShown = false, advancedShownAfterClick = false, generalHiddenAfterClick = false;
  std::string titleShown;
  robot.onDialog("Settings", [&](Robot& r, Window sheet) {
    Window tabs = sheet.child(ID_PSTABCONTROL);
    for (int i = 0; i < TabCtrl_GetItemCount(tabs.hwnd()); ++i) {
      char text[64] = {};
      TCITEM item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      TabCtrl_GetItem(tabs.hwnd(), i, &item);
      tabTexts.push_back(text);
    }
    for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
      buttons.push_back(sheet.child(id).isVisible() ? sheet.child(id).text() : "-");
    applyAtStart = sheet.child(ID_APPLY_NOW).isEnabled();
    generalShown = Window(general.wnd).isVisible();
    r.type("Ada");
    applyAfterTyping = sheet.child(ID_APPLY_NOW).isEnabled();
    r.snapshot(sheet, "two_page_sheet");
    r.click(sheet.child(ID_APPLY_NOW));
    applyAfterApply = sheet.child(ID_APPLY_NOW).isEnabled();
    r.selectTab(tabs, "Advanced");
    advancedShownAfterClick = Window(advanced.wnd).isVisible();
    generalHiddenAfterClick = !Window(general.wnd).isVisible();
    titleShown = sheet.text();
    r.click(sheet.child(IDOK));
  });
  PROPSHEETHEADER header = Header(PSH_NOCONTEXTHELP, pages);
  EXPECT_EQ(1, PropertySheet(&header));
  EXPECT_EQ((Strings{"General", "Advanced"}), tabTexts);
  EXPECT_EQ((Strings{"OK", "Cancel", "&Apply", "-"}), buttons);
  EXPECT_FALSE(applyAtStart);
  EXPECT_TRUE(generalShown);
  EXPECT_TRUE(applyAfterTyping) << "the focus starts in the page, PSM_CHANGED enables Apply";
  EXPECT_FALSE(applyAfterApply);
  EXPECT_TRUE(advancedShownAfterClick);
  EXPECT_TRUE(generalHiddenAfterClick);
  EXPECT_EQ("Settings", titleShown);
  EXPECT_EQ((Strings{"general:init", "general:SETACTIVE", "general:KILLACTIVE", "general:APPLY", "general:KILLACTIVE",
                     "advanced:init", "advanced:SETACTIVE", "advanced:KILLACTIVE", "general:APPLY(ok)",
                     "advanced:APPLY(ok)"}),
            log);
  EXPECT_EQ(1, general.releases) << "the sheet destroys its pages";
  EXPECT_EQ(1, advanced.releases);
}

TEST_F(TabbedSheetTest, APageThatRefusesToGoStaysShown) {
  general.answers[PSN_KILLACTIVE] = TRUE;
  std::string tabAfterClick;
  bool generalStillShown = false;
  robot.onDialog("Settings", [&](Robot& r, Window sheet) {
    r.selectTab(sheet.child(ID_PSTABCONTROL), "Advanced");
    tabAfterClick = r.selectedTab(sheet.child(ID_PSTABCONTROL));
    generalStillShown = Window(general.wnd).isVisible();
    r.click(sheet.child(IDOK));
    general.answers.clear();
    r.click(sheet.child(IDCANCEL));
  });
  PROPSHEETHEADER header = Header(0, pages);
  EXPECT_EQ(0, PropertySheet(&header));
  EXPECT_EQ("General", tabAfterClick);
  EXPECT_TRUE(generalStillShown);
  EXPECT_EQ(nullptr, advanced.wnd) << "a page never shown is never made";
  EXPECT_EQ((Strings{"general:init", "general:SETACTIVE", "general:KILLACTIVE", "general:KILLACTIVE",
                     "general:QUERYCANCEL", "general:RESET"}),
            log);
}

TEST_F(TabbedSheetTest, KeyboardSwitchesTabsAndEnterAndEscapeCloseTheSheet) {
  Strings tabs, focus;
  robot.onDialog("Settings", [&](Robot& r, Window sheet) {
    Window tabCtl = sheet.child(ID_PSTABCONTROL);
    r.keys({VK_CONTROL, VK_TAB});
    tabs.push_back(r.selectedTab(tabCtl));
    r.keys({VK_CONTROL, VK_SHIFT, VK_TAB});
    tabs.push_back(r.selectedTab(tabCtl));
    r.keys({VK_CONTROL, VK_NEXT});
    tabs.push_back(r.selectedTab(tabCtl));
    r.keys({VK_CONTROL, VK_PRIOR});
    tabs.push_back(r.selectedTab(tabCtl));
    // Tab runs through the page's controls, then the buttons, then the tabs.
    auto name = [&] {
      Window f = r.focused();
      return f.id() == ID_PSTABCONTROL ? std::string("tabs") : f.text();
    };
    focus.push_back(name());
    r.key(VK_TAB);
    focus.push_back(name());
    r.key(VK_TAB);
    focus.push_back(name());
    r.key(VK_TAB);
    focus.push_back(name());
    r.key(VK_TAB);
    focus.push_back(name());
    r.key(VK_TAB);
    focus.push_back(name());
    r.key(VK_ESCAPE);
  });
  PROPSHEETHEADER header = Header(PSH_NOAPPLYNOW, pages);
  EXPECT_EQ(0, PropertySheet(&header));
  EXPECT_EQ((Strings{"Advanced", "General", "Advanced", "General"}), tabs);
  EXPECT_EQ((Strings{"", "&Verbose", "OK", "Cancel", "tabs", ""}), focus) << "name edit, box, buttons, tabs";
  EXPECT_EQ((Strings{"general:QUERYCANCEL", "general:RESET", "advanced:RESET"}), Strings(log.end() - 3, log.end()));

  log.clear();
  robot.onDialog("Settings", [&](Robot& r, Window) { r.key(VK_RETURN); });
  std::vector<HPROPSHEETPAGE> again{MakePage(IDD_GENERAL, general)};
  PROPSHEETHEADER second = Header(0, again);
  EXPECT_EQ(1, PropertySheet(&second));
  EXPECT_EQ("general:APPLY(ok)", log.back());
}

TEST_F(TabbedSheetTest, HelpTheCloseBoxAndTheOwner) {
  Window owner(CreateWindowEx(0, "Static", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                              nullptr, nullptr, nullptr));
  std::vector<HPROPSHEETPAGE> helped;
  PROPSHEETPAGE withHelp = Page(IDD_GENERAL, general);
  withHelp.dwFlags |= PSP_HASHELP;
  helped.push_back(CreatePropertySheetPage(&withHelp));
  helped.push_back(pages[1]);
  DestroyPropertySheetPage(pages[0]);
  bool ownerDisabled = false, helpEnabled = false;
  robot.onDialog("Settings", [&](Robot& r, Window sheet) {
    ownerDisabled = !owner.isEnabled();
    helpEnabled = sheet.child(IDHELP).isEnabled();
    r.click(sheet.child(IDHELP));
    PostMessage(sheet.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    r.pumpUntilIdle();
  });
  PROPSHEETHEADER header = Header(PSH_HASHELP, helped);
  header.hwndParent = owner.hwnd();
  EXPECT_EQ(0, PropertySheet(&header)) << "the close box cancels";
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(owner.isEnabled()) << "the owner works again";
  EXPECT_TRUE(helpEnabled);
  EXPECT_EQ((Strings{"general:init", "general:SETACTIVE", "general:HELP", "general:QUERYCANCEL", "general:RESET"}),
            log);
  DestroyWindow(owner.hwnd());
}

TEST_F(TabbedSheetTest, AModalSheetDestroyedBeforeItEndsGivesBackItsOwner) {
  Window owner(CreateWindowEx(0, "Static", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                              nullptr, nullptr, nullptr));
  robot.onDialog("Settings", [&](Robot&, Window sheet) { DestroyWindow(sheet.hwnd()); });
  PROPSHEETHEADER header = Header(0, pages);
  header.hwndParent = owner.hwnd();
  EXPECT_EQ(0, PropertySheet(&header));
  EXPECT_TRUE(owner.isEnabled());
  DestroyWindow(owner.hwnd());
}

TEST_F(TabbedSheetTest, TheSheetIsSizedForTheLargestPage) {
  RECT generalRect{}, advancedRect{}, tabRect{}, okRect{}, largest{0, 0, 240, 110};
  DWORD advancedStyle = 0;
  robot.onDialog("Settings", [&](Robot& r, Window sheet) {
    r.selectTab(sheet.child(ID_PSTABCONTROL), "Advanced");
    GetWindowRect(general.wnd, &generalRect);
    GetWindowRect(advanced.wnd, &advancedRect);
    advancedStyle = static_cast<DWORD>(GetWindowLong(advanced.wnd, GWL_STYLE));
    MapDialogRect(advanced.wnd, &largest);
    tabRect = sheet.child(ID_PSTABCONTROL).rect();
    okRect = sheet.child(IDOK).rect();
    r.click(sheet.child(IDCANCEL));
  });
  PROPSHEETHEADER header = Header(0, pages);
  EXPECT_EQ(0, PropertySheet(&header));
  EXPECT_EQ(generalRect.right - generalRect.left, advancedRect.right - advancedRect.left);
  EXPECT_EQ(generalRect.bottom - generalRect.top, advancedRect.bottom - advancedRect.top);
  EXPECT_EQ(largest.right, advancedRect.right - advancedRect.left) << "the largest page sets the size";
  EXPECT_EQ(largest.bottom, advancedRect.bottom - advancedRect.top);
  EXPECT_TRUE(advancedStyle & WS_CHILD) << "a popup template still makes a child page";
  EXPECT_FALSE(advancedStyle & WS_CAPTION);
  EXPECT_GE(advancedRect.left, tabRect.left);
  EXPECT_LE(advancedRect.right, tabRect.right);
  EXPECT_GE(okRect.top, tabRect.bottom);
}

}  // namespace
}  // namespace halvane::test
