// A top-level parent that records the notifications and owner-draw requests
// of its list views and headers, with helpers that fill a report list view.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <commctrl.h>
#include <windows.h>

#include "robot_test.h"

namespace listview_test {

// One WM_NOTIFY (or WM_CONTEXTMENU) as the parent saw it.
struct Notice {
  UINT code = 0;
  HWND from = nullptr;
  int item = -1;
  int subItem = 0;
  UINT newState = 0;
  UINT oldState = 0;
  UINT changed = 0;
  int width = -1;    // HDN_*: the width the header item carried, if any
  WORD key = 0;      // LVN_KEYDOWN
  std::string text;  // LVN_BEGINLABELEDIT / LVN_ENDLABELEDIT; "(none)" for null
};

struct Recording {
  std::vector<Notice> notices;
  std::vector<DRAWITEMSTRUCT> draws;
  int measures = 0;
  UINT rowHeight = 0;  // answered to WM_MEASUREITEM when nonzero
  LRESULT answer = 0;  // answered to the notification `answerCode`
  UINT answerCode = 0;
  std::vector<std::string> callbackTexts;  // LVN_GETDISPINFO answers by subitem
};

Recording& Log();

inline LPSTR Str(const char* s) { return const_cast<LPSTR>(s); }

class ListViewTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A report list view with the given columns (name and width).
  HWND MakeList(DWORD style, std::initializer_list<std::pair<const char*, int>> columns, int cy = 200);
  // Appends one row: the first text is the item, the others its subitems.
  int AddRow(HWND list, std::initializer_list<const char*> texts, LPARAM param = 0);
  // Rows "Item 0", "Item 1"... with lParam = the index.
  void AddRows(HWND list, int count);

  static std::string ItemText(HWND list, int item, int subItem = 0);
  static UINT State(HWND list, int item) {
    return static_cast<UINT>(SendMessage(list, LVM_GETITEMSTATE, item, LVIS_SELECTED | LVIS_FOCUSED));
  }
  static void SetState(HWND list, int item, UINT state, UINT mask);
  static std::vector<int> Selected(HWND list);
  static RECT ItemRect(HWND list, int item, int code);
  // The middle of the row's label.
  static POINT LabelPoint(HWND list, int item);

  // The notifications with one of `codes` (all when empty), in order.
  static std::vector<Notice> Notices(std::initializer_list<UINT> codes = {});
  static std::vector<UINT> Codes();
  static void ClearLog() { Log().notices.clear(); }

  std::unique_ptr<halvane::test::RecordingWindow> window_;
  HWND parent_ = nullptr;
};

MATCHER_P4(Change, code, item, oldState, newState, "") {
  return arg.code == static_cast<UINT>(code) && arg.item == item && arg.oldState == static_cast<UINT>(oldState) &&
         arg.newState == static_cast<UINT>(newState);
}

}  // namespace listview_test
