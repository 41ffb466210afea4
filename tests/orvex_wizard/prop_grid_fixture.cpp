#include "prop_grid_fixture.h"

#include "robot_grid.h"

namespace wizardtest {

AgentPropArray SampleProperties() {
  AgentPropArray props;
  props.Add(Property("Host", "5", {"localhost"}, "The machine the source system runs on"));
  AgentProperty password = Property("Password", "5", {"s3cret"}, "The account's password");
  password.m_bSecret = 1;
  props.Add(password);
  props.Add(Property("Folder", "9", {"/srv/data"}, "Where generated files go"));
  props.Add(Property("Database", "10", {"/srv/data/shop.db"}, "The database file"));
  AgentProperty tables = Property("Tables", "5", {"Orders", "Customers"}, "Tables to offer");
  tables.m_bIsList = 1;
  tables.m_strSelection = "n";
  props.Add(tables);
  AgentProperty views = Property("Views", "5", {"Monthly", "Daily"}, "Views to offer");
  views.m_bIsList = 1;
  views.m_strSelection = "N";
  Fill(views.m_allowedValues, {"Daily", "Weekly", "Monthly"});
  props.Add(views);
  AgentProperty mode = Property("Mode", "5", {"slow"}, "How thoroughly to look");
  mode.m_bIsList = 1;
  Fill(mode.m_allowedValues, {"fast", "slow"});
  props.Add(mode);
  props.Add(Property("Enabled", "1", {"TRUE"}, "Whether the agent reads the source"));
  return props;
}

void PropGridTest::SetUp() {
  WizardTest::SetUp();
  ASSERT_TRUE(halvane::test::CreateTopLevel(frame, "Grid Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 640, 360));
  ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL,
                          CRect(5, 5, 605, 305), &frame, 1055));
  grid.Initialize();
  grid.InitColumns();
  grid.SetFocus();
  robot.pumpUntilIdle();
}

void PropGridTest::TearDown() {
  if (frame.GetSafeHwnd()) frame.DestroyWindow();
  WizardTest::TearDown();
}

void PropGridTest::clickCell(ROWCOL row, ROWCOL col) {
  robot.advance(GetDoubleClickTime() + 1);
  halvane::test::ClickGridCell(robot, gridWindow(), row, col);
}

void PropGridTest::typeInto(ROWCOL row, const std::string& text) {
  // From another cell: typing on a cell made current replaces its text.
  clickCell(row, CPropGrid::kNameCol);
  clickCell(row, CPropGrid::kValueCol);
  robot.type(text);
  robot.key(VK_RETURN);
}

ROWCOL PropGridTest::currentRow() {
  ROWCOL row = 0, col = 0;
  grid.GetCurrentCell(row, col);
  return row;
}

ROWCOL PropGridTest::currentCol() {
  ROWCOL row = 0, col = 0;
  grid.GetCurrentCell(row, col);
  return col;
}

}  // namespace wizardtest
