// Deleting definitions: the confirmation and its check box, the report of
// what uses a definition, a delete the server refuses, and the delete of a
// definition that only this session has.
#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <HLUtilWinRegistry.h>

#include <string>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

constexpr int kNativeMap = 21;

class DeleteTest : public OrvexTest {
 protected:
  // The Delete command on one name, answering the confirmation with Yes.
  void DeleteThroughTheMenu(const std::string& name) {
    AnswerOpenDialog("Delete Business Objects", {name});
    robot.onMessageBox("Delete confirmation : " + name, IDOK);
    robot.chooseMenu({"&File", "&Delete..."});
  }
  // Answers the dependency report with `button`, keeping what it showed.
  void AnswerReport(int button, std::string* report, std::string* message = nullptr) {
    robot.onDialog("Object Dependencies", [=](Robot& r, Window dlg) {
      *report = dlg.child(1249).text();
      if (message != nullptr) *message = dlg.child(1251).text();
      EXPECT_EQ(dlg.child(1253).text(), "Business object definition:");
      r.click(dlg.child(button));
    });
  }
};

TEST_F(DeleteTest, TheReportListsTheUsersAndOnlyAnAcceptedDeleteStripsThem) {
  PutOnServer("Address", {"Id:String"});
  PutOnServer("Customer", {"Id:String", "Home:Address"});
  std::string error;
  ASSERT_TRUE(dravon::admin::AddObject(kServer, kNativeMap, "AddressMap", {"Address"}, error)) << error;
  std::vector<std::string> args = Login();
  args.push_back("-oAddress");
  RunScript(args, [&] {
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pCustomer = pDM->GetBO("Customer", 0, 1);
    ASSERT_NE(pCustomer, nullptr);

    std::string report, message;
    AnswerReport(IDCANCEL, &report, &message);
    DeleteThroughTheMenu("Address");
    EXPECT_EQ(report,
              "Business object definitions:\r\n    Customer\r\n\r\n"
              "Native map definitions:\r\n    AddressMap\r\n\r\n");
    EXPECT_EQ(message,
              "Before you can delete the business object definition Address, you must delete the objects that use it.");
    EXPECT_NE(Results().find("Finding maps using Address..."), std::string::npos);
    EXPECT_EQ(Results().find("Deleting"), std::string::npos) << "Cancel deletes nothing";
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Address"});

    // The server refuses: the users keep their attributes, unmarked.
    dravon::test::RefuseDelete(true);
    AnswerReport(IDOK, &report);
    DeleteThroughTheMenu("Address");
    EXPECT_NE(Results().find("Cannot delete Address"), std::string::npos);
    EXPECT_EQ(Content(pCustomer).attributes, (std::vector<std::string>{"Id:String", "Home:Address"}));
    EXPECT_EQ(pCustomer->GetState() & HvStateModified, 0);
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Address"}) << "its window stays";

    dravon::test::RefuseDelete(false);
    AnswerReport(IDOK, &report);
    DeleteThroughTheMenu("Address");
    EXPECT_NE(Results().find("Deleting business object Address..."), std::string::npos);
    EXPECT_NE(Results().find("Deleted Address"), std::string::npos);
    EXPECT_EQ(Content(pCustomer).attributes, std::vector<std::string>{"Id:String"});
    EXPECT_EQ(pCustomer->GetState() & HvStateModified, HvStateModified) << "the changed user is to be saved";
    EXPECT_TRUE(OpenTitles().empty()) << "the deleted definition's window closed";
    EXPECT_EQ(pDM->RefreshBONames(0)->Find("Address"), nullptr);
  });
  EXPECT_FALSE(OnServer("Address").exists);
  EXPECT_TRUE(OnServer("Customer").exists);
}

TEST_F(DeleteTest, WithoutAServerTheDefinitionLeavesTheSessionAndItsWindowCloses) {
  AnswerNewDialog("Draft");
  RunScript({"-n"}, [&] {
    AnswerNewDialog("User");
    robot.chooseMenu({"&File", "&New..."});
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pUser = pDM->GetBO("User", 0, 0);
    ASSERT_NE(pUser, nullptr);
    pUser->GetAttrs().Add(new CBODefAttr(1, "Draft", "Draft"));

    std::string report;
    AnswerReport(IDOK, &report);
    DeleteThroughTheMenu("Draft");
    EXPECT_EQ(report, "Business object definitions:\r\n    User\r\n\r\n");
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"User"});
    EXPECT_EQ(pDM->GetBO("Draft", 0, 0), nullptr);
    EXPECT_EQ(pDM->RefreshBONames(0)->Find("Draft"), nullptr);
    EXPECT_TRUE(pUser->GetAttrs().IsEmpty());
    EXPECT_EQ(pUser->GetState() & HvStateModified, HvStateModified);
    EXPECT_NE(Results().find("Deleted Draft"), std::string::npos);
    // A definition nobody uses goes without a report.
    DeleteThroughTheMenu("User");
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_TRUE(pDM->GetBODefs(1)->IsEmpty());
  });
}

TEST_F(DeleteTest, OnlyAYesSwitchesTheConfirmationOffAndAtOnce) {
  PutOnServer("One", {"Id:String"});
  PutOnServer("Two", {"Id:String"});
  CWinRegistry common("Halvane", "Common");
  RunScript(Login(), [&] {
    // Ticked, then No: nothing is deleted and the question stays on.
    AnswerOpenDialog("Delete Business Objects", {"One"});
    robot.onDialog("Delete confirmation : One", [](Robot& r, Window dlg) {
      r.snapshot(dlg, "confirm");
      r.click(dlg.childByText("Do not prompt me again"));
      r.click(dlg.childByText("No"));
    });
    robot.chooseMenu({"&File", "&Delete..."});
    EXPECT_EQ(App().m_pPreferences->m_nDoDelBODef, 0);
    EXPECT_EQ(common.GetProfileInt("Preferences", "DoDelBODef", 0), 0u);
    EXPECT_NE(CDataManager::InitInstance()->RefreshBONames(0)->Find("One"), nullptr);

    // Ticked, then Yes: stored at once.
    AnswerOpenDialog("Delete Business Objects", {"One"});
    robot.onDialog("Delete confirmation : One", [](Robot& r, Window dlg) {
      r.click(dlg.childByText("Do not prompt me again"));
      r.click(dlg.childByText("Yes"));
    });
    robot.chooseMenu({"&File", "&Delete..."});
    EXPECT_EQ(common.GetProfileInt("Preferences", "DoDelBODef", 0), 1u);
    // A Cancel in the preferences does not bring the question back.
    robot.onDialog("Business Object Preferences", [](Robot& r, Window sheet) {
      EXPECT_EQ(sheet.childByText("Business Object Definition").checked(), BST_CHECKED);
      r.click(sheet.childByText("Cancel"));
    });
    robot.chooseMenu({"&View", "&Preferences..."});
    EXPECT_EQ(App().m_pPreferences->m_nDoDelBODef, 1);
    // The next delete asks nothing.
    AnswerOpenDialog("Delete Business Objects", {"Two"});
    robot.chooseMenu({"&File", "&Delete..."});
    EXPECT_EQ(CDataManager::InitInstance()->RefreshBONames(0)->GetCount(), 0);
  });
  EXPECT_FALSE(OnServer("One").exists);
  EXPECT_FALSE(OnServer("Two").exists);
}

TEST_F(DeleteTest, TheReportSnapshot) {
  PutOnServer("Address", {"Id:String"});
  PutOnServer("Customer", {"Id:String", "Home:Address"});
  PutOnServer("Supplier", {"Id:String", "Office:Address"});
  Run(Login(), [&] {
    robot.onDialog("Object Dependencies", [](Robot& r, Window dlg) {
      r.snapshot(dlg, "dependencies");
      r.click(dlg.child(IDCANCEL));
    });
    DeleteThroughTheMenu("Address");
  });
}

}  // namespace
}  // namespace orvex_test
