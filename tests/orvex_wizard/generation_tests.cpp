// The review and generation steps as the user goes through them: the
// sheet's buttons, the request to the agent with the names reviewed, the
// agent's notices and files, a refused generation, the fatal notice that
// offers a retry, and the watchdog of an agent that stays silent.
#include <DefMessageBox.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "DlgStep4.h"
#include "DlgStep5.h"
#include "generate_fixture.h"
#include "wizard_resource.h"

namespace generatetest {
namespace {

using dravon::test::ScriptedCallsOf;
using dravon::test::ScriptedNotice;
using halvane::test::Robot;
using halvane::test::Window;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kStep5Title = "Business Object Wizard - Step 5 of 6 - Generating business objects...";
constexpr const char* kExit = "\r\n\r\n Press \"Ok\" to exit the ZTA Wizard.";
// Far beyond anything a test waits: the agent does not answer meanwhile.
constexpr DWORD kNever = 100000000;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Count(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

class GenerationTest : public GenerateTest {
 protected:
  // The standard agent answering with the notices instead of its own.
  static dravon::test::ScriptedAgent AgentWith(std::vector<ScriptedNotice> notices) {
    dravon::test::ScriptedAgent agent = StandardAgent();
    agent.notices = std::move(notices);
    return agent;
  }
  static ScriptedNotice Notice(DWORD delayMs, UINT message, const char* text1 = "", const char* text2 = "",
                               UINT style = 0) {
    return {delayMs, message, 0, text1, text2, style};
  }
  static ScriptedNotice ContentReady(DWORD delayMs = 0) { return Notice(delayMs, WM_BDK_CONTENT); }
  std::string Status() { return Page().child(IDC_GENERATE_STATUS).text(); }
  Window Button(int id) { return Sheet().child(id); }
  // The wizard is gone and its agent let go.
  void ExpectClosed(CGenerateWizard* pWizard) {
    EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000));
    EXPECT_FALSE(Sheet().exists());
    EXPECT_EQ(ScriptedCallsOf(kAgent).calls.back(), "EndSession");
  }
  // Nothing of the generation is in the session.
  void ExpectNothingCommitted() {
    EXPECT_EQ(CDataManager::InitInstance()->GetBO("Customers", 0, 0), nullptr);
    EXPECT_THAT(OpenTitles(), IsEmpty());
  }
};

TEST_F(GenerationTest, TheReviewGoesBackOrOnToTheGeneration) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(3);
    ASSERT_EQ(Step(), 3);
    EXPECT_TRUE(Button(ID_PSBACK).isEnabled());
    EXPECT_TRUE(Button(ID_PSNEXT).isEnabled());
    EXPECT_FALSE(Button(ID_PSFINISH).isVisible());
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Generate 0"), 0) << "reviewing asks the agent nothing";
    Back();
    EXPECT_EQ(Step(), 2);
    Next();
    EXPECT_EQ(pWizard->GetCurrentStep(), 4);
  });
}

TEST_F(GenerationTest, TheAgentGeneratesTheReviewedNamesAndTheWizardMovesOn) {
  Offer(AgentWith({ContentReady(1000)}));
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(3);
    Next();
    ASSERT_EQ(Step(), 4);
    EXPECT_EQ(Title(), kStep5Title);
    EXPECT_EQ(Button(ID_PSNEXT).text(), "&Generate");
    EXPECT_FALSE(Button(ID_PSNEXT).isEnabled());
    EXPECT_FALSE(Button(ID_PSBACK).isEnabled());
    EXPECT_EQ(Status(), "Generating business objects...");
    EXPECT_THAT(ScriptedCallsOf(kAgent).lastNames, ElementsAre("Customers"));
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Generate 0"), 1);
    IMsgReceiver* pPage = static_cast<CDlgStep5*>(pWizard->GetPage(4));
    EXPECT_EQ(pWizard->GetAgent()->GetNotificationTarget(), pPage) << "the page shows the agent's messages";
    EXPECT_EQ(pWizard->GetGeneratedText(), nullptr);
    robot.snapshot(Sheet(), "step5");
    robot.advance(1000);
    ASSERT_EQ(Step(), 5) << "the agent's content takes the wizard to the last step";
    ASSERT_NE(pWizard->GetGeneratedText(), nullptr);
    EXPECT_EQ(std::string(*pWizard->GetGeneratedText()), DefinitionsText({"Customers"}));
    EXPECT_EQ(pWizard->GetCurrentStep(), 5);
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Generate 0"), 1) << "generated once";
    EXPECT_EQ(pWizard->GetAgent()->GetNotificationTarget(), pWizard) << "back with the wizard";
    EXPECT_EQ(Window(pWizard->GetPage(4)->GetSafeHwnd()).child(IDC_GENERATE_STATUS).text(), "Done.");
  });
}

TEST_F(GenerationTest, AnAgentOfTheFirstVersionHandsOverTheTextItself) {
  dravon::test::ScriptedAgent agent = StandardAgent();
  agent.version = ZTK::ZTK_VERSION_1;
  agent.metadata = CQRBDKAgentMetaData();
  Offer(agent);
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    ASSERT_EQ(Step(), 5);
    ASSERT_NE(pWizard->GetGeneratedText(), nullptr);
    EXPECT_EQ(std::string(*pWizard->GetGeneratedText()), DefinitionsText({"Customers"}));
  });
}

TEST_F(GenerationTest, ARefusedGenerationIsReportedAndEndsTheWizard) {
  struct Case {
    int code;
    std::string text;
  };
  const std::vector<Case> cases = {
      {BDK_NO_CONTENT,
       "The ZTA wizard failed to request the business object content from the ZTA. The ZTA declared "
       "that it generates this content"},
      {BDK_SEE_MESSAGE, "The ledger Customers is locked."},
  };
  for (const Case& c : cases) {
    dravon::test::ScriptedAgent agent = StandardAgent();
    agent.generateResult = c.code;
    agent.errorMessage = "The ledger Customers is locked.";
    Offer(agent);
    Run(false, [&] {
      CGenerateWizard* pWizard = OpenAt(3);
      std::string text;
      auto box = AnswerBox("ZTA Wizard", IDOK, &text);
      Next();
      EXPECT_EQ(box.calls(), 1);
      EXPECT_EQ(text, c.text + kExit);
      ExpectClosed(pWizard);
      ExpectNothingCommitted();
    });
  }
}

TEST_F(GenerationTest, ARefusalOfOneOfTwoContentsIsReportedToo) {
  dravon::test::ScriptedAgent agent = StandardAgent();
  agent.metadata.SetContentProtocol(ZTK::CONTENT_FILES, ZTK::CONTENT_PROTOCOL_ONREQUEST);
  agent.generateResults[ZTK::CONTENT_BODEFS] = BDK_NO_CONTENT;
  Offer(agent);
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(3);
    std::string text;
    auto box = AnswerBox("ZTA Wizard", IDOK, &text);
    Next();
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Generate 1"), 1) << "the files were asked for after it";
    EXPECT_EQ(box.calls(), 1);
    EXPECT_EQ(text, std::string("The ZTA wizard failed to request the business object content from the ZTA. The ZTA "
                                "declared that it generates this content") +
                        kExit);
    ExpectClosed(pWizard);
    ExpectNothingCommitted();
  });
}

TEST_F(GenerationTest, TheAgentsFilesGoToTheFileDestination) {
  dravon::test::ScriptedAgent agent = StandardAgent();
  agent.metadata.SetContentProtocol(ZTK::CONTENT_FILES, ZTK::CONTENT_PROTOCOL_ONREQUEST);
  agent.content[ZTK::CONTENT_FILES] = {{"orders.csv", "1;2;3"}, {"../outside.csv", "no"}, {"notes.txt", ""}};
  Offer(agent);
  Run(false, [&] {
    std::string text;
    auto box = AnswerBox("ZTA Wizard", IDOK, &text);
    CGenerateWizard* pWizard = OpenAt(5);
    ASSERT_EQ(Step(), 5) << "both contents handed over";
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Generate 1"), 1);
    EXPECT_EQ(ReadFile(folder_ / "temp/orders.csv"), "1;2;3");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "temp/notes.txt")) << "an empty file is a file";
    EXPECT_FALSE(std::filesystem::exists(folder_ / "outside.csv")) << "a name that leads out is refused";
    EXPECT_EQ(box.calls(), 1);
    EXPECT_EQ(text, "These generated files could not be written:\n\n../outside.csv");
    ASSERT_NE(pWizard->GetGeneratedText(), nullptr);
  });
  agent.content[ZTK::CONTENT_FILES] = {};
  Offer(agent);
  Run(false, [&] {
    OpenAt(5);
    EXPECT_EQ(Step(), 5) << "no files: the agent is still asked whether it is done";
  });
}

TEST_F(GenerationTest, StatusNoticesAndRequestsForValuesKeepTheGenerationGoing) {
  Offer(AgentWith({Notice(0, WM_BDK_STATUS, "Reading the ledgers.", "", MB_OK | MB_ICONINFORMATION),
                   Notice(10, WM_BDK_PROPERTIES_REQUEST, "Customers", "The agent needs these values for Customers."),
                   Notice(10, WM_BDK_INFORMATION_REQUEST), ContentReady(10)}));
  Run(false, [&] {
    OpenAt(3);
    std::string status;
    auto statusBox = AnswerBox("Agent status", IDOK, &status);
    std::string during;
    std::string asked;
    robot.onDialog("BO Properties - Customers", [&](Robot& r, Window dlg) {
      during = Page().child(IDC_GENERATE_STATUS).text();
      asked = dlg.child(IDC_PROP_TEXT).text();
      r.click(dlg.child(IDOK));
    });
    Next();
    EXPECT_EQ(statusBox.calls(), 1);
    EXPECT_EQ(status, "Reading the ledgers.");
    robot.advance(10);
    EXPECT_EQ(during, "Obtaining business object specific information...");
    EXPECT_EQ(asked, "The agent needs these values for Customers.");
    EXPECT_EQ(Status(), "Generating business objects...") << "the status before the request is back";
    robot.advance(10);
    EXPECT_EQ(Status(), "Generating business objects...");
    robot.advance(10);
    EXPECT_EQ(Step(), 5);
  });
}

TEST_F(GenerationTest, AConnectionLostDuringARequestForValuesEndsTheWizard) {
  Offer(AgentWith({Notice(0, WM_BDK_INFORMATION_REQUEST), ContentReady(kNever)}));
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(3);
    AnswerBox("ZTA warning", IDOK).always();
    dravon::test::SetScriptedStatus(kAgent, BDK_CONNECTION_LOST);
    std::string text;
    auto box = AnswerBox("ZTA Wizard", IDOK, &text);
    Next();
    EXPECT_EQ(box.calls(), 1);
    EXPECT_EQ(text,
              "The ZTA wizard is no longer connected to agent \"Test Agent.\" You can still go back and forward "
              "between the steps that you completed and inspect your input but you can no longer make any "
              "changes..\r\nPress \"Ok\" to exit the ZTA Wizard.");
    ExpectClosed(pWizard);
    ExpectNothingCommitted();
  });
}

TEST_F(GenerationTest, AFatalNotificationStopsAndARetryLetsTheUserGoBack) {
  Offer(AgentWith({Notice(0, WM_BDK_NOTIFICATION, "The ledger is locked.", "", MB_RETRYCANCEL | MB_ICONHAND)}));
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(3);
    std::string text;
    auto box = AnswerBox("Agent notification", IDRETRY, &text);
    Next();
    EXPECT_EQ(box.calls(), 1);
    EXPECT_EQ(text, "A fatal error has occurred.\n\nThe ledger is locked.");
    EXPECT_EQ(Status(), "Stopped.");
    EXPECT_TRUE(Button(ID_PSBACK).isEnabled()) << "the agent offered a retry";
    EXPECT_FALSE(WaitFor([&] { return Status() != "Stopped."; }, CDlgStep5::kIdleTimeoutMs + 1000));
    EXPECT_EQ(Status(), "Stopped.") << "no watchdog after a fatal notice";
    Back();
    ASSERT_EQ(Step(), 3);
    EXPECT_EQ(Button(ID_PSNEXT).text(), "&Next >");
    EXPECT_TRUE(Button(ID_PSNEXT).isEnabled());
    EXPECT_EQ(pWizard->GetCurrentStep(), 4);
    EXPECT_THAT(Strings(pWizard->GetReviewStep()->GetNames()), ElementsAre("Customers")) << "the review is kept";
    // Each arrival generates anew.
    AnswerBox("Agent notification", IDCANCEL);
    Next();
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Generate 0"), 2);
    EXPECT_FALSE(Button(ID_PSBACK).isEnabled()) << "no retry chosen";
  });
}

TEST_F(GenerationTest, ASilentAgentMakesTheWatchdogAsk) {
  Offer(AgentWith({ContentReady(kNever)}));
  Run(false, [&] {
    OpenAt(3);
    // Answers the idle question with the button, ticking the check box first when asked.
    auto answerIdle = [&](int button, bool dontAsk, std::string* text = nullptr) {
      return robot.onDialog("Agent is idle", [=](Robot& r, Window box) {
        if (text != nullptr) *text = box.child(CDefMessageBox::kTextControl).text();
        if (dontAsk) r.click(box.child(CDefMessageBox::kCheckControl));
        r.click(box.child(CDefMessageBox::kFirstButtonControl + button));
      });
    };
    std::string text;
    auto first = answerIdle(IDYES, false, &text);
    Next();
    const DWORD timeout = CDlgStep5::kIdleTimeoutMs;
    EXPECT_FALSE(WaitFor([&] { return first.calls() > 0; }, timeout - 1000));
    EXPECT_TRUE(WaitFor([&] { return first.calls() > 0; }, 2000));
    EXPECT_EQ(text, "There was no response from the agent in the last 180 seconds. Continue waiting?");
    EXPECT_EQ(Status(), "Generating business objects...");
    auto second = answerIdle(IDYES, true);
    EXPECT_TRUE(WaitFor([&] { return second.calls() > 0; }, timeout + 1000)) << "asked again after Yes";
    auto third = answerIdle(IDNO, false);
    EXPECT_FALSE(WaitFor([&] { return third.calls() > 0; }, 3 * timeout)) << "not asked again in this wait";
    // A notice re-arms the watchdog; No leaves the step stopped.
    AnswerBox("Agent status", IDOK);
    ::SendMessage(Page().hwnd(), WM_BDK_STATUS, reinterpret_cast<WPARAM>("Still reading."), MB_OK);
    EXPECT_TRUE(WaitFor([&] { return third.calls() > 0; }, timeout + 1000));
    EXPECT_EQ(Status(), "Agent timed out.");
    EXPECT_TRUE(Button(IDCANCEL).isEnabled()) << "the user may still cancel";
  });
}

TEST_F(GenerationTest, WhatTheAgentSendsAfterTheGenerationLeavesTheLastStepAsItIs) {
  Offer(AgentWith({ContentReady(0), Notice(1000, WM_BDK_GENERATED_TEXT, "late"),
                   Notice(1000, WM_BDK_STATUS, "Still here.", "", MB_OK)}));
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    ASSERT_EQ(Step(), 5);
    auto status = AnswerBox("Agent status", IDOK);
    robot.advance(2000);
    EXPECT_EQ(status.calls(), 1) << "the agent's message is still shown";
    EXPECT_EQ(Step(), 5);
    ASSERT_NE(pWizard->GetGeneratedText(), nullptr);
    EXPECT_EQ(std::string(*pWizard->GetGeneratedText()), DefinitionsText({"Customers"}))
        << "the file gets the text that was parsed";
    auto idle = AnswerBox("Agent is idle", CDefMessageBox::kFirstButtonControl + IDNO).always();
    EXPECT_FALSE(WaitFor([&] { return idle.calls() > 0; }, CDlgStep5::kIdleTimeoutMs + 1000))
        << "the watchdog is for the generation step only";
  });
}

}  // namespace
}  // namespace generatetest
