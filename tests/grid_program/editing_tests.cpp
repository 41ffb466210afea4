// Editing the tools grid as a user does: typing names, picking kinds from
// the list, toggling check boxes, moving with Tab and the arrows, and the
// grey id column that takes nothing. Each action's notifications are
// checked whole: each once, in order, on its cell.
#include "program_fixture.h"

namespace gridprogram {
namespace {

using halvane::test::Window;

class EditingTest : public ProgramTest {};

TEST_F(EditingTest, TypingANameStoresItOnceAndEnterMovesDown) {
  ClickCell(2, kNameCol);
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnMovedCurrentCell(2,1)", "OnLButtonClickedRowCol(2,1)"}))
      << "the cell is current on the press, the click is reported on the release";
  EXPECT_FALSE(Editor()) << "a first click only makes the cell current";

  robot.type("Courier");
  ASSERT_TRUE(Editor());
  EXPECT_EQ(Editor().text(), "Courier") << "the typed text replaces the old name";
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnStartEditing(2,1)"}));
  EXPECT_EQ(std::string(Tools().GetValueRowCol(2, kNameCol)), "Relay") << "nothing stored while typing";

  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(2, kNameCol)), "Courier");
  EXPECT_FALSE(Editor());
  EXPECT_EQ(Current(), "3,1");
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnValidateCell(2,1)", "OnModifyCell(2,1)", "OnEndEditing(2,1)", "OnLeftCell(2,1)",
                                    "OnMovedCurrentCell(3,1)"}));

  robot.type("x");
  robot.key(VK_ESCAPE);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(3, kNameCol)), "Mailer") << "Escape drops what was typed";
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnStartEditing(3,1)", "OnCancelEditing(3,1)"}));
  EXPECT_TRUE(DialogWindow()) << "Escape went to the editor, not to the dialog";

  robot.type("Post");
  robot.key(VK_TAB);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(3, kNameCol)), "Post");
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnStartEditing(3,1)", "OnValidateCell(3,1)", "OnModifyCell(3,1)",
                                    "OnLeftCell(3,1)", "OnEndEditing(3,1)", "OnMovedCurrentCell(3,2)"}))
      << "Tab stores before it leaves";
}

TEST_F(EditingTest, AnEmptiedNameIsRefusedWithAWarningAndTheEditorStays) {
  ClickCell(1, kNameCol);
  robot.type("x");
  robot.key(VK_BACK);
  Tools().TakeLog();
  std::string shown;
  robot.onDialog("Grid Program Tests", [&](halvane::test::Robot& r, Window box) {
    for (const auto& text : r.texts(box)) shown += text + "|";
    r.key(VK_RETURN);
  });
  robot.key(VK_RETURN);
  EXPECT_NE(shown.find(kNameNeeded), std::string::npos) << shown;
  ASSERT_TRUE(Editor()) << "the editor stays on the cell";
  EXPECT_EQ(Current(), "1,1");
  EXPECT_EQ(std::string(Tools().GetValueRowCol(1, kNameCol)), "Ledger") << "nothing lost";
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnValidateCell(1,1)"}));

  robot.type("Ledger2");
  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(1, kNameCol)), "Ledger2");
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnValidateCell(1,1)", "OnModifyCell(1,1)", "OnEndEditing(1,1)", "OnLeftCell(1,1)",
                                    "OnMovedCurrentCell(2,1)"}));
}

TEST_F(EditingTest, OkSavesANameStillBeingTyped) {
  ClickCell(2, kNameCol);
  robot.type("Courier");
  ClickCell(3, kKindCol);
  robot.choose(KindCombo(), "Bridge");
  robot.click(DialogWindow().child(IDOK));
  EXPECT_EQ(dialog->m_savedTools, (std::vector<std::string>{"Ledger|0|1|T-100", "Courier|2|0|T-200", "Mailer|2|1|T-300",
                                                            "Archive|0|0|T-400"}))
      << "the name was stored when the cell was left";

  dialog->ShowWindow(SW_SHOW);
  ClickCell(1, kNameCol);
  robot.type("Pending");
  robot.click(DialogWindow().child(IDOK));
  ASSERT_EQ(dialog->m_savedTools.size(), 4u);
  EXPECT_EQ(dialog->m_savedTools[0], "Pending|0|1|T-100") << "the open editor stored before OK read the grid";
}

TEST_F(EditingTest, TheKindListDropsAndTheChosenItemIsStoredAsItsIndex) {
  ClickCell(1, kKindCol);
  const Window combo = KindCombo();
  ASSERT_TRUE(combo) << "the kind cell shows its list box over the cell";
  EXPECT_EQ(combo.text(), "Service");
  Tools().TakeLog();

  robot.choose(combo, "Bridge");
  EXPECT_EQ(std::string(Tools().GetValueRowCol(1, kKindCol)), "2");
  CString shown;
  Tools().GetControlText(shown, 1, kKindCol);
  EXPECT_EQ(std::string(shown), "Bridge");
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnModifyCell(1,2)"})) << "one change, once the list closed";

  robot.key(VK_TAB);
  EXPECT_EQ(Current(), "1,3");
  EXPECT_FALSE(KindCombo());
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnLeftCell(1,2)", "OnMovedCurrentCell(1,3)"})) << "nothing stored twice";
  EXPECT_EQ(Tools().RowText(1), "Ledger|2|1|T-100");
}

TEST_F(EditingTest, CheckBoxesToggleByClickAndBySpace) {
  ClickCheckBox(Tools(), 2, kEnabledCol);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(2, kEnabledCol)), "1");
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnMovedCurrentCell(2,3)", "OnModifyCell(2,3)", "OnClickedButtonRowCol(2,3)",
                                    "OnLButtonClickedRowCol(2,3)"}));

  robot.key(VK_SPACE);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(2, kEnabledCol)), "0");
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnModifyCell(2,3)", "OnClickedButtonRowCol(2,3)"}));

  robot.key(VK_UP);
  robot.key(VK_SPACE);
  EXPECT_EQ(std::string(Tools().GetValueRowCol(1, kEnabledCol)), "0");
  EXPECT_EQ(Tools().TakeLog(),
            (Log{"OnLeftCell(2,3)", "OnMovedCurrentCell(1,3)", "OnModifyCell(1,3)", "OnClickedButtonRowCol(1,3)"}));
  EXPECT_EQ(Tools().RowText(2), "Relay|2|0|T-200") << "the other cells of the row kept their values";
  EXPECT_FALSE(Editor()) << "a check box never opens an editor";
}

TEST_F(EditingTest, TabShiftTabAndTheArrowsMoveAndTabWrapsRows) {
  ClickCell(1, kNameCol);
  Tools().TakeLog();
  robot.key(VK_TAB);
  robot.key(VK_TAB);
  robot.key(VK_TAB);
  EXPECT_EQ(Current(), "1,4");
  robot.key(VK_TAB);
  EXPECT_EQ(Current(), "2,1") << "Tab from the last column wraps to the next row";
  robot.keys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(Current(), "1,4") << "Shift+Tab from the first column wraps back";
  EXPECT_EQ(Tools().TakeLog(),
            (Log{"OnLeftCell(1,1)", "OnMovedCurrentCell(1,2)", "OnLeftCell(1,2)", "OnMovedCurrentCell(1,3)",
                 "OnLeftCell(1,3)", "OnMovedCurrentCell(1,4)", "OnLeftCell(1,4)", "OnMovedCurrentCell(2,1)",
                 "OnLeftCell(2,1)", "OnMovedCurrentCell(1,4)"}));

  robot.key(VK_DOWN);
  robot.key(VK_LEFT);
  EXPECT_EQ(Current(), "2,3");
  robot.key(VK_RIGHT);
  robot.key(VK_RIGHT);
  EXPECT_EQ(Current(), "2,4") << "Right stops at the last column";
  robot.key(VK_UP);
  EXPECT_EQ(Current(), "1,4");
  EXPECT_EQ(Tools().TakeLog(),
            (Log{"OnLeftCell(1,4)", "OnMovedCurrentCell(2,4)", "OnLeftCell(2,4)", "OnMovedCurrentCell(2,3)",
                 "OnLeftCell(2,3)", "OnMovedCurrentCell(2,4)", "OnLeftCell(2,4)", "OnMovedCurrentCell(1,4)"}));

  robot.keys({VK_SHIFT, VK_TAB});
  robot.keys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(Current(), "1,2");
  ASSERT_TRUE(KindCombo());
  robot.keys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(Current(), "1,1") << "the kind list passes Shift+Tab on to the grid";
  EXPECT_EQ(Tools().RowText(1), "Ledger|0|1|T-100") << "moving changed no value";
  for (const std::string& entry : Tools().TakeLog()) EXPECT_EQ(entry.find("OnModifyCell"), std::string::npos) << entry;
}

TEST_F(EditingTest, TheGreyIdColumnRefusesTypingDeleteCutAndPaste) {
  ClickCell(1, kIdCol);
  Tools().TakeLog();
  robot.type("X-1");
  robot.key(VK_DELETE);
  EXPECT_FALSE(Editor());
  EXPECT_EQ(std::string(Tools().GetValueRowCol(1, kIdCol)), "T-100");
  EXPECT_TRUE(Tools().TakeLog().empty()) << "no editing started, nothing modified";

  DragCells(3, kIdCol, 3, kEnabledCol);
  robot.keys({VK_CONTROL, 'C'});
  EXPECT_EQ(ClipboardText(), "1\tT-300\r\n");
  ClickCell(2, kEnabledCol);
  Tools().TakeLog();
  robot.keys({VK_CONTROL, 'V'});
  EXPECT_EQ(Tools().RowText(2), "Relay|2|1|T-200") << "the check box took the text, the id kept its own";
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnModifyCell(2,3)"}));

  ClickCell(2, kIdCol);
  Tools().TakeLog();
  robot.keys({VK_CONTROL, 'V'});
  EXPECT_EQ(Tools().RowText(2), "Relay|2|1|T-200");
  EXPECT_TRUE(Tools().TakeLog().empty());

  Pause();
  DragCells(2, kIdCol, 2, kEnabledCol);
  Tools().TakeLog();
  robot.keys({VK_CONTROL, 'X'});
  EXPECT_EQ(ClipboardText(), "1\tT-200\r\n");
  EXPECT_EQ(Tools().RowText(2), "Relay|2||T-200") << "cut cleared the check box, not the id";
  EXPECT_EQ(Tools().TakeLog(), (Log{"OnModifyCell(2,3)"}));
}

}  // namespace
}  // namespace gridprogram
