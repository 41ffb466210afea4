// Picking tree-view items by path and tabs by text with the mouse.
#include <gtest/gtest.h>

#include <sstream>

#include <windows.h>

#include "robot.h"
#include "win32/commctrl.h"

namespace halvane::test {
namespace {

std::string ItemText(HWND tree, HTREEITEM item) {
  char buffer[260] = {};
  TVITEM tvi{};
  tvi.mask = TVIF_TEXT;
  tvi.hItem = item;
  tvi.pszText = buffer;
  tvi.cchTextMax = sizeof(buffer);
  return TreeView_GetItem(tree, &tvi) ? buffer : "";
}

std::vector<std::string> ChildTexts(HWND tree, HTREEITEM parent) {
  std::vector<std::string> texts;
  for (HTREEITEM i = TreeView_GetChild(tree, parent); i; i = TreeView_GetNextSibling(tree, i))
    texts.push_back(ItemText(tree, i));
  return texts;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::ostringstream out;
  for (size_t i = 0; i < parts.size(); ++i) out << (i ? separator : "") << parts[i];
  return out.str();
}

bool IsTree(Window tree, const char* action) {
  if (tree.exists() && tree.className() == WC_TREEVIEW) return true;
  ADD_FAILURE() << "Robot: " << action << " in " << ::testing::PrintToString(tree) << ", which is no tree view";
  return false;
}

// Client rectangle of the item's label, scrolled into view first as a
// person would.
RECT VisibleLabel(HWND tree, HTREEITEM item) {
  TreeView_EnsureVisible(tree, item);
  RECT rc{};
  TreeView_GetItemRect(tree, item, &rc, TRUE);
  return rc;
}

int TabIndex(HWND tabs, const std::string& text) {
  int count = TabCtrl_GetItemCount(tabs);
  for (int i = 0; i < count; ++i) {
    char buffer[256] = {};
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    if (TabCtrl_GetItem(tabs, i, &item) && text == buffer) return i;
  }
  return -1;
}

std::vector<std::string> TabTexts(HWND tabs) {
  std::vector<std::string> texts;
  for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
    char buffer[256] = {};
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    TabCtrl_GetItem(tabs, i, &item);
    texts.push_back(buffer);
  }
  return texts;
}

}  // namespace

HTREEITEM Robot::treeItem(Window tree, const std::vector<std::string>& path) const {
  if (!IsTree(tree, "treeItem") || path.empty()) return nullptr;
  HWND hwnd = tree.hwnd();
  HTREEITEM parent = TVI_ROOT;
  for (const std::string& text : path) {
    HTREEITEM found = nullptr;
    for (HTREEITEM i = TreeView_GetChild(hwnd, parent); i && !found; i = TreeView_GetNextSibling(hwnd, i)) {
      if (ItemText(hwnd, i) == text) found = i;
    }
    if (!found) {
      ADD_FAILURE() << "Robot: no tree item \"" << Joined(path, "/") << "\" in " << ::testing::PrintToString(tree)
                    << "; \"" << text << "\" is not among: " << Joined(ChildTexts(hwnd, parent), ", ");
      return nullptr;
    }
    parent = found;
  }
  return parent;
}

void Robot::openTreeItem(Window tree, HTREEITEM item) {
  RECT label = VisibleLabel(tree.hwnd(), item);
  int indent = static_cast<int>(TreeView_GetIndent(tree.hwnd()));
  TVHITTESTINFO hit{};
  hit.pt = {label.left - indent / 2, (label.top + label.bottom) / 2};
  TreeView_HitTest(tree.hwnd(), &hit);
  // Items without a button (top level without root lines) open with a
  // double click on the label.
  if (hit.flags & TVHT_ONITEMBUTTON) {
    click(tree, hit.pt);
  } else {
    doubleClick(tree, {(label.left + label.right) / 2, (label.top + label.bottom) / 2});
  }
}

void Robot::expandTreeItem(Window tree, const std::vector<std::string>& path) {
  // Every branch on the way is opened, from the top down.
  for (size_t depth = 1; depth <= path.size(); ++depth) {
    HTREEITEM item = treeItem(tree, std::vector<std::string>(path.begin(), path.begin() + depth));
    if (!item) return;
    if (TreeView_GetItemState(tree.hwnd(), item, TVIS_EXPANDED)) continue;
    openTreeItem(tree, item);
    if (!TreeView_GetItemState(tree.hwnd(), item, TVIS_EXPANDED)) {
      ADD_FAILURE() << "Robot: clicking the button of \"" << Joined(path, "/") << "\" did not expand it";
      return;
    }
  }
}

void Robot::selectTreeItem(Window tree, const std::vector<std::string>& path) {
  if (path.size() > 1) expandTreeItem(tree, std::vector<std::string>(path.begin(), path.end() - 1));
  HTREEITEM item = treeItem(tree, path);
  if (!item) return;
  RECT label = VisibleLabel(tree.hwnd(), item);
  click(tree, {(label.left + label.right) / 2, (label.top + label.bottom) / 2});
}

std::vector<std::string> Robot::treeChildren(Window tree, const std::vector<std::string>& path) const {
  if (!IsTree(tree, "treeChildren")) return {};
  HTREEITEM parent = path.empty() ? TVI_ROOT : treeItem(tree, path);
  return parent ? ChildTexts(tree.hwnd(), parent) : std::vector<std::string>{};
}

std::vector<std::string> Robot::selectedTreePath(Window tree) const {
  if (!IsTree(tree, "selectedTreePath")) return {};
  std::vector<std::string> path;
  for (HTREEITEM i = TreeView_GetSelection(tree.hwnd()); i; i = TreeView_GetParent(tree.hwnd(), i))
    path.insert(path.begin(), ItemText(tree.hwnd(), i));
  return path;
}

void Robot::selectTab(Window tabs, const std::string& text) {
  if (!tabs.exists() || tabs.className() != WC_TABCONTROL) {
    ADD_FAILURE() << "Robot: selectTab(\"" << text << "\") in " << ::testing::PrintToString(tabs)
                  << ", which is no tab control";
    return;
  }
  int index = TabIndex(tabs.hwnd(), text);
  if (index < 0) {
    ADD_FAILURE() << "Robot: no tab \"" << text << "\" in " << ::testing::PrintToString(tabs)
                  << "; tabs: " << Joined(TabTexts(tabs.hwnd()), ", ");
    return;
  }
  RECT rc{};
  TabCtrl_GetItemRect(tabs.hwnd(), index, &rc);
  click(tabs, {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

std::string Robot::selectedTab(Window tabs) const {
  int index = tabs.exists() ? TabCtrl_GetCurSel(tabs.hwnd()) : -1;
  if (index < 0) return {};
  std::vector<std::string> texts = TabTexts(tabs.hwnd());
  return index < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(index)] : std::string();
}

}  // namespace halvane::test
