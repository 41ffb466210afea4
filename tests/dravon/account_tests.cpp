// Servers and accounts as the administration makes them: the stored form
// of passwords, the rules for names, the files' permissions and creators
// that race for one name; and the connection's prepared statements.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "DravonAdmin.h"
#include "dravon_test_support.h"
#include "store/Names.h"
#include "store/Password.h"
#include "store/Repository.h"

namespace dravon_test {
namespace {

namespace fs = std::filesystem;

class AccountTest : public DravonTest {
 protected:
  std::string StoredHash(const std::string& user) {
    dravon::Repository repo;
    EXPECT_TRUE(repo.Open(ServerFilePath(), false));
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(repo.Handle(), "SELECT hash FROM accounts WHERE user = ?", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, user.c_str(), -1, SQLITE_TRANSIENT);
    std::string hash;
    if (sqlite3_step(stmt) == SQLITE_ROW) hash = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    return hash;
  }
  std::vector<std::string> FilesOfTheFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(AccountTest, PasswordsAreStoredThroughPbkdf2WithTheirWorkFactor) {
  dravon::test::ResetPasswordIterations();
  const std::string salt = dravon::MakeSalt();
  const std::string hash = dravon::HashPassword(salt, "pw");
  dravon::test::SetPasswordIterations(kTestPasswordIterations);
  EXPECT_EQ(hash.rfind("pbkdf2-sha256$600000$", 0), 0u) << hash;
  EXPECT_EQ(hash.size(), std::string("pbkdf2-sha256$600000$").size() + 64);
  EXPECT_TRUE(dravon::VerifyPassword(salt, hash, "pw")) << "an entry keeps its own work factor";
  EXPECT_FALSE(dravon::VerifyPassword(salt, hash, "pW"));
  EXPECT_FALSE(dravon::VerifyPassword(dravon::MakeSalt(), hash, "pw"));
  EXPECT_FALSE(dravon::NeedsRehash(hash));
  EXPECT_NE(dravon::MakeSalt(), salt);
  for (const char* damaged :
       {"", "pbkdf2-sha256$", "pbkdf2-sha256$0$ab", "pbkdf2-sha256$x$ab", "pbkdf2-sha256$1000$"}) {
    EXPECT_FALSE(dravon::VerifyPassword(salt, damaged, "pw")) << damaged;
    EXPECT_TRUE(dravon::NeedsRehash(damaged)) << damaged;
  }
}

TEST_F(AccountTest, AnOldEntryLogsInAndIsStoredAnewWithTheCurrentForm) {
  // The iterated SHA-256 of the first repositories, salt and password
  // "old-secret" as they wrote them.
  const char* kOldSalt = "00112233445566778899aabbccddeeff";
  const char* kOldHash = "b1474a74bb121c153c197ef954ddcc9d39c726aa840ba322d233b0dbc8404719";
  {
    dravon::Repository repo;
    ASSERT_TRUE(repo.Open(ServerFilePath(), false));
    const std::string sql =
        std::string("INSERT INTO accounts VALUES ('veteran', '") + kOldSalt + "', '" + kOldHash + "')";
    ASSERT_EQ(sqlite3_exec(repo.Handle(), sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  }
  EXPECT_TRUE(dravon::NeedsRehash(kOldHash));
  EXPECT_EQ(Dm().LogToServer(kServer, "veteran", "wrong"), 0);
  EXPECT_EQ(StoredHash("veteran"), kOldHash) << "a failed log-in changes nothing";
  ASSERT_NE(Dm().LogToServer(kServer, "veteran", "old-secret"), 0);
  const std::string upgraded = StoredHash("veteran");
  EXPECT_EQ(upgraded.rfind("pbkdf2-sha256$", 0), 0u) << upgraded;
  Dm().Disconnect();
  EXPECT_NE(Dm().LogToServer(kServer, "veteran", "old-secret"), 0) << "the new entry takes the same password";
  EXPECT_EQ(StoredHash("veteran"), upgraded) << "a current entry is left as it is";
}

TEST_F(AccountTest, AWeakerWorkFactorIsRaisedAtTheNextLogIn) {
  const std::string before = StoredHash(kUser);
  dravon::test::SetPasswordIterations(2 * kTestPasswordIterations);
  ASSERT_TRUE(LogIn());
  EXPECT_EQ(StoredHash(kUser).rfind("pbkdf2-sha256$2000$", 0), 0u) << before;
}

TEST_F(AccountTest, TheFolderAndTheDatabasesAreTheOwnersOnly) {
  const fs::path folder = fs::path(m_folder.path()) / "deeper" / "servers";
  setenv("HALVANE_SERVERS", folder.c_str(), 1);
  const mode_t oldMask = umask(022);
  std::string error;
  const bool created = dravon::admin::CreateServer("Private", kUser, kPassword, error);
  umask(oldMask);
  ASSERT_TRUE(created) << error;
  struct stat st {};
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(stat((folder / "Private.db").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_NE(Dm().LogToServer("Private", kUser, kPassword), 0);
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.status().permissions() & (fs::perms::group_all | fs::perms::others_all), fs::perms::none)
        << entry.path();
  }
}

TEST_F(AccountTest, OfCreatorsRacingForOneNameOneWinsAndTheOthersSayItExists) {
  constexpr int kCreators = 8;
  std::atomic<int> ready{0};
  std::vector<std::string> errors(kCreators);
  std::vector<int> won(kCreators, 0);
  std::vector<std::thread> creators;
  for (int i = 0; i < kCreators; ++i) {
    creators.emplace_back([&, i] {
      ++ready;
      while (ready < kCreators) std::this_thread::yield();
      won[i] = dravon::admin::CreateServer("Raced", "user", "pw" + std::to_string(i), errors[i]) ? 1 : 0;
    });
  }
  for (std::thread& t : creators) t.join();
  int winner = -1;
  for (int i = 0; i < kCreators; ++i) {
    if (won[i] == 0) {
      EXPECT_EQ(errors[i], "server 'Raced' exists");
    } else {
      EXPECT_EQ(winner, -1) << "two creators were told they made the server";
      winner = i;
    }
  }
  ASSERT_NE(winner, -1);
  EXPECT_NE(Dm().LogToServer("Raced", "user", ("pw" + std::to_string(winner)).c_str()), 0)
      << "the server of the creator told it won is the one that stays";
  Dm().Disconnect();
  EXPECT_EQ(FilesOfTheFolder(), (std::vector<std::string>{"Raced.db", std::string(kServer) + ".db"}))
      << "no working files are left";
}

TEST_F(AccountTest, WorkingFilesOfACreatorThatDiedAreRemovedByTheNext) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  waitpid(child, nullptr, 0);
  const std::string dead = ".create-" + std::to_string(child) + "-abcdef";
  const std::string live = ".create-" + std::to_string(getpid()) + "-ghijkl";
  for (const std::string& name : {dead, dead + "-wal", live}) std::ofstream(fs::path(m_folder.path()) / name) << "x";
  std::string error;
  ASSERT_TRUE(dravon::admin::CreateServer("After", "u", "pw", error)) << error;
  EXPECT_EQ(FilesOfTheFolder(), (std::vector<std::string>{live, "After.db", std::string(kServer) + ".db"}))
      << "a creator still running keeps its file";
}

TEST_F(AccountTest, BadNamesAreRefusedAndLeaveNoFile) {
  struct Case {
    std::string server;
    std::string user;
    const char* message;
  };
  const Case cases[] = {
      {std::string(dravon::kMaxServerNameBytes + 1, 'n'), "u",
       "invalid server name: the name is longer than 244 bytes"},
      {"two\nlines", "u", "invalid server name: the name holds a control character"},
      {"bell\a", "u", "invalid server name: the name holds a control character"},
      {"latin\xe9", "u", "invalid server name: the name is not valid UTF-8 text"},
      {"over\xc0\xaflong", "u", "invalid server name: the name is not valid UTF-8 text"},
      {"a/b", "u", "invalid server name: the name holds a path separator"},
      {".hidden", "u", "invalid server name: the name starts with a dot"},
      {"", "u", "invalid server name: the name is empty"},
      {"Fine", "", "invalid user name: the name is empty"},
      {"Fine", "tab\tbed", "invalid user name: the name holds a control character"},
      {"Fine", "\xff", "invalid user name: the name is not valid UTF-8 text"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(dravon::admin::CreateServer(c.server, c.user, "pw", error)) << c.message;
    EXPECT_EQ(error, c.message);
  }
  std::string error;
  EXPECT_FALSE(dravon::admin::AddAccount(kServer, "new\nline", "pw", error));
  EXPECT_EQ(error, "invalid user name: the name holds a control character");
  EXPECT_EQ(FilesOfTheFolder(), std::vector<std::string>{std::string(kServer) + ".db"});
  ASSERT_TRUE(dravon::admin::CreateServer(std::string(dravon::kMaxServerNameBytes, 'n'), "u", "pw", error)) << error;
  EXPECT_TRUE(dravon::admin::CreateServer("caf\xc3\xa9 \xe2\x82\xac",
                                          "\xc3\xbc"
                                          "ser",
                                          "pw", error))
      << error;
}

TEST_F(AccountTest, TheConnectionPreparesEachStatementOnce) {
  dravon::Repository repo;
  ASSERT_TRUE(repo.Open(ServerFilePath(), false));
  for (int i = 0; i < 3; ++i) {
    CQRBusObjDef def(("Def" + std::to_string(i)).c_str(), nullptr, HvStateNew);
    def.GetAttrs().Add(new CBODefAttr(1, "Id", "Integer"));
    def.GetAttrs().Add(new CBODefAttr(2, "Name", "String"));
    ASSERT_TRUE(repo.SaveBO(def));
  }
  int inserts = 0;
  int runs = 0;
  for (sqlite3_stmt* stmt = sqlite3_next_stmt(repo.Handle(), nullptr); stmt != nullptr;
       stmt = sqlite3_next_stmt(repo.Handle(), stmt)) {
    if (std::string(sqlite3_sql(stmt)).rfind("INSERT INTO bo_attrs", 0) != 0) continue;
    ++inserts;
    runs += sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_RUN, 0);
  }
  EXPECT_EQ(inserts, 1) << "one statement for every attribute row";
  EXPECT_EQ(runs, 6);
  CQRBusObjDef loaded("Def1", nullptr, 0);
  ASSERT_EQ(repo.LoadBO("Def1", loaded), dravon::Found::Yes);
  EXPECT_EQ(loaded.GetAttrs().GetSize(), 2) << "a reused statement starts with fresh bindings";
}

}  // namespace
}  // namespace dravon_test
