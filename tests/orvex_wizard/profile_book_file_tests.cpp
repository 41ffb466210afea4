// Where the profile book lives and what becomes of files that are no book:
// the default file in the folder shared by the machine's users (and the
// fallback where that cannot be made), a book another user keeps there,
// damaged XML (a clear message, the file kept) and foreign XML.
#include <filesystem>

#include "KBRXProfileDlg.h"
#include "book_fixture.h"

namespace wizardtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kBookWithShop =
    "<AgentProfiles Name=\"ProfileBook\"><AgentProfile Name=\"Shop\">"
    "<Property Name=\"Host\" Type=\"5\"><CurrentValue>shop.example.org</CurrentValue></Property>"
    "</AgentProfile></AgentProfiles>";

TEST_F(BookTest, WithoutARegistryValueTheDefaultBookIsMadeInTheSharedFolderAndNamed) {
  ASSERT_FALSE(bookPath(kAgentKey));
  const auto wizard = loadedWizard();
  const std::string expected = sharedFolder() + "/profiles.bod";
  EXPECT_EQ(bookPath(kAgentKey), expected);
  EXPECT_TRUE(brokertest::Exists(expected));
  EXPECT_EQ(brokertest::ReadFile(expected), "");
  EXPECT_TRUE(wizard->IsBookModified()) << "so that closing writes the book";
  wizard->SetCurrentStep(1);
  EXPECT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(brokertest::ReadFile(expected), "<AgentProfiles Name=\"ProfileBook\"></AgentProfiles>");
}

TEST_F(BookTest, ABookAnotherUserKeepsInTheSharedFolderIsReadAndKept) {
  std::filesystem::create_directories(sharedFolder());
  const std::string shared = sharedFolder() + "/profiles.bod";
  brokertest::WriteFile(shared, kBookWithShop);
  const auto wizard = loadedWizard();
  EXPECT_EQ(bookPath(kAgentKey), shared);
  EXPECT_THAT(names(*wizard), ElementsAre("Shop"));
  EXPECT_EQ(brokertest::ReadFile(shared), kBookWithShop) << "found as it was";
  wizard->SetCurrentStep(1);
  AgentPropArray mine;
  mine.Add(Property("Host", "5", {"mine"}));
  wizard->StoreProfile("Mine", mine);
  ASSERT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_THAT(names(*loadedWizard()), ElementsAre("Shop", "Mine"));
}

TEST_F(BookTest, WhereTheSharedFolderCannotBeMadeTheMachinesDataFolderHoldsTheBook) {
  userProfile.emplace("USERPROFILE", files / "no-such-folder/tester");
  loadedWizard();
  const std::string expected = profile.dataFolder() + "/Halvane/Orvex/profiles.bod";
  EXPECT_EQ(bookPath(kAgentKey), expected);
  EXPECT_TRUE(brokertest::Exists(expected));
}

TEST_F(BookTest, TheBrokerBookHasItsOwnKeyAndFile) {
  const auto wizard = std::make_unique<CGenerateWizard>("", nullptr, 0);
  CKBRXProfileDlg page;
  page.SetWizard(wizard.get());
  page.LoadProfileBook();
  EXPECT_EQ(bookPath(kBrokerKey), sharedFolder() + "/kbrxprof.bod");
  EXPECT_FALSE(bookPath(kAgentKey));
  EXPECT_TRUE(brokertest::Exists(sharedFolder() + "/kbrxprof.bod"));
}

TEST_F(BookTest, DamagedXmlIsToldClearlyAndTheFileIsKeptWhenTheBookIsWritten) {
  const std::string damaged = "<AgentProfiles Name=\"ProfileBook\"><AgentProfile Name=\"Shop\">\n<Property";
  brokertest::WriteFile(bookFile, damaged);
  setBookPath(kAgentKey, bookFile);
  std::string message;
  answerMessage(message);
  const auto wizard = loadedWizard();
  EXPECT_THAT(names(*wizard), IsEmpty());
  EXPECT_THAT(message, HasSubstr("The profile book \"" + bookFile + "\" cannot be read (line 2, column"));
  EXPECT_THAT(message, HasSubstr("it is renamed to \"" + bookFile + ".bak\""));
  EXPECT_EQ(bookText(), damaged) << "reading changes nothing";

  wizard->SetCurrentStep(1);
  AgentPropArray props;
  props.Add(Property("Host", "5", {"new"}));
  wizard->StoreProfile("New", props);
  ASSERT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(brokertest::ReadFile(bookFile + ".bak"), damaged);
  EXPECT_THAT(names(*loadedWizard()), ElementsAre("New"));
  // Set aside once: the next writing replaces the new book only.
  ASSERT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_FALSE(brokertest::Exists(bookFile + ".bak2"));
}

TEST_F(BookTest, AKeptNameDoesNotTakeTheNameOfAnEarlierOne) {
  brokertest::WriteFile(bookFile, "not xml");
  brokertest::WriteFile(bookFile + ".bak", "earlier");
  setBookPath(kAgentKey, bookFile);
  std::string message;
  answerMessage(message);
  const auto wizard = loadedWizard();
  EXPECT_THAT(message, HasSubstr(bookFile + ".bak2"));
  wizard->SetCurrentStep(1);
  ASSERT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(brokertest::ReadFile(bookFile + ".bak"), "earlier");
  EXPECT_EQ(brokertest::ReadFile(bookFile + ".bak2"), "not xml");
}

TEST_F(BookTest, AnotherXmlDocumentLoadsNothingSilentlyAndIsNotWrittenOver) {
  const std::string foreign = "<Settings><Entry Name=\"a\">1</Entry></Settings>";
  brokertest::WriteFile(bookFile, foreign);
  setBookPath(kAgentKey, bookFile);
  const auto wizard = loadedWizard();
  EXPECT_THAT(names(*wizard), IsEmpty());
  wizard->SetCurrentStep(1);
  ASSERT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(brokertest::ReadFile(bookFile + ".bak"), foreign);
  EXPECT_EQ(bookText(), "<AgentProfiles Name=\"ProfileBook\"></AgentProfiles>");
}

}  // namespace
}  // namespace wizardtest
