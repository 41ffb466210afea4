// The wizard's second step inside the wizard: the agent's properties in the
// grid, the folder for generated files, the check of required values, the
// first send as a task, a changed set sent again after a disconnect, and
// the profile book saved when the step is left.
#include <Constants.h>

#include <filesystem>

#include "generate_fixture.h"
#include "wizard_resource.h"

namespace generatetest {
namespace {

using dravon::test::ScriptedCallsOf;
using ::testing::ElementsAre;

using ConfigureTest = GenerateTest;

std::vector<std::string> Sent() {
  std::vector<std::string> sent;
  for (const std::string& call : ScriptedCallsOf(kAgent).calls)
    if (call == "SetAgentProperties" || call == "EndSession") sent.push_back(call);
  return sent;
}

TEST_F(ConfigureTest, TheGridShowsTheAgentsPropertiesAndNextSendsThem) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(1);
    EXPECT_EQ(Title(), "Business Object Wizard - Step 2 of 6 - Configure Agent");
    EXPECT_TRUE(Sheet().child(ID_PSBACK).isEnabled());
    EXPECT_EQ(pWizard->GetAgentProperties()->Find(g_strFileDestination), nullptr)
        << "an agent that makes no files gets no folder for them";
    TypeProperty(1, "orders.example");
    robot.snapshot(Sheet(), "step2");
    Next();
    EXPECT_EQ(Step(), 2);
    EXPECT_EQ(pWizard->GetCurrentStep(), 2);
    EXPECT_THAT(Sent(), ElementsAre("SetAgentProperties"));
    EXPECT_EQ(ScriptedCallsOf(kAgent).lastProperties.Find("Host")->GetValue(), "orders.example");
  });
}

TEST_F(ConfigureTest, AnUnchangedSetIsNotSentAgainAndAChangedOneMakesTheLaterStepsPending) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(3);
    ASSERT_EQ(pWizard->GetCurrentStep(), 4);
    Back();
    Back();
    ASSERT_EQ(Step(), 1);
    Next();
    EXPECT_THAT(Sent(), ElementsAre("SetAgentProperties")) << "nothing changed, nothing sent";
    EXPECT_EQ(pWizard->GetCurrentStep(), 4);
    Back();
    TypeProperty(1, "archive.example");
    Next();
    EXPECT_THAT(Sent(), ElementsAre("SetAgentProperties", "EndSession", "SetAgentProperties"));
    EXPECT_EQ(pWizard->GetCurrentStep(), 2) << "the source and the later steps are to be done again";
    EXPECT_EQ(ScriptedCallsOf(kAgent).lastProperties.Find("Host")->GetValue(), "archive.example");
  });
}

TEST_F(ConfigureTest, AnAgentThatMakesFilesIsGivenAFolderForThemOnce) {
  dravon::test::ScriptedAgent agent = StandardAgent();
  agent.metadata.SetContentProtocol(ZTK::CONTENT_FILES, ZTK::CONTENT_PROTOCOL_ONREQUEST);
  Offer(agent);
  // A folder that is the same in every run, for the picture; nothing is
  // written there.
  temp_.emplace("TEMP", "/var/tmp");
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(1);
    const AgentProperty* pFolder = pWizard->GetAgentProperties()->Find(g_strFileDestination);
    ASSERT_NE(pFolder, nullptr);
    EXPECT_EQ(pFolder->GetValue(), "/var/tmp") << "TEMP";
    EXPECT_EQ(pFolder->m_strType, "9") << "a folder";
    EXPECT_EQ(pFolder->m_strDescription, "A directory where ZTA generated files, if any, will be stored");
    Back();
    Next();
    INT_PTR folders = 0;
    for (const AgentProperty& property : *pWizard->GetAgentProperties())
      if (property.m_strName == g_strFileDestination) ++folders;
    EXPECT_EQ(folders, 1) << "coming back to the step adds no second folder";
    robot.snapshot(Sheet(), "step2_files");
  });
}

TEST_F(ConfigureTest, RequiredValuesAreAskedForBeforeAnythingIsSent) {
  dravon::test::ScriptedAgent agent = StandardAgent();
  agent.properties.GetAt(0)->m_defaultValues.RemoveAll();
  agent.properties.GetAt(0)->m_currentValues.RemoveAll();
  Offer(agent);
  Run(false, [&] {
    OpenAt(1);
    std::string text;
    auto box = AnswerBox("Incomplete properties", IDOK, &text);
    Next();
    EXPECT_EQ(box.calls(), 1);
    EXPECT_EQ(text,
              "Some required fields were not filled out. Review the agent properties and provide all required "
              "information.");
    EXPECT_EQ(Step(), 1);
    EXPECT_TRUE(Sent().empty());
  });
}

TEST_F(ConfigureTest, ARefusedSetKeepsTheStepWithTheAgentsAnswer) {
  struct Case {
    int code;
    std::string text;
  };
  const std::vector<Case> cases = {
      {BDK_PROPERTIES_REFUSED, static_cast<LPCTSTR>(g_agentErrors.GetMessage(BDK_PROPERTIES_REFUSED))},
      {BDK_SEE_MESSAGE, "The password is wrong."},
      {BDK_NO_SUCH_NODE, "Unexpected error"},
  };
  for (const Case& c : cases) {
    dravon::test::ScriptedAgent agent = StandardAgent();
    agent.setPropertiesResult = c.code;
    agent.errorMessage = "The password is wrong.";
    Offer(agent);
    Run(false, [&] {
      CGenerateWizard* pWizard = OpenAt(1);
      std::string text;
      auto box = AnswerBox("ZTA Error", IDOK, &text);
      Next();
      EXPECT_EQ(box.calls(), 1);
      EXPECT_EQ(text, c.text);
      EXPECT_EQ(Step(), 1);
      EXPECT_EQ(pWizard->GetCurrentStep(), 1);
    });
  }
}

TEST_F(ConfigureTest, AProfileSavedInTheStepIsWrittenWhenTheStepIsLeft) {
  Offer(StandardAgent());
  Run(false, [&] {
    OpenAt(1);
    const halvane::test::Window combo = Page().child(IDC_PROFILE_COMBO);
    robot.click(combo.children().front());
    robot.type("Nightly");
    robot.click(Page().child(IDC_PROFILE_SAVE));
    Next();
  });
  const std::string book = folder_ / "Users/All Users/Application Data/Halvane/Orvex/profiles.bod";
  ASSERT_TRUE(std::filesystem::exists(book));
  const std::string text = brokertest::ReadFile(book);
  EXPECT_NE(text.find("<AgentProfile Name=\"Nightly\">"), std::string::npos) << text;
  EXPECT_NE(text.find("sales.example"), std::string::npos) << text;
}

}  // namespace
}  // namespace generatetest
