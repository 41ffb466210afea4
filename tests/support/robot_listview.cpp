// Picking and reading rows of list views.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>

#include <commctrl.h>

#include "robot.h"

namespace halvane::test {
namespace {

bool IsListView(Window window) { return window.exists() && window.className() == WC_LISTVIEW; }

// The middle of the row's label, scrolled into view first.
bool ItemPoint(Window listView, int index, POINT& point) {
  if (!IsListView(listView)) {
    ADD_FAILURE() << "Robot: " << ::testing::PrintToString(listView) << " is not a list view";
    return false;
  }
  int count = static_cast<int>(SendMessage(listView.hwnd(), LVM_GETITEMCOUNT, 0, 0));
  if (index < 0 || index >= count) {
    ADD_FAILURE() << "Robot: no row " << index << " in " << ::testing::PrintToString(listView) << " (" << count
                  << " rows)";
    return false;
  }
  SendMessage(listView.hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
  RECT label{};
  label.left = LVIR_LABEL;
  SendMessage(listView.hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&label));
  point = POINT{label.left + std::min<LONG>(8, (label.right - label.left) / 2), (label.top + label.bottom) / 2};
  return true;
}

}  // namespace

void Robot::clickListViewItem(Window listView, int index, std::initializer_list<UINT> keys) {
  POINT point{};
  if (!ItemPoint(listView, index, point)) return;
  for (UINT vk : keys) press(vk);
  click(listView, point);
  for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk) release(*vk);
}

void Robot::clickListViewItem(Window listView, const std::string& text, std::initializer_list<UINT> keys) {
  const std::vector<std::string> rows = listViewColumn(listView);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i] == text) {
      clickListViewItem(listView, static_cast<int>(i), keys);
      return;
    }
  }
  ADD_FAILURE() << "Robot: no row \"" << text << "\" in " << ::testing::PrintToString(listView);
}

void Robot::doubleClickListViewItem(Window listView, int index) {
  POINT point{};
  if (ItemPoint(listView, index, point)) doubleClick(listView, point);
}

int Robot::listViewItemCount(Window listView) const {
  return IsListView(listView) ? static_cast<int>(SendMessage(listView.hwnd(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string Robot::listViewItemText(Window listView, int index, int subItem) const {
  if (!IsListView(listView)) return {};
  char buffer[1024] = {};
  LVITEM item{};
  item.iSubItem = subItem;
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  SendMessage(listView.hwnd(), LVM_GETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

std::vector<std::string> Robot::listViewColumn(Window listView, int subItem) const {
  std::vector<std::string> texts;
  for (int i = 0; i < listViewItemCount(listView); ++i) texts.push_back(listViewItemText(listView, i, subItem));
  return texts;
}

std::vector<int> Robot::listViewSelection(Window listView) const {
  std::vector<int> selected;
  if (!IsListView(listView)) return selected;
  for (int i = -1;;) {
    i = static_cast<int>(SendMessage(listView.hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED));
    if (i < 0) break;
    selected.push_back(i);
  }
  return selected;
}

}  // namespace halvane::test
