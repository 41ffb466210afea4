// The transaction around a translator that the launcher hook plays: the
// command lines, the result codes, the temporary files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "broker_fixture.h"
#include "win32/services.h"

namespace brokertest {
namespace {

using Args = std::vector<std::string>;

const char* const kText =
    "[Pellisk]\r\nVersion = 3.0.0\r\n[End]\r\n[BusinessObjectDefinition]\r\nName = A\r\n[End]\r\n";

class FakeTranslatorTest : public BrokerTest {
 protected:
  void SetUp() override {
    BrokerTest::SetUp();
    win32::SetProcessLauncherHook([this](const std::string& program, const Args& argv) -> std::optional<DWORD> {
      programs_.push_back(program);
      launches_.push_back(argv);
      // What the translator would find in its input when it starts.
      inputs_.push_back(argv.size() > 5 ? ReadFile(argv[5]) : std::string());
      return play_(argv);
    });
  }

  // The expected command line of an export or import, split.
  Args Expected(const Args& arguments) const {
    const std::string home = HALVANE_BUILD_DIR;
    Args argv{"java.exe", "-cp", home + "/lib/xerces.jar:" + home + "/lib/Halvane.jar",
              "Velmora.Translators.TransBusObjWorkspace"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    argv.insert(argv.end(), {">", "experr.txt", "2>&1"});
    return argv;
  }

  // A translator that writes its two answers of an export and ends with `code`.
  void PlayExport(const std::string& errors, const std::string& list, DWORD code) {
    play_ = [=](const Args& argv) -> std::optional<DWORD> {
      WriteFile(argv[7], errors);
      WriteFile(argv[8], list);
      return code;
    };
  }

  std::function<std::optional<DWORD>(const Args&)> play_ = [](const Args&) { return std::optional<DWORD>(400); };
  std::vector<std::string> programs_;
  std::vector<Args> launches_;
  std::vector<std::string> inputs_;
};

TEST_F(FakeTranslatorTest, ExportRunsTheTranslatorOnTheTextAndReadsItsFileList) {
  PlayExport("", "  " + out_.path() + "/A.xsd \r\n\r\n" + out_.path() + "/B.xsd\r\n", 400);
  CKBRXExportTransaction transaction(&owner_);
  ASSERT_EQ(0, transaction.Export(out_.path().c_str(), kText));
  ASSERT_EQ(1u, launches_.size());
  EXPECT_EQ("java.exe", programs_[0]);
  EXPECT_EQ(Expected({"w", temp("msword"), out_.path(), temp("msexcel"), temp("msaccess")}), launches_[0]);
  // The input is written in text mode: every LF becomes CR LF.
  std::string written = kText;
  for (size_t at = 0; (at = written.find('\n', at)) != std::string::npos; at += 2) written.insert(at, "\r");
  EXPECT_EQ(written, inputs_[0]);
  ASSERT_EQ(2, transaction.GetFileList().GetSize());
  EXPECT_EQ(out_.path() + "/A.xsd", transaction.GetFileList()[0].str());
  EXPECT_EQ(out_.path() + "/B.xsd", transaction.GetFileList()[1].str());
  EXPECT_TRUE(owner_.texts.empty());
  EXPECT_TRUE(FolderNames(temp_.path()).empty());
}

TEST_F(FakeTranslatorTest, ImportPutsTheHeaderBeforeWhatTheTranslatorWrote) {
  const std::string blocks = "[BusinessObjectDefinition]\r\nName = A\r\nVersion = 1\r\n[End]\r\n";
  play_ = [&](const Args& argv) -> std::optional<DWORD> {
    WriteFile(argv[8], blocks);
    return 144;
  };
  const std::string schema = out_ / "A.xsd";
  CKBRXExportTransaction transaction(&owner_);
  CString text;
  ASSERT_EQ(0, transaction.Import(schema.c_str(), text));
  ASSERT_EQ(1u, launches_.size());
  EXPECT_EQ(Expected({"r", schema, "unused", temp("msword"), temp("msexcel")}), launches_[0]);
  EXPECT_EQ("[Pellisk]\nVersion = 3.0.0\n[End]\n" + blocks, text.str());
  EXPECT_TRUE(FolderNames(temp_.path()).empty());
}

TEST_F(FakeTranslatorTest, OnlyExitCode400EndsWell) {
  // 144 is 400 as an exit status of 8 bits carries it.
  const std::pair<std::optional<DWORD>, int> exports[] = {{400, 0},  {144, 0},  {0, 16},           {1, 16},
                                                          {145, 16}, {656, 16}, {std::nullopt, 16}};
  for (const auto& [code, result] : exports) {
    play_ = [code = code](const Args& argv) {
      WriteFile(argv[7], "");
      WriteFile(argv[8], "");
      return code;
    };
    CKBRXExportTransaction transaction(&owner_);
    EXPECT_EQ(result, transaction.Export(out_.path().c_str(), kText)) << code.value_or(999);
  }
  const std::pair<std::optional<DWORD>, int> imports[] = {{400, 0}, {144, 0}, {0, 20}, {1, 20}, {std::nullopt, 20}};
  for (const auto& [code, result] : imports) {
    play_ = [code = code](const Args& argv) {
      WriteFile(argv[8], "");
      return code;
    };
    CKBRXExportTransaction transaction(&owner_);
    CString text = "kept";
    EXPECT_EQ(result, transaction.Import((out_ / "A.xsd").c_str(), text)) << code.value_or(999);
    if (result != 0) {
      EXPECT_EQ("kept", text.str());
    }
  }
  EXPECT_EQ(12u, launches_.size());
}

TEST_F(FakeTranslatorTest, FindingsBecomeTheDetailTextOfResult15) {
  PlayExport("  Phone (the type of attribute Home of Customer)  \r\n\r\n\tCustomer: bad\t\r\n", "x", 400);
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(15, transaction.Export(out_.path().c_str(), kText));
  ASSERT_EQ(1u, owner_.texts.size());
  EXPECT_EQ("Phone (the type of attribute Home of Customer)\nCustomer: bad\n", owner_.texts[0]);
  EXPECT_EQ(0, transaction.GetFileList().GetSize());
  // The translator answered: none of its files is left behind.
  EXPECT_TRUE(FolderNames(temp_.path()).empty());
}

TEST_F(FakeTranslatorTest, AnswersLeftByAnEarlierRunAreNotTakenForThisRunsOnes) {
  WriteFile(temp("msword"), "stale input");
  WriteFile(temp("msexcel"), "stale finding\r\n");
  WriteFile(temp("msaccess"), "stale.xsd\r\n");
  // A translator that ends well but leaves no answers.
  play_ = [](const Args&) { return std::optional<DWORD>(400); };
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(16, transaction.Export(out_.path().c_str(), kText));
  ASSERT_EQ(1u, inputs_.size());
  EXPECT_NE(std::string::npos, inputs_[0].find("Name = A"));
  EXPECT_TRUE(owner_.texts.empty());
  EXPECT_EQ(0, transaction.GetFileList().GetSize());

  WriteFile(temp("msexcel"), "[BusinessObjectDefinition]\r\nName = Stale\r\n[End]\r\n");
  CString text;
  EXPECT_EQ(20, transaction.Import((out_ / "A.xsd").c_str(), text));
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(FakeTranslatorTest, ANameThatCannotBeClearedStopsBeforeTheTranslatorRuns) {
  std::filesystem::create_directory(temp("msexcel"));
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(16, transaction.Export(out_.path().c_str(), kText));
  CString text;
  EXPECT_EQ(20, transaction.Import((out_ / "A.xsd").c_str(), text));
  EXPECT_TRUE(launches_.empty());
}

TEST_F(FakeTranslatorTest, AFailedTranslatorLeavesItsFilesInTheTemporaryFolder) {
  PlayExport("", "", 1);
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(16, transaction.Export(out_.path().c_str(), kText));
  EXPECT_EQ((std::vector<std::string>{"~msaccess" + std::to_string(getpid()) + ".dll",
                                      "~msexcel" + std::to_string(getpid()) + ".dll",
                                      "~msword" + std::to_string(getpid()) + ".dll"}),
            FolderNames(temp_.path()));
}

TEST_F(FakeTranslatorTest, WithoutHalvaneNothingRuns) {
  for (const std::optional<std::string>& value : {std::optional<std::string>(), std::optional<std::string>("")}) {
    ScopedVariable home("HALVANE", value);
    owner_.texts.clear();
    CKBRXExportTransaction transaction(&owner_);
    EXPECT_EQ(22, transaction.Export(out_.path().c_str(), kText));
    CString text;
    EXPECT_EQ(22, transaction.Import((out_ / "A.xsd").c_str(), text));
    EXPECT_EQ((std::vector<std::string>{". Variable HALVANE not found.", ". Variable HALVANE not found."}),
              owner_.texts);
  }
  EXPECT_TRUE(launches_.empty());
}

TEST_F(FakeTranslatorTest, AMissingJarNamesBothJars) {
  halvane::test::TempFolder home("broker-home");
  std::filesystem::create_directories(home / "lib");
  WriteFile(home / "lib/xerces.jar", "");
  ScopedVariable variable("HALVANE", home.path());
  const std::string detail = ": " + home.path() + "/lib/xerces.jar or " + home.path() + "/lib/Halvane.jar";
  CKBRXExportTransaction transaction(&owner_);
  EXPECT_EQ(23, transaction.Export(out_.path().c_str(), kText));
  // A folder of the jar's name is no jar.
  std::filesystem::create_directory(home / "lib/Halvane.jar");
  CString text;
  EXPECT_EQ(23, transaction.Import((out_ / "A.xsd").c_str(), text));
  EXPECT_EQ((std::vector<std::string>{detail, detail}), owner_.texts);
  EXPECT_TRUE(launches_.empty());
}

TEST_F(FakeTranslatorTest, PathsWithBlanksAndQuotesArriveWhole) {
  halvane::test::TempFolder spaced("broker temp \"quoted\"");
  const std::string folder = spaced / "out \"dir\" \\";
  std::filesystem::create_directory(folder);
  ScopedVariable variable("TEMP", spaced.path());
  CKBRXExportTransaction::ResetTemporaryFolder();
  PlayExport("", "", 400);
  CKBRXExportTransaction transaction(&owner_);
  ASSERT_EQ(0, transaction.Export(folder.c_str(), kText));
  CString text;
  transaction.Import((folder + "/a b.xsd").c_str(), text);
  ASSERT_EQ(2u, launches_.size());
  EXPECT_EQ(Expected({"w", TemporaryName(spaced.path(), "msword"), folder, TemporaryName(spaced.path(), "msexcel"),
                      TemporaryName(spaced.path(), "msaccess")}),
            launches_[0]);
  EXPECT_EQ(Expected({"r", folder + "/a b.xsd", "unused", TemporaryName(spaced.path(), "msword"),
                      TemporaryName(spaced.path(), "msexcel")}),
            launches_[1]);
}

TEST_F(FakeTranslatorTest, TheTemporaryFolderIsTakenOncePerRun) {
  halvane::test::TempFolder system("broker-system");
  ScopedVariable emptyTemp("TEMP", "");
  ScopedVariable tmpdir("TMPDIR", system.path());
  CKBRXExportTransaction::ResetTemporaryFolder();
  PlayExport("", "", 400);
  CKBRXExportTransaction first(&owner_);
  ASSERT_EQ(0, first.Export(out_.path().c_str(), kText));
  // An empty TEMP falls back to the system's temporary folder.
  EXPECT_EQ(TemporaryName(system.path(), "msword"), launches_.back()[5]);
  ScopedVariable otherTemp("TEMP", temp_.path());
  CKBRXExportTransaction second(&owner_);
  ASSERT_EQ(0, second.Export(out_.path().c_str(), kText));
  EXPECT_EQ(TemporaryName(system.path(), "msword"), launches_.back()[5]);
}

TEST_F(FakeTranslatorTest, ReadLinesKeepsTrimmedLinesAndTellsAMissingFile) {
  const std::string file = temp_ / "lines.txt";
  WriteFile(file, "  a  \r\n\r\n\tb c\t\r\n   \r\nd");
  CKBRXExportTransaction transaction(&owner_);
  CStringArray lines;
  lines.Add("before");
  ASSERT_TRUE(transaction.ReadLines(file.c_str(), lines));
  ASSERT_EQ(4, lines.GetSize());
  EXPECT_EQ("before", lines[0].str());
  EXPECT_EQ("a", lines[1].str());
  EXPECT_EQ("b c", lines[2].str());
  EXPECT_EQ("d", lines[3].str());
  EXPECT_FALSE(transaction.ReadLines((temp_ / "missing.txt").c_str(), lines));
  EXPECT_EQ(4, lines.GetSize());
}

}  // namespace
}  // namespace brokertest
