#include "cell_fixture.h"

#include "win32/input.h"

namespace cells_test {

void CellTest::SetUp() {
  MfcTest::SetUp();
  GXInit();
  ASSERT_TRUE(
      frame.CreateEx(0, nullptr, "Cells", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 470, 300, nullptr, nullptr));
}

void CellTest::TearDown() {
  if (frame.GetSafeHwnd()) frame.DestroyWindow();
  MfcTest::TearDown();
}

void CellTest::Attach(CGXGridWnd& grid, ROWCOL rows, ROWCOL cols, int width, int height) {
  ASSERT_TRUE(
      grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(5, 5, 5 + width, 5 + height), &frame, 1001));
  grid.Initialize();
  grid.SetRowCount(rows);
  grid.SetColCount(cols);
  grid.SetFocus();
  robot.pumpUntilIdle();
}

CRect CellTest::CellRect(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  const CRect rect = grid.GetCellRect(row, col);
  EXPECT_FALSE(rect.IsRectEmpty()) << "cell " << row << "," << col << " is not in view";
  return rect;
}

void CellTest::ClickText(CGXGridWnd& grid, ROWCOL row, ROWCOL col) {
  CGXControl* control = grid.GetControl(row, col);
  const CRect text = control->GetTextRect(CellRect(grid, row, col), row, col, grid.LookupStyleRowCol(row, col));
  Click(grid, Centre(text));
}

namespace {

POINT ScreenOf(CGXGridWnd& grid, POINT point) {
  ::ClientToScreen(grid.GetSafeHwnd(), &point);
  return point;
}

}  // namespace

void CellTest::Press(CGXGridWnd& grid, POINT point) {
  const POINT screen = ScreenOf(grid, point);
  win32::input::MouseMove(screen);
  win32::input::MouseButton(0, true, screen);
  robot.pumpUntilIdle();
}

void CellTest::MoveTo(CGXGridWnd& grid, POINT point) {
  win32::input::MouseMove(ScreenOf(grid, point));
  robot.pumpUntilIdle();
}

void CellTest::Release(CGXGridWnd& grid, POINT point) {
  const POINT screen = ScreenOf(grid, point);
  win32::input::MouseMove(screen);
  win32::input::MouseButton(0, false, screen);
  robot.pumpUntilIdle();
}

DrawnCell::DrawnCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col, BOOL printing) {
  CClientDC screen(&grid);
  CRect client;
  grid.GetClientRect(&client);
  dc_.CreateCompatibleDC(&screen);
  bitmap_.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
  old_ = dc_.SelectObject(&bitmap_);
  dc_.FillSolidRect(&client, RGB(1, 2, 3));
  dc_.m_bPrinting = printing;
  grid.DrawCell(&dc_, row, col, grid.CalcRectFromRowCol(row, col));
}

DrawnCell::~DrawnCell() { dc_.SelectObject(old_); }

int DrawnCell::Count(const CRect& rect, COLORREF colour) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += dc_.GetPixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

std::vector<std::string> Texts(const CStringArray& values) {
  std::vector<std::string> texts;
  for (INT_PTR i = 0; i < values.GetSize(); ++i) texts.emplace_back(values[i]);
  return texts;
}

}  // namespace cells_test
