// CPoint, CSize and CRect arithmetic, with the edge cases callers rely on.
#include <gtest/gtest.h>

#include "mfc/types.h"

namespace {

TEST(CRectTest, MeasuresAndCornersShareStorage) {
  CRect rect(10, 20, 110, 70);
  EXPECT_EQ(rect.Width(), 100);
  EXPECT_EQ(rect.Height(), 50);
  EXPECT_EQ(rect.Size(), CSize(100, 50));
  EXPECT_EQ(rect.CenterPoint(), CPoint(60, 45));
  // Writing through a corner moves the rectangle's own edge, as callers
  // convert &rect.TopLeft() in place.
  rect.TopLeft() = CPoint(0, 0);
  rect.BottomRight().Offset(5, 5);
  EXPECT_EQ(rect, CRect(0, 0, 115, 75));
  // An odd centre rounds toward zero, also for negative coordinates.
  EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));
}

TEST(CRectTest, EmptyAndNullAreDifferent) {
  EXPECT_TRUE(CRect().IsRectNull());
  EXPECT_TRUE(CRect().IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
  EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
  // An inverted rectangle is empty until normalised.
  CRect inverted(10, 10, 0, 0);
  EXPECT_TRUE(inverted.IsRectEmpty());
  inverted.NormalizeRect();
  EXPECT_EQ(inverted, CRect(0, 0, 10, 10));
  EXPECT_FALSE(inverted.IsRectEmpty());
}

TEST(CRectTest, PtInRectExcludesRightAndBottomEdges) {
  const CRect rect(0, 0, 10, 10);
  EXPECT_TRUE(rect.PtInRect(CPoint(0, 0)));
  EXPECT_TRUE(rect.PtInRect(CPoint(9, 9)));
  EXPECT_FALSE(rect.PtInRect(CPoint(10, 5)));
  EXPECT_FALSE(rect.PtInRect(CPoint(5, 10)));
  EXPECT_FALSE(CRect(0, 0, 0, 0).PtInRect(CPoint(0, 0)));
}

TEST(CRectTest, InflateDeflateAndOffset) {
  CRect rect(10, 10, 20, 20);
  rect.InflateRect(2, 3);
  EXPECT_EQ(rect, CRect(8, 7, 22, 23));
  rect.DeflateRect(CSize(2, 3));
  EXPECT_EQ(rect, CRect(10, 10, 20, 20));
  rect.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(rect, CRect(9, 8, 23, 24));
  const CRect margins(1, 2, 3, 4);
  rect.DeflateRect(&margins);
  EXPECT_EQ(rect, CRect(10, 10, 20, 20));
  // Deflating past the middle inverts the rectangle rather than clamping.
  rect.DeflateRect(6, 6);
  EXPECT_EQ(rect, CRect(16, 16, 14, 14));
  EXPECT_TRUE(rect.IsRectEmpty());

  CRect moved(0, 0, 4, 4);
  moved.OffsetRect(CPoint(-2, 3));
  EXPECT_EQ(moved, CRect(-2, 3, 2, 7));
  moved.MoveToXY(10, 20);
  EXPECT_EQ(moved, CRect(10, 20, 14, 24));
}

TEST(CRectTest, IntersectionOfDisjointRectanglesIsAllZero) {
  CRect result(1, 2, 3, 4);
  const CRect a(0, 0, 10, 10);
  const CRect b(20, 20, 30, 30);
  EXPECT_FALSE(result.IntersectRect(&a, &b));
  EXPECT_TRUE(result.IsRectNull());
  // Touching edges share no pixel.
  const CRect touching(10, 0, 20, 10);
  EXPECT_FALSE(result.IntersectRect(&a, &touching));
  const CRect overlap(5, 5, 15, 15);
  EXPECT_TRUE(result.IntersectRect(&a, &overlap));
  EXPECT_EQ(result, CRect(5, 5, 10, 10));
  EXPECT_EQ(a & overlap, CRect(5, 5, 10, 10));
}

TEST(CRectTest, UnionIgnoresEmptyRectangles) {
  const CRect a(0, 0, 10, 10);
  const CRect empty(50, 50, 50, 60);
  EXPECT_EQ(a | empty, a);
  EXPECT_EQ(empty | a, a);
  EXPECT_EQ(a | CRect(20, -5, 30, 5), CRect(0, -5, 30, 10));
  CRect both;
  EXPECT_FALSE(both.UnionRect(&empty, &empty));
  EXPECT_TRUE(both.IsRectNull());
  CRect accumulated(a);
  accumulated |= CRect(-1, -1, 1, 1);
  EXPECT_EQ(accumulated, CRect(-1, -1, 10, 10));
  accumulated &= CRect(5, 5, 50, 50);
  EXPECT_EQ(accumulated, CRect(5, 5, 10, 10));
}

TEST(CRectTest, SubtractLeavesARectangleOnlyForAWholeSide) {
  CRect result;
  const CRect a(0, 0, 10, 10);
  const CRect leftStrip(-5, -5, 3, 15);
  EXPECT_TRUE(result.SubtractRect(&a, &leftStrip));
  EXPECT_EQ(result, CRect(3, 0, 10, 10));
  const CRect hole(3, 3, 6, 6);
  EXPECT_TRUE(result.SubtractRect(&a, &hole));
  EXPECT_EQ(result, a);
}

TEST(CRectTest, OperatorsWithPointsSizesAndRects) {
  const CRect rect(0, 0, 10, 10);
  EXPECT_EQ(rect + CPoint(1, 2), CRect(1, 2, 11, 12));
  EXPECT_EQ(rect - CSize(1, 2), CRect(-1, -2, 9, 8));
  const CRect margins(1, 1, 2, 2);
  EXPECT_EQ(rect + &margins, CRect(-1, -1, 12, 12));
  EXPECT_EQ(rect - &margins, CRect(1, 1, 8, 8));
  EXPECT_EQ(CPoint(3, 4) + &rect, CRect(3, 4, 13, 14));
  CRect shifted(rect);
  shifted += CPoint(5, 5);
  shifted -= CSize(1, 1);
  EXPECT_EQ(shifted, CRect(4, 4, 14, 14));
  EXPECT_NE(shifted, rect);
  EXPECT_EQ(CRect(CPoint(1, 1), CSize(2, 3)), CRect(1, 1, 3, 4));
  EXPECT_EQ(CRect(CPoint(1, 1), CPoint(2, 3)), CRect(1, 1, 2, 3));
  // Rounded scaling, as used for dialog units.
  EXPECT_EQ(CRect(1, 2, 3, 5).MulDiv(3, 2), CRect(2, 3, 5, 8));
}

TEST(CRectTest, NullRectPointersChangeNothing) {
  const LPCRECT none = nullptr;
  EXPECT_TRUE(CRect(none).IsRectNull());
  CRect rect(1, 2, 3, 4);
  rect.CopyRect(none);
  rect.InflateRect(none);
  rect.DeflateRect(none);
  EXPECT_EQ(rect, CRect(1, 2, 3, 4));
  EXPECT_FALSE(rect.EqualRect(none));
  EXPECT_FALSE(rect.IntersectRect(&rect, none));
}

TEST(CRectTest, PassesAsRectPointer) {
  CRect rect(0, 0, 5, 5);
  LPRECT writable = rect;
  ::OffsetRect(writable, 1, 1);
  EXPECT_EQ(rect, CRect(1, 1, 6, 6));
  const CRect& constant = rect;
  LPCRECT readable = constant;
  EXPECT_TRUE(::EqualRect(readable, &rect));
}

TEST(CPointTest, ArithmeticWithSizes) {
  CPoint point(3, 4);
  EXPECT_EQ(point + CSize(1, 1), CPoint(4, 5));
  EXPECT_EQ(point - CPoint(1, 1), CSize(2, 3));
  EXPECT_EQ(-point, CPoint(-3, -4));
  point += CSize(10, 10);
  point -= CPoint(1, 2);
  EXPECT_EQ(point, CPoint(12, 12));
  // A packed mouse position keeps its sign.
  const CPoint packed(static_cast<LPARAM>(MAKELPARAM(-5, 7)));
  EXPECT_EQ(packed, CPoint(-5, 7));
}

TEST(CSizeTest, ArithmeticAndComparison) {
  const CSize size(4, 5);
  EXPECT_EQ(size + CSize(1, 1), CSize(5, 6));
  EXPECT_EQ(size - CSize(5, 5), CSize(-1, 0));
  EXPECT_EQ(-size, CSize(-4, -5));
  EXPECT_EQ(size + CPoint(1, 2), CPoint(5, 7));
  EXPECT_NE(size, CSize(5, 4));
}

}  // namespace
