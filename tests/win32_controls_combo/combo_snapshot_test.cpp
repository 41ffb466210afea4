// Snapshots of the three kinds of combo box, one with its list dropped.
#include "combo_fixture.h"
#include "robot.h"

namespace combo_test {
namespace {

using ComboSnapshots = ComboTest;

TEST_F(ComboSnapshots, ClassicLookWithTheListDropped) {
  HWND disabled = Combo(CBS_DROPDOWNLIST, 300, {"Disabled"}, 140);
  SendMessage(disabled, CB_SETCURSEL, 0, 0);
  EnableWindow(disabled, FALSE);
  HWND simple = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_SIMPLE, 200, 10, 150, 110, parent_,
                               nullptr, nullptr, nullptr);
  for (const char* s : {"Simple one", "Simple two"}) SendMessage(simple, CB_ADDSTRING, 0, Str(s));
  SendMessage(simple, CB_SETCURSEL, 1, 0);
  HWND editable = Combo(CBS_DROPDOWN, 301, {"Editable"}, 180);
  SetWindowText(editable, "Typed text");
  HWND combo = Combo(CBS_DROPDOWNLIST, 302,
                     {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "Holiday"});
  SendMessage(combo, CB_SETCURSEL, 2, 0);
  SetFocus(combo);
  Key(VK_F4);
  Key(VK_DOWN);
  HWND list = DropList(combo);
  ASSERT_TRUE(IsWindowVisible(list));
  UpdateWindow(parent_);
  UpdateWindow(list);
  halvane::test::Snapshot(parent_, "combo_dropped", true);
  EXPECT_EQ(Text(combo), "Thursday");
}

}  // namespace
}  // namespace combo_test
