#include "listview_fixture.h"

#include <cstring>

namespace listview_test {

Recording& Log() {
  static Recording recording;
  return recording;
}

namespace {

Notice Describe(const NMHDR& hdr) {
  Notice n;
  n.code = hdr.code;
  n.from = hdr.hwndFrom;
  if (hdr.code == LVN_BEGINLABELEDIT || hdr.code == LVN_ENDLABELEDIT) {
    const auto& info = reinterpret_cast<const NMLVDISPINFO&>(hdr);
    n.item = info.item.iItem;
    n.text = info.item.pszText ? info.item.pszText : "(none)";
  } else if (hdr.code == LVN_KEYDOWN) {
    n.key = reinterpret_cast<const NMLVKEYDOWN&>(hdr).wVKey;
  } else if (hdr.code >= HDN_LAST && hdr.code <= HDN_FIRST) {
    const auto& nm = reinterpret_cast<const NMHEADER&>(hdr);
    n.item = nm.iItem;
    if (nm.pitem && (nm.pitem->mask & HDI_WIDTH)) n.width = nm.pitem->cxy;
  } else if (hdr.code == NM_CLICK || hdr.code == NM_DBLCLK || hdr.code == NM_RCLICK ||
             (hdr.code >= LVN_LAST && hdr.code <= LVN_FIRST && hdr.code != LVN_GETDISPINFO)) {
    const auto& nm = reinterpret_cast<const NMLISTVIEW&>(hdr);
    n.item = nm.iItem;
    n.subItem = nm.iSubItem;
    n.newState = nm.uNewState;
    n.oldState = nm.uOldState;
    n.changed = nm.uChanged;
  }
  return n;
}

LRESULT AnswerDispInfo(LPARAM lParam) {
  auto* info = reinterpret_cast<NMLVDISPINFO*>(lParam);
  size_t sub = static_cast<size_t>(info->item.iSubItem);
  if (info->item.mask & LVIF_IMAGE) info->item.iImage = 100 + info->item.iItem;
  if ((info->item.mask & LVIF_TEXT) && sub < Log().callbackTexts.size()) {
    std::string text = Log().callbackTexts[sub] + " " + std::to_string(info->item.iItem);
    std::strncpy(info->item.pszText, text.c_str(), static_cast<size_t>(info->item.cchTextMax) - 1);
  }
  return 0;
}

// The parent's answers: notifications noted and answered as the test says,
// owner-drawn rows filled red (selected) or blue, the row height given.
void AnswerAsTheTestSays(halvane::test::RecordingWindow& parent) {
  parent.answer(WM_NOTIFY, [](HWND, WPARAM, LPARAM lParam) -> LRESULT {
    const auto& hdr = *reinterpret_cast<const NMHDR*>(lParam);
    if (hdr.code == LVN_GETDISPINFO) return AnswerDispInfo(lParam);
    Log().notices.push_back(Describe(hdr));
    return hdr.code == Log().answerCode ? Log().answer : 0;
  });
  parent.answer(WM_DRAWITEM, [](HWND, WPARAM, LPARAM lParam) -> LRESULT {
    const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Log().draws.push_back(dis);
    HBRUSH brush = CreateSolidBrush((dis.itemState & ODS_SELECTED) ? RGB(200, 0, 0) : RGB(0, 0, 200));
    FillRect(dis.hDC, &dis.rcItem, brush);
    DeleteObject(brush);
    return TRUE;
  });
  parent.answer(WM_CONTEXTMENU, [](HWND, WPARAM wParam, LPARAM) -> LRESULT {
    Notice n;
    n.code = WM_CONTEXTMENU;
    n.from = reinterpret_cast<HWND>(wParam);
    Log().notices.push_back(n);
    return 0;
  });
  parent.answer(WM_MEASUREITEM, [](HWND, WPARAM, LPARAM lParam) -> LRESULT {
    ++Log().measures;
    if (Log().rowHeight) reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = Log().rowHeight;
    return TRUE;
  });
}

}  // namespace

void ListViewTest::SetUp() {
  RobotTest::SetUp();
  Log() = Recording{};
  window_ = std::make_unique<halvane::test::RecordingWindow>("List views", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                             RECT{20, 20, 480, 360});
  AnswerAsTheTestSays(*window_);
  parent_ = window_->hwnd();
  ASSERT_NE(parent_, nullptr);
}

void ListViewTest::TearDown() {
  window_.reset();
  Log() = Recording{};
  RobotTest::TearDown();
}

HWND ListViewTest::MakeList(DWORD style, std::initializer_list<std::pair<const char*, int>> columns, int cy) {
  HWND list = CreateWindowEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, 10, 400,
                             cy, parent_, reinterpret_cast<HMENU>(100), nullptr, nullptr);
  EXPECT_NE(list, nullptr);
  int index = 0;
  for (const auto& [name, width] : columns) {
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = Str(name);
    column.cx = width;
    SendMessage(list, LVM_INSERTCOLUMN, index++, reinterpret_cast<LPARAM>(&column));
  }
  return list;
}

int ListViewTest::AddRow(HWND list, std::initializer_list<const char*> texts, LPARAM param) {
  LVITEM item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = Str(*texts.begin());
  item.lParam = param;
  int index = static_cast<int>(SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
  int sub = 0;
  for (const char* text : texts) {
    if (sub > 0) {
      LVITEM subItem{};
      subItem.iSubItem = sub;
      subItem.pszText = Str(text);
      SendMessage(list, LVM_SETITEMTEXT, index, reinterpret_cast<LPARAM>(&subItem));
    }
    ++sub;
  }
  return index;
}

void ListViewTest::AddRows(HWND list, int count) {
  for (int i = 0; i < count; ++i) AddRow(list, {("Item " + std::to_string(i)).c_str()}, i);
}

std::string ListViewTest::ItemText(HWND list, int item, int subItem) {
  char buffer[256] = {};
  LVITEM lvi{};
  lvi.iSubItem = subItem;
  lvi.pszText = buffer;
  lvi.cchTextMax = sizeof(buffer);
  SendMessage(list, LVM_GETITEMTEXT, item, reinterpret_cast<LPARAM>(&lvi));
  return buffer;
}

void ListViewTest::SetState(HWND list, int item, UINT state, UINT mask) {
  LVITEM lvi{};
  lvi.state = state;
  lvi.stateMask = mask;
  SendMessage(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
}

std::vector<int> ListViewTest::Selected(HWND list) {
  std::vector<int> selected;
  for (int i = -1;
       (i = static_cast<int>(SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) >= 0;)
    selected.push_back(i);
  return selected;
}

RECT ListViewTest::ItemRect(HWND list, int item, int code) {
  RECT rc{};
  rc.left = code;
  SendMessage(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rc));
  return rc;
}

POINT ListViewTest::LabelPoint(HWND list, int item) {
  RECT rc = ItemRect(list, item, LVIR_LABEL);
  return POINT{rc.left + 6, (rc.top + rc.bottom) / 2};
}

std::vector<Notice> ListViewTest::Notices(std::initializer_list<UINT> codes) {
  std::vector<Notice> out;
  for (const Notice& n : Log().notices) {
    if (codes.size() == 0 || std::find(codes.begin(), codes.end(), n.code) != codes.end()) out.push_back(n);
  }
  return out;
}

std::vector<UINT> ListViewTest::Codes() {
  std::vector<UINT> codes;
  for (const Notice& n : Log().notices) codes.push_back(n.code);
  return codes;
}

}  // namespace listview_test
