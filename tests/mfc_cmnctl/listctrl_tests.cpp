// CListCtrl and CHeaderCtrl: columns, items, texts, selection through the
// robot's clicks, sorting by callback, images, and notifications reflected
// to a derived control.
#include <string>
#include <vector>

#include "cmnctl_fixture.h"

namespace {

using ListCtrlTest = CmnCtlTest;
using halvane::test::Window;

// A report list of three columns and the given first-column texts.
void FillReport(CListCtrl& list, const std::vector<std::string>& names) {
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
  list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60, 1);
  list.InsertColumn(2, "Kind");
  for (const auto& name : names) {
    const int item = list.InsertItem(list.GetItemCount(), name.c_str());
    list.SetItemText(item, 1, std::to_string(name.size()).c_str());
  }
}

std::vector<std::string> Names(const CListCtrl& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.GetItemCount(); ++i) names.emplace_back(list.GetItemText(i, 0));
  return names;
}

TEST_F(ListCtrlTest, ColumnsItemsTextsAndData) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent, 5));
  FillReport(list, {"alpha", "beta", "gamma"});
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_EQ(list.GetColumnWidth(0), 120);
  EXPECT_TRUE(list.SetColumnWidth(2, 90));
  EXPECT_EQ(list.GetColumnWidth(2), 90);
  EXPECT_EQ(std::string(list.GetItemText(2, 1)), "5");

  // A text longer than any first guess comes back whole.
  const std::string longText(1000, 'x');
  EXPECT_TRUE(list.SetItemText(1, 2, longText.c_str()));
  EXPECT_EQ(std::string(list.GetItemText(1, 2)), longText);
  char small[4];
  EXPECT_EQ(list.GetItemText(1, 0, small, sizeof small), 3);
  EXPECT_EQ(std::string(small), "bet");
  EXPECT_TRUE(list.GetItemText(7, 0).IsEmpty());

  int marker = 0;
  EXPECT_TRUE(list.SetItemData(0, reinterpret_cast<DWORD_PTR>(&marker)));
  EXPECT_EQ(list.GetItemData(0), reinterpret_cast<DWORD_PTR>(&marker));
  EXPECT_EQ(list.GetItemData(9), 0u);
  EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, 1, "delta", LVIS_SELECTED, LVIS_SELECTED, 0, 42), 1);
  EXPECT_EQ(list.GetItemData(1), 42u);
  EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));

  LVITEM item{};
  item.mask = LVIF_TEXT;
  item.iItem = 3;
  item.iSubItem = 1;
  item.pszText = const_cast<LPSTR>("nine");
  EXPECT_TRUE(list.SetItem(&item));
  EXPECT_EQ(std::string(list.GetItemText(3, 1)), "nine");

  LVFINDINFO find{};
  find.flags = LVFI_STRING;
  find.psz = "gamma";
  EXPECT_EQ(list.FindItem(&find), 3);
  find.flags = LVFI_PARAM;
  find.lParam = 42;
  EXPECT_EQ(list.FindItem(&find), 1);

  CHeaderCtrl* header = list.GetHeaderCtrl();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->GetItemCount(), 3);
  char caption[32] = {};
  HDITEM hdi{};
  hdi.mask = HDI_TEXT | HDI_WIDTH;
  hdi.pszText = caption;
  hdi.cchTextMax = sizeof caption;
  ASSERT_TRUE(header->GetItem(1, &hdi));
  EXPECT_EQ(std::string(caption), "Size");
  EXPECT_EQ(hdi.cxy, 60);
  CRect second;
  EXPECT_TRUE(header->GetItemRect(1, &second));
  EXPECT_EQ(second.left, 120);

  EXPECT_TRUE(list.DeleteColumn(2));
  EXPECT_EQ(header->GetItemCount(), 2);
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"delta", "beta", "gamma"}));
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
  parent.DestroyWindow();
}

TEST_F(ListCtrlTest, ClicksSelectAndTheSelectionIsWalked) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 300, 200), &parent, 5));
  FillReport(list, {"one", "two", "three", "four"});
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);

  robot.clickListViewItem(Window(list.m_hWnd), 2);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
  robot.clickListViewItem(Window(list.m_hWnd), 0, {VK_CONTROL});
  robot.clickListViewItem(Window(list.m_hWnd), 3, {VK_CONTROL});
  EXPECT_EQ(list.GetSelectedCount(), 3u);
  std::vector<int> walked;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
    walked.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ(walked, (std::vector<int>{0, 2, 3}));

  // Hit testing finds the item under the middle of its rectangle.
  CRect rect;
  ASSERT_TRUE(list.GetItemRect(1, &rect, LVIR_BOUNDS));
  UINT flags = 0;
  EXPECT_EQ(list.HitTest(rect.CenterPoint(), &flags), 1);
  EXPECT_NE(flags & LVHT_ONITEM, 0u);
  EXPECT_EQ(list.HitTest(CPoint(5, 195)), -1);
  CRect sub;
  ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, sub));
  EXPECT_EQ(sub.left, rect.left + 120);
  EXPECT_EQ(sub.top, rect.top);

  EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED)) << "-1: every item";
  EXPECT_EQ(list.GetSelectedCount(), 0u);
  parent.DestroyWindow();
}

int CALLBACK ByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
  const int order = static_cast<int>(lParam2 - lParam1);
  return lParamSort == 1 ? order : -order;
}

TEST_F(ListCtrlTest, SortItemsReordersByTheCallback) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent, 5));
  FillReport(list, {"b", "d", "a", "c"});
  for (int i = 0; i < list.GetItemCount(); ++i) list.SetItemData(i, static_cast<DWORD_PTR>(list.GetItemText(i, 0)[0]));
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_TRUE(list.SortItems(ByDataDescending, 1));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"d", "c", "b", "a"}));
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0) << "the selection moves with its item";
  EXPECT_TRUE(list.SortItems(ByDataDescending, 0));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(std::string(list.GetItemText(0, 1)), "1") << "subitems move with their item";
  parent.DestroyWindow();
}

TEST_F(ListCtrlTest, ImageListsExtendedStyleAndScrolling) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, CRect(0, 0, 300, 120), &parent, 5));
  CImageList small;
  ASSERT_TRUE(small.Create(16, 16, ILC_COLOR24, 1, 1));
  EXPECT_EQ(list.SetImageList(&small, LVSIL_SMALL), nullptr);
  EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &small);
  EXPECT_EQ(list.GetImageList(LVSIL_NORMAL), nullptr);
  EXPECT_EQ(list.SetImageList(nullptr, LVSIL_SMALL), &small);

  EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), 0u);
  EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));

  std::vector<std::string> names;
  for (int i = 0; i < 40; ++i) names.push_back("row " + std::to_string(i));
  FillReport(list, names);
  const int page = list.GetCountPerPage();
  ASSERT_GT(page, 0);
  ASSERT_LT(page, 40);
  EXPECT_EQ(list.GetTopIndex(), 0);
  EXPECT_TRUE(list.EnsureVisible(30, FALSE));
  EXPECT_LE(list.GetTopIndex(), 30);
  EXPECT_GT(list.GetTopIndex() + page, 30);
  CRect row;
  list.GetItemRect(0, &row, LVIR_BOUNDS);
  const int before = list.GetTopIndex();
  EXPECT_TRUE(list.Scroll(CSize(0, -2 * row.Height())));
  EXPECT_EQ(list.GetTopIndex(), before - 2);
  EXPECT_TRUE(list.RedrawItems(0, 5));
  parent.DestroyWindow();
}

TEST_F(ListCtrlTest, ItemOverlayIsDrawnOverItsIcon) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, CRect(0, 0, 300, 120), &parent, 5));
  CImageList images;
  ASSERT_TRUE(MakeMaskedList(images, 16, {RGB(255, 0, 0), RGB(0, 0, 255)}));
  ASSERT_TRUE(images.SetOverlayImage(1, 1));
  list.SetImageList(&images, LVSIL_SMALL);
  FillReport(list, {"plain", "marked"});
  list.SetItem(0, 0, LVIF_IMAGE, nullptr, 0, 0, 0, 0);
  list.SetItem(1, 0, LVIF_IMAGE, nullptr, 0, 0, 0, 0);
  EXPECT_TRUE(list.SetItemState(1, INDEXTOOVERLAYMASK(1), LVIS_OVERLAYMASK));
  EXPECT_EQ(list.GetItemState(1, LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));

  CRect plain, marked;
  ASSERT_TRUE(list.GetItemRect(0, &plain, LVIR_ICON));
  ASSERT_TRUE(list.GetItemRect(1, &marked, LVIR_ICON));
  Canvas canvas(list);
  EXPECT_EQ(canvas.at(plain.left + 8, plain.CenterPoint().y), RGB(255, 0, 0));
  EXPECT_EQ(canvas.at(marked.left + 8, marked.CenterPoint().y), RGB(0, 0, 255));
  list.SetImageList(nullptr, LVSIL_SMALL);
  parent.DestroyWindow();
}

TEST_F(ListCtrlTest, LabelEditingHandsOutTheEditControl) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS, CRect(0, 0, 300, 200), &parent, 5));
  FillReport(list, {"first"});
  EXPECT_EQ(list.GetEditControl(), nullptr);
  CEdit* edit = list.EditLabel(0);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(list.GetEditControl(), edit);
  CString text;
  edit->GetWindowText(text);
  EXPECT_EQ(std::string(text), "first");
  parent.DestroyWindow();
}

// A list that handles its own LVN_ITEMCHANGED.
class CWatchedList : public CListCtrl {
 public:
  std::vector<int> changed;

 protected:
  void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* info = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if ((info->uNewState & LVIS_SELECTED) && !(info->uOldState & LVIS_SELECTED)) changed.push_back(info->iItem);
    *pResult = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWatchedList, CListCtrl)
  ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
END_MESSAGE_MAP()

// A parent that would see the same notification when not reflected.
class CListParent : public CWnd {
 public:
  int seen = 0;

 protected:
  void OnItemChanged(NMHDR*, LRESULT*) { ++seen; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListParent, CWnd)
  ON_NOTIFY(LVN_ITEMCHANGED, 5, OnItemChanged)
END_MESSAGE_MAP()

TEST_F(ListCtrlTest, ReflectedItemChangedReachesTheDerivedControl) {
  CListParent parent;
  ASSERT_TRUE(CreateParent(parent, "List"));
  CWatchedList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 300, 200), &parent, 5));
  FillReport(list, {"one", "two", "three"});
  robot.clickListViewItem(Window(list.m_hWnd), 1);
  robot.clickListViewItem(Window(list.m_hWnd), 2);
  EXPECT_EQ(list.changed, (std::vector<int>{1, 2}));
  EXPECT_EQ(parent.seen, 0) << "a reflected notification stops at the control";
  parent.DestroyWindow();
}

}  // namespace
