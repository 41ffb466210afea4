// Images of tree views (normal, selected and state images) and of tab
// controls: the room made for them, where they are drawn and hit tests.
#include <vector>

#include "image_strip.h"
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using Images = TreeTabTest;

constexpr COLORREF kColours[] = {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 200), RGB(220, 200, 0)};

// An image list of four plain squares of `size` pixels, one per colour.
HIMAGELIST Squares(int size) {
  HBITMAP strip = halvane::test::MakeColourStrip(size, size, {kColours[0], kColours[1], kColours[2], kColours[3]});
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24, 4, 1);
  ImageList_Add(list, strip, nullptr);
  DeleteObject(strip);
  return list;
}

// The control's client area painted into a memory bitmap.
class Rendered {
 public:
  explicit Rendered(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessage(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  }
  ~Rendered() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Rendered(const Rendered&) = delete;
  Rendered& operator=(const Rendered&) = delete;
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

HTREEITEM AddImageItem(HWND tree, const char* text, int image, int selected) {
  TVINSERTSTRUCT tvis{};
  tvis.hParent = TVI_ROOT;
  tvis.hInsertAfter = TVI_LAST;
  tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tvis.item.pszText = const_cast<LPSTR>(text);
  tvis.item.iImage = image;
  tvis.item.iSelectedImage = selected;
  return TreeView_InsertItem(tree, &tvis);
}

RECT LabelRect(HWND tree, HTREEITEM item) {
  RECT rc{};
  TreeView_GetItemRect(tree, item, &rc, TRUE);
  return rc;
}

UINT HitFlags(HWND tree, POINT pt) {
  TVHITTESTINFO info{};
  info.pt = pt;
  TreeView_HitTest(tree, &info);
  return info.flags;
}

TEST_F(Images, TreeDrawsTheImageOrTheSelectedImageLeftOfTheLabel) {
  HWND tree = Tree(0);
  HTREEITEM first = AddImageItem(tree, "Orders", 0, 1);
  HTREEITEM second = AddImageItem(tree, "Invoices", 2, 3);
  const RECT plain = LabelRect(tree, first);
  HIMAGELIST list = Squares(16);
  EXPECT_EQ(TreeView_SetImageList(tree, list, TVSIL_NORMAL), nullptr);
  EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), list);
  const RECT label = LabelRect(tree, first);
  EXPECT_GE(label.left - plain.left, 16) << "the label moves right of the image";
  const int x = label.left - 10, y = (label.top + label.bottom) / 2;
  EXPECT_EQ(HitFlags(tree, POINT{x, y}), UINT(TVHT_ONITEMICON));

  TreeView_SelectItem(tree, second);
  {
    Rendered r(tree);
    EXPECT_EQ(r.at(x, y), kColours[0]) << "an unselected item shows its image";
    const RECT next = LabelRect(tree, second);
    EXPECT_EQ(r.at(x, (next.top + next.bottom) / 2), kColours[3]) << "the selection shows the selected image";
  }
  TreeView_SelectItem(tree, first);
  Rendered r(tree);
  EXPECT_EQ(r.at(x, y), kColours[1]);
  DestroyWindow(tree);
  ImageList_Destroy(list);
}

TEST_F(Images, TreeRowsGrowForLargeImagesAndStateImagesComeFirst) {
  HWND tree = Tree(0);
  HTREEITEM item = AddImageItem(tree, "Customer", 0, 0);
  const int plainHeight = TreeView_GetItemHeight(tree);
  HIMAGELIST big = Squares(24);
  HIMAGELIST states = Squares(12);
  EXPECT_EQ(TreeView_SetImageList(tree, big, TVSIL_NORMAL), nullptr);
  EXPECT_GE(TreeView_GetItemHeight(tree), 24);
  EXPECT_GT(TreeView_GetItemHeight(tree), plainHeight);
  const RECT withImage = LabelRect(tree, item);
  EXPECT_EQ(TreeView_SetImageList(tree, states, TVSIL_STATE), nullptr);
  TreeView_SetItemState(tree, item, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
  const RECT withState = LabelRect(tree, item);
  EXPECT_EQ(withState.left - withImage.left, 12) << "room for the 12-pixel state image";
  // From the left: state image, then the normal image, then the label.
  const int y = (withState.top + withState.bottom) / 2;
  const int stateX = withState.left - 26 - 6, imageX = withState.left - 14;
  EXPECT_EQ(HitFlags(tree, POINT{stateX, y}), UINT(TVHT_ONITEMSTATEICON));
  EXPECT_EQ(HitFlags(tree, POINT{imageX, y}), UINT(TVHT_ONITEMICON));
  Rendered r(tree);
  EXPECT_EQ(r.at(stateX, y), kColours[2]) << "state image 2";
  EXPECT_EQ(r.at(imageX, y), kColours[0]);
  DestroyWindow(tree);
  ImageList_Destroy(big);
  ImageList_Destroy(states);
}

TEST_F(Images, TheHorizontalRangeEndsAtTheWidestRowWithItsImagesAndCheckBox) {
  HWND tree = Tree(TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES, 120, 120);
  HIMAGELIST list = Squares(16);
  EXPECT_EQ(TreeView_SetImageList(tree, list, TVSIL_NORMAL), nullptr);
  HTREEITEM root = AddImageItem(tree, "Customers", 0, 0);
  HTREEITEM deep = Add(tree, root, "A long label that needs the scroll bar");
  TreeView_Expand(tree, root, TVE_EXPAND);
  const RECT label = LabelRect(tree, deep);
  SCROLLINFO horz{};
  horz.cbSize = sizeof(horz);
  horz.fMask = SIF_RANGE;
  ASSERT_TRUE(GetScrollInfo(tree, SB_HORZ, &horz));
  EXPECT_EQ(horz.nMax + 1, label.right) << "the deepest, longest row sets the range, images and check box included";
  DestroyWindow(tree);
  ImageList_Destroy(list);
}

HWND ImageTabs(HWND parent, HIMAGELIST list) {
  HWND tabs =
      CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 150, parent, nullptr, nullptr, nullptr);
  EXPECT_EQ(TabCtrl_SetImageList(tabs, list), nullptr);
  const char* labels[] = {"General", "Trace"};
  for (int i = 0; i < 2; ++i) {
    TCITEM item{};
    item.mask = TCIF_TEXT | (i == 0 ? TCIF_IMAGE : 0);
    item.pszText = const_cast<LPSTR>(labels[i]);
    item.iImage = 1;
    TabCtrl_InsertItem(tabs, i, &item);
  }
  return tabs;
}

RECT TabRect(HWND tabs, int index) {
  RECT rc{};
  TabCtrl_GetItemRect(tabs, index, &rc);
  return rc;
}

TEST_F(Images, TabsMakeRoomForTheirImageAndDrawItBeforeTheText) {
  HWND plain = ImageTabs(parent_, nullptr);
  HIMAGELIST list = Squares(16);
  HWND tabs = ImageTabs(parent_, list);
  EXPECT_EQ(TabCtrl_GetImageList(tabs), list);
  const RECT withImage = TabRect(tabs, 0), without = TabRect(plain, 0);
  EXPECT_EQ((withImage.right - withImage.left) - (without.right - without.left), 16 + 3);
  EXPECT_EQ(TabRect(tabs, 1).right - TabRect(tabs, 1).left, TabRect(plain, 1).right - TabRect(plain, 1).left)
      << "a tab without an image keeps its width";
  Rendered r(tabs);
  // The image sits left in the tab, vertically centred; the other tab has none.
  const int y = (withImage.top + withImage.bottom) / 2;
  bool found = false;
  for (int x = withImage.left; x < withImage.left + 20; ++x) found = found || r.at(x, y) == kColours[1];
  EXPECT_TRUE(found) << "image 1 drawn in the first tab";
  const RECT second = TabRect(tabs, 1);
  for (int x = second.left; x < second.right; ++x) ASSERT_NE(r.at(x, y), kColours[1]);

  // Large images make the tabs taller.
  HIMAGELIST big = Squares(30);
  EXPECT_EQ(TabCtrl_SetImageList(tabs, big), list);
  EXPECT_GE(TabRect(tabs, 0).bottom - TabRect(tabs, 0).top, 30);
  DestroyWindow(tabs);
  DestroyWindow(plain);
  ImageList_Destroy(list);
  ImageList_Destroy(big);
}

}  // namespace
}  // namespace tree_tab_test
