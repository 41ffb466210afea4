// CImageList: ownership and the handle map, the image operations counted
// and drawn, overlays, icons and the bitmaps behind the list.
#include "cmnctl_fixture.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

using ImageListTest = CmnCtlTest;

TEST_F(ImageListTest, AddReplaceAndRemoveKeepTheCount) {
  CImageList list;
  ASSERT_TRUE(list.Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2));
  EXPECT_FALSE(list.Create(4, 4, ILC_COLOR24, 1, 1)) << "a second list over the first";
  CBitmap strip;
  MakeStrip(strip, 4, 4, {kRed, kGreen, kBlue});
  EXPECT_EQ(list.Add(&strip, static_cast<CBitmap*>(nullptr)), 0);
  EXPECT_EQ(list.Add(&strip, kGreen), 3);
  EXPECT_EQ(list.GetImageCount(), 6);
  CBitmap one;
  MakeStrip(one, 4, 4, {kWhite});
  EXPECT_TRUE(list.Replace(1, &one, nullptr));
  EXPECT_FALSE(list.Replace(6, &one, nullptr)) << "past the end";
  EXPECT_EQ(list.GetImageCount(), 6);
  EXPECT_TRUE(list.Remove(0));
  EXPECT_FALSE(list.Remove(9));
  EXPECT_EQ(list.GetImageCount(), 5);
  EXPECT_TRUE(list.Remove(-1));
  EXPECT_EQ(list.GetImageCount(), 0);
}

TEST_F(ImageListTest, ARefusedSecondCreateMakesNoListOfItsOwn) {
  CImageList first, next;
  ASSERT_TRUE(first.Create(4, 4, ILC_COLOR24, 1, 1));
  EXPECT_FALSE(first.Create(4, 4, ILC_COLOR24, 1, 1));
  ASSERT_TRUE(next.Create(4, 4, ILC_COLOR24, 1, 1));
  // The window system numbers its lists in turn: a list made and dropped by
  // the refused call would stand between the two, never to be destroyed.
  EXPECT_EQ(reinterpret_cast<uintptr_t>(next.m_hImageList), reinterpret_cast<uintptr_t>(first.m_hImageList) + 1);
}

TEST_F(ImageListTest, DrawPaintsTheImageAndLeavesMaskedPixels) {
  CImageList list;
  ASSERT_TRUE(MakeMaskedList(list, 4, {kRed, kMagenta}, kMagenta));
  Canvas canvas(12, 6, kWhite);
  EXPECT_TRUE(list.Draw(canvas.dc(), 0, CPoint(1, 1), ILD_TRANSPARENT));
  EXPECT_TRUE(list.Draw(canvas.dc(), 1, CPoint(6, 1), ILD_TRANSPARENT));
  EXPECT_EQ(canvas.at(2, 2), kRed);
  EXPECT_EQ(canvas.at(0, 0), kWhite) << "outside the image";
  EXPECT_EQ(canvas.at(7, 2), kWhite) << "the mask colour is transparent";
  list.SetBkColor(kBlue);
  EXPECT_EQ(list.GetBkColor(), kBlue);
  EXPECT_TRUE(list.Draw(canvas.dc(), 1, CPoint(6, 1), ILD_NORMAL));
  EXPECT_EQ(canvas.at(7, 2), kBlue) << "a normal draw fills the background";
  // A colour of the call's own fills instead; a size clips the image.
  EXPECT_TRUE(list.DrawEx(canvas.dc(), 1, CPoint(6, 1), CSize(2, 4), kGreen, CLR_DEFAULT, ILD_NORMAL));
  EXPECT_EQ(canvas.at(7, 2), kGreen);
  EXPECT_EQ(canvas.at(9, 2), kBlue) << "outside the clipped size";
  EXPECT_FALSE(list.Draw(canvas.dc(), 2, CPoint(0, 0), ILD_NORMAL));
  EXPECT_FALSE(list.Draw(nullptr, 0, CPoint(0, 0), ILD_NORMAL));
}

TEST_F(ImageListTest, OverlayIsDrawnOverTheImage) {
  CImageList list;
  ASSERT_TRUE(MakeMaskedList(list, 4, {kRed}, kMagenta));
  // The overlay: blue in its top half, transparent below.
  CBitmap overlay;
  MakeStrip(overlay, 4, 4, {kMagenta});
  {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&overlay);
    dc.FillSolidRect(0, 0, 4, 2, kBlue);
    dc.SelectObject(old);
  }
  ASSERT_EQ(list.Add(&overlay, kMagenta), 1);
  EXPECT_TRUE(list.SetOverlayImage(1, 1));
  EXPECT_FALSE(list.SetOverlayImage(1, 16)) << "overlays are numbered 1 to 15";
  Canvas canvas(4, 4, kWhite);
  EXPECT_TRUE(list.Draw(canvas.dc(), 0, CPoint(0, 0), ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1)));
  EXPECT_EQ(canvas.at(1, 0), kBlue);
  EXPECT_EQ(canvas.at(1, 3), kRed);
  // Removing the overlay's image forgets the overlay.
  EXPECT_TRUE(list.Remove(1));
  Canvas plain(4, 4, kWhite);
  EXPECT_TRUE(list.Draw(plain.dc(), 0, CPoint(0, 0), ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1)));
  EXPECT_EQ(plain.at(1, 0), kRed);
}

TEST_F(ImageListTest, IconsGoInAndComeOutWithTheirMask) {
  CImageList list;
  ASSERT_TRUE(MakeMaskedList(list, 4, {kGreen, kMagenta}, kMagenta));
  HICON icon = list.ExtractIcon(0);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(list.Add(icon), 2);
  EXPECT_EQ(list.Replace(1, icon), 1);
  DestroyIcon(icon);
  EXPECT_EQ(list.ExtractIcon(5), nullptr);
  Canvas canvas(8, 4, kWhite);
  EXPECT_TRUE(list.Draw(canvas.dc(), 1, CPoint(0, 0), ILD_TRANSPARENT));
  EXPECT_EQ(canvas.at(2, 2), kGreen) << "the icon replaced the transparent image";

  IMAGEINFO info{};
  ASSERT_TRUE(list.GetImageInfo(2, &info));
  EXPECT_EQ(CRect(info.rcImage), CRect(8, 0, 12, 4));
  ASSERT_NE(info.hbmImage, nullptr);
  ASSERT_NE(info.hbmMask, nullptr);
  BITMAP bm{};
  ASSERT_TRUE(GetObject(info.hbmImage, sizeof(bm), &bm));
  EXPECT_EQ(bm.bmWidth, 12);
  EXPECT_FALSE(list.GetImageInfo(3, &info));
}

TEST_F(ImageListTest, HandleMapAttachDetachAndTemporaries) {
  HIMAGELIST raw = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
  CImageList* temp = CImageList::FromHandle(raw);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(temp->GetSafeHandle(), raw);
  EXPECT_EQ(CImageList::FromHandle(raw), temp) << "one temporary per handle";
  CImageList::DeleteTempMap();
  EXPECT_EQ(ImageList_GetImageCount(raw), 0);
  EXPECT_TRUE(ImageList_SetIconSize(raw, 8, 8)) << "a temporary leaves its list alone";
  {
    CImageList owner;
    ASSERT_TRUE(owner.Attach(raw));
    EXPECT_FALSE(owner.Attach(raw));
    EXPECT_EQ(CImageList::FromHandle(raw), &owner);
    EXPECT_EQ(static_cast<HIMAGELIST>(owner), raw);
    EXPECT_EQ(owner.Detach(), raw);
    EXPECT_NE(CImageList::FromHandle(raw), &owner);
    ASSERT_TRUE(owner.Attach(raw));
  }
  EXPECT_FALSE(ImageList_SetIconSize(raw, 8, 8)) << "the owner destroyed its list";
  CImageList empty;
  EXPECT_FALSE(empty.DeleteImageList());
  EXPECT_FALSE(empty.Attach(nullptr));
}

}  // namespace
