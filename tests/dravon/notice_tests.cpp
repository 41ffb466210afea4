// Notices: another process's saves and deletes, a lost server, and the
// windows that registered or deregistered.
#include <filesystem>
#include <fstream>

#include "dravon_test_support.h"

namespace dravon_test {
namespace {

using NoticeTest = DravonTest;

TEST_F(NoticeTest, AnotherProcessesSaveAndDeleteArriveAsNotices) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Shared", {"String"});
  CQRBusObjDef* shared = Dm().GetBO("Shared", 0, 0);
  HWND main = MakeWindow();
  HWND view = MakeWindow();
  Dm().UniteObject(nullptr, main);
  Dm().AddWindowHandle(view, "Shared");

  ASSERT_EQ(RunOtherClient({"save", "Shared", "save", "Fresh"}), 0);
  PollOnce();
  ASSERT_EQ(MessagesOf(view), std::vector<UINT>{WM_HV_DEF_CHANGED});
  EXPECT_EQ(NoticesOf(view)[0].name, "Shared");
  EXPECT_EQ(Dm().GetBO("Shared", 0, 0), shared) << "refreshed in place";
  ASSERT_EQ(shared->GetAttrs().GetSize(), 2);
  EXPECT_EQ(shared->GetAttrs()[1]->GetName(), "FromOtherClient");
  EXPECT_NE(Dm().RefreshBONames(0)->Find("Fresh"), nullptr) << "a new name is listed";
  EXPECT_TRUE(MessagesOf(main).empty());

  ClearNotices();
  ASSERT_EQ(RunOtherClient({"delete", "Shared"}), 0);
  PollOnce();
  ASSERT_EQ(MessagesOf(main), std::vector<UINT>{WM_HV_OBJECT_DELETED});
  EXPECT_EQ(NoticesOf(main)[0].wParam, static_cast<WPARAM>(HvObjBusObj));
  EXPECT_EQ(NoticesOf(main)[0].lParam, reinterpret_cast<LPARAM>(shared));
  EXPECT_EQ(Dm().RefreshBONames(0)->Find("Shared"), nullptr);
  // The main window lets go of it as the editor does.
  Dm().CloseBO("Shared", nullptr);
  EXPECT_EQ(Dm().DeleteObject(HvObjBusObj, "Shared", 0), 0);
}

TEST_F(NoticeTest, ADeleteOfADefinitionNotLoadedHereNamesAStandIn) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Elsewhere", {"String"});
  Dm().CloseBO("Elsewhere", nullptr);
  Dm().ReleaseBODefs();
  ASSERT_EQ(Dm().GetBO("Elsewhere", 0, 0), nullptr);
  HWND main = MakeWindow();
  Dm().UniteObject(nullptr, main);
  ASSERT_EQ(RunOtherClient({"delete", "Elsewhere"}), 0);
  PollOnce();
  ASSERT_EQ(MessagesOf(main), std::vector<UINT>{WM_HV_OBJECT_DELETED});
  EXPECT_EQ(NoticesOf(main)[0].name, "Elsewhere");
  EXPECT_TRUE(reinterpret_cast<CQRObj*>(NoticesOf(main)[0].lParam)->is_dead());
  EXPECT_EQ(Dm().RefreshBONames(0)->Find("Elsewhere"), nullptr);
}

TEST_F(NoticeTest, OwnWritesAndEditedDefinitionsBringNoRefresh) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Mine", {"String"});
  CQRBusObjDef* mine = Dm().GetBO("Mine", 0, 0);
  HWND view = MakeWindow();
  Dm().AddWindowHandle(view, "Mine");
  ASSERT_EQ(mine->Save(), 1);
  PollOnce();
  EXPECT_TRUE(NoticesOf(view).empty()) << "this process's own save";
  mine->AddState(HvStateModified);
  mine->SetAppInfo("edited here");
  ASSERT_EQ(RunOtherClient({"save", "Mine"}), 0);
  PollOnce();
  EXPECT_TRUE(NoticesOf(view).empty());
  EXPECT_EQ(mine->GetAppInfo(), "edited here") << "local edits are kept";
}

TEST_F(NoticeTest, DeregisteredWindowsGetNothing) {
  ASSERT_TRUE(LogIn());
  PutOnServer("Gone", {"String"});
  Dm().GetBO("Gone", 0, 0);
  HWND main = MakeWindow();
  HWND view = MakeWindow();
  Dm().UniteObject(nullptr, main);
  Dm().AddWindowHandle(view, "Gone");
  Dm().DisbandObject(nullptr, main);
  Dm().RemoveView("Gone", view);
  ASSERT_EQ(RunOtherClient({"save", "Gone", "delete", "Gone"}), 0);
  PollOnce();
  Dm().SendRefreshMsg("Gone");
  Pump();
  EXPECT_TRUE(NoticesOf(view).empty());
  EXPECT_TRUE(MessagesOf(main).empty());
}

class ServerLossTest : public DravonTest {
 protected:
  void SetUp() override {
    DravonTest::SetUp();
    ASSERT_TRUE(LogIn());
    PutOnServer("Kept", {"String", "Integer"});
    m_kept = Dm().GetBO("Kept", 0, 0);
    m_kept->SetAppInfo("unsaved edit");
    m_kept->AddState(HvStateModified);
    m_main = MakeWindow();
    Dm().UniteObject(nullptr, m_main);
  }

  // The lost server was told once, and the client's objects are intact.
  void ExpectLostOnce() {
    Pump();
    EXPECT_EQ(MessagesOf(m_main), std::vector<UINT>{WM_HV_SERVER_LOST});
    EXPECT_FALSE(Dm().IsConnected());
    EXPECT_EQ(Dm().GetBO("Kept", 0, 0), m_kept);
    EXPECT_EQ(m_kept->GetAppInfo(), "unsaved edit");
    EXPECT_EQ(m_kept->GetAttrs().GetSize(), 2);
    EXPECT_EQ(m_kept->Save(), 0);
    EXPECT_EQ(Dm().GetBO("Other", 0, 1), nullptr);
    PollOnce();
    EXPECT_EQ(MessagesOf(m_main).size(), 1u) << "raised once";
  }

  CQRBusObjDef* m_kept = nullptr;
  HWND m_main = nullptr;
};

TEST_F(ServerLossTest, RemovedFileIsNoticedByTheNextCall) {
  std::filesystem::remove(ServerFilePath());
  EXPECT_EQ(Dm().DeleteBO("Kept"), 0);
  ExpectLostOnce();
}

TEST_F(ServerLossTest, RemovedFileIsNoticedByThePollWithoutACall) {
  std::filesystem::remove(ServerFilePath());
  PollOnce();
  ExpectLostOnce();
}

TEST_F(ServerLossTest, UnreadableFileIsLost) {
  std::filesystem::permissions(ServerFilePath(), std::filesystem::perms::none);
  EXPECT_EQ(Dm().RefreshBONames(1)->Find("Kept") != nullptr, true) << "the list in hand stays";
  ExpectLostOnce();
}

TEST_F(ServerLossTest, OverwrittenFileIsLost) {
  std::ofstream(ServerFilePath(), std::ios::binary | std::ios::trunc) << "not a database any more";
  EXPECT_EQ(m_kept->Save(), 0);
  ExpectLostOnce();
}

TEST_F(ServerLossTest, InjectedLossHitsTheNamedCall) {
  dravon::test::LoseServerAtCall(2);
  EXPECT_TRUE(m_kept->RevertAttrs()) << "the first call still works";
  Pump();
  EXPECT_TRUE(MessagesOf(m_main).empty());
  m_kept->SetAppInfo("unsaved edit");
  m_kept->AddState(HvStateModified);
  EXPECT_EQ(Dm().IsUnique(HvObjNativeMap, "AnyMap"), 1);
  ExpectLostOnce();
}

TEST_F(ServerLossTest, WithoutAMainWindowTheActiveWindowIsTold) {
  Dm().DisbandObject(nullptr, m_main);
  HWND frame = MakeWindow();
  ShowWindow(frame, SW_SHOW);
  SetActiveWindow(frame);
  std::filesystem::remove(ServerFilePath());
  Dm().RefreshBONames(1);
  Pump();
  EXPECT_EQ(MessagesOf(frame), std::vector<UINT>{WM_HV_SERVER_LOST});
  EXPECT_TRUE(MessagesOf(m_main).empty());
}

}  // namespace
}  // namespace dravon_test
