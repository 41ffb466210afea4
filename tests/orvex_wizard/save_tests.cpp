// The save step as the user finishes the wizard: its choices, the
// definitions committed to the session, saved to the server and written to
// a file, a name the session has, generated text that does not read, and
// Cancel at the last steps leaving nothing behind.
#include <DataManager.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "generate_fixture.h"
#include "wizard_resource.h"

namespace generatetest {
namespace {

using dravon::test::ScriptedCallsOf;
using halvane::test::Robot;
using halvane::test::Window;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kStep6Title = "Business Object Wizard - Step 6 of 6 - Save business objects";
constexpr const char* kDiscard =
    "Are you sure you want to exit the Wizard and discard all recently generated business objects?";
// The file dialog's name field.
constexpr int kFileNameField = 0x0480;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SaveTest : public GenerateTest {
 protected:
  Window Choice(int id) { return Page().child(id); }
  bool Checked(int id) { return ::SendMessage(Choice(id).hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void Finish(CGenerateWizard* pWizard) {
    robot.click(Sheet().child(ID_PSFINISH));
    EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000));
    EXPECT_FALSE(Sheet().exists());
    EXPECT_EQ(ScriptedCallsOf(kAgent).calls.back(), "EndSession") << "the agent is let go";
  }
  static CQRBusObjDef* InSession(const char* name) { return CDataManager::InitInstance()->GetBO(name, 0, 0); }
  // Whether the server holds a definition of the name, asked in a session
  // of its own after the program has ended.
  static bool OnServer(const char* name) {
    delete CDataManager::PeekInstance();
    CDataManager* pDM = CDataManager::InitInstance();
    const bool found = pDM->LogToServer(kServer, kUser, kPassword) && pDM->GetBO(name, 0, 1) != nullptr;
    delete pDM;
    return found;
  }
};

TEST_F(SaveTest, TheLastStepOffersOnlyFinishAndCommitsTheDefinitionsToTheSession) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    ASSERT_EQ(Step(), 5);
    EXPECT_EQ(Title(), kStep6Title);
    EXPECT_TRUE(Sheet().child(ID_PSFINISH).isVisible());
    EXPECT_TRUE(Sheet().child(ID_PSFINISH).isEnabled());
    EXPECT_FALSE(Sheet().child(ID_PSNEXT).isVisible());
    EXPECT_FALSE(Sheet().child(ID_PSBACK).isEnabled()) << "the generation is not done again";
    EXPECT_FALSE(Choice(IDC_SAVE_TO_SERVER).isEnabled()) << "not connected";
    EXPECT_TRUE(Choice(IDC_SAVE_TO_FILE).isEnabled());
    EXPECT_TRUE(Choice(IDC_OPEN_IN_WINDOWS).isEnabled());
    EXPECT_EQ(InSession("Customers"), nullptr) << "nothing is committed before Finish";
    robot.click(Choice(IDC_OPEN_IN_WINDOWS));
    robot.snapshot(Sheet(), "step6");
    Finish(pWizard);
    CQRBusObjDef* pDef = InSession("Customers");
    ASSERT_NE(pDef, nullptr);
    EXPECT_EQ(pDef->GetAttrs().GetSize(), 2);
    EXPECT_THAT(OpenTitles(), ElementsAre("Customers"));
  });
}

TEST_F(SaveTest, NotConnectedNothingGoesToTheServer) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    pWizard->SetSaveChoices(TRUE, FALSE, FALSE);
    EXPECT_EQ(pWizard->SaveGenerated(), CGenerateWizard::kNotToServer);
    Finish(pWizard);
    EXPECT_NE(InSession("Customers"), nullptr);
    EXPECT_THAT(OpenTitles(), IsEmpty()) << "no windows unless asked";
  });
}

TEST_F(SaveTest, SaveToServerStoresTheDefinitions) {
  Offer(StandardAgent());
  Run(true, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    ASSERT_TRUE(Choice(IDC_SAVE_TO_SERVER).isEnabled());
    robot.click(Choice(IDC_SAVE_TO_SERVER));
    Finish(pWizard);
    CQRBusObjDef* pDef = InSession("Customers");
    ASSERT_NE(pDef, nullptr);
    EXPECT_EQ(pDef->GetState() & HvStateNew, 0) << "saved";
  });
  EXPECT_TRUE(OnServer("Customers"));
}

TEST_F(SaveTest, WithoutTheServerChosenTheDefinitionsStayInTheSession) {
  Offer(StandardAgent());
  Run(true, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    Finish(pWizard);
    ASSERT_NE(InSession("Customers"), nullptr);
    EXPECT_NE(InSession("Customers")->GetState() & HvStateNew, 0);
  });
  EXPECT_FALSE(OnServer("Customers"));
}

TEST_F(SaveTest, SaveToFileWritesTheGeneratedText) {
  Offer(StandardAgent());
  const std::string out = folder_ / "out";
  std::filesystem::create_directories(out);
  std::ofstream(out + "/earlier.in") << "";
  const std::string file = out + "/generated.txt";
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    robot.click(Choice(IDC_SAVE_TO_FILE));
    EXPECT_TRUE(Checked(IDC_SAVE_TO_FILE));
    auto dialog = robot.onDialog("Save Business Objects to File", [&](Robot& r, Window dlg) {
      ::SetWindowText(dlg.child(kFileNameField).hwnd(), out.c_str());
      r.click(dlg.child(IDOK));
      r.snapshot(dlg, "save_to_file", false, {dlg.child(cmb2)});
      ::SetWindowText(dlg.child(kFileNameField).hwnd(), file.c_str());
      r.click(dlg.child(IDOK));
    });
    Finish(pWizard);
    EXPECT_EQ(dialog.calls(), 1);
    EXPECT_NE(InSession("Customers"), nullptr) << "also committed";
  });
  EXPECT_EQ(ReadFile(file), DefinitionsText({"Customers"}));
}

TEST_F(SaveTest, ACancelledOrFailedFileKeepsTheDefinitionsInTheSession) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    robot.click(Choice(IDC_SAVE_TO_FILE));
    robot.onDialog("Save Business Objects to File", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    Finish(pWizard);
    EXPECT_NE(InSession("Customers"), nullptr);
  });
  delete CDataManager::PeekInstance();
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    robot.click(Choice(IDC_SAVE_TO_FILE));
    const std::string path = folder_ / "no such folder/generated.txt";
    robot.onDialog("Save Business Objects to File", [&](Robot& r, Window dlg) {
      ::SetWindowText(dlg.child(kFileNameField).hwnd(), path.c_str());
      r.click(dlg.child(IDOK));
    });
    std::string text;
    auto failure = robot.onDialog("Orvex", [&](Robot& r, Window box) {
      text = box.child(0xFFFF).text();
      r.click(box.child(IDOK));
    });
    Finish(pWizard);
    EXPECT_EQ(failure.calls(), 1) << "a file that was not written is not passed over in silence";
    EXPECT_THAT(text, ::testing::StartsWith("The business objects could not be written: "));
    EXPECT_NE(InSession("Customers"), nullptr);
  });
}

TEST_F(SaveTest, ANameTheSessionHasIsOfferedInTheImportResults) {
  Offer(StandardAgent());
  Run(false, [&] {
    Finish(OpenAt(5));
    ASSERT_NE(InSession("Customers"), nullptr);
    Offer(StandardAgent());
    CGenerateWizard* pWizard = OpenAt(5);
    auto results = robot.onDialog("Import Results", [&](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    Finish(pWizard);
    EXPECT_EQ(results.calls(), 1) << "the generated definition is not dropped unasked";
    EXPECT_NE(InSession("Customers"), nullptr) << "the session keeps its own";
  });
}

TEST_F(SaveTest, GeneratedTextThatDoesNotReadIsReportedAndNothingIsCommitted) {
  dravon::test::ScriptedAgent agent = StandardAgent();
  agent.content[ZTK::CONTENT_BODEFS] = {
      {"Customers", "[Pellisk]\nVersion = 3.0.0\n\n[BusinessObjectDefinition]\nVersion = 1.0.0\n"}};
  Offer(agent);
  Run(false, [&] {
    std::string text;
    auto box = AnswerBox("ZTA Wizard", IDOK, &text);
    CGenerateWizard* pWizard = OpenAt(5);
    ASSERT_EQ(Step(), 5);
    EXPECT_EQ(box.calls(), 1);
    EXPECT_EQ(text,
              "The ZTA Wizard encountered an error while parsing the generated BO stream: \n\r\n\rLine 5: The first "
              "field in a business object definition must be its name.");
    EXPECT_EQ(pWizard->GetGeneratedText(), nullptr) << "the text is dropped";
    for (int id : {IDC_SAVE_TO_SERVER, IDC_SAVE_TO_FILE, IDC_OPEN_IN_WINDOWS}) EXPECT_FALSE(Choice(id).isEnabled());
    Cancel();
    EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000)) << "nothing to discard: no question";
    EXPECT_EQ(InSession("Customers"), nullptr);
  });
}

TEST_F(SaveTest, CancelOnTheLastStepAsksBeforeTheGeneratedDefinitionsAreDropped) {
  Offer(StandardAgent());
  Run(false, [&] {
    CGenerateWizard* pWizard = OpenAt(5);
    std::string text;
    auto no = AnswerBox("ZTA Wizard", IDNO, &text);
    Cancel();
    EXPECT_EQ(no.calls(), 1);
    EXPECT_EQ(text, kDiscard);
    robot.pumpUntilIdle();
    EXPECT_EQ(Step(), 5) << "No keeps the wizard";
    AnswerBox("ZTA Wizard", IDNO);
    robot.chooseSystemMenu("&Close");
    EXPECT_EQ(Step(), 5) << "the close box asks too";
    AnswerBox("ZTA Wizard", IDYES);
    Cancel();
    EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000));
    EXPECT_EQ(ScriptedCallsOf(kAgent).calls.back(), "EndSession");
    EXPECT_EQ(InSession("Customers"), nullptr);
    EXPECT_THAT(OpenTitles(), IsEmpty());
  });
}

TEST_F(SaveTest, CancelOnTheReviewOrDuringTheGenerationLeavesNothingBehind) {
  for (int step : {3, 4}) {
    dravon::test::ScriptedAgent agent = StandardAgent();
    agent.notices = {{1000, WM_BDK_CONTENT, ZTK::CONTENT_BODEFS, "", "", 0}};
    Offer(agent);
    Run(true, [&] {
      CGenerateWizard* pWizard = OpenAt(step);
      ASSERT_EQ(Step(), step);
      Cancel();
      EXPECT_TRUE(WaitFor([&] { return !Frame().IsWizardListed(pWizard); }, 2000));
      EXPECT_EQ(ScriptedCallsOf(kAgent).calls.back(), "EndSession");
      robot.advance(1000);
      EXPECT_EQ(InSession("Customers"), nullptr) << "the agent's late content goes nowhere";
      EXPECT_THAT(OpenTitles(), IsEmpty());
    });
    EXPECT_FALSE(OnServer("Customers"));
  }
}

}  // namespace
}  // namespace generatetest
