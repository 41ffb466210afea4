// The data manager's notices to the main frame: a definition deleted by
// another client (0x465) and the server lost (0x468), also while the
// Disconnect command's question is up.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

class NoticeTest : public OrvexTest {
 protected:
  // Another client of the server deletes the definition.
  void DeleteElsewhere(const std::string& name) {
    const std::string command =
        std::string(DRAVON_CLIENT) + " " + kServer + " " + kUser + " " + kPassword + " delete " + name;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
  }
  // The server's database disappears.
  void LoseServer() {
    for (const char* suffix : {".db", ".db-wal", ".db-shm"})
      std::filesystem::remove(folder_ / ("servers/" + std::string(kServer) + suffix));
  }
  // One poll of the data manager.
  void Poll() { robot.advance(1000); }
};

TEST_F(NoticeTest, ADefinitionNoWindowHoldsIsLetGoWithoutAQuestion) {
  PutOnServer("Gone", {"Id:String"});
  PutOnServer("Kept", {"Id:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oKept");
  RunScript(args, [&] {
    CDataManager* pDM = CDataManager::InitInstance();
    ASSERT_NE(pDM->GetBO("Gone", 0, 1), nullptr);
    DeleteElsewhere("Gone");
    Poll();
    EXPECT_EQ(pDM->GetBO("Gone", 0, 0), nullptr);
    EXPECT_EQ(pDM->RefreshBONames(0)->Find("Gone"), nullptr);
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Kept"});
  });
}

TEST_F(NoticeTest, AnOpenDefinitionIsKeptAsNewOrDeletedAsTheUserSays) {
  PutOnServer("Customer", {"Id:String", "Name:String"});
  PutOnServer("Order", {"Id:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oCustomer");
  RunScript(args, [&] {
    OpenFromMenu({"Order"});
    ASSERT_EQ(OpenTitles(), (std::vector<std::string>{"Customer", "Order"}));
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pCustomer = pDM->GetBO("Customer", 0, 0);

    robot.onDialog("Delete Confirmation", [](Robot& r, Window box) {
      EXPECT_NE(std::find(r.texts(box).begin(), r.texts(box).end(),
                          "The business object Customer is deleted from the server. Do you want to delete it from "
                          "the Orvex?"),
                r.texts(box).end());
      r.click(box.child(kButtonBase + IDNO));
    });
    DeleteElsewhere("Customer");
    Poll();
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Customer", "Order"})) << "No keeps it";
    EXPECT_EQ(pDM->GetBO("Customer", 0, 0), pCustomer);
    EXPECT_EQ(pCustomer->GetState() & (HvStateOnServer | HvStateSavedToServer), 0);
    EXPECT_EQ(pCustomer->GetState() & HvStateNew, HvStateNew) << "kept as a new definition";
    EXPECT_NE(pDM->RefreshBONames(0)->Find("Customer"), nullptr) << "and still listed";
    EXPECT_EQ(Content(pCustomer).attributes.size(), 2u);

    robot.onMessageBox("Delete Confirmation", kButtonBase + IDYES);
    DeleteElsewhere("Order");
    Poll();
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"}) << "Yes closes its window";
    EXPECT_EQ(pDM->GetBO("Order", 0, 0), nullptr);
  });
}

TEST_F(NoticeTest, ALostServerOffersToSaveClosesTheWindowsAndDisconnects) {
  RunWithCustomerAndDraft([&] {
    CQRBusObjDef* pCustomer = CDataManager::InitInstance()->GetBO("Customer", 0, 0);
    pCustomer->AddState(HvStateModified);
    int questions = 0;
    robot.onMessageBox("Orvex", IDOK);
    robot
        .onDialog("Save",
                  [&](Robot& r, Window box) {
                    ++questions;
                    EXPECT_NE(std::find(r.texts(box).begin(), r.texts(box).end(), "Do you want to save to a file?"),
                              r.texts(box).end());
                    r.click(box.child(IDNO));
                  })
        .times(2);
    LoseServer();
    Poll();
    EXPECT_EQ(questions, 2) << "the changed and the new definition";
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_FALSE(App().IsConnected());
    EXPECT_EQ(StatusText(2), "Disconnected");
  });
}

TEST_F(NoticeTest, ALossDuringTheDisconnectQuestionWaitsUntilTheQuestionIsAnswered) {
  PutOnServer("Customer", {"Id:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oCustomer");
  RunScript(args, [&] {
    CDataManager::InitInstance()->GetBO("Customer", 0, 0)->AddState(HvStateModified);
    // A report of the loss under the question would be a box with no
    // answer here, and fail the test.
    robot.onDialog("Save", [&](Robot& r, Window box) {
      LoseServer();
      Poll();
      EXPECT_TRUE(box.exists());
      EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"});
      r.click(box.child(kButtonBase + IDCANCEL));
    });
    // The cancelled disconnect leaves the loss to be handled after it.
    robot.onMessageBox("Orvex", IDOK);
    robot.onMessageBox("Save", IDNO);
    robot.chooseMenu({"&Server", "&Disconnect"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_FALSE(App().IsConnected());
  });
}

TEST_F(NoticeTest, ALossWhileNotConnectedIsIgnored) {
  RunScript({"-x"}, [&] {
    Frame().SendMessage(WM_HV_SERVER_LOST);
    EXPECT_FALSE(App().IsConnected());
  });
}

}  // namespace
}  // namespace orvex_test
