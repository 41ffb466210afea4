// The broker's connection properties dialog end to end: the 14 properties
// at their factory values, the required ones refusing OK, the values kept
// for the next opening, New, the maximum lengths, Cancel, the broker's own
// profile book, and the parameter file written from what was confirmed.
#include "KBRXExportTransaction.h"
#include "KBRXProfileDlg.h"
#include "book_fixture.h"
#include "robot_grid.h"
#include "wizard_resource.h"

namespace wizardtest {
namespace {

using halvane::test::Robot;
using halvane::test::Window;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kTitle = "Deployment to KBRX - KBRX Connection Properties";

class TestKBRXProfileDlg : public CKBRXProfileDlg {
 public:
  using CKBRXProfileDlg::m_wndGrid;
};

enum BrokerRow : ROWCOL {
  kVskDbRow = 1,
  kDbUserRow,
  kDbPwRow,
  kXsiPrefixRow,
  kFilePathRow,
  kXmlTabNameRow = 8,
  kReportOnlyRow
};

class KBRXProfileTest : public WizardTest {
 protected:
  // Runs the dialog over the wizard; `body` acts on it and ends it.
  INT_PTR run(const std::function<void(Robot&, Window, TestKBRXProfileDlg&)>& body) {
    TestKBRXProfileDlg dialog;
    dialog.SetWizard(&wizard);
    robot.onDialog(kTitle, [&](Robot& r, Window dlg) { body(r, dlg, dialog); });
    return dialog.DoModal();
  }
  static void TypeValue(Robot& r, Window dlg, ROWCOL row, const std::string& text) {
    const Window grid = dlg.child(IDC_PROP_GRID);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, grid, row, CPropGrid::kNameCol);
    r.advance(GetDoubleClickTime() + 1);
    halvane::test::ClickGridCell(r, grid, row, CPropGrid::kValueCol);
    r.type(text);
    r.key(VK_RETURN);
  }
  static std::string Value(TestKBRXProfileDlg& dialog, ROWCOL row) {
    return std::string(dialog.m_wndGrid.GetValueRowCol(row, CPropGrid::kValueCol));
  }
  static void FillRequired(Robot& r, Window dlg) {
    TypeValue(r, dlg, kVskDbRow, "ORDERS");
    TypeValue(r, dlg, kDbUserRow, "loader");
  }
  // Answers the refusal of OK and keeps its text.
  void answerIncomplete(Robot& r, std::string& text) {
    r.onDialog("Incomplete properties", [&text](Robot& r2, Window box) {
      text = box.child(0xFFFF).text();
      r2.click(box.child(IDOK));
    });
  }
  std::string value(const char* name) { return std::string(wizard.GetAgentProperties()->Find(name)->GetValue()); }

  CGenerateWizard wizard{"", nullptr, 0};
  AgentPropArray brokerProps;
};

TEST_F(KBRXProfileTest, TheDialogShowsTheFourteenBrokerPropertiesAtTheirFactoryValues) {
  wizard.SetAgentProperties(&brokerProps);
  run([](Robot& r, Window dlg, TestKBRXProfileDlg& dialog) {
    CPropGrid& grid = dialog.m_wndGrid;
    ASSERT_EQ(grid.GetRowCount(), 14u);
    std::vector<std::string> names;
    for (ROWCOL row = 1; row <= 14; ++row) names.emplace_back(grid.GetValueRowCol(row, CPropGrid::kNameCol));
    EXPECT_THAT(names, ElementsAre("VSK_DB", "DB_User", "DB_PW", "xsiPrefix", "FilePath", "DefNameSpace",
                                   "NoNameSpaceLoc", "XMLTabName", "ReportOnly", "Verbose", "Trace", "DateStringOnly",
                                   "InclTimeFrac", "ShowSchema"));
    EXPECT_EQ(Value(dialog, kXsiPrefixRow), "xsi");
    EXPECT_EQ(Value(dialog, kXmlTabNameRow), "HlXML");
    for (ROWCOL row = kReportOnlyRow; row <= 14; ++row) {
      EXPECT_EQ(Value(dialog, row), "N") << row;
      EXPECT_EQ(grid.LookupStyleRowCol(row, 2).GetControl(), GX_IDS_CTRL_CBS_DROPDOWNLIST) << row;
      EXPECT_EQ(std::string(grid.LookupStyleRowCol(row, 2).GetChoiceList()), "Y\nN\n") << row;
    }
    EXPECT_EQ(grid.LookupStyleRowCol(kDbPwRow, 2).GetControl(), GX_IDS_CTRL_PASSWORD);
    EXPECT_EQ(grid.LookupStyleRowCol(kXmlTabNameRow, 2).GetControl(), GX_IDS_CTRL_CBS_DROPDOWNLIST);
    EXPECT_EQ(grid.LookupStyleRowCol(kVskDbRow, 2).GetControl(), GX_IDS_CTRL_EDIT);
    EXPECT_EQ(grid.GetValueRowCol(kVskDbRow, CPropGrid::kTypeCol), "String");
    r.snapshot(dlg, "kbrx_connection_properties");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(brokerProps.GetSize(), 14) << "an empty set gets the broker's properties";
}

TEST_F(KBRXProfileTest, TheValueCellsTakeNoMoreThanTheBrokerReads) {
  wizard.SetAgentProperties(&brokerProps);
  const std::string longText(140, 'x');
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg& dialog) {
    const WORD expected[] = {127, 63, 63, 31, 511, 127, 511, 255, 1, 1, 1, 1, 1, 1};
    for (ROWCOL row = 1; row <= 14; ++row)
      EXPECT_EQ(dialog.m_wndGrid.LookupStyleRowCol(row, 2).GetMaxLength(), expected[row - 1]) << row;
    TypeValue(r, dlg, kVskDbRow, longText);
    TypeValue(r, dlg, kXsiPrefixRow, longText);
    EXPECT_EQ(Value(dialog, kVskDbRow), std::string(127, 'x'));
    EXPECT_EQ(Value(dialog, kXsiPrefixRow), std::string(31, 'x'));
    // New rebuilds the grid; the limits stay.
    r.click(dlg.child(IDC_PROFILE_NEW));
    TypeValue(r, dlg, kXsiPrefixRow, longText);
    EXPECT_EQ(Value(dialog, kXsiPrefixRow), std::string(31, 'x'));
    r.click(dlg.child(IDCANCEL));
  });
}

TEST_F(KBRXProfileTest, OkWithARequiredValueEmptyNamesItAndKeepsTheDialog) {
  wizard.SetAgentProperties(&brokerProps);
  std::string refusal;
  const INT_PTR result = run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    TypeValue(r, dlg, kDbUserRow, "loader");
    answerIncomplete(r, refusal);
    r.click(dlg.child(IDOK));
    EXPECT_TRUE(dlg.exists());
    EXPECT_EQ(refusal, "The following properties require non-empty values:\nVSK_DB\n");
    TypeValue(r, dlg, kVskDbRow, "ORDERS");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(value("VSK_DB"), "ORDERS");
  EXPECT_EQ(value("DB_User"), "loader");
}

TEST_F(KBRXProfileTest, BothRequiredPropertiesAreNamedWhenBothAreEmpty) {
  wizard.SetAgentProperties(&brokerProps);
  std::string refusal;
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    answerIncomplete(r, refusal);
    r.click(dlg.child(IDOK));
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(refusal, "The following properties require non-empty values:\nVSK_DB\nDB_User\n");
}

TEST_F(KBRXProfileTest, ReopeningShowsTheValuesConfirmedLastAndNewBringsTheFactoryValuesBack) {
  wizard.SetAgentProperties(&brokerProps);
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    FillRequired(r, dlg);
    TypeValue(r, dlg, kXsiPrefixRow, "xs");
    r.click(dlg.child(IDOK));
  });
  EXPECT_THAT(Texts(brokerProps.Find("xsiPrefix")->m_defaultValues), ElementsAre("xs"));
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg& dialog) {
    EXPECT_EQ(Value(dialog, kVskDbRow), "ORDERS");
    EXPECT_EQ(Value(dialog, kXsiPrefixRow), "xs");
    r.click(dlg.child(IDC_PROFILE_NEW));
    EXPECT_EQ(Value(dialog, kVskDbRow), "");
    EXPECT_EQ(Value(dialog, kXsiPrefixRow), "xsi");
    r.click(dlg.child(IDCANCEL));
  });
}

TEST_F(KBRXProfileTest, CancelPutsThePropertiesBackAndKeepsAProfileSavedMeanwhile) {
  setBookPath(kBrokerKey, files / "kbrxprof.bod");
  wizard.SetAgentProperties(&brokerProps);
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    FillRequired(r, dlg);
    r.click(dlg.child(IDOK));
  });
  const AgentPropArray confirmed = brokerProps;
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    TypeValue(r, dlg, kVskDbRow, "STAGING");
    TypeProfileName(r, dlg.child(IDC_PROFILE_COMBO), "Staging");
    r.click(dlg.child(IDC_PROFILE_SAVE));
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_TRUE(brokerProps == confirmed) << "nothing written back";
  EXPECT_FALSE(wizard.IsBookModified());
  EXPECT_THAT(brokertest::ReadFile(files / "kbrxprof.bod"), HasSubstr("<AgentProfile Name=\"Staging\">"));
}

TEST_F(KBRXProfileTest, TheBrokersProfilesAreKeptInTheirOwnBookAndChosenAgain) {
  wizard.SetAgentProperties(&brokerProps);
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    FillRequired(r, dlg);
    TypeValue(r, dlg, kFilePathRow, "/srv/broker");
    TypeProfileName(r, dlg.child(IDC_PROFILE_COMBO), "Live");
    r.click(dlg.child(IDC_PROFILE_SAVE));
    r.click(dlg.child(IDOK));
  });
  const std::string book = sharedFolder() + "/kbrxprof.bod";
  EXPECT_EQ(bookPath(kBrokerKey), book);
  EXPECT_THAT(brokertest::ReadFile(book), HasSubstr("<AgentProfile Name=\"Live\"><Property "));
  EXPECT_THAT(brokertest::ReadFile(book), HasSubstr("<CurrentValue>/srv/broker</CurrentValue>"));
  EXPECT_FALSE(bookPath(kAgentKey)) << "the agents' book is another";

  // Another export, another hidden wizard: the profile is there to choose.
  CGenerateWizard next("", nullptr, 0);
  AgentPropArray nextProps;
  next.SetAgentProperties(&nextProps);
  TestKBRXProfileDlg dialog;
  dialog.SetWizard(&next);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_THAT(dlg.child(IDC_PROFILE_COMBO).listItems(), ElementsAre("Live"));
    EXPECT_EQ(Value(dialog, kFilePathRow), "");
    r.choose(dlg.child(IDC_PROFILE_COMBO), "Live");
    EXPECT_EQ(Value(dialog, kFilePathRow), "/srv/broker");
    EXPECT_EQ(Value(dialog, kVskDbRow), "ORDERS");
    EXPECT_EQ(dialog.m_wndGrid.LookupStyleRowCol(kXsiPrefixRow, 2).GetMaxLength(), 31) << "limits after a choice";
    r.snapshot(dlg, "kbrx_connection_properties_profile");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(nextProps.Find("FilePath")->GetValue()), "/srv/broker");
}

TEST_F(KBRXProfileTest, TheConfirmedPropertiesAreWhatTheParameterFileTakes) {
  wizard.SetAgentProperties(&brokerProps);
  run([&](Robot& r, Window dlg, TestKBRXProfileDlg&) {
    FillRequired(r, dlg);
    TypeValue(r, dlg, kDbPwRow, "pw");
    r.click(dlg.child(IDOK));
  });
  brokertest::RecordingOwner owner;
  CKBRXExportTransaction transaction(&owner);
  ASSERT_TRUE(transaction.WriteParamsFile(files.path().c_str(), "Order", brokerProps));
  const std::string text = brokertest::ReadFile(files / "OrderParams.txt");
  EXPECT_THAT(text, HasSubstr("\r\nVSK_DB=ORDERS\r\nDB_User=loader\r\nDB_PW=pw\r\nxsiPrefix=xsi\r\nFilePath=\r\n"));
  EXPECT_THAT(text, HasSubstr("XMLTabName=HlXML\r\nReportOnly=N\r\nVerbose=N\r\nTrace=N\r\n"));
  EXPECT_THAT(text, HasSubstr("ShowSchema=N\r\n\r\n[FILELIST]"));
}

TEST_F(KBRXProfileTest, AWizardWithoutAPropertySetLeavesTheDialogEditingItsOwn) {
  TestKBRXProfileDlg dialog;
  dialog.SetWizard(&wizard);
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    EXPECT_EQ(dialog.m_wndGrid.GetRowCount(), 14u);
    FillRequired(r, dlg);
    TypeProfileName(r, dlg.child(IDC_PROFILE_COMBO), "Own");
    r.click(dlg.child(IDC_PROFILE_SAVE));
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(wizard.GetAgentProperties(), nullptr) << "the wizard is given nothing that goes with the dialog";
  EXPECT_EQ(std::string(dialog.GetBrokerProperties().Find("VSK_DB")->GetValue()), "ORDERS");
  ASSERT_NE(wizard.FindProfile("Own"), nullptr);
  EXPECT_EQ(std::string(wizard.FindProfile("Own")->Find("DB_User")->GetValue()), "loader");
}

}  // namespace
}  // namespace wizardtest
