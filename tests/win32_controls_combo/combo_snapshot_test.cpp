// Snapshots of the three kinds of combo box, one with its list dropped,
// written to $HALVANE_TEST_OUTPUT for people to look at.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "combo_fixture.h"

namespace combo_test {
namespace {

using ComboSnapshots = ComboTest;

std::string OutputPath(const char* name) {
  const char* dir = std::getenv("HALVANE_TEST_OUTPUT");
  std::filesystem::path base = dir && *dir ? dir : std::filesystem::temp_directory_path().string();
  std::filesystem::create_directories(base);
  return (base / name).string();
}

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
  HWND combo = Combo(CBS_DROPDOWNLIST, 302, {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
                                            "Sunday", "Holiday"});
  SendMessage(combo, CB_SETCURSEL, 2, 0);
  SetFocus(combo);
  Key(VK_F4);
  Key(VK_DOWN);
  HWND list = DropList(combo);
  ASSERT_TRUE(IsWindowVisible(list));
  UpdateWindow(parent_);
  UpdateWindow(list);
  const std::string parentPath = OutputPath("combo_dropped_parent.png");
  const std::string listPath = OutputPath("combo_dropped_list.png");
  ASSERT_TRUE(win32::RenderWindowToPng(parent_, parentPath.c_str()));
  ASSERT_TRUE(win32::RenderWindowToPng(list, listPath.c_str()));
  EXPECT_GT(std::filesystem::file_size(parentPath), 0u);
  EXPECT_GT(std::filesystem::file_size(listPath), 0u);
  EXPECT_EQ(Text(combo), "Thursday");
}

}  // namespace
}  // namespace combo_test
