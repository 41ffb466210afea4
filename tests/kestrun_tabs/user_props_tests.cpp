// The "Application Config Properties" tab in a real connector window: the
// fill in both modes, the new row, editing each kind of cell, encryption and
// its verification, the length limits, deleting rows, validation, the
// configuration-file lines and the copy to the server's connector.
#include <win32/winuser.h>

#include "UserPropsView.h"
#include "tabs_fixture.h"

namespace kestrun_tabs_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr int kUserTab = 1;

class UserPropsTest : public TabsTest {
 protected:
  // Opens the connector, brings the tab to the front and runs the body.
  void WithTab(std::unique_ptr<CConnector> connector,
               const std::function<void(CKestrunDoc*, CUserPropGridCtrl&)>& body) {
    Run([&] {
      CKestrunDoc* doc = Open(std::move(connector));
      ASSERT_NE(doc, nullptr);
      ShowTab(doc, "Application Config Properties");
      auto* view = Tab<CUserPropsView>(doc, kUserTab);
      ASSERT_NE(view, nullptr);
      body(doc, view->PropGrid());
    });
  }
  static CUserPropsView* View(CKestrunDoc* doc) { return Tab<CUserPropsView>(doc, kUserTab); }
  void AnswerVerification(const std::string& typed, int button = IDOK) {
    robot.onDialog("Verification", [typed, button](Robot& r, Window dlg) {
      r.click(dlg.child(1000));
      r.type(typed);
      r.click(dlg.child(button));
    });
  }
};

std::unique_ptr<CConnector> WithProperties(const char* name, bool broker,
                                           const std::vector<std::pair<const char*, const char*>>& properties) {
  auto connector = NewModel(name, broker);
  for (const auto& [propName, value] : properties)
    connector->AddAppProperty(new HvProperty(propName, value, HvPropString, "agent restart", HvPropFlagNew));
  return connector;
}

TEST_F(UserPropsTest, AConnectorWithoutPropertiesShowsOnlyTheNewRowWithTheModesUpdateMethod) {
  for (const bool broker : {false, true}) {
    WithTab(NewModel("Empty", broker), [&](CKestrunDoc*, CUserPropGridCtrl& grid) {
      ASSERT_EQ(grid.GetRowCount(), 1u);
      EXPECT_EQ(Rows(grid, {1, 2, 3, 4}),
                (std::vector<std::string>{broker ? "||connector restart|0" : "||agent restart|0"}));
      EXPECT_EQ(Cell(grid, 0, 1), "Property");
      EXPECT_EQ(Cell(grid, 0, 4), "Encrypt");
      EXPECT_EQ(grid.GetColWidth(0), 25);
      EXPECT_EQ(grid.GetColWidth(4), 50);
    });
  }
}

TEST_F(UserPropsTest, TypingANameIntoTheNewRowMakesAPropertyAndAFreshNewRow) {
  WithTab(NewModel("Alpha"), [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
    TypeInto(grid, 1, 1, "Region");
    CConnector* connector = doc->GetConnector();
    ASSERT_EQ(connector->AppPropertyList().GetCount(), 1);
    const HvProperty* property = connector->FindAppProperty("Region");
    ASSERT_NE(property, nullptr);
    EXPECT_EQ(Text(property->GetValue()), "");
    EXPECT_EQ(property->GetType(), HvPropString);
    EXPECT_EQ(property->GetFlags(), HvPropFlagNew);
    EXPECT_EQ(Text(property->GetUpdateMethod()), "agent restart");
    EXPECT_EQ(Rows(grid, {1, 2, 3, 4}), (std::vector<std::string>{"Region||agent restart|0", "||agent restart|0"}));
    EXPECT_EQ(grid.GetRowProperty(1), property);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_NE(Text(doc->GetTitle()).find('*'), std::string::npos);

    TypeInto(grid, 1, 2, "North");
    EXPECT_EQ(Text(property->GetValue()), "North");
    TypeInto(grid, 1, 1, "Zone");
    EXPECT_EQ(Text(property->GetName()), "Zone");
    EXPECT_EQ(grid.GetRowCount(), 2u) << "an edit of a property's row adds no row";
  });
}

TEST_F(UserPropsTest, ANameOrValuePastItsLimitBeepsAndKeepsTheOldText) {
  WithTab(WithProperties("Alpha", false, {{"Region", "North"}}), [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
    win32::GetRecordedBeeps();
    TypeInto(grid, 1, 1, std::string(81, 'n'));
    TypeInto(grid, 1, 2, std::string(256, 'v'));
    const auto beeps = win32::GetRecordedBeeps();
    ASSERT_EQ(beeps.size(), 2u);
    EXPECT_EQ(beeps[0].frequency, 600u);
    EXPECT_EQ(beeps[0].duration, 40u);
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"Region|North", "|"}));
    EXPECT_FALSE(doc->IsModified());

    TypeInto(grid, 1, 1, std::string(80, 'n'));
    EXPECT_EQ(doc->GetConnector()->FindAppProperty(std::string(80, 'n').c_str()) != nullptr, true)
        << "80 characters are a name";
  });
}

TEST_F(UserPropsTest, EncryptMasksTheValueAndUncheckingAsksForItInTheRightCase) {
  WithTab(WithProperties("Alpha", false, {{"Password", "Secret1"}}), [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
    HvProperty* property = doc->GetConnector()->FindAppProperty("Password");
    ClickCheckBox(grid, 1, 4);
    EXPECT_EQ(property->GetType(), HvPropCipherText);
    EXPECT_EQ(grid.LookupStyleRowCol(1, 2).GetControl(), GX_IDS_CTRL_PASSWORD);
    CString shown;
    grid.GetControl(1, 2)->GetControlText(shown, 1, 2, "Secret1", grid.LookupStyleRowCol(1, 2));
    EXPECT_EQ(Text(shown), "*******") << "the cell shows a mask";
    grid.GetControlText(shown, 1, 2);
    EXPECT_EQ(Text(shown), "") << "copies and sorts see nothing of the value";
    EXPECT_EQ(Cell(grid, 1, 2), "Secret1") << "the cell keeps the clear value";

    AnswerVerification("secret1");
    AnswerMessages();
    ClickCheckBox(grid, 1, 4);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Cannot verify the value. Try again.\nLetters must be typed in correct case\nThe value will be kept "
              "encrypted.");
    EXPECT_EQ(Cell(grid, 1, 4), "1");
    EXPECT_EQ(property->GetType(), HvPropCipherText);

    AnswerVerification("Secret1", IDCANCEL);
    ClickCheckBox(grid, 1, 4);
    EXPECT_EQ(messages.size(), 1u) << "Cancel says nothing";
    EXPECT_EQ(Cell(grid, 1, 4), "1");

    AnswerVerification("Secret1");
    ClickCheckBox(grid, 1, 4);
    EXPECT_EQ(Cell(grid, 1, 4), "0");
    EXPECT_EQ(property->GetType(), HvPropString);
    EXPECT_EQ(grid.LookupStyleRowCol(1, 2).GetControl(), GX_IDS_CTRL_EDIT);
  });
}

TEST_F(UserPropsTest, AnEncryptedPropertyOfTheModelFillsAMaskedCheckedRow) {
  auto connector = NewModel("Alpha");
  connector->AddAppProperty(new HvProperty("Token", "abc", HvPropCipherText, "agent restart", HvPropFlagNew));
  WithTab(std::move(connector), [&](CKestrunDoc*, CUserPropGridCtrl& grid) {
    EXPECT_EQ(Rows(grid, {1, 2, 3, 4}), (std::vector<std::string>{"Token|abc|agent restart|1", "||agent restart|0"}));
    EXPECT_EQ(grid.LookupStyleRowCol(1, 2).GetControl(), GX_IDS_CTRL_PASSWORD);
  });
}

TEST_F(UserPropsTest, DeleteRemovesTheSelectedRowsButNeverTheNewRow) {
  WithTab(WithProperties("Alpha", false, {{"A", "1"}, {"B", "2"}, {"C", "3"}}),
          [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
            SelectRows(grid, 2, 4);
            EXPECT_TRUE(grid.CanDeleteRows());
            robot.key(VK_DELETE);
            EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"A|1", "|"}));
            CConnector* connector = doc->GetConnector();
            ASSERT_EQ(connector->AppPropertyList().GetCount(), 1);
            EXPECT_NE(connector->FindAppProperty("A"), nullptr);
            EXPECT_TRUE(doc->IsModified());

            SelectRows(grid, 2, 2);
            robot.key(VK_DELETE);
            EXPECT_EQ(grid.GetRowCount(), 2u) << "the new row stays";

            ClickCell(grid, 1, 2);
            robot.key(VK_DELETE);
            EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"A|", "|"})) << "Delete in a cell clears it";
            EXPECT_EQ(Text(connector->FindAppProperty("A")->GetValue()), "");
          });
}

TEST_F(UserPropsTest, DeleteRowIsOfferedOnlyForWholeRows) {
  WithTab(WithProperties("Alpha", false, {{"A", "1"}, {"B", "2"}}), [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
    ClickCell(grid, 1, 1);
    EXPECT_FALSE(robot.tryChooseMenu({"&Edit", "Delete Row"})) << "a cell is no row";
    SelectRows(grid, 1, 1);
    robot.chooseMenu({"&Edit", "Delete Row"});
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"B|2", "|"}));
    EXPECT_EQ(doc->GetConnector()->AppPropertyList().GetCount(), 1);
  });
}

TEST_F(UserPropsTest, DeletingOneOfTwoRowsOfOneNameKeepsTheOther) {
  WithTab(WithProperties("Alpha", false, {{"A", "first"}, {"A", "second"}}),
          [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
            SelectRows(grid, 2, 2);
            robot.key(VK_DELETE);
            ASSERT_EQ(doc->GetConnector()->AppPropertyList().GetCount(), 1);
            EXPECT_EQ(grid.GetRowProperty(1), doc->GetConnector()->AppPropertyList().GetHead());
            EXPECT_EQ(Text(grid.GetRowProperty(1)->GetValue()), "first") << "the row deleted took its own property";
          });
}

TEST_F(UserPropsTest, AHeaderClickSortsTheRowsAndASecondOneReversesThem) {
  WithTab(WithProperties("Alpha", false, {{"b", "2"}, {"C", "3"}, {"a", "1"}}),
          [&](CKestrunDoc*, CUserPropGridCtrl& grid) {
            ClickCell(grid, 0, 1);
            EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"a|1", "b|2", "C|3", "|"}));
            ClickCell(grid, 0, 1);
            EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"C|3", "b|2", "a|1", "|"}));
            ClickCell(grid, 0, 2);
            EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"a|1", "b|2", "C|3", "|"}));
            EXPECT_EQ(Text(grid.GetRowProperty(1)->GetName()), "a") << "each row keeps its property";
          });
}

TEST_F(UserPropsTest, ValidationDropsEmptyRowsAndReportsTheFirstBadRow) {
  WithTab(WithProperties("Alpha", false, {{"A", "1"}, {"", ""}, {"B", "2"}, {"A", "3"}}),
          [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
            CUserPropsView* view = View(doc);
            EXPECT_FALSE(view->Validate());
            EXPECT_EQ(ResultLines(), (std::vector<std::string>{"'A' occurs twice on row 3 and 1"}));
            EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"A|1", "B|2", "A|3", "|"}))
                << "the empty row went silently";
            EXPECT_EQ(doc->GetConnector()->AppPropertyList().GetCount(), 3);

            TypeInto(grid, 3, 1, "CharacterSet");
            ClearResults();
            EXPECT_FALSE(view->Validate());
            EXPECT_EQ(ResultLines(), (std::vector<std::string>{"'CharacterSet' in row 3 is a standard property"}));

            TypeInto(grid, 3, 1, "Bad Name!");
            ClearResults();
            EXPECT_FALSE(view->Validate());
            EXPECT_EQ(ResultLines(), (std::vector<std::string>{"'Bad Name!' is an invalid property name."}));

            TypeInto(grid, 3, 1, "C");
            ClearResults();
            EXPECT_TRUE(view->Validate());
            EXPECT_TRUE(ResultLines().empty());
          });
}

TEST_F(UserPropsTest, TheConfigurationLinesHoldEachPropertyThenTheKeptComments) {
  auto connector = WithProperties("Alpha", false, {{"Region", "North"}});
  connector->AddAppProperty(new HvProperty("Password", "Secret1", HvPropCipherText, "agent restart", HvPropFlagNew));
  connector->m_connectorComments.AddTail("# kept as it came");
  WithTab(std::move(connector), [&](CKestrunDoc* doc, CUserPropGridCtrl& grid) {
    TypeInto(grid, 1, 2, "South");
    CString text;
    ASSERT_TRUE(View(doc)->AppendConfigText(text));
    const std::string key = Text(App().GetCodec()->m_strSessionKey);
    EXPECT_EQ(Text(text), "Region = South\r\nPassword *= " + kestrun_test::FakeEncrypted("Secret1", key) +
                              "\r\n# kept as it came\r\n");
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Saving Application Properties..."}));
  });
}

TEST_F(UserPropsTest, AValueThatCannotBeEncryptedStopsTheWriteAndIsNeverWrittenInClear) {
  encryption_ = kestrun_test::Refusing("refuse");
  auto connector = NewModel("Alpha");
  connector->AddAppProperty(new HvProperty("Password", "refuse-me", HvPropCipherText, "agent restart", HvPropFlagNew));
  WithTab(std::move(connector), [&](CKestrunDoc* doc, CUserPropGridCtrl&) {
    AnswerMessages();
    CString text;
    EXPECT_FALSE(View(doc)->AppendConfigText(text));
    EXPECT_EQ(Text(text).find("refuse-me"), std::string::npos);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Password"), std::string::npos) << messages[0];
  });
}

TEST_F(UserPropsTest, SavingToTheServerGivesItTheProperties) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    CKestrunDoc* doc = Open(WithProperties("ServerOne", false, {{"Region", "North"}}));
    ShowTab(doc, "Application Config Properties");
    CUserPropGridCtrl& grid = View(doc)->PropGrid();
    TypeInto(grid, 2, 1, "Queue");
    TypeInto(grid, 2, 2, "Q1");
    ASSERT_TRUE(doc->SaveToServer());
    CQRConnector* server = CDataManager::InitInstance()->GetConnector("ServerOne");
    ASSERT_NE(server, nullptr);
    const auto& properties = server->GetAppProperties(0);
    ASSERT_EQ(properties.GetSize(), 2);
    EXPECT_EQ(Text(properties[0]->GetName()), "Region");
    EXPECT_EQ(Text(properties[1]->GetName()), "Queue");
    EXPECT_EQ(Text(properties[1]->GetValue()), "Q1");
    EXPECT_EQ(Text(properties[1]->GetUpdateMethod()), "agent restart");
  });
}

TEST_F(UserPropsTest, Snapshot) {
  auto connector = WithProperties("Alpha", false, {{"Region", "North"}, {"Queue", "Orders"}});
  connector->AddAppProperty(new HvProperty("Password", "Secret1", HvPropCipherText, "agent restart", HvPropFlagNew));
  WithTab(std::move(connector), [&](CKestrunDoc*, CUserPropGridCtrl&) {
    robot.snapshot(Window(Frame().GetSafeHwnd()), "application_properties");
  });
}

}  // namespace
}  // namespace kestrun_tabs_test
