#include "HLGridDialogLayout.h"

#include <algorithm>

namespace {

constexpr int kGridMargin = 50;
constexpr int kButtonMargin = 10;

// The control's rectangle in its parent's client coordinates.
CRect PlaceOf(const CWnd& parent, const CWnd& control) {
  CRect rect;
  control.GetWindowRect(&rect);
  parent.ScreenToClient(&rect);
  return rect;
}

void MoveTo(CWnd& control, int x, int y) {
  control.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void HLLayoutGridDialog(CWnd& dialog, CWnd& grid, CWnd& ok, CWnd& cancel, int cx, int cy) {
  if (grid.GetSafeHwnd() == nullptr || ok.GetSafeHwnd() == nullptr || cancel.GetSafeHwnd() == nullptr) return;
  const CRect rcGrid = PlaceOf(dialog, grid);
  grid.SetWindowPos(nullptr, 0, 0, std::max(0, cx - rcGrid.left - kGridMargin),
                    std::max(0, cy - rcGrid.top - kGridMargin), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const CRect rcCancel = PlaceOf(dialog, cancel);
  const int cancelLeft = cx - kButtonMargin - rcCancel.Width();
  MoveTo(cancel, cancelLeft, cy - kButtonMargin - rcCancel.Height());
  const CRect rcOk = PlaceOf(dialog, ok);
  MoveTo(ok, cancelLeft - kButtonMargin - rcOk.Width(), cy - kButtonMargin - rcOk.Height());
  dialog.Invalidate();
}
