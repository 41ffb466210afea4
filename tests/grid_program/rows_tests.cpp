// Whole rows and ranges of the tools grid: copying a range to the
// clipboard and pasting it elsewhere, moving a row by dragging its header,
// removing rows with the dialog's "Remove" button, and the dialog's picture.
#include <filesystem>

#include "program_fixture.h"

namespace gridprogram {
namespace {

using halvane::test::Window;

class RowsTest : public ProgramTest {};

TEST_F(RowsTest, ACopiedRangeIsPastedElsewhereCellByCell) {
  DragCells(1, kNameCol, 2, kKindCol);
  robot.keys({VK_CONTROL, 'C'});
  EXPECT_EQ(ClipboardText(), "Ledger\tService\r\nRelay\tBridge\r\n") << "the kinds' shown texts, not their indexes";

  ClickCell(3, kNameCol);
  Tools().TakeLog();
  robot.keys({VK_CONTROL, 'V'});
  EXPECT_EQ(Tools().RowText(3), "Ledger|0|1|T-300");
  EXPECT_EQ(Tools().RowText(4), "Relay|2|0|T-400");
  EXPECT_EQ(Tools().RowText(1), "Ledger|0|1|T-100") << "the source is untouched";
  EXPECT_EQ(Tools().TakeLog(),
            (Log{"OnModifyCell(3,1)", "OnModifyCell(3,2)", "OnModifyCell(4,1)", "OnModifyCell(4,2)"}));

  ClickCell(2, kKindCol);
  robot.keys({VK_CONTROL, 'C'});
  EXPECT_EQ(ClipboardText(), "Bridge\r\n") << "the kind list has the focus and copies its cell";

  ClickCell(4, kNameCol);
  robot.keys({VK_CONTROL, 'V'});
  EXPECT_EQ(Tools().GetRowCount(), 4u) << "what lies past the last row is left out";
  EXPECT_EQ(Tools().RowText(4), "Bridge|2|0|T-400");
}

TEST_F(RowsTest, DraggingARowHeaderMovesTheWholeRow) {
  ClickCell(1, 0);
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnLButtonClickedRowCol(1,0)"}));
  Pause();
  DragCells(1, 0, 3, 0);
  EXPECT_EQ(Tools().TakeLog(), (Log{"MoveRows(1-1,3)"}));
  EXPECT_EQ(Tools().RowText(1), "Relay|2|0|T-200");
  EXPECT_EQ(Tools().RowText(2), "Mailer|1|1|T-300");
  EXPECT_EQ(Tools().RowText(3), "Ledger|0|1|T-100") << "kind, check box and id went with the name";
  EXPECT_EQ(Tools().RowText(4), "Archive|0|0|T-400");
  EXPECT_TRUE(Tools().LookupStyleRowCol(3, kIdCol).GetReadOnly()) << "the column's style stays with the column";

  ClickCell(3, kKindCol);
  const Window combo = KindCombo();
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo.text(), "Service") << "the moved row's kind shows in its list";
}

TEST_F(RowsTest, RemoveDeletesTheSelectedRowsElseTheCurrentOne) {
  ClickCell(2, 0);
  robot.press(VK_SHIFT);
  ClickCell(3, 0);
  robot.release(VK_SHIFT);
  Tools().TakeLog();
  robot.click(DialogWindow().child(IDC_REMOVE));
  EXPECT_EQ(Tools().GetRowCount(), 2u);
  EXPECT_EQ(Tools().RowText(1), "Ledger|0|1|T-100");
  EXPECT_EQ(Tools().RowText(2), "Archive|0|0|T-400");
  EXPECT_EQ(Tools().TakeLog(), (Log{"RemoveRows(2,3)"}));

  ClickCell(2, kNameCol);
  robot.type("Pending");
  Tools().TakeLog();
  robot.click(DialogWindow().child(IDC_REMOVE));
  EXPECT_EQ(Tools().GetRowCount(), 1u);
  EXPECT_EQ(Tools().RowText(1), "Ledger|0|1|T-100");
  const Log log = Tools().TakeLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "RemoveRows(2,2)") << "the row of the current cell went";
  EXPECT_EQ(std::count(log.begin(), log.end(), "OnModifyCell(2,1)"), 1) << "the pending name was stored first";
}

TEST_F(RowsTest, SnapshotOfTheToolsDialog) {
  ClickCell(2, kNameCol);
  robot.type("Courier");
  robot.pumpUntilIdle();
  robot.snapshot(DialogWindow(), "grid_program_tools");
}

}  // namespace
}  // namespace gridprogram
