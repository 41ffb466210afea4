// The header control alone and as the list view's column header: items,
// layout, divider tracking and clicks with their notifications.
#include "listview_fixture.h"
#include "win32/input.h"

namespace listview_test {
namespace {

using ::testing::ElementsAre;
using HeaderTest = ListViewTest;

HDITEM WidthAndText(int width, const char* text) {
  HDITEM item{};
  item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
  item.cxy = width;
  item.pszText = Str(text);
  item.fmt = HDF_STRING | HDF_RIGHT;
  item.lParam = 77;
  return item;
}

TEST_F(HeaderTest, ItemsKeepTheirFieldsAndRectangles) {
  HWND header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 300, 20, parent_, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(header, nullptr);
  HDITEM first = WidthAndText(80, "Name");
  HDITEM second = WidthAndText(50, "Size");
  EXPECT_EQ(Header_InsertItem(header, 0, &first), 0);
  EXPECT_EQ(Header_InsertItem(header, 99, &second), 1) << "an index past the end appends";
  EXPECT_EQ(Header_InsertItem(header, -1, &second), -1);
  EXPECT_EQ(Header_GetItemCount(header), 2);

  char text[16] = {};
  HDITEM read{};
  read.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
  read.pszText = text;
  read.cchTextMax = sizeof(text);
  ASSERT_TRUE(Header_GetItem(header, 1, &read));
  EXPECT_EQ(read.cxy, 50);
  EXPECT_STREQ(text, "Size");
  EXPECT_EQ(read.fmt, HDF_STRING | HDF_RIGHT);
  EXPECT_EQ(read.lParam, 77);

  RECT rc{};
  ASSERT_TRUE(Header_GetItemRect(header, 1, &rc));
  EXPECT_EQ(rc.left, 80);
  EXPECT_EQ(rc.right, 130);
  EXPECT_FALSE(Header_GetItemRect(header, 2, &rc));

  EXPECT_TRUE(Header_DeleteItem(header, 0));
  EXPECT_FALSE(Header_DeleteItem(header, 5));
  ASSERT_TRUE(Header_GetItemRect(header, 0, &rc));
  EXPECT_EQ(rc.left, 0);
  DestroyWindow(header);
}

TEST_F(HeaderTest, LayoutTakesTheHeaderRowFromTheTopOfTheRectangle) {
  HWND header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD, 0, 0, 0, 0, parent_, nullptr, nullptr, nullptr);
  RECT room{5, 10, 205, 110};
  WINDOWPOS pos{};
  HDLAYOUT layout{&room, &pos};
  ASSERT_TRUE(Header_Layout(header, &layout));
  EXPECT_EQ(pos.x, 5);
  EXPECT_EQ(pos.y, 10);
  EXPECT_EQ(pos.cx, 200);
  EXPECT_GT(pos.cy, 10);
  EXPECT_EQ(room.top, 10 + pos.cy);
  EXPECT_FALSE(Header_Layout(header, nullptr));
  DestroyWindow(header);
}

TEST_F(HeaderTest, SetItemAsksTheParentFirst) {
  HWND header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD, 0, 0, 300, 20, parent_, nullptr, nullptr, nullptr);
  HDITEM item = WidthAndText(80, "Name");
  Header_InsertItem(header, 0, &item);
  HDITEM wider{};
  wider.mask = HDI_WIDTH;
  wider.cxy = 120;
  EXPECT_TRUE(Header_SetItem(header, 0, &wider));
  EXPECT_THAT(Codes(), ElementsAre(HDN_ITEMCHANGING, HDN_ITEMCHANGED));
  EXPECT_EQ(Notices()[0].width, 120);

  Log().answerCode = HDN_ITEMCHANGING;
  Log().answer = TRUE;
  wider.cxy = 10;
  EXPECT_FALSE(Header_SetItem(header, 0, &wider));
  RECT rc{};
  Header_GetItemRect(header, 0, &rc);
  EXPECT_EQ(rc.right, 120) << "a refused change leaves the width";
  DestroyWindow(header);
}

TEST_F(HeaderTest, DraggingADividerTracksAndResizesTheColumn) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  HWND header = ListView_GetHeader(list);
  ASSERT_TRUE(IsWindowVisible(header));
  ClearLog();
  robot.drag(halvane::test::Window(header), {100, 8}, {140, 8});
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), 140);
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), 60);
  std::vector<Notice> track = Notices({HDN_BEGINTRACK, HDN_TRACK, HDN_ENDTRACK});
  ASSERT_GE(track.size(), 3u);
  EXPECT_EQ(track.front().code, static_cast<UINT>(HDN_BEGINTRACK));
  EXPECT_EQ(track.front().width, 100);
  EXPECT_EQ(track.back().code, static_cast<UINT>(HDN_ENDTRACK));
  EXPECT_EQ(track.back().width, 140);
  EXPECT_EQ(track[track.size() - 2].code, static_cast<UINT>(HDN_TRACK));
  std::vector<Notice> changed = Notices({HDN_ITEMCHANGED});
  ASSERT_FALSE(changed.empty());
  EXPECT_EQ(changed.back().width, 140);
  for (const Notice& n : Notices({HDN_BEGINTRACK, HDN_TRACK, HDN_ENDTRACK, HDN_ITEMCHANGED})) EXPECT_EQ(n.item, 0);
  // The rows follow the header.
  RECT cell{};
  cell.top = 1;
  cell.left = LVIR_BOUNDS;
  AddRow(list, {"a", "b"});
  SendMessage(list, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
  EXPECT_EQ(cell.left, 140);
}

TEST_F(HeaderTest, WithoutFullDragTheWidthChangesWhenTheButtonGoesUp) {
  HWND header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 300, 20, parent_, nullptr,
                               nullptr, nullptr);
  HDITEM item = WidthAndText(80, "Name");
  Header_InsertItem(header, 0, &item);
  auto screen = [&](int x) {
    POINT pt{x, 10};
    ClientToScreen(header, &pt);
    return pt;
  };
  auto width = [&] {
    RECT rc{};
    Header_GetItemRect(header, 0, &rc);
    return rc.right - rc.left;
  };
  win32::input::MouseMove(screen(80));
  win32::input::MouseButton(0, true, screen(80));
  win32::input::MouseMove(screen(120));
  robot.pumpUntilIdle();
  EXPECT_EQ(width(), 80);
  ASSERT_FALSE(Notices({HDN_TRACK}).empty());
  EXPECT_EQ(Notices({HDN_TRACK}).back().width, 120);
  EXPECT_TRUE(Notices({HDN_ITEMCHANGED}).empty());
  win32::input::MouseButton(0, false, screen(120));
  robot.pumpUntilIdle();
  EXPECT_EQ(width(), 120);
  EXPECT_THAT(Codes(), ElementsAre(HDN_BEGINTRACK, HDN_TRACK, HDN_ENDTRACK, HDN_ITEMCHANGING, HDN_ITEMCHANGED));
  DestroyWindow(header);
}

TEST_F(HeaderTest, ARefusedBeginTrackLeavesTheColumn) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  Log().answerCode = HDN_BEGINTRACK;
  Log().answer = TRUE;
  robot.drag(halvane::test::Window(ListView_GetHeader(list)), {100, 8}, {150, 8});
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), 100);
  EXPECT_TRUE(Notices({HDN_TRACK, HDN_ENDTRACK, HDN_ITEMCHANGED}).empty());
}

TEST_F(HeaderTest, ClickingACaptionReportsTheColumn) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  ClearLog();
  robot.click(halvane::test::Window(ListView_GetHeader(list)), {130, 8});
  std::vector<Notice> clicks = Notices({HDN_ITEMCLICK, LVN_COLUMNCLICK});
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0].code, static_cast<UINT>(HDN_ITEMCLICK));
  EXPECT_EQ(clicks[0].item, 1);
  EXPECT_EQ(clicks[1].code, static_cast<UINT>(LVN_COLUMNCLICK));
  EXPECT_EQ(clicks[1].item, -1);
  EXPECT_EQ(clicks[1].subItem, 1);
}

TEST_F(HeaderTest, NoSortHeaderHasNoButtons) {
  HWND list = MakeList(LVS_REPORT | LVS_NOSORTHEADER, {{"Name", 100}});
  robot.click(halvane::test::Window(ListView_GetHeader(list)), {40, 8});
  EXPECT_TRUE(Notices({HDN_ITEMCLICK, LVN_COLUMNCLICK}).empty());
}

TEST_F(HeaderTest, DoubleClickOnADividerFitsTheColumnToItsCells) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 30}, {"Size", 60}});
  AddRow(list, {"A rather long first cell"});
  robot.doubleClick(halvane::test::Window(ListView_GetHeader(list)), {30, 8});
  ASSERT_FALSE(Notices({HDN_DIVIDERDBLCLICK}).empty());
  EXPECT_EQ(Notices({HDN_DIVIDERDBLCLICK}).front().item, 0);
  int fitted = ListView_GetColumnWidth(list, 0);
  EXPECT_GT(fitted, 100);
  EXPECT_EQ(SendMessage(list, LVM_GETSTRINGWIDTH, 0, reinterpret_cast<LPARAM>("A rather long first cell")) + 12 + 2,
            fitted);
}

TEST_F(HeaderTest, CaptionsAndCellsFollowTheirColumnsAlignment) {
  HWND list = MakeList(LVS_REPORT, {{"Left", 110}, {"Centre", 110}, {"Right", 110}}, 90);
  const int formats[] = {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
  for (int c = 1; c < 3; ++c) {
    LVCOLUMN column{};
    column.mask = LVCF_FMT;
    column.fmt = formats[c];
    ASSERT_TRUE(SendMessage(list, LVM_SETCOLUMN, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column)));
  }
  AddRow(list, {"first", "middle", "last"});
  AddRow(list, {"a longer first", "x", "12 KB"});
  HWND header = ListView_GetHeader(list);
  HDITEM item{};
  item.mask = HDI_FORMAT;
  ASSERT_TRUE(Header_GetItem(header, 2, &item));
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT) << "the list view passes the format to its header";
  UpdateWindow(parent_);
  robot.snapshot(halvane::test::Window(parent_), "column_alignments");
}

}  // namespace
}  // namespace listview_test
