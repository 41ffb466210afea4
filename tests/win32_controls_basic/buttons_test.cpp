#include "controls_fixture.h"

namespace controls_test {
namespace {

using Buttons = ControlsTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(Buttons, MouseClickSendsOneBnClickedOnRelease) {
  HWND button = Child("Button", "OK", BS_PUSHBUTTON, 10, {10, 10, 90, 35});
  Press(Center(button));
  EXPECT_THAT(CommandCodes(10), IsEmpty());
  EXPECT_TRUE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(GetFocus(), button);
  Release(Center(button));
  EXPECT_THAT(CommandCodes(10), ElementsAre(static_cast<UINT>(BN_CLICKED)));
  EXPECT_FALSE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

TEST_F(Buttons, ReleaseOutsideCancelsTheClick) {
  HWND button = Child("Button", "OK", BS_PUSHBUTTON, 10, {10, 10, 90, 35});
  Press(Center(button));
  POINT outside = ScreenPoint(button, 200, 200);
  win32::input::MouseMove(outside);
  Pump();
  EXPECT_FALSE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  Release(outside);
  EXPECT_THAT(CommandCodes(10), IsEmpty());
}

TEST_F(Buttons, SpaceClicksOnRelease) {
  HWND button = Child("Button", "OK", BS_PUSHBUTTON, 10, {10, 10, 90, 35});
  SetFocus(button);
  win32::input::KeyDown(VK_SPACE);
  Pump();
  EXPECT_THAT(CommandCodes(10), IsEmpty());
  win32::input::KeyUp(VK_SPACE);
  Pump();
  EXPECT_THAT(CommandCodes(10), ElementsAre(static_cast<UINT>(BN_CLICKED)));
}

TEST_F(Buttons, Auto3StateCyclesAndPlainCheckBoxDoesNot) {
  HWND tri = Child("Button", "Tri", BS_AUTO3STATE, 11, {10, 10, 150, 30});
  HWND plain = Child("Button", "Plain", BS_CHECKBOX, 12, {10, 40, 150, 60});
  std::vector<LRESULT> states;
  for (int i = 0; i < 4; ++i) {
    SendMessage(tri, BM_CLICK, 0, 0);
    states.push_back(SendMessage(tri, BM_GETCHECK, 0, 0));
  }
  EXPECT_THAT(states, ElementsAre(BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED));
  SendMessage(plain, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessage(plain, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_THAT(CommandCodes(12), ElementsAre(static_cast<UINT>(BN_CLICKED)));
  // A two-state box clamps an indeterminate request.
  SendMessage(plain, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessage(plain, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// A program turns a check box into a three-state one and back at run time.
TEST_F(Buttons, SetStyleSwitchesBetweenTwoAndThreeStates) {
  HWND box = Child("Button", "Box", BS_AUTOCHECKBOX, 13, {10, 10, 150, 30});
  SendMessage(box, BM_SETSTYLE, BS_AUTO3STATE, TRUE);
  EXPECT_EQ(GetWindowLong(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTO3STATE);
  SendMessage(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  SendMessage(box, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessage(box, BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
  std::vector<LRESULT> states;
  for (int i = 0; i < 3; ++i) {
    SendMessage(box, BM_CLICK, 0, 0);
    states.push_back(SendMessage(box, BM_GETCHECK, 0, 0));
  }
  EXPECT_THAT(states, ElementsAre(BST_CHECKED, BST_UNCHECKED, BST_CHECKED));
}

TEST_F(Buttons, AutoRadioChecksWithinItsGroupOnly) {
  HWND a = Child("Button", "A", BS_AUTORADIOBUTTON | WS_GROUP, 21, {10, 10, 100, 30});
  HWND b = Child("Button", "B", BS_AUTORADIOBUTTON, 22, {10, 40, 100, 60});
  HWND c = Child("Button", "C", BS_AUTORADIOBUTTON, 23, {10, 70, 100, 90});
  HWND other = Child("Button", "D", BS_AUTORADIOBUTTON | WS_GROUP, 24, {10, 100, 100, 120});
  SendMessage(a, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(other, BM_SETCHECK, BST_CHECKED, 0);
  Click(Center(c));
  EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessage(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessage(c, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessage(other, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(GetWindowLong(c, GWL_STYLE) & WS_TABSTOP);
  EXPECT_FALSE(GetWindowLong(a, GWL_STYLE) & WS_TABSTOP);
  EXPECT_THAT(CommandCodes(23), ElementsAre(static_cast<UINT>(BN_CLICKED)));
}

TEST_F(Buttons, DisabledButtonIgnoresMouseKeysAndBmClick) {
  HWND button = Child("Button", "Off", BS_AUTOCHECKBOX, 30, {10, 10, 120, 30});
  EnableWindow(button, FALSE);
  Click(Center(button));
  SendMessage(button, BM_CLICK, 0, 0);
  EXPECT_THAT(CommandCodes(30), IsEmpty());
  EXPECT_EQ(SendMessage(button, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Buttons, SetStyleSwitchesDefaultAndDialogCode) {
  HWND button = Child("Button", "OK", BS_PUSHBUTTON, 40, {10, 10, 90, 35});
  EXPECT_EQ(SendMessage(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  SendMessage(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(GetWindowLong(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLong(button, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(SendMessage(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(Buttons, NotifyStyleReportsFocusAndDoubleClicks) {
  HWND button = Child("Button", "N", BS_PUSHBUTTON | BS_NOTIFY, 50, {10, 10, 90, 35});
  HWND plain = Child("Button", "P", BS_PUSHBUTTON, 51, {10, 50, 90, 75});
  SetFocus(button);
  SetFocus(plain);
  EXPECT_THAT(CommandCodes(50), ElementsAre(static_cast<UINT>(BN_SETFOCUS), static_cast<UINT>(BN_KILLFOCUS)));
  EXPECT_THAT(CommandCodes(51), IsEmpty());
}

TEST_F(Buttons, GroupBoxesAndPlainStaticsAreTransparentToTheMouse) {
  HWND group = Child("Button", "Group", BS_GROUPBOX, 60, {10, 10, 200, 100});
  HWND label = Child("Static", "Label", SS_LEFT, 61, {10, 110, 200, 130});
  HWND notify = Child("Static", "Click me", SS_LEFT | SS_NOTIFY, 62, {10, 140, 200, 160});
  POINT pt = Center(group);
  EXPECT_EQ(SendMessage(group, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTTRANSPARENT);
  pt = Center(label);
  EXPECT_EQ(SendMessage(label, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTTRANSPARENT);
  pt = Center(notify);
  EXPECT_EQ(SendMessage(notify, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTCLIENT);
  EXPECT_EQ(SendMessage(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
  Click(Center(notify));
  EXPECT_THAT(CommandCodes(62), ElementsAre(static_cast<UINT>(STN_CLICKED)));
}

TEST_F(Buttons, ImagesAndIconsAreStoredByType) {
  HWND button = Child("Button", "", BS_PUSHBUTTON | BS_BITMAP, 70, {10, 10, 60, 40});
  HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
  EXPECT_EQ(SendMessage(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)), 0);
  EXPECT_EQ(SendMessage(button, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap));
  EXPECT_EQ(SendMessage(button, BM_GETIMAGE, IMAGE_ICON, 0), 0);
  HWND icon = Child("Static", "", SS_ICON, 71, {100, 10, 140, 50});
  HICON system = LoadIcon(nullptr, IDI_INFORMATION);
  SendMessage(icon, STM_SETICON, reinterpret_cast<WPARAM>(system), 0);
  EXPECT_EQ(SendMessage(icon, STM_GETICON, 0, 0), reinterpret_cast<LRESULT>(system));
  DestroyWindow(button);
  DeleteObject(bitmap);
  EXPECT_EQ(SendMessage(button, BM_GETCHECK, 0, 0), 0);
}

}  // namespace
}  // namespace controls_test
