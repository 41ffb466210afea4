// The caret blinks on the clock while it is shown and its window has the
// focus; an edit control paints it in the on phase only.
#include "core_test_support.h"
#include "internal/core_input.h"

namespace core_test {
namespace {

using CaretTest = CoreTest;
using win32::internal::CaretVisible;

void Blink(int times = 1) {
  win32::AdvanceClock(GetCaretBlinkTime() * static_cast<DWORD>(times));
  Pump();
}

TEST_F(CaretTest, AShownCaretBlinksEveryBlinkTimeAndRestartsOnWhenMoved) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetFocus(top);
  ASSERT_TRUE(CreateCaret(top, nullptr, 2, 12));
  EXPECT_FALSE(CaretVisible(top)) << "a new caret is hidden";
  ShowCaret(top);
  EXPECT_TRUE(CaretVisible(top));
  Blink();
  EXPECT_FALSE(CaretVisible(top));
  Blink();
  EXPECT_TRUE(CaretVisible(top));
  Blink();
  SetCaretPos(10, 4);
  EXPECT_TRUE(CaretVisible(top)) << "a moved caret shows at once";
  // A longer blink time holds the phase longer.
  SetCaretBlinkTime(1000);
  EXPECT_EQ(GetCaretBlinkTime(), 1000u);
  win32::AdvanceClock(600);
  Pump();
  EXPECT_TRUE(CaretVisible(top));
  win32::AdvanceClock(400);
  Pump();
  EXPECT_FALSE(CaretVisible(top));
  HideCaret(top);
  Blink(3);
  EXPECT_FALSE(CaretVisible(top)) << "a hidden caret stays hidden";
  EXPECT_TRUE(DestroyCaret());
  EXPECT_FALSE(DestroyCaret());
}

TEST_F(CaretTest, OnlyTheFocusedOwnerShowsIt) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = MakeChild(top, 1);
  SetFocus(top);
  CreateCaret(child, nullptr, 1, 10);
  ShowCaret(child);
  EXPECT_FALSE(CaretVisible(child)) << "the window does not have the focus";
  EXPECT_FALSE(CaretVisible(top));
  SetFocus(child);
  EXPECT_TRUE(CaretVisible(child));
  EXPECT_FALSE(ShowCaret(top)) << "not the owner";
  EXPECT_FALSE(CaretVisible(nullptr));
  DestroyWindow(child);
  EXPECT_FALSE(CaretVisible(child));
  EXPECT_FALSE(SetCaretPos(1, 1)) << "the caret went with its window";
}

TEST_F(CaretTest, TheEditPaintsItsCaretInTheOnPhase) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, top, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  Pump();
  POINT caret{};
  GetCaretPos(&caret);
  auto caretPixel = [&] {
    HDC dc = GetDC(edit);
    const COLORREF c = GetPixel(dc, caret.x, caret.y + 2);
    ReleaseDC(edit, dc);
    return c;
  };
  EXPECT_EQ(caretPixel(), GetSysColor(COLOR_WINDOWTEXT));
  Blink();
  EXPECT_EQ(caretPixel(), GetSysColor(COLOR_WINDOW)) << "off phase";
  Blink();
  EXPECT_EQ(caretPixel(), GetSysColor(COLOR_WINDOWTEXT));
  SetFocus(top);
  Pump();
  Blink();
  EXPECT_EQ(caretPixel(), GetSysColor(COLOR_WINDOW)) << "no caret without the focus";
}

}  // namespace
}  // namespace core_test
