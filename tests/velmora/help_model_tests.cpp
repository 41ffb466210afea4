// The help object's model: the names it derives, the help data file in the
// class library's archive layout, and how it loads, saves and refuses to
// write over a file it could not read.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "HelpNames.h"
#include "help_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using namespace velmora::help;

TEST(HelpNamesTest, PagesAreMadeFromTheCleanedTitleAndSubTopic) {
  EXPECT_EQ(CString("Orvex/Main_General.html"), HvHelp::TopicPage("Orvex", "Main", "General"));
  EXPECT_EQ(CString("Kestrun/Save As_ a_b_.html"), HvHelp::TopicPage("Kestrun", "Save As: a/b", ""));
  EXPECT_EQ(CString("Orvex/Q___.html"), HvHelp::TopicPage("Orvex", "Q?", "*"));
}

TEST(HelpNamesTest, ImageNamesFollowThePageAndHaveADefinedFormForOddPages) {
  EXPECT_EQ(CString("images/Main_General.jpeg"), ImageName("Orvex/Main_General.html"));
  EXPECT_EQ(CString("images/Main_General.jpeg"), ImageName("Orvex\\Main_General.html"));
  EXPECT_EQ(CString("images/page.jpeg"), ImageName("page.html")) << "no separator";
  EXPECT_EQ(CString("images/Main.jpeg"), ImageName("Orvex/Main")) << "no dot";
  EXPECT_EQ(CString("images/v1.2/Main.jpeg"), ImageName("Orvex/v1.2/Main")) << "a dot of a folder is no extension";
  EXPECT_EQ(CString("images/Main.v2.jpeg"), ImageName("Orvex/Main.v2.html"));
}

TEST(HelpNamesTest, TheDocumentationFolderLiesTwoLevelsAboveTheHelpFolder) {
  EXPECT_EQ(CString("/opt/tool/documentation"), DocumentationFolder("/opt/tool/bin/help"));
  EXPECT_EQ(CString("/opt/tool/documentation"), DocumentationFolder("/opt/tool/bin/help/"));
  EXPECT_EQ(CString("c:\\prog\\tool/documentation"), DocumentationFolder("c:\\prog\\tool\\bin\\help"));
  EXPECT_EQ(CString("/documentation"), DocumentationFolder("/bin/help"));
  EXPECT_EQ(CString("/documentation"), DocumentationFolder("/help"));
  EXPECT_EQ(CString("documentation"), DocumentationFolder("bin/help"));
  EXPECT_EQ(CString("documentation"), DocumentationFolder("help"));
  EXPECT_EQ(CString("documentation"), DocumentationFolder(""));
}

TEST(HelpNamesTest, ThePropertySubTopicCarriesTheHoldersCaptionBeforeItsDash) {
  EXPECT_EQ(CString("Connector_Trace"), PropertySubTopic("Connector - Standard", "Trace"));
  EXPECT_EQ(CString("Settings_General"), PropertySubTopic("  Settings  ", "General"));
  EXPECT_EQ(CString("_Trace"), PropertySubTopic("- Standard", "Trace"));
  EXPECT_EQ(CString(""), PropertySubTopic("Connector - Standard", ""));
}

TEST(HelpNamesTest, TheStubPageEscapesWhatTheWindowShows) {
  const CString page = StubPage("Tom & <Jerry>", "\"Tab\"", "images/a.jpeg");
  const std::string text = page.GetString();
  EXPECT_TRUE(text.starts_with("<!DOCTYPE HTML PUBLIC>\n<html><head>\n<title>Dummy Page </title></head>\n"));
  EXPECT_NE(std::string::npos,
            text.find("<h2>\nTom &amp; &lt;Jerry&gt; - &quot;Tab&quot;\n<br><img src = \"images/a.jpeg\">\n"
                      "\n</h2>\n"));
  EXPECT_TRUE(text.ends_with("</body>\n</html>\n"));
  EXPECT_EQ(std::string::npos, std::string(StubPage("T", "S", "").GetString()).find("<img"));
}

TEST(HelpNamesTest, PagesMustStayInsideTheHelpFolder) {
  EXPECT_TRUE(IsRelativePage("Orvex/Main_.html"));
  EXPECT_TRUE(IsRelativePage("a..b.html"));
  EXPECT_FALSE(IsRelativePage(""));
  EXPECT_FALSE(IsRelativePage("   "));
  EXPECT_FALSE(IsRelativePage("../outside.html"));
  EXPECT_FALSE(IsRelativePage("Orvex\\..\\..\\x.html"));
}

class HelpFileTest : public HelpTest {};

// Two topics as the class library's archive stores a CObList of them.
const Bytes kTwoTopics = {
    0x02, 0x00,                                    // element count
    0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00,            // new class, schema 1, name length 6
    'H',  'T',  'o',  'p',  'i',  'c',             //
    0x04, 'M',  'a',  'i',  'n',                   // window title
    0x07, 'G',  'e',  'n',  'e',  'r',  'a', 'l',  // sub-topic
    0x00,                                          // third text
    0x17, 'O',  'r',  'v',  'e',  'x',  '/', 'M', 'a', 'i', 'n', '_',
    'G',  'e',  'n',  'e',  'r',  'a',  'l', '.', 'h', 't', 'm', 'l',  // page
    0x01, 0x80,                                                        // the class again
    0x05, 'L',  'o',  'g',  'i',  'n',                                 //
    0x00,                                                              //
    0x00,                                                              //
    0x0A, 'l',  'o',  'g',  'i',  'n',  '.', 'h', 't', 'm', 'l',       //
};

TEST_F(HelpFileTest, TheTopicFileIsTheArchiveLayoutByteForByteAndReadsBack) {
  WriteEmptyTopicFile();
  {
    auto help = MakeHelp();
    EXPECT_FALSE(help->IsReadOnly());
    AddTopic(*help, "Main", "General", "Orvex/Main_General.html");
    AddTopic(*help, "Login", "", "login.html");
    help->Flush();
    EXPECT_EQ(kTwoTopics, Read("OrvexHelp.data"));
  }
  EXPECT_EQ(kTwoTopics, Read("OrvexHelp.data")) << "written again when the object goes";
  auto again = MakeHelp();
  EXPECT_EQ((std::vector<std::string>{"Main|General|Orvex/Main_General.html", "Login||login.html"}), Topics(*again));
  EXPECT_FALSE(std::filesystem::exists(Path("OrvexHelp.data.~sav"))) << "no temporary file stays";
}

TEST_F(HelpFileTest, LongTextsTakeTheLongerLengthForms) {
  WriteEmptyTopicFile();
  const std::string t254(254, 'a'), t255(255, 'b'), t65534(65534, 'c'), t65535(65535, 'd');
  {
    auto help = MakeHelp();
    AddTopic(*help, t254.c_str(), t255.c_str(), t65534.c_str());
    help->GetTopics().AddTail(new HTopic(t65535.c_str(), "", ""));
    help->Flush();
  }
  const Bytes bytes = Read("OrvexHelp.data");
  size_t at = 2 + 12;  // count and the class record
  EXPECT_EQ(0xFE, bytes[at]) << "254: one length byte";
  at += 1 + 254;
  EXPECT_EQ((Bytes{0xFF, 0xFF, 0x00}), Bytes(bytes.begin() + at, bytes.begin() + at + 3)) << "255: 0xFF and a word";
  at += 3 + 255 + 1;  // and the empty third text
  EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}), Bytes(bytes.begin() + at, bytes.begin() + at + 7))
      << "65534: the word 0xFFFE would mark wide text, so a double word";
  at += 7 + 65534 + 2;  // and the second topic's class tag
  EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}), Bytes(bytes.begin() + at, bytes.begin() + at + 7))
      << "65535: 0xFF, 0xFFFF and a double word";
  auto again = MakeHelp();
  ASSERT_EQ(2, again->GetTopics().GetCount());
  const auto* first = static_cast<HTopic*>(again->GetTopics().GetHead());
  EXPECT_EQ(t255, first->m_strSubTopic.GetString());
  EXPECT_EQ(t65534, first->m_strPage.GetString());
  EXPECT_EQ(t65535, static_cast<HTopic*>(again->GetTopics().GetTail())->m_strTitle.GetString());
}

TEST_F(HelpFileTest, WithoutATopicFileTheSessionIsReadOnlyAndWritesNothing) {
  {
    auto help = MakeHelp();
    EXPECT_TRUE(help->IsReadOnly());
    EXPECT_TRUE(Topics(*help).empty());
    AddTopic(*help, "Main", "", "Orvex/Main_.html");
    help->Flush();
  }
  EXPECT_FALSE(Exists("OrvexHelp.data"));
  EXPECT_TRUE(std::filesystem::is_directory(Path("Orvex/images"))) << "the authored pages' folders are made";
}

TEST_F(HelpFileTest, AnUnwritableTopicFileIsReadButNeverWritten) {
  Write("OrvexHelp.data", kTwoTopics);
  ASSERT_EQ(0, chmod(Path("OrvexHelp.data").c_str(), 0444));
  if (access(Path("OrvexHelp.data").c_str(), W_OK) == 0) GTEST_SKIP() << "the file system lets this user write anyway";
  {
    auto help = MakeHelp();
    EXPECT_TRUE(help->IsReadOnly());
    EXPECT_EQ(2u, Topics(*help).size());
    AddTopic(*help, "Extra", "", "extra.html");
  }
  EXPECT_EQ(kTwoTopics, Read("OrvexHelp.data"));
}

TEST_F(HelpFileTest, ADamagedTopicFileIsReportedKeptAsItIsAndNeverOverwritten) {
  struct Case {
    const char* what;
    Bytes bytes;
    size_t topicsRead;
  };
  Bytes cut(kTwoTopics.begin(), kTwoTopics.end() - 4);
  Bytes wrongClass = kTwoTopics;
  wrongClass[8] = 'X';  // "XTopic"
  Bytes wrongSchema = kTwoTopics;
  wrongSchema[4] = 0x02;
  for (const Case& c :
       {Case{"cut short", cut, 1}, Case{"unknown class", wrongClass, 0}, Case{"other schema", wrongSchema, 0}}) {
    Write("OrvexHelp.data", c.bytes);
    std::string shown;
    AnswerBox(kUtilsCaption, shown);
    {
      auto help = MakeHelp();
      EXPECT_TRUE(shown.starts_with("Error (")) << c.what << ": " << shown;
      EXPECT_TRUE(shown.ends_with(") reading help data files")) << c.what << ": " << shown;
      EXPECT_TRUE(help->IsReadOnly()) << c.what;
      EXPECT_EQ(c.topicsRead, Topics(*help).size()) << c.what << ": what could be read stays";
      AddTopic(*help, "New", "", "new.html");
      help->Flush();
    }
    EXPECT_EQ(c.bytes, Read("OrvexHelp.data")) << c.what << ": the damaged file is left untouched";
  }
}

TEST_F(HelpFileTest, LoadingAgainReadsTheFileAfreshAndAuthoringTellsAboutADamagedOne) {
  Write("OrvexHelp.data", kTwoTopics);
  auto help = MakeHelp();
  AddTopic(*help, "Unsaved", "", "unsaved.html");
  help->Load();
  EXPECT_EQ(2u, Topics(*help).size()) << "what was only in memory is gone";

  Write("OrvexHelp.data", Bytes(kTwoTopics.begin(), kTwoTopics.end() - 1));
  std::string error, note;
  AnswerBox(kUtilsCaption, error);
  help->Load();
  EXPECT_TRUE(help->IsReadOnly());
  CWnd window;
  ASSERT_TRUE(halvane::test::CreateTopLevel(window, "Damaged", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  help->SetActiveWindow(window.m_hWnd);
  AnswerBox(kUtilsCaption, note);
  robot.onDialog("Add Help Topic", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
  help->AuthorHelp();
  EXPECT_NE(std::string::npos, note.find("could not be read, so it is left as it is")) << note;
  window.DestroyWindow();
}

TEST_F(HelpFileTest, TheHelpFolderIsComparedInLowerCaseButOpenedAsGiven) {
  const std::string mixed = install / "Bin/Help";
  std::filesystem::create_directories(mixed);
  {
    std::ofstream(mixed + "/OrvexHelp.data", std::ios::binary)
        .write(reinterpret_cast<const char*>(kTwoTopics.data()), static_cast<std::streamsize>(kTwoTopics.size()));
  }
  HvHelp help("Orvex", mixed.c_str());
  std::string lower = mixed;
  for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(CString(lower.c_str()), help.GetHelpFolder());
  EXPECT_EQ(CString(mixed.c_str()), help.GetHelpPath());
  EXPECT_EQ(2u, Topics(help).size()) << "the file was found under its real name";
  EXPECT_EQ(CString((install / "documentation").c_str()), help.GetDocFolder());
  HvHelp given("Orvex", mixed.c_str(), "/usr/share/doc/halvane");
  EXPECT_EQ(CString("/usr/share/doc/halvane"), given.GetDocFolder());
}

}  // namespace

namespace {

// The build installs the help beside the programs: <build>/bin/help, and
// the documentation start page in <build>/documentation.
std::filesystem::path BuildFolder() { return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path(); }

class ShippedHelpTest : public HelpTest {};

TEST_F(ShippedHelpTest, EveryShippedTopicHasItsPageNamedByTheRule) {
  const std::filesystem::path shipped = BuildFolder() / "bin/help";
  ASSERT_TRUE(std::filesystem::exists(shipped / "OrvexHelp.data")) << shipped;
  // A copy, so that nothing is written into the build's own help folder.
  std::filesystem::copy(shipped, helpFolder,
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  for (const char* program : {"Orvex", "Kestrun"}) {
    HvHelp help(program, helpFolder.c_str());
    EXPECT_FALSE(help.IsReadOnly()) << program;
    ASSERT_GT(help.GetTopics().GetCount(), 10) << program;
    for (POSITION pos = help.GetTopics().GetHeadPosition(); pos != nullptr;) {
      const auto* topic = static_cast<const HTopic*>(help.GetTopics().GetNext(pos));
      EXPECT_EQ(HvHelp::TopicPage(program, topic->m_strTitle, topic->m_strSubTopic), topic->m_strPage);
      const std::string page = Text(topic->m_strPage.GetString());
      EXPECT_NE(std::string::npos, page.find("<h1>")) << topic->m_strPage.GetString();
      EXPECT_NE(std::string::npos, page.find("contents.html")) << topic->m_strPage.GetString();
    }
    const auto* first = static_cast<const HTopic*>(help.GetTopics().GetHead());
    EXPECT_EQ(CString(program), first->m_strTitle) << "the main window's page comes first";
  }
  for (const char* fixed : {"NoHelp.html", "NoHelpInstalled.html", "contents.html", "help.css"})
    EXPECT_TRUE(Exists(fixed)) << fixed;
  EXPECT_TRUE(std::filesystem::exists(BuildFolder() / "documentation/welcome.html"));
  EXPECT_NE(std::string::npos, Text("contents.html").find("Orvex/Connect%20to%20Tressel%20Server_.html"));
}

}  // namespace
