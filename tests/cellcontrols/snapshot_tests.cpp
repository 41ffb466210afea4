// Pictures of a grid with every cell control, of the drop-down grid open
// and of a header being pressed, compared with the committed references.
#include <gtest/gtest.h>

#include "BitmapBtnEdit.h"
#include "BrowseEditCtrl.h"
#include "DropGridCtrl.h"
#include "HeaderBtnControl.h"
#include "IndentEdit.h"
#include "cell_fixture.h"
#include "cell_showcase.h"

namespace cells_test {
namespace {

class SnapshotTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    Attach(grid, 0, 0, 450, 250);
    FillShowcase(grid, TRUE);
  }
  HostGrid grid;
};

TEST_F(SnapshotTest, EveryCellKindAndTheSortedHeader) {
  grid.SetCurrentCell(3, 2);
  robot.pumpUntilIdle();
  robot.snapshot(Frame(), "cells");
}

TEST_F(SnapshotTest, TheDropDownGridOpenWithItsValues) {
  auto* control = dynamic_cast<CDropGridCtrl*>(grid.GetControl(kShowcaseDropRow, 2));
  ASSERT_NE(nullptr, control);
  control->GetValueList().Add("Create");
  control->GetValueList().Add("Update");
  grid.SetCurrentCell(kShowcaseDropRow, 2);
  robot.pumpUntilIdle();
  Click(grid, Centre(control->GetArrowRect(CellRect(grid, kShowcaseDropRow, 2))));
  ASSERT_NE(nullptr, control->GetDropDown());
  robot.type("Delete");
  robot.snapshot(Frame(), "drop_grid_open", true);
}

TEST_F(SnapshotTest, AHeaderPressed) {
  Press(grid, Centre(grid.CalcRectFromRowCol(0, 3)));
  robot.snapshot(Frame(), "header_pressed");
  Release(grid, Centre(grid.CalcRectFromRowCol(0, 3)));
}

}  // namespace
}  // namespace cells_test
