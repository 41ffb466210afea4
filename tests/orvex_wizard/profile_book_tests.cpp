// The profile book: its records kept by name, the book file written as one
// line and read back field by field, from books written by hand, and
// through the registry value that names it.
#include "book_fixture.h"

namespace wizardtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

AgentPropArray HostProperties(const char* host) {
  AgentPropArray props;
  props.Add(Property("Host", "5", {host}, "The machine"));
  return props;
}

// --- Records ---------------------------------------------------------------------

TEST_F(BookTest, ProfilesAreKeptByExactNameInTheOrderTheyCame) {
  CGenerateWizard wizard("", nullptr, 0);
  EXPECT_EQ(wizard.StoreProfile("Test", HostProperties("a")), 0);
  EXPECT_EQ(wizard.StoreProfile("test", HostProperties("b")), 0) << "names differing in case are two profiles";
  EXPECT_EQ(wizard.StoreProfile("Live", HostProperties("c")), 0);
  EXPECT_THAT(names(wizard), ElementsAre("Test", "test", "Live"));
  EXPECT_EQ(wizard.StoreProfile("Test", HostProperties("d")), 1) << "the same name replaces";
  EXPECT_THAT(names(wizard), ElementsAre("Test", "test", "Live"));
  EXPECT_THAT(Texts(wizard.FindProfile("Test")->Find("Host")->m_currentValues), ElementsAre("d"));
  EXPECT_THAT(Texts(wizard.FindProfile("test")->Find("Host")->m_currentValues), ElementsAre("b"));
  EXPECT_EQ(wizard.FindProfile("TEST"), nullptr);
  EXPECT_EQ(wizard.RemoveProfile("Other"), 0);
  EXPECT_EQ(wizard.RemoveProfile("Test"), 1);
  EXPECT_THAT(names(wizard), ElementsAre("test", "Live"));
  EXPECT_FALSE(wizard.IsBookModified()) << "the callers mark the book";
}

TEST_F(BookTest, AStoredProfileIsACopy) {
  CGenerateWizard wizard("", nullptr, 0);
  AgentPropArray props = HostProperties("first");
  wizard.StoreProfile("P", props);
  Fill(props.Find("Host")->m_currentValues, {"changed"});
  EXPECT_THAT(Texts(wizard.FindProfile("P")->Find("Host")->m_currentValues), ElementsAre("first"));
}

// --- Writing ----------------------------------------------------------------------

TEST_F(BookTest, AWizardBeforeItsFirstStepWritesNothing) {
  setBookPath(kAgentKey, bookFile);
  brokertest::WriteFile(bookFile, "kept");
  CGenerateWizard wizard("", nullptr, 0);
  wizard.StoreProfile("P", HostProperties("a"));
  EXPECT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookNotStarted);
  EXPECT_EQ(bookText(), "kept");
}

TEST_F(BookTest, TheBookIsOneLineOfItsProfilesWithDravonsPropertyElements) {
  setBookPath(kAgentKey, bookFile);
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(1);
  wizard.StoreProfile("First", HostProperties("a"));
  wizard.StoreProfile("Second", HostProperties("b"));
  ASSERT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  const std::string text = bookText();
  EXPECT_EQ(text.rfind("<AgentProfiles Name=\"ProfileBook\"><AgentProfile Name=\"First\"><Property ", 0), 0u) << text;
  EXPECT_THAT(text, HasSubstr("</Property></AgentProfile><AgentProfile Name=\"Second\"><Property "));
  EXPECT_THAT(text, HasSubstr(" Name=\"Host\" "));
  EXPECT_THAT(text, HasSubstr("<DefaultValue>b</DefaultValue><CurrentValue>b</CurrentValue></Property>"));
  EXPECT_EQ(text.substr(text.size() - 31), "</AgentProfile></AgentProfiles>") << "and no line end";
  EXPECT_THAT(text, Not(HasSubstr("\n")));
  EXPECT_THAT(text, Not(HasSubstr("<?xml")));
  EXPECT_THAT(text, Not(HasSubstr("AgentProperties")));
}

TEST_F(BookTest, RemovingTheOnlyProfileWritesABookWithoutProfiles) {
  setBookPath(kAgentKey, bookFile);
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(2);
  wizard.StoreProfile("Only", HostProperties("a"));
  wizard.RemoveProfile("Only");
  ASSERT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(bookText(), "<AgentProfiles Name=\"ProfileBook\"></AgentProfiles>");
}

TEST_F(BookTest, AProfileWithoutPropertiesHasNoPropertyElements) {
  setBookPath(kAgentKey, bookFile);
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(1);
  wizard.StoreProfile("Empty", AgentPropArray());
  ASSERT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(bookText(),
            "<AgentProfiles Name=\"ProfileBook\"><AgentProfile Name=\"Empty\"></AgentProfile></AgentProfiles>");
}

TEST_F(BookTest, ABookThatCannotBeWrittenIsReportedAndTheOldFileStays) {
  setBookPath(kAgentKey, files / "missing-folder/profiles.bod");
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(1);
  EXPECT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookNoFile);
  // No path at all.
  EXPECT_EQ(wizard.SaveProfileBook("Nowhere"), CGenerateWizard::kBookNoFile);
}

TEST_F(BookTest, TheKeyIsTheSameWithOrWithoutItsTrailingBackslash) {
  setBookPath("Agent Profiles\\", bookFile);
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(1);
  wizard.StoreProfile("P", HostProperties("a"));
  ASSERT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_THAT(bookText(), HasSubstr("Name=\"P\""));
  EXPECT_THAT(profile.registryText(),
              HasSubstr("[HKEY_CURRENT_USER\\Software\\Halvane\\Orvex\\Settings\\Agent Profiles]"));
}

// --- Reading ---------------------------------------------------------------------

constexpr const char* kHandWrittenBook =
    "<AgentProfiles Name=\"ProfileBook\">"
    "<AgentProfile Name=\"Shop\">"
    "<Property Name=\"Database\" Description=\"The database file\" Type=\"10\" Secret=\"0\" IsList=\"0\" "
    "Selection=\"1\" Required=\"1\" MaxValues=\"1\" MaxLength=\"255\" Text=\"kept with it\">"
    "<DefaultValue>/srv/shop.db</DefaultValue><CurrentValue>/srv/live.db</CurrentValue></Property>"
    "<Property Name=\"Password\" Type=\"5\" Secret=\"1\">"
    "<DefaultValue Encoded=\"1\">2A2D</DefaultValue><CurrentValue Encoded=\"1\">3F3F3F</CurrentValue></Property>"
    "<Property Name=\"Views\" Type=\"5\" IsList=\"1\" Selection=\"N\" MaxValues=\"3\">"
    "<AllowedValue>Daily</AllowedValue><AllowedValue>Weekly</AllowedValue>"
    "<CurrentValue>Weekly</CurrentValue><CurrentValue>Daily</CurrentValue></Property>"
    "<Note>not a property</Note>"
    "</AgentProfile>"
    "<Comment>not a profile</Comment>"
    "<AgentProfile Name=\"Test &amp; &lt;QA&gt; &quot;one&quot;\">"
    "<Property Name=\"Database\" Type=\"10\"><CurrentValue>/tmp/test.db</CurrentValue></Property>"
    "</AgentProfile>"
    "<AgentProfile><Property Name=\"Orphan\"/></AgentProfile>"
    "</AgentProfiles>";

TEST_F(BookTest, ABookWrittenByHandIsReadFieldByField) {
  brokertest::WriteFile(bookFile, kHandWrittenBook);
  setBookPath(kAgentKey, bookFile);
  const auto wizard = loadedWizard();
  EXPECT_THAT(names(*wizard), ElementsAre("Shop", "Test & <QA> \"one\"")) << "a profile without a name is left out";
  EXPECT_FALSE(wizard->IsBookModified());

  const AgentPropArray& shop = *wizard->FindProfile("Shop");
  ASSERT_EQ(shop.GetSize(), 3) << "only the profile's own properties";
  const AgentProperty& database = *shop.GetAt(0);
  EXPECT_EQ(std::string(database.m_strName), "Database");
  EXPECT_EQ(std::string(database.m_strDescription), "The database file");
  EXPECT_EQ(std::string(database.m_strType), "10");
  EXPECT_EQ(database.m_bSecret, 0);
  EXPECT_EQ(database.m_bIsList, 0);
  EXPECT_EQ(std::string(database.m_strSelection), "1");
  EXPECT_EQ(database.m_bRequired, 1);
  EXPECT_EQ(database.m_nMaxValues, 1);
  EXPECT_EQ(database.m_nMaxLength, 255);
  EXPECT_EQ(std::string(database.m_strText), "kept with it");
  EXPECT_THAT(Texts(database.m_allowedValues), IsEmpty());
  EXPECT_THAT(Texts(database.m_defaultValues), ElementsAre("/srv/shop.db"));
  EXPECT_THAT(Texts(database.m_currentValues), ElementsAre("/srv/live.db"));

  const AgentProperty& password = *shop.GetAt(1);
  EXPECT_EQ(password.m_bSecret, 1);
  EXPECT_THAT(Texts(password.m_defaultValues), ElementsAre("pw"));
  EXPECT_THAT(Texts(password.m_currentValues), ElementsAre("eee"));

  const AgentProperty& views = *shop.GetAt(2);
  EXPECT_EQ(views.m_bIsList, 1);
  EXPECT_EQ(std::string(views.m_strSelection), "N");
  EXPECT_EQ(views.m_nMaxValues, 3);
  EXPECT_THAT(Texts(views.m_allowedValues), ElementsAre("Daily", "Weekly"));
  EXPECT_THAT(Texts(views.m_currentValues), ElementsAre("Weekly", "Daily"));
  EXPECT_TRUE(shop.IsEncoding());

  const AgentPropArray& test = *wizard->FindProfile("Test & <QA> \"one\"");
  ASSERT_EQ(test.GetSize(), 1);
  EXPECT_THAT(Texts(test.GetAt(0)->m_currentValues), ElementsAre("/tmp/test.db"));
}

TEST_F(BookTest, ABookWrittenBackReadsAsItWas) {
  brokertest::WriteFile(bookFile, kHandWrittenBook);
  setBookPath(kAgentKey, bookFile);
  const auto first = loadedWizard();
  first->SetCurrentStep(1);
  ASSERT_EQ(first->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  const auto second = loadedWizard();
  EXPECT_EQ(names(*second), names(*first));
  for (const std::string& name : names(*first))
    EXPECT_TRUE(*second->FindProfile(name.c_str()) == *first->FindProfile(name.c_str())) << name;
  // And the second writing is the first one again.
  const std::string written = bookText();
  second->SetCurrentStep(1);
  ASSERT_EQ(second->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_EQ(bookText(), written);
}

TEST_F(BookTest, SecretValuesAreNotWrittenInTheClear) {
  setBookPath(kAgentKey, bookFile);
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(1);
  AgentPropArray props;
  AgentProperty password = Property("Password", "5", {"open sesame"});
  password.m_bSecret = 1;
  props.Add(password);
  wizard.StoreProfile("P", props);
  ASSERT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_THAT(bookText(), Not(HasSubstr("sesame")));
  const auto loaded = loadedWizard();
  EXPECT_THAT(Texts(loaded->FindProfile("P")->GetAt(0)->m_currentValues), ElementsAre("open sesame"));
}

TEST_F(BookTest, NamesAndValuesWithXmlCharactersComeBackWhole) {
  setBookPath(kAgentKey, bookFile);
  CGenerateWizard wizard("", nullptr, 0);
  wizard.SetCurrentStep(1);
  const char* const name = "A&B <\"c\"> 'd'\tend";
  wizard.StoreProfile(name, HostProperties("x<y & \"z\""));
  wizard.StoreProfile("Bell\x07here", HostProperties("b"));
  ASSERT_EQ(wizard.SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  const auto loaded = loadedWizard();
  EXPECT_THAT(names(*loaded), ElementsAre(name, "Bell here")) << "a control character XML cannot carry is a blank";
  EXPECT_THAT(Texts(loaded->FindProfile(name)->GetAt(0)->m_currentValues), ElementsAre("x<y & \"z\""));
}

TEST_F(BookTest, AnEmptyOrMissingBookLoadsNothingAndIsWrittenWhenSaved) {
  setBookPath(kAgentKey, bookFile);
  EXPECT_THAT(names(*loadedWizard()), IsEmpty());
  brokertest::WriteFile(bookFile, "");
  const auto wizard = loadedWizard();
  EXPECT_THAT(names(*wizard), IsEmpty());
  wizard->SetCurrentStep(1);
  wizard->StoreProfile("P", HostProperties("a"));
  ASSERT_EQ(wizard->SaveProfileBook(kAgentKey), CGenerateWizard::kBookSaved);
  EXPECT_THAT(names(*loadedWizard()), ElementsAre("P"));
  EXPECT_FALSE(brokertest::Exists(bookFile + ".bak")) << "nothing needed keeping";
}

}  // namespace
}  // namespace wizardtest
