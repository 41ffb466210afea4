// Control wrappers: creation and the members that read back what the
// controls hold; the bitmap button with its bitmaps from the resources.
#include <string>

#include "resource.h"
#include "wnd_fixture.h"

namespace {

using ControlTest = WndTest;

TEST_F(ControlTest, ListAndComboBoxesAddFindAndReadItems) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Controls"));
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 80), &parent, 1));
  EXPECT_EQ(list.AddString("beta"), 0);
  EXPECT_EQ(list.InsertString(0, "alpha"), 0);
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.FindStringExact(-1, "beta"), 1);
  EXPECT_EQ(list.SetCurSel(1), 1);
  CString text;
  list.GetText(list.GetCurSel(), text);
  EXPECT_EQ(std::string(text), "beta");
  list.GetText(7, text);
  EXPECT_TRUE(text.IsEmpty()) << "no such item";
  int marker = 0;
  list.SetItemDataPtr(0, &marker);
  EXPECT_EQ(list.GetItemDataPtr(0), &marker);

  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 90, 100, 200), &parent, 2));
  combo.AddString("one");
  combo.AddString("two");
  combo.AddString("twenty");
  EXPECT_EQ(combo.FindString(-1, "tw"), 1);
  EXPECT_EQ(combo.FindStringExact(-1, "twenty"), 2);
  EXPECT_EQ(combo.SelectString(-1, "twe"), 2);
  combo.GetLBText(combo.GetCurSel(), text);
  EXPECT_EQ(std::string(text), "twenty");
  EXPECT_EQ(combo.DeleteString(0), 2);
  EXPECT_FALSE(combo.GetDroppedState());
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
  parent.DestroyWindow();
}

TEST_F(ControlTest, EditButtonStaticAndScrollBar) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Controls"));
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 120, 20), &parent, 1));
  edit.SetWindowText("hello world");
  edit.SetSel(6, 11);
  int start = 0, end = 0;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 11);
  edit.ReplaceSel("there");
  CString text;
  edit.GetWindowText(text);
  EXPECT_EQ(std::string(text), "hello there");
  edit.LimitText(5);
  EXPECT_EQ(edit.GetLimitText(), 5u);
  EXPECT_EQ(edit.GetLineCount(), 1);

  CButton check;
  ASSERT_TRUE(check.Create("Check", WS_VISIBLE | BS_AUTO3STATE, CRect(0, 30, 80, 50), &parent, 2));
  check.SetCheck(BST_INDETERMINATE);
  EXPECT_EQ(check.GetCheck(), BST_INDETERMINATE);
  check.SetButtonStyle(BS_AUTOCHECKBOX);
  EXPECT_EQ(check.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_AUTOCHECKBOX));

  CStatic label;
  ASSERT_TRUE(label.Create("Label", WS_VISIBLE | SS_LEFT, CRect(0, 60, 80, 75), &parent));
  EXPECT_EQ(label.GetDlgCtrlID(), 0xFFFF);

  CScrollBar bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 80, 120, 96), &parent, 4));
  bar.SetScrollRange(0, 50);
  bar.SetScrollPos(20);
  EXPECT_EQ(bar.GetScrollPos(), 20);
  int low = -1, high = -1;
  bar.GetScrollRange(&low, &high);
  EXPECT_EQ(high, 50);
  parent.DestroyWindow();
}

TEST_F(ControlTest, FontsScrollingExtentsAndImagesThroughTheWrappers) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Wrappers"));
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, CRect(0, 0, 150, 40), &parent, 1));
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
  edit.SetFont(&font);
  ASSERT_NE(edit.GetFont(), nullptr);
  EXPECT_EQ(edit.GetFont()->GetSafeHandle(), font.GetSafeHandle());
  edit.SetWindowText("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
  EXPECT_EQ(edit.GetLineCount(), 6);
  edit.LineScroll(2);
  EXPECT_EQ(edit.GetFirstVisibleLine(), 2);
  // CharFromPos packs the character index (low word) and line (high word).
  const int hit = edit.CharFromPos(CPoint(2, 2));
  EXPECT_EQ(HIWORD(hit), 2);
  EXPECT_EQ(LOWORD(hit), static_cast<WORD>(edit.LineIndex(2)));
  edit.ShowScrollBar(SB_VERT, FALSE);
  EXPECT_FALSE(edit.GetStyle() & WS_VSCROLL);

  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | WS_HSCROLL, CRect(0, 50, 100, 120), &parent, 2));
  list.SetHorizontalExtent(400);
  EXPECT_EQ(list.GetHorizontalExtent(), 400);
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 130, 100, 230), &parent, 3));
  EXPECT_EQ(combo.SetDroppedWidth(250), 250);
  EXPECT_EQ(combo.GetDroppedWidth(), 250);
  EXPECT_FALSE(combo.GetDroppedState());

  CBitmap picture;
  {
    CClientDC dc(&parent);
    ASSERT_TRUE(picture.CreateCompatibleBitmap(&dc, 8, 8));
  }
  CButton button;
  ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP, CRect(110, 0, 150, 30), &parent, 4));
  EXPECT_EQ(button.SetBitmap(picture), nullptr);
  EXPECT_EQ(button.GetBitmap(), static_cast<HBITMAP>(picture.GetSafeHandle()));
  parent.DestroyWindow();
}

TEST_F(ControlTest, BitmapButtonLoadsSizesAndPaintsItsBitmap) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Bitmaps", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  CBitmapButton button;
  ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 60), &parent, 3));
  EXPECT_FALSE(button.LoadBitmaps(static_cast<UINT>(9999))) << "the up bitmap is required";
  ASSERT_TRUE(button.LoadBitmaps(IDB_PICTURE));
  button.SizeToContent();
  CRect rect;
  button.GetClientRect(&rect);
  EXPECT_EQ(rect.Size(), CSize(4, 2));
  button.Invalidate();
  button.UpdateWindow();
  CClientDC dc(&button);
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 0, 0));
  parent.DestroyWindow();
}

TEST_F(ControlTest, TypedLookUpsGiveObjectsOfTheControlsClass) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Typed"));
  ::CreateWindowEx(0, "EDIT", "typed", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent.m_hWnd,
                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(7)), nullptr, nullptr);
  CEdit* edit = parent.GetDlgItemAs<CEdit>(7);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CEdit)));
  edit->SetSel(0, -1);
  edit->ReplaceSel("done");
  EXPECT_EQ(parent.GetDlgItemAs<CEdit>(7), edit) << "one temporary per class and handle";
  CButton button;
  ASSERT_TRUE(button.Create("OK", WS_VISIBLE, CRect(0, 30, 60, 50), &parent, 8));
  EXPECT_EQ(parent.GetDlgItemAs<CButton>(8), &button) << "the permanent object when it is one";
  EXPECT_EQ(parent.GetDlgItemAs<CEdit>(99), nullptr);
  CString text;
  edit->GetWindowText(text);
  EXPECT_EQ(std::string(text), "done");
  parent.DestroyWindow();
}

TEST_F(ControlTest, AutoLoadFindsTheBitmapsNamedAfterTheButton) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Bitmaps"));
  CButton plain;
  ASSERT_TRUE(plain.Create("PICT", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 60), &parent, 3));
  plain.UnsubclassWindow();
  CBitmapButton button;
  ASSERT_TRUE(button.AutoLoad(3, &parent));
  EXPECT_NE(button.m_bitmap.GetSafeHandle(), nullptr);
  EXPECT_NE(button.m_bitmapSel.GetSafeHandle(), nullptr);
  EXPECT_EQ(button.m_bitmapFocus.GetSafeHandle(), nullptr) << "no PICTF: optional";
  CRect rect;
  button.GetWindowRect(&rect);
  EXPECT_EQ(rect.Size(), CSize(4, 2));
  CBitmapButton missing;
  EXPECT_FALSE(missing.AutoLoad(99, &parent));
  parent.DestroyWindow();
}

}  // namespace
