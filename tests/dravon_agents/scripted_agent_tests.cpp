#include <atomic>
#include <memory>
#include <thread>

#include "AgentTestHooks.h"
#include "Orb.h"
#include "OrbTestHooks.h"
#include "agents_test_support.h"

namespace {

using agents_test::AgentTest;
using dravon::test::ScriptedAgent;
using dravon::test::ScriptedNotice;

constexpr const char* kName = "Scripted";

// The names a generation request carries.
struct Names : CStringArray {
  Names(std::initializer_list<const char*> names) {
    for (const char* n : names) Add(n);
  }
};

ScriptedAgent Script() {
  ScriptedAgent s;
  CStringList none;
  s.properties.Add(AgentProperty("Host", "Where the application runs", "5", none, 1, 1, "1"));
  s.metadata.SetContentProtocol(ZTK::CONTENT_BODEFS, ZTK::CONTENT_PROTOCOL_ONREQUEST);
  s.metadata.SetContentProtocol(ZTK::CONTENT_FILES, ZTK::CONTENT_PROTOCOL_ONREQUEST);
  s.tree[""] = {{"Orders", "Order objects", false, true, TREENODE_FILES}, {"Items", "Item objects", true, false}};
  s.tree["Orders"] = {{"Header", "Order header", true, false}};
  s.content[ZTK::CONTENT_BODEFS] = {{"A", "[BusinessObjectDefinition]\nName = A\n[End]\n"},
                                    {"B", "[BusinessObjectDefinition]\nName = B\n[End]\n"}};
  s.content[ZTK::CONTENT_FILES] = {{"a.xsd", "<xsd/>"}};
  return s;
}

class ScriptedAgentTest : public AgentTest {
 protected:
  CQRBDKAgent& Connect(const ScriptedAgent& script) {
    dravon::test::AddScriptedAgent(kName, script);
    m_agent = std::make_unique<CQRBDKAgent>(kName, nullptr, 4);
    m_agent->GetListener().SetEventHandler(m_wnd);
    EXPECT_EQ(m_agent->Init(), BDK_OK) << m_agent->GetLastErrorMessage();
    return *m_agent;
  }

  std::unique_ptr<CQRBDKAgent> m_agent;
};

TEST_F(ScriptedAgentTest, AgentNamesComeFromTheLocationService) {
  dravon::test::AddScriptedAgent("First", Script());
  dravon::test::AddScriptedAgent("Second", Script());
  CQRBDKAgent agent("", nullptr, 4);
  CStringList names;
  ASSERT_EQ(agent.GetAgentNames(names), BDK_OK);
  std::vector<std::string> listed;
  for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
    listed.emplace_back(static_cast<const char*>(names.GetNext(pos)));
  EXPECT_EQ(listed, (std::vector<std::string>{"SQLite Agent", "First", "Second"}));

  dravon::test::RemoveScriptedAgents();
  ASSERT_EQ(agent.GetAgentNames(names), BDK_OK);
  EXPECT_EQ(names.GetCount(), 1);

  orb::test::SetServiceAvailable(false);
  EXPECT_EQ(agent.GetAgentNames(names), BDK_LOCATION_FAILED);
  EXPECT_TRUE(names.IsEmpty());
  EXPECT_FALSE(agent.GetLastErrorMessage().IsEmpty());
  CQRBDKAgent sqlite("SQLite Agent", nullptr, 4);
  EXPECT_EQ(sqlite.Init(), BDK_LOCATION_FAILED);
  EXPECT_EQ(IsOrbBusy(), 0) << "a failed look-up leaves the broker idle";
}

TEST_F(ScriptedAgentTest, InitFailsForUnknownNamesAndWithTheScriptedError) {
  CQRBDKAgent unknown("Nobody", nullptr, 4);
  EXPECT_EQ(unknown.Init(), BDK_AGENT_NOT_FOUND);
  EXPECT_NE(unknown.GetLastErrorMessage().Find("Nobody"), -1);
  EXPECT_STREQ(unknown.name(0), "Nobody");

  ScriptedAgent script = Script();
  script.initResult = BDK_SEE_MESSAGE;
  script.errorMessage = "The application refused the log-in.";
  dravon::test::AddScriptedAgent(kName, script);
  CQRBDKAgent agent(kName, nullptr, 4);
  EXPECT_EQ(agent.Init(), BDK_SEE_MESSAGE);
  EXPECT_EQ(agent.GetLastErrorMessage(), "The application refused the log-in.");
  AgentPropArray* props = nullptr;
  EXPECT_EQ(agent.GetAgentProperties(1, &props), BDK_NOT_CONNECTED);
  EXPECT_EQ(props, nullptr);
  EXPECT_EQ(agent.SetAgentProperties(), BDK_NOT_CONNECTED);
  EXPECT_EQ(agent.Disconnect(), BDK_NOT_CONNECTED);
  EXPECT_EQ(agent.GetConnectionStatus(), BDK_NOT_CONNECTED);
}

TEST_F(ScriptedAgentTest, PropertiesTreeAndCallsFollowTheScript) {
  ScriptedAgent script = Script();
  script.setPropertiesResult = BDK_PROPERTIES_REFUSED;
  script.errorMessage = "Host unknown";
  CQRBDKAgent& agent = Connect(script);
  AgentPropArray* props = nullptr;
  ASSERT_EQ(agent.GetAgentProperties(1, &props), BDK_OK);
  ASSERT_EQ(props->GetSize(), 1);
  props->Find("Host")->SetValue("erp01");
  EXPECT_EQ(agent.SetAgentProperties(), BDK_PROPERTIES_REFUSED);
  EXPECT_EQ(agent.GetLastErrorMessage(), "Host unknown");
  const dravon::test::ScriptedCalls calls = dravon::test::ScriptedCallsOf(kName);
  EXPECT_EQ(calls.lastProperties.Find("Host")->GetValue(), "erp01") << "the edited properties are sent";

  const TreeNodeList top = agent.GetBOTree("", "", 0, 1);
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0]->m_nKind & 0x0F, TREENODE_FILES);
  EXPECT_TRUE(top[0]->m_bHasChildren);
  EXPECT_EQ(agent.GetBOTree("Orders", "", 2, 1).size(), 1u);
  EXPECT_EQ(agent.GetBOTree("", "Item", 2, 1).size(), 1u);
  EXPECT_TRUE(agent.GetBOTree("Missing", "", 2, 1).empty());
  EXPECT_EQ(dravon::test::ScriptedCallsOf(kName).calls.back(), "GetBOTree Missing");
}

TEST_F(ScriptedAgentTest, WithoutScriptedNoticesContentIsAnnouncedAtOnce) {
  CQRBDKAgent& agent = Connect(Script());
  ASSERT_EQ(agent.RequestContent(ZTK::CONTENT_BODEFS, Names({"Orders:Header"})), BDK_OK);
  ASSERT_EQ(agent.RequestContent(ZTK::CONTENT_FILES, Names({"Orders:Header"})), BDK_OK);
  Pump();
  ASSERT_EQ(Messages(), (std::vector<UINT>{WM_BDK_CONTENT, WM_BDK_CONTENT}));
  EXPECT_EQ(Notices()[0].lParam, 2);
  EXPECT_EQ(Notices()[1].wParam, static_cast<WPARAM>(ZTK::CONTENT_FILES));
  EXPECT_EQ(Notices()[1].lParam, 1);
  EXPECT_EQ(dravon::test::ScriptedCallsOf(kName).lastNames, std::vector<std::string>{"Orders:Header"});

  CString name;
  BYTE* bytes = nullptr;
  long length = 0;
  ASSERT_EQ(agent.GetContent(ZTK::CONTENT_FILES, 0, name, bytes, length), BDK_OK);
  EXPECT_EQ(name, "a.xsd");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), static_cast<size_t>(length)), "<xsd/>");
  delete[] bytes;
  EXPECT_FALSE(agent.CompleteOnAddContent(ZTK::CONTENT_FILES)) << "the definitions are still to come";
  EXPECT_TRUE(agent.CompleteOnAddContent(ZTK::CONTENT_BODEFS));

  ClearNotices();
  ASSERT_EQ(agent.GenerateSpecs(Names({"Items"})), BDK_OK);
  Pump();
  ASSERT_EQ(Messages(), std::vector<UINT>{WM_BDK_GENERATED_TEXT});
  EXPECT_EQ(Notices()[0].text1,
            "[BusinessObjectDefinition]\nName = A\n[End]\n[BusinessObjectDefinition]\nName = B\n[End]\n");
}

TEST_F(ScriptedAgentTest, ScriptedNoticesArriveAtTheirMomentsOnTheClock) {
  ScriptedAgent script = Script();
  script.notices = {
      {0, WM_BDK_STATUS, 0, "Reading the catalogue", "", MB_OK},
      {100, WM_BDK_NOTIFICATION, 0, "Table locked", "", MB_RETRYCANCEL | MB_ICONHAND},
      {50, WM_BDK_PROPERTIES_REQUEST, 0, "Orders", "Give the order type", 0},
      {0, WM_BDK_INFORMATION_REQUEST, 0, "", "", 0},
      {1000, WM_BDK_CONTENT, ZTK::CONTENT_BODEFS, "", "", 0x10002},
      {10, WM_BDK_STOPPED, 0, "", "", 0},
  };
  CQRBDKAgent& agent = Connect(script);
  ASSERT_EQ(agent.RequestContent(ZTK::CONTENT_BODEFS, Names({"Items"})), BDK_OK);
  Pump();
  ASSERT_EQ(Messages(), std::vector<UINT>{WM_BDK_STATUS});
  EXPECT_EQ(Notices()[0].text1, "Reading the catalogue");
  EXPECT_EQ(Notices()[0].lParam, MB_OK);

  Advance(99);
  EXPECT_EQ(Messages().size(), 1u) << "the notification is due at 100 ms";
  Advance(1);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Notices()[1].text1, "Table locked");
  EXPECT_EQ(Notices()[1].lParam, static_cast<LPARAM>(MB_RETRYCANCEL | MB_ICONHAND));

  Advance(50);
  ASSERT_EQ(Messages(), (std::vector<UINT>{WM_BDK_STATUS, WM_BDK_NOTIFICATION, WM_BDK_PROPERTIES_REQUEST,
                                           WM_BDK_INFORMATION_REQUEST}));
  EXPECT_EQ(Notices()[2].text1, "Orders");
  EXPECT_EQ(Notices()[2].text2, "Give the order type");
  EXPECT_NE(agent.GetListener().GetPropArray().Find("Host"), nullptr) << "the request carries properties to fill";

  Advance(1000);
  ASSERT_EQ(Messages().size(), 5u);
  EXPECT_EQ(Notices()[4].lParam, 2) << "only the low 16 bits of the count travel";
  Advance(10);
  EXPECT_EQ(Messages().back(), WM_BDK_STOPPED);
  Advance(5000);
  EXPECT_EQ(Messages().size(), 6u);
}

TEST_F(ScriptedAgentTest, PendingNoticesDieWithTheAgentAndGoNowhereWithoutAWindow) {
  ScriptedAgent script = Script();
  script.notices = {{20, WM_BDK_STOPPED, 0, "", "", 0}};
  CQRBDKAgent& agent = Connect(script);
  ASSERT_EQ(agent.GenerateSpecs(Names({"Items"})), BDK_OK);
  m_agent.reset();
  Advance(100);
  EXPECT_TRUE(Messages().empty());

  CQRBDKAgent& again = Connect(script);
  ASSERT_EQ(again.GenerateSpecs(Names({"Items"})), BDK_OK);
  DestroyWindow(m_wnd);
  Advance(100);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(again.GetListener().PostStopped());
}

TEST_F(ScriptedAgentTest, GenerationRefusedGivesTheScriptedCode) {
  ScriptedAgent script = Script();
  script.generateResult = BDK_GENERATION_FAILED;
  CQRBDKAgent& agent = Connect(script);
  EXPECT_EQ(agent.RequestContent(ZTK::CONTENT_BODEFS, Names({"Items"})), BDK_GENERATION_FAILED);
  Pump();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ScriptedAgentTest, ConnectionStatusFailsAsScripted) {
  ScriptedAgent script = Script();
  script.statusFailsFromCall = 3;
  CQRBDKAgent& agent = Connect(script);
  EXPECT_EQ(agent.GetConnectionStatus(), BDK_OK);
  EXPECT_EQ(agent.GetConnectionStatus(), BDK_OK);
  EXPECT_EQ(agent.GetConnectionStatus(), BDK_CONNECTION_LOST);
  dravon::test::SetScriptedStatus(kName, BDK_OK);
  EXPECT_EQ(agent.GetConnectionStatus(), BDK_OK);
  dravon::test::SetScriptedStatus(kName, 2);
  EXPECT_EQ(agent.GetConnectionStatus(), 2);
}

TEST_F(ScriptedAgentTest, AWatchThreadNeverSeesAHalfTerminatedAgent) {
  CQRBDKAgent& agent = Connect(Script());
  std::atomic<bool> stop{false};
  std::atomic<int> calls{0};
  std::atomic<int> bad{0};
  std::thread watch([&] {
    while (!stop) {
      const int status = agent.GetConnectionStatus();
      if (status != BDK_OK && status != BDK_NOT_CONNECTED) ++bad;
      ++calls;
    }
  });
  // Switches the agent until the watcher has made enough calls in between.
  for (int i = 0; i < 200 || calls < 200; ++i) {
    ASSERT_EQ(agent.Terminate(), BDK_OK);
    ASSERT_EQ(agent.Init(), BDK_OK);
  }
  stop = true;
  watch.join();
  EXPECT_EQ(bad, 0);
}

}  // namespace
