// The fixture of the cell-control tests: tests/support's grid fixture with
// a frame window to hold one grid, and the clipboard's text.
#pragma once

#include "grid_test.h"

namespace grid_test {

using Cell = halvane::test::GridCell;
using RecordingGrid = halvane::test::RecordingGrid;

class GridTest : public halvane::test::GridTestBase {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts the grid (already constructed) into the frame and initialises it.
  void Attach(CGXGridWnd& grid, int width = 420, int height = 260);
  // The clipboard's CF_TEXT, or "<none>".
  static std::string ClipboardText() { return halvane::test::ClipboardText(); }
  static void SetClipboardText(const std::string& text) { halvane::test::SetClipboardText(text); }

  CWinApp app{"Grid Control Tests"};
  CWnd frame;
};

}  // namespace grid_test
