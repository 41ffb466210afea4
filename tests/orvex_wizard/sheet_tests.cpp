// The wizard's sheet and its first step: opening from the main frame, the
// agent connected through tasks, the agent error box, Cancel and the close
// box, the sizing, and the watch of the agent's connection.
#include <Constants.h>

#include "DlgStep1.h"
#include "generate_fixture.h"
#include "message_recorder.h"
#include "wizard_resource.h"

namespace generatetest {
namespace {

using dravon::test::ScriptedCallsOf;
using halvane::test::MessageRecorder;
using halvane::test::Window;
using ::testing::Contains;
using ::testing::ElementsAre;

using SheetTest = GenerateTest;

int Count(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

TEST_F(SheetTest, NewUsingZtaOpensTheWizardOnItsFirstStep) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ASSERT_NE(pWizard, nullptr);
    EXPECT_TRUE(Frame().IsWizardListed(pWizard));
    EXPECT_EQ(Title(), "Business Object Wizard - Step 1 of 6 - Select Agent");
    EXPECT_EQ(pWizard->GetPageCount(), 6);
    EXPECT_FALSE(Sheet().child(ID_PSBACK).isEnabled());
    EXPECT_FALSE(Sheet().child(ID_PSNEXT).isEnabled()) << "no name yet";
    robot.click(Page().child(IDC_AGENT_NAME));
    robot.type("  ");
    EXPECT_FALSE(Sheet().child(ID_PSNEXT).isEnabled()) << "blanks are no name";
    robot.type("x");
    EXPECT_TRUE(Sheet().child(ID_PSNEXT).isEnabled());
    ::SetWindowText(Page().child(IDC_AGENT_NAME).hwnd(), "");
    robot.snapshot(Sheet(), "step1");
  });
}

TEST_F(SheetTest, FindAgentsListsTheRegisteredAgentsAndPickingOneNamesIt) {
  Offer(StandardAgent());
  Run(false, [&] {
    OpenWizard();
    robot.click(Page().child(IDC_FIND_AGENTS));
    const Window list = Page().child(IDC_AGENT_LIST);
    EXPECT_THAT(list.listItems(), Contains(kAgent));
    EXPECT_THAT(list.listItems(), Contains("SQLite Agent")) << "the agent that comes with the library";
    robot.select(list, kAgent);
    EXPECT_EQ(Page().child(IDC_AGENT_NAME).text(), kAgent);
    EXPECT_TRUE(Sheet().child(ID_PSNEXT).isEnabled());
    robot.snapshot(Sheet(), "step1_agents");
  });
}

TEST_F(SheetTest, NextConnectsReadsThePropertiesAndStartsTheWatch) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ConnectTo(kAgent);
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(pWizard->GetCurrentStep(), 1);
    ASSERT_NE(pWizard->GetAgent(), nullptr);
    EXPECT_STREQ(pWizard->GetAgent()->name(0), kAgent);
    ASSERT_NE(pWizard->GetAgentProperties(), nullptr);
    EXPECT_NE(pWizard->GetAgentProperties()->Find("Host"), nullptr);
    EXPECT_EQ(pWizard->GetAgent()->GetNotificationTarget(), pWizard) << "the agent speaks to the wizard";
    EXPECT_TRUE(Sheet().child(ID_PSBACK).isEnabled());
    EXPECT_FALSE(pWizard->StartStatusPoll()) << "the watch runs already";
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Init"), 1);
  });
}

TEST_F(SheetTest, TheConnectedNameAdvancesWithoutTheAgentAndANewNameLetsTheOldAgentGo) {
  Offer(StandardAgent());
  dravon::test::AddScriptedAgent("Other Agent", StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ConnectTo(kAgent);
    Back();
    Next();
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(Count(ScriptedCallsOf(kAgent).calls, "Init"), 1) << "the same name contacts nobody";
    Back();
    ConnectTo("Other Agent");
    EXPECT_EQ(Step(), 1);
    EXPECT_STREQ(pWizard->GetAgent()->name(0), "Other Agent");
    EXPECT_THAT(ScriptedCallsOf(kAgent).calls, ElementsAre("Init", "EndSession")) << "terminated first";
    EXPECT_EQ(Count(ScriptedCallsOf("Other Agent").calls, "Init"), 1);
  });
}

TEST_F(SheetTest, AFailedConnectIsReportedAndTheStepStays) {
  struct Case {
    int code;
    std::string text;
  };
  const std::vector<Case> cases = {
      {BDK_AGENT_NOT_FOUND, "Cannot bind to agent Test Agent"},
      {BDK_CONNECT_FAILED, "Cannot get a handle to agent Test Agent"},
      {BDK_BAD_PROPERTIES, "A CORBA exception occurred while getting agent properties for Test Agent"},
      {BDK_NO_SUCH_NODE,
       "The wizard cannot continue because the agent is no longer responding while connecting to "
       "agent Test Agent"},
      {BDK_SEE_MESSAGE, "The host sales.example does not answer."},
  };
  for (const Case& c : cases) {
    dravon::test::ScriptedAgent agent = StandardAgent();
    agent.initResult = c.code;
    agent.errorMessage = "The host sales.example does not answer.";
    Offer(agent);
    Run(false, [&] {
      CGenerateWizard* pWizard = OpenWizard();
      std::string text;
      auto box = AnswerBox("ZTA Wizard", IDOK, &text);
      ConnectTo(kAgent);
      EXPECT_EQ(box.calls(), 1);
      EXPECT_EQ(text, c.text);
      EXPECT_EQ(Step(), 0);
      EXPECT_EQ(pWizard->GetAgent(), nullptr) << "the agent that did not connect is gone";
      EXPECT_EQ(pWizard->GetCurrentStep(), 0);
    });
  }
  dravon::test::RemoveScriptedAgents();
  Run(false, [&] {
    OpenWizard();
    std::string text;
    AnswerBox("ZTA Wizard", IDOK, &text);
    ConnectTo("Nobody");
    EXPECT_EQ(text, "Cannot bind to agent Nobody");
  });
}

TEST_F(SheetTest, CancelDisconnectsTheAgentAndTheFrameLetsTheWizardGo) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ConnectTo(kAgent);
    Cancel();
    EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000));
    EXPECT_FALSE(Sheet().exists());
    EXPECT_THAT(ScriptedCallsOf(kAgent).calls, ElementsAre("Init", "EndSession"));
    EXPECT_TRUE(OpenTitles().empty());
  });
}

TEST_F(SheetTest, TheCloseBoxClosesAsCancelDoes) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ConnectTo(kAgent);
    robot.chooseSystemMenu("&Close");
    EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000));
    EXPECT_THAT(ScriptedCallsOf(kAgent).calls, ElementsAre("Init", "EndSession"));
  });
}

TEST_F(SheetTest, OnlyTheFirstCancelStartsTheClose) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ConnectTo(kAgent);
    MessageRecorder recorder(Sheet());
    ::SendMessage(Sheet().hwnd(), WM_CLOSE, 0, 0);
    pWizard->GetActivePage()->OnCancel();
    pWizard->GetPage(0)->OnCancel();
    ::SendMessage(Sheet().hwnd(), WM_CLOSE, 0, 0);
    robot.pumpUntilIdle();
    ASSERT_EQ(recorder.filtered({WM_HV_WIZARD_CLOSE}).size(), 1u);
    EXPECT_EQ(recorder.filtered({WM_HV_WIZARD_CLOSE}).front().wParam, WIZARD_CANCELLED);
  });
}

TEST_F(SheetTest, ALostConnectionWarnsOnce) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenWizard();
    ConnectTo(kAgent);
    std::string text;
    auto warning = AnswerBox("ZTA warning", IDOK, &text).always();
    EXPECT_FALSE(WaitFor([&] { return warning.calls() > 0; }, 20000)) << "the agent is well";
    const int polls = ScriptedCallsOf(kAgent).statusCalls;
    EXPECT_GE(polls, 2) << "looked at every eight seconds or so";
    dravon::test::SetScriptedStatus(kAgent, BDK_CONNECTION_LOST);
    EXPECT_TRUE(WaitFor([&] { return warning.calls() > 0; }, 10000));
    EXPECT_EQ(text,
              "The ZTA wizard is no longer connected to agent \"Test Agent.\" You can still go back and forward "
              "between the steps that you completed and inspect your input but you can no longer make any changes.");
    EXPECT_FALSE(WaitFor([&] { return warning.calls() > 1; }, 40000)) << "the watch ended with its warning";
    EXPECT_EQ(pWizard->GetActiveIndex(), 1) << "the wizard stays open";
    pWizard->StopStatusPoll();
    pWizard->StopStatusPoll();
  });
}

TEST_F(SheetTest, TheSheetSizesItsPagesAndButtonsAndKeepsItsSmallestSize) {
  Offer(StandardAgent());
  Run(false, [&] {
    OpenWizard();
    const RECT before = Sheet().rect();
    const RECT list = Page().child(IDC_AGENT_LIST).rect();
    const RECT next = Sheet().child(ID_PSNEXT).rect();
    ::SetWindowPos(Sheet().hwnd(), nullptr, 0, 0, before.right - before.left + 100, before.bottom - before.top + 60,
                   SWP_NOMOVE | SWP_NOZORDER);
    robot.pumpUntilIdle();
    const RECT listAfter = Page().child(IDC_AGENT_LIST).rect();
    const RECT nextAfter = Sheet().child(ID_PSNEXT).rect();
    EXPECT_EQ(listAfter.right - listAfter.left, list.right - list.left + 100);
    EXPECT_EQ(listAfter.bottom - listAfter.top, list.bottom - list.top + 60);
    EXPECT_EQ(nextAfter.left - next.left, 100);
    EXPECT_EQ(nextAfter.top - next.top, 60);
    robot.snapshot(Sheet(), "step1_larger");
    MINMAXINFO info{};
    ::SendMessage(Sheet().hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, before.right - before.left);
    EXPECT_EQ(info.ptMinTrackSize.y, before.bottom - before.top);
    // A page shown for the first time on the larger sheet fills it too.
    ConnectTo(kAgent);
    const RECT page = Page().rect();
    const RECT client = Sheet().rect();
    EXPECT_GT(page.right - page.left, (client.right - client.left) - 40);
  });
}

TEST(WizardPagesTest, AddPagesStopsAtTheFirstNullPage) {
  CWizard wizard("Pages", nullptr, 0);
  CWzDialog first(IDD_WIZARD_STEP1);
  CWzDialog second(IDD_WIZARD_STEP3);
  CWzDialog* pages[] = {&first, nullptr, &second};
  EXPECT_EQ(wizard.AddPages(nullptr, 2), -1);
  EXPECT_EQ(wizard.AddPages(pages, 3), 1);
  EXPECT_EQ(wizard.GetPageCount(), 1);
  CWzDialog* all[] = {&second};
  EXPECT_EQ(wizard.AddPages(all, 1), 0);
  EXPECT_EQ(wizard.GetPageCount(), 2);
  EXPECT_EQ(wizard.FindButton(ID_PSNEXT), nullptr) << "no buttons before the sheet exists";
}

}  // namespace
}  // namespace generatetest
