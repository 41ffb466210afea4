// The records grid of the tools dialog: a browser over the dialog's vector
// of records, where edits, check boxes and row moves change the records
// themselves.
#include "program_fixture.h"

#include "robot_grid.h"

namespace gridprogram {
namespace {

using halvane::test::Window;

class RecordsTest : public ProgramTest {
 protected:
  void ClickRecord(ROWCOL nRow, ROWCOL nCol) { halvane::test::ClickGridCell(robot, RecordsWindow(), nRow, nCol); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const ToolRecord& record : records) names.push_back(record.name);
    return names;
  }
};

TEST_F(RecordsTest, TheBrowserShowsTheRecordsAndEditsChangeThem) {
  EXPECT_EQ(Records().GetRowCount(), 3u);
  EXPECT_EQ(std::string(Records().GetValueRowCol(0, 2)), "Host");
  EXPECT_EQ(std::string(Records().GetValueRowCol(3, 2)), "gamma");

  ClickRecord(2, 1);
  robot.type("Courier");
  robot.key(VK_RETURN);
  EXPECT_EQ(records[1].name, "Courier") << "the record itself changed";

  ClickCheckBox(Records(), 2, 3);
  EXPECT_TRUE(records[1].enabled);
  robot.key(VK_SPACE);
  EXPECT_FALSE(records[1].enabled);

  ClickRecord(1, 2);
  robot.type("x");
  robot.key(VK_RETURN);
  EXPECT_EQ(records[0].host, "alpha") << "the host column has no setter: read-only";
  EXPECT_EQ(std::string(Records().GetValueRowCol(1, 2)), "alpha");
}

TEST_F(RecordsTest, DraggingARowHeaderReordersTheRecords) {
  ClickRecord(3, 0);
  Pause();
  robot.drag(RecordsWindow(), CellPoint(RecordsWindow(), 3, 0), CellPoint(RecordsWindow(), 1, 0));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Mailer", "Ledger", "Relay"}));
  EXPECT_EQ(records[0].host, "gamma") << "whole records moved";
  EXPECT_EQ(std::string(Records().GetValueRowCol(1, 1)), "Mailer");

  ClickRecord(2, 1);
  robot.key(VK_DELETE);
  EXPECT_EQ(records[1].name, "Ledger") << "the record refuses an empty name";
  EXPECT_EQ(std::string(Records().GetValueRowCol(2, 1)), "Ledger");
}

}  // namespace
}  // namespace gridprogram
