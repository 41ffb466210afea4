// halvane-server load, run as a person would: a file loads whole or not at
// all, and what is wrong is said with its line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "DravonAdmin.h"
#include "repocopy_test_support.h"
#include "store/Repository.h"
#include "store/ServerPaths.h"
#include "store/WriterWait.h"
#include "temp_folder.h"

namespace repocopy_test {
namespace {

constexpr const char* kServer = "LoadServer";

struct ToolRun {
  int exitCode;
  std::string output;
};

class LoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("HALVANE_SERVERS", m_folder.path().c_str(), 1);
    std::string error;
    ASSERT_TRUE(dravon::admin::CreateServer(kServer, "admin", "pw", error)) << error;
  }

  ToolRun Load(const std::string& server, const std::string& path) {
    const std::string command = std::string(HALVANE_SERVER_TOOL) + " load " + server + " '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[512];
    while (pipe != nullptr && fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
  }

  std::vector<std::string> Names() {
    dravon::Repository repo;
    EXPECT_TRUE(repo.Open(dravon::ServerFile(kServer), false));
    return repo.BONames().value_or(std::vector<std::string>{"(unreadable)"});
  }

  std::string File(const std::string& name, const std::string& text) {
    WriteFileText(m_folder / name, text);
    return m_folder / name;
  }

  halvane::test::TempFolder m_folder{"repocopy-load"};
};

TEST_F(LoadTest, EveryDefinitionOfTheFileIsStoredAsItWasWritten) {
  const ToolRun run = Load(kServer, File("copy.in", EditorFile()));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output, "2 business object definition(s) loaded into LoadServer\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Address", "Customer"}));

  dravon::Repository repo;
  ASSERT_TRUE(repo.Open(dravon::ServerFile(kServer), false));
  Defs stored;
  for (const char* name : {"Customer", "Address"}) {
    stored.push_back(std::make_unique<CQRBusObjDef>(name, nullptr, HvStateOnServer));
    ASSERT_EQ(repo.LoadBO(name, *stored.back()), dravon::Found::Yes);
  }
  std::string text;
  ASSERT_FALSE(dravon::repocopy::WriteText(text, Pointers(stored)));
  EXPECT_EQ(text, EditorFile()) << "written back, the stored definitions give the file again";
}

std::string RandomBytes(size_t size) {
  std::string bytes(size, '\0');
  unsigned state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 16);
  }
  return bytes;
}

TEST_F(LoadTest, ABadFileStoresNothingAndNamesItsLine) {
  ASSERT_EQ(Load(kServer, File("first.in", EditorFile())).exitCode, 0);
  const std::vector<std::string> before = Names();
  const std::string header = "[Pellisk]\r\nVersion = 3.0.0\r\n[End]\r\n";
  const std::string good = "[BusinessObjectDefinition]\r\nName = New\r\n[End]\r\n";
  std::string many;
  for (int i = 0; i < 1000; ++i)
    many += "[BusinessObjectDefinition]\r\nName = Bulk" + std::to_string(i) + "\r\n[End]\r\n";
  struct Case {
    std::string text;
    const char* says;
  };
  const Case cases[] = {
      // A block of another kind without its end would swallow what follows.
      {header + "[Connector]\r\nName = C\r\n" + good, "Line 4: Missing [BusinessObjectDefinition] header"},
      {RandomBytes(1 << 20), "Line 1: Missing [BusinessObjectDefinition] header"},
      {header + good + Bytes("[BusinessObjectDefinition]\r\nName = Customer\0X\r\n[End]\r\n"),
       "Line 8: The field is invalid"},
      {header + good + "[BusinessObjectDefinition]\r\nName = NEW\r\n[End]\r\n",
       "Line 8: A business object with this name already exists: NEW"},
      {header + many + "[BusinessObjectDefinition]\r\nName = Last\r\nOops\r\n", "Line 3006: Oops Invalid attribute"},
  };
  for (const Case& c : cases) {
    const std::string path = File("bad.in", c.text);
    const ToolRun run = Load(kServer, path);
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(run.output, "halvane-server: " + path + ": " + c.says + "; nothing was loaded\n");
    EXPECT_EQ(Names(), before);
  }
}

TEST_F(LoadTest, AnEmptyFileOrAFolderIsSaidSo) {
  const std::string empty = File("empty.in", "");
  const ToolRun emptyRun = Load(kServer, empty);
  EXPECT_EQ(emptyRun.exitCode, 1);
  EXPECT_EQ(emptyRun.output,
            "halvane-server: " + empty + " does not contain any Business Object definitions; nothing was loaded\n");
  const ToolRun folderRun = Load(kServer, m_folder.path());
  EXPECT_EQ(folderRun.exitCode, 1);
  EXPECT_EQ(folderRun.output,
            "halvane-server: Cannot read " + m_folder.path() + ": Is a directory; nothing was loaded\n");
}

TEST_F(LoadTest, TheServerIsCheckedBeforeTheFileIsRead) {
  const ToolRun run = Load("NoSuchServer", m_folder / "missing.in");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "halvane-server: no server 'NoSuchServer'\n");
}

TEST_F(LoadTest, WritersWaitForALoadPastTheUsualTimeOut) {
  const std::string database = dravon::ServerFile(kServer);
  dravon::sql::WaitState wait{database, 0};
  // A wait that began long ago: without a load it ends now.
  EXPECT_EQ(dravon::sql::WaitForWriteLock(&wait, 1), 0);
  EXPECT_FALSE(dravon::sql::LoadRunning(database));
  {
    dravon::sql::LoadMark mark;
    ASSERT_TRUE(mark.Take(database));
    EXPECT_TRUE(dravon::sql::LoadRunning(database));
    wait.waitStartMs = 0;
    EXPECT_EQ(dravon::sql::WaitForWriteLock(&wait, 1), 1) << "a running load is waited for";
  }
  EXPECT_FALSE(dravon::sql::LoadRunning(database)) << "the mark goes with its holder";
  EXPECT_EQ(dravon::sql::WaitForWriteLock(&wait, 1), 1) << "after the load the usual wait starts again";
  std::string error;
  ASSERT_TRUE(dravon::admin::RemoveServer(kServer, error)) << error;
  EXPECT_FALSE(std::filesystem::exists(dravon::sql::LoadMarkPath(database)));
}

}  // namespace
}  // namespace repocopy_test
