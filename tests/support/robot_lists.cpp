// Picking items of list boxes and combo boxes with the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <windows.h>

#include "robot.h"

namespace halvane::test {
namespace {

std::string Quoted(const std::vector<std::string>& items) {
  std::ostringstream out;
  for (const std::string& item : items) out << " \"" << item << '"';
  return out.str();
}

int IndexOf(Window list, const std::string& item) {
  const std::vector<std::string> items = list.listItems();
  const auto found = std::find(items.begin(), items.end(), item);
  if (found != items.end()) return static_cast<int>(found - items.begin());
  ADD_FAILURE() << "Robot: no item \"" << item << "\" in " << ::testing::PrintToString(list)
                << "; items:" << Quoted(items);
  return -1;
}

// The drop button of a combo box, in its client coordinates: the arrow sits
// at the right end of the closed control.
POINT DropButtonOf(Window combo) {
  RECT client{};
  GetClientRect(combo.hwnd(), &client);
  const int arrowWidth = GetSystemMetrics(SM_CXVSCROLL);
  return {client.right - arrowWidth / 2 - 2, (client.top + client.bottom) / 2};
}

}  // namespace

void Robot::clickListItem(Window list, int index) {
  RECT item{};
  RECT client{};
  GetClientRect(list.hwnd(), &client);
  SendMessage(list.hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (item.top < client.top || item.bottom > client.bottom) {
    // A person would scroll first; the scroll bar's own input is not what
    // these tests are about.
    SendMessage(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    SendMessage(list.hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  click(list, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void Robot::select(Window listBox, const std::string& item) {
  if (!listBox.exists()) {
    ADD_FAILURE() << "Robot: select(\"" << item << "\") in a list box that does not exist";
    return;
  }
  if (const int index = IndexOf(listBox, item); index >= 0) clickListItem(listBox, index);
}

void Robot::choose(Window combo, const std::string& item) {
  if (!combo.exists()) {
    ADD_FAILURE() << "Robot: choose(\"" << item << "\") in a combo box that does not exist";
    return;
  }
  const int index = IndexOf(combo, item);
  if (index < 0) return;
  if (!combo.isSimpleComboBox()) click(combo, DropButtonOf(combo));
  const Window list = droppedList(combo);
  if (!list.isVisible()) {
    ADD_FAILURE() << "Robot: clicking " << ::testing::PrintToString(combo) << " did not open its list";
    return;
  }
  clickListItem(list, index);
}

}  // namespace halvane::test
