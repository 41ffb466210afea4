// A recording top-level parent (tests/support's RecordingWindow) that notes
// the WM_NOTIFY notifications of its tree views and tab controls and answers
// them as a test says, with helpers to build trees and to inject input.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "raw_input.h"
#include "recording_window.h"
#include "win32/commctrl.h"
#include "windows.h"

namespace tree_tab_test {

using namespace halvane::test::raw_input;

struct Notice {
  UINT code = 0;
  UINT action = 0;
  HTREEITEM oldItem = nullptr;
  HTREEITEM newItem = nullptr;
  UINT newState = 0;
  std::string text;                   // label-edit texts; "<null>" for a cancelled edit
  HTREEITEM selectionThen = nullptr;  // the tree's selection when it arrived
};

struct Recording {
  std::vector<Notice> notices;
  // Answers by notification code; absent codes answer 0.
  std::map<UINT, LRESULT> answers;
  // Runs on every notification before it is answered.
  std::function<void(const NMHDR&)> onNotify;
  // Texts answered to TVN_GETDISPINFO by item lParam.
  std::map<LPARAM, std::string> callbackTexts;
  int callbackChildren = 0;
  bool keepCallbackTexts = false;  // answer with TVIF_DI_SETITEM
  int textRequests = 0;
};

inline Recording& Log() {
  static Recording recording;
  return recording;
}

inline Notice Describe(const NMHDR& header) {
  Notice n;
  n.code = header.code;
  char cls[32] = {};
  GetClassName(header.hwndFrom, cls, sizeof(cls));
  if (std::string(cls) != WC_TREEVIEW) return n;
  n.selectionThen = TreeView_GetSelection(header.hwndFrom);
  switch (header.code) {
    case TVN_SELCHANGING:
    case TVN_SELCHANGED:
    case TVN_ITEMEXPANDING:
    case TVN_ITEMEXPANDED:
    case TVN_DELETEITEM:
    case TVN_BEGINDRAG: {
      const auto& nm = reinterpret_cast<const NMTREEVIEW&>(header);
      n.action = nm.action;
      n.oldItem = nm.itemOld.hItem;
      n.newItem = nm.itemNew.hItem;
      n.newState = nm.itemNew.state;
      break;
    }
    case TVN_BEGINLABELEDIT:
    case TVN_ENDLABELEDIT: {
      const auto& nm = reinterpret_cast<const NMTVDISPINFO&>(header);
      n.newItem = nm.item.hItem;
      n.text = nm.item.pszText ? nm.item.pszText : "<null>";
      break;
    }
    default:
      break;
  }
  return n;
}

inline void AnswerDispInfo(NMTVDISPINFO& info) {
  if (info.item.mask & TVIF_TEXT) {
    ++Log().textRequests;
    if (Log().keepCallbackTexts) info.item.mask |= TVIF_DI_SETITEM;
    const std::string& text = Log().callbackTexts[info.item.lParam];
    std::snprintf(info.item.pszText, static_cast<size_t>(info.item.cchTextMax), "%s", text.c_str());
  }
  if (info.item.mask & TVIF_CHILDREN) info.item.cChildren = Log().callbackChildren;
}

// The parent's answer to WM_NOTIFY: notes the notification and answers as
// the test said.
inline LRESULT AnswerNotify(HWND, WPARAM, LPARAM lParam) {
  auto& header = *reinterpret_cast<NMHDR*>(lParam);
  if (header.code == TVN_GETDISPINFO) {
    AnswerDispInfo(reinterpret_cast<NMTVDISPINFO&>(header));
    return 0;
  }
  Log().notices.push_back(Describe(header));
  if (Log().onNotify) Log().onNotify(header);
  auto answer = Log().answers.find(header.code);
  return answer == Log().answers.end() ? 0 : answer->second;
}

inline HTREEITEM AddItem(HWND tree, HTREEITEM parent, const char* text, HTREEITEM after = TVI_LAST, LPARAM param = 0) {
  TVINSERTSTRUCT tvis{};
  tvis.hParent = parent;
  tvis.hInsertAfter = after;
  tvis.item.mask = TVIF_TEXT | TVIF_PARAM;
  tvis.item.pszText = const_cast<LPSTR>(text);
  tvis.item.lParam = param;
  return TreeView_InsertItem(tree, &tvis);
}

class TreeTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
    Log() = Recording{};
    window_ = std::make_unique<halvane::test::RecordingWindow>("Trees and tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                               RECT{20, 20, 440, 340});
    window_->answer(WM_NOTIFY, AnswerNotify);
    parent_ = window_->hwnd();
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    window_.reset();
    Log() = Recording{};
    win32::ResetWindowSystem();
  }

  HWND Tree(DWORD style, int cx = 200, int cy = 200) {
    HWND tree = CreateWindowEx(WS_EX_CLIENTEDGE, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE | style, 10, 10, cx, cy,
                               parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100)), nullptr, nullptr);
    EXPECT_NE(tree, nullptr);
    return tree;
  }

  static HTREEITEM Add(HWND tree, HTREEITEM parent, const char* text, HTREEITEM after = TVI_LAST, LPARAM param = 0) {
    return AddItem(tree, parent, text, after, param);
  }

  static std::string TextOf(HWND tree, HTREEITEM item) {
    char buffer[260] = {};
    TVITEM tvi{};
    tvi.mask = TVIF_TEXT;
    tvi.hItem = item;
    tvi.pszText = buffer;
    tvi.cchTextMax = sizeof(buffer);
    if (!TreeView_GetItem(tree, &tvi)) return "<invalid>";
    return buffer;
  }

  // The texts of the children of `parent` (TVI_ROOT: the top level).
  static std::vector<std::string> ChildTexts(HWND tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM i = TreeView_GetChild(tree, parent); i; i = TreeView_GetNextSibling(tree, i))
      texts.push_back(TextOf(tree, i));
    return texts;
  }

  static std::vector<std::string> VisibleTexts(HWND tree) {
    std::vector<std::string> texts;
    for (HTREEITEM i = TreeView_GetRoot(tree); i; i = TreeView_GetNextVisible(tree, i))
      texts.push_back(TextOf(tree, i));
    return texts;
  }

  // The screen point in the middle of an item's label.
  static POINT LabelPoint(HWND tree, HTREEITEM item) {
    RECT rc{};
    EXPECT_TRUE(TreeView_GetItemRect(tree, item, &rc, TRUE));
    return ScreenPoint(tree, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  }

  // The screen point of an item's expand button: the middle of the indent
  // column just left of its label.
  static POINT ButtonPoint(HWND tree, HTREEITEM item) {
    RECT rc{};
    EXPECT_TRUE(TreeView_GetItemRect(tree, item, &rc, TRUE));
    int indent = static_cast<int>(TreeView_GetIndent(tree));
    return ScreenPoint(tree, rc.left - indent / 2, (rc.top + rc.bottom) / 2);
  }

  static void DoubleClick(POINT screen) {
    Click(screen);
    win32::input::MouseButton(0, true, screen);
    win32::input::MouseButton(0, false, screen);
    Pump();
  }

  static std::vector<UINT> Codes() {
    std::vector<UINT> codes;
    for (const Notice& n : Log().notices) codes.push_back(n.code);
    return codes;
  }
  static void ClearLog() { Log().notices.clear(); }
  // The latest notice with `code`; an empty one when none came.
  static Notice LastOf(UINT code) {
    for (auto it = Log().notices.rbegin(); it != Log().notices.rend(); ++it) {
      if (it->code == code) return *it;
    }
    return Notice{};
  }

  std::unique_ptr<halvane::test::RecordingWindow> window_;
  HWND parent_ = nullptr;
};

// A tree of three levels: Fruit (Apple, Banana (Cavendish, Plantain), Cherry),
// Vegetables (Leek), Grain.
struct SampleTree {
  HTREEITEM fruit, apple, banana, cavendish, plantain, cherry, vegetables, leek, grain;
};

inline SampleTree BuildSample(HWND tree) {
  SampleTree s{};
  s.fruit = AddItem(tree, TVI_ROOT, "Fruit");
  s.apple = AddItem(tree, s.fruit, "Apple");
  s.banana = AddItem(tree, s.fruit, "Banana");
  s.cavendish = AddItem(tree, s.banana, "Cavendish");
  s.plantain = AddItem(tree, s.banana, "Plantain");
  s.cherry = AddItem(tree, s.fruit, "Cherry");
  s.vegetables = AddItem(tree, TVI_ROOT, "Vegetables");
  s.leek = AddItem(tree, s.vegetables, "Leek");
  s.grain = AddItem(tree, TVI_ROOT, "Grain");
  return s;
}

}  // namespace tree_tab_test
