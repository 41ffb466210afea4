#include "menu_fixture.h"

namespace halvane::test {

HMENU BuildMainMenu() {
  HMENU recent = CreatePopupMenu();
  AppendMenu(recent, MF_STRING, kRecentA, "&1 a.txt");
  AppendMenu(recent, MF_STRING, kRecentB, "&2 b.txt");
  HMENU file = CreatePopupMenu();
  AppendMenu(file, MF_STRING, kNew, "&New\tCtrl+N");
  AppendMenu(file, MF_STRING, kOpen, "&Open...");
  AppendMenu(file, MF_SEPARATOR, 0, nullptr);
  AppendMenu(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
  AppendMenu(file, MF_STRING, kExit, "E&xit");
  HMENU edit = CreatePopupMenu();
  AppendMenu(edit, MF_STRING | MF_GRAYED, kUndo, "&Undo");
  AppendMenu(edit, MF_STRING | MF_CHECKED, kCopy, "&Copy");
  AppendMenu(edit, MF_STRING, kPaste, "&Paste");
  HMENU view = CreatePopupMenu();
  AppendMenu(view, MF_STRING, kToolbar, "&Toolbar");
  AppendMenu(view, MF_STRING, kStatusBar, "&Status Bar");
  CheckMenuRadioItem(view, kToolbar, kStatusBar, kStatusBar, MF_BYCOMMAND);
  HMENU bar = CreateMenu();
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
  return bar;
}

void MenuTest::SetUp() {
  RobotTest::SetUp();
  main = std::make_unique<RecordingWindow>("Main");
  menu_ = BuildMainMenu();
  SetMenu(main->hwnd(), menu_);
  SetActiveWindow(main->hwnd());
  robot.pumpUntilIdle();
  main->clear();
}

void MenuTest::TearDown() {
  main.reset();
  RobotTest::TearDown();
}

POINT MenuTest::BarItemCentre(int index) const {
  RECT r{};
  EXPECT_TRUE(GetMenuItemRect(main->hwnd(), menu_, UINT(index), &r));
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MenuTest::ClickScreen(POINT screen) {
  internal::InjectMouseMove(screen);
  internal::InjectMouseButton(false, true, screen);
  internal::InjectMouseButton(false, false, screen);
  robot.pumpUntilIdle();
}

std::vector<UINT> MenuTest::commands() const {
  std::vector<UINT> ids;
  for (const Message& m : main->filtered({WM_COMMAND})) ids.push_back(LOWORD(m.wParam));
  return ids;
}

}  // namespace halvane::test
