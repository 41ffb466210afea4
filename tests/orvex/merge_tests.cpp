// Connecting with definitions that were open without a server: names the
// server does not have join the session; for the others the import-results
// dialog's four choices end with the right definitions on the server and in
// the session, by name and content; Cancel leaves no session behind.
#include <string>

#include "import_results_robot.h"
#include "orvex_fixture.h"

namespace orvex_test {
namespace {

const std::vector<std::string> kServerContent{"Id:String", "Srv:String"};
const std::vector<std::string> kLocalContent{"Loc:String"};

class MergeTest : public OrvexTest {
 protected:
  void SetUp() override {
    OrvexTest::SetUp();
    for (const char* name : {"A", "B", "C", "D"}) PutOnServer(name, kServerContent, "server");
  }

  // Definitions made in this session without a server, with local content.
  void MakeLocal(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      AnswerNewDialog(name, "local");
      robot.chooseMenu({"&File", "&New..."});
      CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(name.c_str(), 0, 0);
      ASSERT_NE(pDef, nullptr);
      auto* pKey = new CBODefAttr(1, "Loc", "String");
      pKey->SetKey(TRUE);
      pDef->GetAttrs().Add(pKey);
    }
  }

  DefContent Held(const char* name) { return Content(CDataManager::InitInstance()->GetBO(name, 0, 0)); }
  int StateOf(const char* name) {
    const CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(name, 0, 0);
    return pDef != nullptr ? pDef->GetState() : -1;
  }
};

TEST_F(MergeTest, EachOfTheFourChoicesEndsWithTheRightDefinitions) {
  RunScript({"-x"}, [&] {
    MakeLocal({"A", "B", "C", "D", "E"});
    CQRBusObjDef* pLocalA = CDataManager::InitInstance()->GetBO("A", 0, 0);
    robot.onDialog("Import Results", [&](Robot& r, Window dlg) {
      EXPECT_EQ(RowNames(dlg), (std::vector<std::string>{"A", "B", "C", "D"})) << "E joins without a row";
      ChooseAction(r, dlg, RowOf(dlg, "A"), "Keep Local\\Rename Server");
      TypeNewName(r, dlg, RowOf(dlg, "A"), "A_Server");
      ChooseAction(r, dlg, RowOf(dlg, "B"), "Keep Server\\Rename Local");
      TypeNewName(r, dlg, RowOf(dlg, "B"), "B_Local");
      ChooseAction(r, dlg, RowOf(dlg, "C"), "Overwrite Server");
      ChooseAction(r, dlg, RowOf(dlg, "D"), "Overwrite Local");
      r.click(dlg.child(IDOK));
    });
    ASSERT_TRUE(App().ConnectToServer(kServer, kUser, kPassword));
    EXPECT_EQ(StatusText(0), std::string("Connected to server ") + kServer);
    EXPECT_EQ(StatusText(2), kServer);

    // A: the local one keeps the name, the server's goes under the new name.
    EXPECT_EQ(Held("A").attributes, kLocalContent);
    EXPECT_EQ(CDataManager::InitInstance()->GetBO("A", 0, 0), pLocalA) << "the window's definition is the same";
    EXPECT_EQ(COrvexDoc::FindByName("A")->m_pBODef, pLocalA);
    EXPECT_EQ(StateOf("A") & (HvStateOnServer | HvStateModified), HvStateOnServer | HvStateModified);
    EXPECT_EQ(Held("A_Server").attributes, kServerContent);
    EXPECT_EQ(Held("A_Server").appInfo, "server");
    // B: the server's keeps the name, the local one goes under the new name
    // in a window of its own, to be saved.
    EXPECT_EQ(Held("B").attributes, kServerContent);
    EXPECT_EQ(StateOf("B"), HvStateOnServer);
    EXPECT_EQ(Content(COrvexDoc::FindByName("B")->m_pBODef).attributes, kServerContent);
    EXPECT_EQ(Held("B_Local").attributes, kLocalContent);
    EXPECT_EQ(Held("B_Local").appInfo, "local");
    EXPECT_EQ(StateOf("B_Local") & (HvStateNew | HvStateModified), HvStateNew | HvStateModified);
    EXPECT_NE(COrvexDoc::FindByName("B_Local"), nullptr);
    // C: the local one was saved over the server's.
    EXPECT_EQ(Held("C").attributes, kLocalContent);
    EXPECT_EQ(StateOf("C") & HvStateModified, 0);
    // D: the server's replaced the local one.
    EXPECT_EQ(Held("D").attributes, kServerContent);
    EXPECT_EQ(StateOf("D"), HvStateOnServer);
    // E: a local definition of the session.
    EXPECT_EQ(Held("E").attributes, kLocalContent);
    EXPECT_EQ(StateOf("E") & (HvStateOnServer | HvStateSavedToServer), 0);
    CStringList* pNames = CDataManager::InitInstance()->RefreshBONames(0);
    for (const char* name : {"A", "A_Server", "B", "B_Local", "C", "D", "E"})
      EXPECT_NE(pNames->Find(name), nullptr) << name;
    EXPECT_TRUE(App().m_mapPending.IsEmpty());
  });
  EXPECT_EQ(OnServer("A").attributes, kServerContent) << "the kept local A is still to be saved";
  EXPECT_EQ(OnServer("A_Server").attributes, kServerContent);
  EXPECT_EQ(OnServer("B").attributes, kServerContent);
  EXPECT_FALSE(OnServer("B_Local").exists) << "saved only when the user saves it";
  EXPECT_EQ(OnServer("C").attributes, kLocalContent);
  EXPECT_EQ(OnServer("C").appInfo, "local");
  EXPECT_EQ(OnServer("D").attributes, kServerContent);
  EXPECT_FALSE(OnServer("E").exists);
}

TEST_F(MergeTest, CancelLeavesNoSessionAndEveryDefinitionLocalAsBefore) {
  RunScript({"-x"}, [&] {
    MakeLocal({"A", "E"});
    CQRBusObjDef* pLocalA = CDataManager::InitInstance()->GetBO("A", 0, 0);
    robot.onDialog("Import Results", [](Robot& r, Window dlg) {
      EXPECT_EQ(RowNames(dlg), std::vector<std::string>{"A"});
      r.click(dlg.child(IDCANCEL));
    });
    EXPECT_FALSE(App().ConnectToServer(kServer, kUser, kPassword));
    EXPECT_FALSE(App().IsConnected());
    EXPECT_EQ(App().m_pServer, nullptr);
    EXPECT_FALSE(CDataManager::InitInstance()->IsConnected());
    EXPECT_EQ(StatusText(2), "Disconnected");
    EXPECT_NE(StatusText(0), std::string("Connected to server ") + kServer);
    CDataManager* pDM = CDataManager::InitInstance();
    EXPECT_EQ(pDM->RefreshBONames(0)->GetCount(), 2);
    EXPECT_EQ(pDM->GetBO("A", 0, 0), pLocalA);
    EXPECT_EQ(pLocalA->GetServer(), nullptr);
    EXPECT_EQ(Content(pLocalA).attributes, kLocalContent);
    EXPECT_NE(pDM->GetBO("E", 0, 0), nullptr);
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"A", "E"}));
    // The menu offers Connect again.
    EXPECT_FALSE(robot.tryChooseMenu({"&Server", "&Disconnect"}));
  });
  EXPECT_EQ(OnServer("A").attributes, kServerContent);
}

}  // namespace
}  // namespace orvex_test
