// The property grid as the program fills and reads it: columns and widths,
// type names, the value cell of each kind of property, updating rows from
// a profile, finding rows and cells, reading the values back.
#include <memory>

#include "prop_grid_fixture.h"

namespace wizardtest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// --- Columns and widths ------------------------------------------------------

TEST_F(PropGridTest, TheDefaultColumnsHaveTheirTitlesAndTheirSharesOfTheWidth) {
  EXPECT_EQ(grid.GetColCount(), 4u);
  EXPECT_EQ(cell(0, 1), "Property");
  EXPECT_EQ(cell(0, 2), "Value");
  EXPECT_EQ(cell(0, 3), "Type");
  EXPECT_EQ(cell(0, 4), "Description");
  // Shares of the width beside the vertical scroll bar, which more rows bring.
  ASSERT_FALSE(grid.GetStyle() & WS_VSCROLL);
  CRect client;
  grid.GetClientRect(&client);
  const int width = client.Width() - ::GetSystemMetrics(SM_CXVSCROLL);
  for (ROWCOL col = 0; col <= 4; ++col)
    EXPECT_EQ(grid.GetColWidth(col), static_cast<int>(width * CPropGrid::kWidthRatios[col])) << col;
}

TEST_F(PropGridTest, GrowingWidensTheColumnsByTheirSharesAndShrinkingStopsAtTheWidthsAtCreation) {
  std::array<int, 5> created{};
  for (ROWCOL col = 0; col <= 4; ++col) created[col] = grid.GetColWidth(col);
  grid.SetWindowPos(nullptr, 0, 0, 1000, 300, SWP_NOMOVE | SWP_NOZORDER);
  CRect client;
  grid.GetClientRect(&client);
  for (ROWCOL col = 0; col <= 4; ++col) {
    EXPECT_EQ(grid.GetColWidth(col), static_cast<int>(client.Width() * CPropGrid::kWidthRatios[col])) << col;
    EXPECT_GT(grid.GetColWidth(col), created[col]) << col;
  }
  grid.SetWindowPos(nullptr, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER);
  for (ROWCOL col = 0; col <= 4; ++col) EXPECT_EQ(grid.GetColWidth(col), created[col]) << col;
}

TEST_F(PropGridTest, GivenTitlesMakeOneColumnEachAndTooFewColumnsTakeNoProperties) {
  CStringArray titles;
  titles.Add("Name");
  titles.Add("Setting");
  grid.InitColumns(&titles);
  EXPECT_EQ(grid.GetColCount(), 2u);
  EXPECT_EQ(cell(0, 1), "Name");
  EXPECT_EQ(cell(0, 2), "Setting");
  const AgentPropArray props = SampleProperties();
  EXPECT_EQ(grid.SetProperties(&props, CPropGrid::kFromDefaults), CPropGrid::kTooFewColumns);
  EXPECT_EQ(grid.GetRowCount(), 0u);
}

TEST_F(PropGridTest, NoPropertiesAreRefusedAndLeaveTheGridAsItWas) {
  const AgentPropArray props = SampleProperties();
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  EXPECT_EQ(grid.SetProperties(nullptr, CPropGrid::kFromDefaults), CPropGrid::kNoProperties);
  EXPECT_EQ(grid.GetRowCount(), static_cast<ROWCOL>(kSampleRows));
}

// --- Type names ----------------------------------------------------------------

TEST(PropGridTypeNames, CodesZeroToTenHaveTheirNamesAndAnythingElseIsAnInvalidType) {
  EXPECT_EQ(std::string(CPropGrid::TypeName("0")), "Object");
  EXPECT_EQ(std::string(CPropGrid::TypeName("1")), "Boolean");
  EXPECT_EQ(std::string(CPropGrid::TypeName("5")), "String");
  EXPECT_EQ(std::string(CPropGrid::TypeName("8")), "Cipher text");
  EXPECT_EQ(std::string(CPropGrid::TypeName("9")), "Directory");
  EXPECT_EQ(std::string(CPropGrid::TypeName("10")), "File");
  for (const char* bad : {"11", "12", "abc", "", "-1", "5a", " 5", "99999999999999"})
    EXPECT_EQ(std::string(CPropGrid::TypeName(bad)), "Invalid type") << '"' << bad << '"';
}

// --- Filling from the defaults ---------------------------------------------------

TEST_F(PropGridTest, EachRowShowsItsPropertysNameTypeAndDescription) {
  AgentPropArray props = SampleProperties();
  props.Add(Property("Odd", "12", {"x"}, "A type the table does not know"));
  ASSERT_EQ(grid.SetProperties(&props, CPropGrid::kFromDefaults), CPropGrid::kSet);
  ASSERT_EQ(grid.GetRowCount(), static_cast<ROWCOL>(kSampleRows + 1));
  EXPECT_EQ(cell(kHostRow, 1), "Host");
  EXPECT_EQ(cell(kHostRow, 3), "String");
  EXPECT_EQ(cell(kHostRow, 4), "The machine the source system runs on");
  EXPECT_EQ(cell(kFolderRow, 3), "Directory");
  EXPECT_EQ(cell(kFileRow, 3), "File");
  EXPECT_EQ(cell(kEnabledRow, 3), "Boolean");
  EXPECT_EQ(cell(kSampleRows + 1, 3), "Invalid type");
}

TEST_F(PropGridTest, EachKindOfPropertyGetsItsValueControl) {
  const AgentPropArray props = SampleProperties();
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  EXPECT_EQ(control(kHostRow), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(control(kPasswordRow), GX_IDS_CTRL_PASSWORD);
  EXPECT_EQ(control(kFolderRow), CPropGrid::kFolderBrowseCtrl);
  EXPECT_EQ(control(kFileRow), CPropGrid::kFileBrowseCtrl);
  EXPECT_EQ(control(kTablesRow), CPropGrid::kValueListCtrl);
  EXPECT_EQ(control(kViewsRow), GX_IDS_CTRL_CHECKLIST_COMBOBOX);
  EXPECT_EQ(control(kModeRow), GX_IDS_CTRL_CBS_DROPDOWNLIST);
  EXPECT_EQ(control(kEnabledRow), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(grid.LookupStyleRowCol(kTablesRow, 2).GetInterior(), CPropGrid::kValueListInterior);
  EXPECT_NE(grid.LookupStyleRowCol(kHostRow, 2).GetInterior(), CPropGrid::kValueListInterior);
}

TEST_F(PropGridTest, EachValueCellShowsItsDefaults) {
  const AgentPropArray props = SampleProperties();
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  EXPECT_EQ(cell(kHostRow, 2), "localhost");
  EXPECT_EQ(cell(kPasswordRow, 2), "s3cret");
  CString shown;
  grid.GetControlText(shown, kPasswordRow, 2);
  EXPECT_EQ(std::string(shown), "******");
  EXPECT_EQ(cell(kFolderRow, 2), "/srv/data");
  EXPECT_EQ(cell(kFileRow, 2), "/srv/data/shop.db");
  EXPECT_EQ(cell(kTablesRow, 2), "Orders, Customers");
  // Monthly and Daily are allowed values 2 and 0.
  EXPECT_EQ(cell(kViewsRow, 2), "5");
  grid.GetControlText(shown, kViewsRow, 2);
  EXPECT_EQ(std::string(shown), "Daily, Monthly");
  EXPECT_EQ(cell(kModeRow, 2), "slow");
  grid.GetControlText(shown, kModeRow, 2);
  EXPECT_EQ(std::string(shown), "slow");
  EXPECT_EQ(std::string(grid.LookupStyleRowCol(kModeRow, 2).GetChoiceList()), "fast\nslow\n");
}

TEST_F(PropGridTest, ASingleValuedPropertyWithTwoDefaultsShowsAnEmptyValue) {
  AgentPropArray props;
  props.Add(Property("Host", "5", {"alpha", "beta"}));
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  EXPECT_EQ(cell(1, 2), "");
}

TEST_F(PropGridTest, AListWithoutAllowedValuesAndOneChoiceIsAPlainValue) {
  AgentPropArray props;
  AgentProperty odd = Property("Odd", "5", {"one"});
  odd.m_bIsList = 1;
  props.Add(odd);
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  EXPECT_EQ(control(1), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(cell(1, 2), "one");
}

TEST_F(PropGridTest, OnlyTheValueColumnCanBeChanged) {
  const AgentPropArray props = SampleProperties();
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  for (ROWCOL row = 1; row <= kSampleRows; ++row) {
    EXPECT_FALSE(grid.IsCellEditable(row, 1)) << row;
    EXPECT_TRUE(grid.IsCellEditable(row, 2)) << row;
    EXPECT_FALSE(grid.IsCellEditable(row, 3)) << row;
    EXPECT_FALSE(grid.IsCellEditable(row, 4)) << row;
  }
  // And the program cannot write them either, outside a fill.
  EXPECT_FALSE(grid.SetValueRange(CGXRange(kHostRow, 1), "Other"));
  EXPECT_EQ(cell(kHostRow, 1), "Host");
}

TEST_F(PropGridTest, ARefillTakesTheNewPropertiesWholeAndLeavesNothingOfTheOldCells) {
  const AgentPropArray sample = SampleProperties();
  grid.SetProperties(&sample, CPropGrid::kFromDefaults);
  AgentPropArray other;
  other.Add(Property("Host", "5", {"remote"}));
  other.Add(Property("Port", "2", {"7000"}));
  grid.SetProperties(&other, CPropGrid::kFromDefaults);
  ASSERT_EQ(grid.GetRowCount(), 2u);
  EXPECT_EQ(cell(2, 1), "Port");
  EXPECT_EQ(cell(2, 3), "Integer");
  EXPECT_EQ(control(2), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(cell(2, 2), "7000");
  EXPECT_NE(grid.LookupStyleRowCol(2, 2).GetInterior(), CPropGrid::kValueListInterior);
}

// --- Updating from a profile ---------------------------------------------------------

TEST_F(PropGridTest, FromCurrentValuesOnlyTheRowsFoundByNameAndTypeChange) {
  const AgentPropArray sample = SampleProperties();
  grid.SetProperties(&sample, CPropGrid::kFromDefaults);
  AgentPropArray profile = SampleProperties();
  Fill(profile.Find("Host")->m_currentValues, {"remote"});
  Fill(profile.Find("Views")->m_currentValues, {"Weekly"});
  Fill(profile.Find("Mode")->m_currentValues, {"fast"});
  Fill(profile.Find("Tables")->m_currentValues, {"Invoices"});
  AgentProperty unknown = Property("Unknown", "5", {"x"});
  profile.Add(unknown);
  AgentProperty retyped = Property("Folder", "10", {"/elsewhere"});
  profile.Add(retyped);
  // The name of a row's description does not make it that row.
  AgentProperty lookalike = Property("The database file", "10", {"y"});
  profile.Add(lookalike);
  ASSERT_EQ(grid.SetProperties(&profile, CPropGrid::kFromCurrent), CPropGrid::kSet);
  EXPECT_EQ(grid.GetRowCount(), static_cast<ROWCOL>(kSampleRows));
  EXPECT_EQ(cell(kHostRow, 2), "remote");
  EXPECT_EQ(cell(kViewsRow, 2), "2");
  EXPECT_EQ(cell(kModeRow, 2), "fast");
  EXPECT_EQ(cell(kTablesRow, 2), "Invoices");
  EXPECT_EQ(cell(kFolderRow, 2), "/srv/data");
  EXPECT_EQ(cell(kFileRow, 4), "The database file");
  EXPECT_EQ(cell(kFileRow, 2), "/srv/data/shop.db");
}

// --- Finding ---------------------------------------------------------------------

TEST_F(PropGridTest, FindCellGoesRowByRowFromItsStartAndTakesAStartOutsideAsOne) {
  const AgentPropArray sample = SampleProperties();
  grid.SetProperties(&sample, CPropGrid::kFromDefaults);
  ROWCOL row = 0, col = 99;
  ASSERT_TRUE(grid.FindCell(row, col, "String"));
  EXPECT_EQ(row, static_cast<ROWCOL>(kHostRow));
  EXPECT_EQ(col, 3u);
  ++col;
  ASSERT_TRUE(grid.FindCell(row, col, "String"));
  EXPECT_EQ(row, static_cast<ROWCOL>(kPasswordRow));
  row = kEnabledRow;
  col = 1;
  EXPECT_FALSE(grid.FindCell(row, col, "String"));
  row = 1;
  col = 1;
  EXPECT_FALSE(grid.FindCell(row, col, "string")) << "texts compare byte for byte";
}

TEST_F(PropGridTest, FindRowNeedsTheNameTheTypeAndAValueCell) {
  const AgentPropArray sample = SampleProperties();
  grid.SetProperties(&sample, CPropGrid::kFromDefaults);
  EXPECT_EQ(grid.FindRow(*sample.Find("Mode")), static_cast<ROWCOL>(kModeRow));
  EXPECT_EQ(grid.FindRow(Property("Mode", "2")), 0u);
  EXPECT_EQ(grid.FindRow(Property("mode", "5")), 0u);
  EXPECT_EQ(grid.FindRow(Property("Where generated files go", "9")), 0u);
}

// --- Reading back ---------------------------------------------------------------

TEST_F(PropGridTest, GetPropertiesReadsEachCellAsItsControlKeepsIt) {
  AgentPropArray props = SampleProperties();
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  AgentPropArray* read = grid.GetProperties(&props);
  EXPECT_EQ(read, &props);
  EXPECT_THAT(Texts(props.Find("Host")->m_currentValues), ElementsAre("localhost"));
  EXPECT_THAT(Texts(props.Find("Password")->m_currentValues), ElementsAre("s3cret"));
  EXPECT_THAT(Texts(props.Find("Folder")->m_currentValues), ElementsAre("/srv/data"));
  EXPECT_THAT(Texts(props.Find("Tables")->m_currentValues), ElementsAre("Orders", "Customers"));
  // The check list gives the allowed values in their order.
  EXPECT_THAT(Texts(props.Find("Views")->m_currentValues), ElementsAre("Daily", "Monthly"));
  EXPECT_THAT(Texts(props.Find("Mode")->m_currentValues), ElementsAre("slow"));
}

TEST_F(PropGridTest, BooleanValuesReadBackAsYesOrNo) {
  AgentPropArray props;
  AgentProperty flags = Property("Flags", "1", {"TRUE", "no"});
  flags.m_bIsList = 1;
  flags.m_strSelection = "N";
  props.Add(flags);
  props.Add(Property("On", "1", {"yes"}));
  props.Add(Property("Off", "1", {"maybe"}));
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  grid.GetProperties(&props);
  EXPECT_THAT(Texts(props.Find("Flags")->m_currentValues), ElementsAre("Yes", "No"));
  EXPECT_THAT(Texts(props.Find("On")->m_currentValues), ElementsAre("Yes"));
  EXPECT_THAT(Texts(props.Find("Off")->m_currentValues), ElementsAre("No"));
}

TEST_F(PropGridTest, AnEmptyCellGivesNoValue) {
  AgentPropArray props;
  props.Add(Property("Host", "5"));
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  Fill(props.Find("Host")->m_currentValues, {"stale"});
  grid.GetProperties(&props);
  EXPECT_THAT(Texts(props.Find("Host")->m_currentValues), IsEmpty());
}

TEST_F(PropGridTest, WithoutPropertiesGetPropertiesMakesBlankTextPropertiesNamedAfterTheRows) {
  const AgentPropArray sample = SampleProperties();
  grid.SetProperties(&sample, CPropGrid::kFromDefaults);
  const std::unique_ptr<AgentPropArray> made{grid.GetProperties()};
  ASSERT_NE(made, nullptr);
  ASSERT_EQ(made->GetSize(), static_cast<INT_PTR>(kSampleRows));
  const AgentProperty& views = *made->GetAt(kViewsRow - 1);
  EXPECT_EQ(std::string(views.m_strName), "Views");
  EXPECT_EQ(std::string(views.m_strType), "5");
  EXPECT_EQ(std::string(views.m_strSelection), "1");
  EXPECT_TRUE(views.m_strDescription.IsEmpty());
  EXPECT_THAT(Texts(views.m_currentValues), ElementsAre("Daily", "Monthly"));
  EXPECT_THAT(Texts(made->GetAt(kEnabledRow - 1)->m_currentValues), ElementsAre("TRUE"))
      << "a blank property is text, so no Boolean reading";
}

TEST_F(PropGridTest, AllowedValuesPastTheThirtySecondCannotBeMarked) {
  AgentPropArray props;
  AgentProperty many = Property("Many", "5", {"v0", "v33"});
  many.m_bIsList = 1;
  many.m_strSelection = "N";
  for (int i = 0; i < 40; ++i) many.m_allowedValues.AddTail(CString("v") + std::to_string(i).c_str());
  props.Add(many);
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  EXPECT_EQ(cell(1, 2), "1") << "v33 would take v1's bit";
  grid.GetProperties(&props);
  EXPECT_THAT(Texts(props.Find("Many")->m_currentValues), ElementsAre("v0"));
}

}  // namespace
}  // namespace wizardtest
