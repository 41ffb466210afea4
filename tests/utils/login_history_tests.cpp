// The login history of the shared profile.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "HLUtilWinRegistry.h"
#include "login/LoginKey.h"
#include "RegKey.h"
#include "registry_fixture.h"

namespace {

class LoginHistoryTest : public TempRegistryTest {
 protected:
  std::vector<std::string> Servers() const {
    CStringArray names;
    CHLUtilWinRegistry("Common").GetRegisteredServerNames(names);
    std::vector<std::string> out;
    for (int i = 0; i < names.GetSize(); ++i) out.push_back(names[i].GetString());
    return out;
  }
  std::vector<std::pair<std::string, std::string>> Users() const {
    CHLUtilWinRegistry::CUserInfos users;
    CHLUtilWinRegistry("Common").GetRegisteredUserNames(users);
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < users.GetSize(); ++i) {
      out.emplace_back(users[i].m_strUser.GetString(), users[i].m_strPassword.GetString());
    }
    return out;
  }
};

using Pairs = std::vector<std::pair<std::string, std::string>>;
using Names = std::vector<std::string>;

TEST_F(LoginHistoryTest, AFreshProfileHasNoHistoryAndLeavesTheCallersTexts) {
  EXPECT_TRUE(Servers().empty());
  EXPECT_TRUE(Users().empty());
  bool remember = true;
  CString server = "given", user = "me", password = "pw";
  CHLUtilWinRegistry("Common").GetRecentLoginInfo(remember, server, user, password);
  EXPECT_FALSE(remember);
  EXPECT_EQ(CString("given"), server);
  EXPECT_EQ(CString("me"), user);
  EXPECT_EQ(CString("pw"), password);
}

TEST_F(LoginHistoryTest, ARememberedLoginComesBackWithItsPassword) {
  CHLUtilWinRegistry registry("Common");
  ASSERT_TRUE(registry.SetRecentLoginInfo(true, "HalvaneServer", "admin", " s3cret "));
  bool remember = false;
  CString server, user, password;
  CHLUtilWinRegistry("Common").GetRecentLoginInfo(remember, server, user, password);
  EXPECT_TRUE(remember);
  EXPECT_EQ(CString("HalvaneServer"), server);
  EXPECT_EQ(CString("admin"), user);
  EXPECT_EQ(CString(" s3cret "), password);
  EXPECT_EQ((Pairs{{"admin", " s3cret "}}), Users());
  EXPECT_EQ((Names{"HalvaneServer"}), Servers());
}

unsigned Mode(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

std::string Stored(const std::string& key, const std::string& name) {
  return utils::RegKey(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\" + key, false).GetString(name).value_or("");
}

TEST_F(LoginHistoryTest, PasswordsAreSealedUnderAKeyOnlyTheUserCanRead) {
  ASSERT_TRUE(CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "S", "admin", "VerySecretWord"));
  const std::string text = RegistryText();
  EXPECT_EQ(std::string::npos, text.find("VerySecretWord"));
  EXPECT_NE(std::string::npos, text.find("admin"));
  EXPECT_TRUE(Stored("Passwords", "admin").starts_with("hv2:"));
  EXPECT_TRUE(Stored("Recent", "Password").starts_with("hv2:"));
  EXPECT_NE(Stored("Passwords", "admin"), Stored("Recent", "Password")) << "every value has its own nonce";

  const std::string keyFile = utils::login::KeyFilePath();
  EXPECT_EQ(profile_->dataFolder() + "/halvane/login.key", keyFile);
  EXPECT_EQ(0600u, Mode(keyFile));
  EXPECT_EQ(0700u, Mode(profile_->dataFolder() + "/halvane"));
  EXPECT_EQ(32u, std::filesystem::file_size(keyFile));
  EXPECT_EQ(0600u, Mode(profile_->registryFile())) << "the registry file is the user's alone too";
}

TEST_F(LoginHistoryTest, ASealedPasswordMovedToAnotherUserDoesNotOpen) {
  CHLUtilWinRegistry registry("Common");
  registry.SetRecentLoginInfo(true, "S", "guest", "guestword");
  registry.SetRecentLoginInfo(true, "S", "admin", "adminword");
  {
    utils::RegKey passwords(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Passwords", true);
    ASSERT_TRUE(passwords.SetString("guest", Stored("Passwords", "admin")));
  }
  EXPECT_EQ((Pairs{{"admin", "adminword"}, {"guest", ""}}), Users());
}

TEST_F(LoginHistoryTest, WithoutTheKeyStoredPasswordsAreGoneAndANewLoginMakesANewKey) {
  CHLUtilWinRegistry registry("Common");
  registry.SetRecentLoginInfo(true, "S", "admin", "first");
  const std::string keyFile = utils::login::KeyFilePath();
  ASSERT_TRUE(std::filesystem::remove(keyFile));
  EXPECT_EQ((Pairs{{"admin", ""}}), Users());
  EXPECT_FALSE(std::filesystem::exists(keyFile)) << "reading never makes a key";

  registry.SetRecentLoginInfo(true, "S", "admin", "second");
  EXPECT_TRUE(std::filesystem::exists(keyFile));
  EXPECT_EQ((Pairs{{"admin", "second"}}), Users());
}

TEST_F(LoginHistoryTest, AKeyFileThatIsNoKeyIsNeitherUsedNorReplaced) {
  const std::string keyFile = utils::login::KeyFilePath();
  std::filesystem::create_directories(std::filesystem::path(keyFile).parent_path());
  std::ofstream(keyFile) << "not a key";
  CHLUtilWinRegistry registry("Common");
  EXPECT_FALSE(registry.SetRecentLoginInfo(true, "S", "admin", "pw")) << "the password could not be kept";
  EXPECT_EQ(std::string(), Stored("Passwords", "admin"));
  EXPECT_EQ(std::string(), Stored("Recent", "Password"));
  EXPECT_EQ((Names{"S"}), Servers()) << "the rest of the history is kept";
  EXPECT_EQ(9u, std::filesystem::file_size(keyFile));
}

TEST_F(LoginHistoryTest, AKeyFileOthersCouldReadIsNarrowedToTheUser) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "S", "admin", "pw");
  const std::string keyFile = utils::login::KeyFilePath();
  ASSERT_EQ(0, chmod(keyFile.c_str(), 0644));
  EXPECT_EQ((Pairs{{"admin", "pw"}}), Users());
  EXPECT_EQ(0600u, Mode(keyFile));
}

// The older scrambled form ("hv1:" and a position-dependent mask), as
// earlier versions stored it.
std::string LegacyScrambled(const std::string& clear) {
  std::string out = "hv1:";
  for (size_t i = 0; i < clear.size(); ++i) {
    uint32_t x = static_cast<uint32_t>(i) * 2654435761u + 0x9E3779B9u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    const auto byte = static_cast<uint8_t>(static_cast<uint8_t>(clear[i]) ^ static_cast<uint8_t>(x));
    out += "0123456789abcdef"[byte >> 4];
    out += "0123456789abcdef"[byte & 0x0F];
  }
  return out;
}

TEST_F(LoginHistoryTest, ScrambledPasswordsOfEarlierVersionsAreReadOnceAndSealed) {
  {
    utils::RegKey users(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Users", true);
    ASSERT_TRUE(users.SetString("1", "admin"));
    utils::RegKey passwords(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Passwords", true);
    ASSERT_TRUE(passwords.SetString("admin", LegacyScrambled("old secret")));
    utils::RegKey recent(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Recent", true);
    ASSERT_TRUE(recent.SetString("User", "admin"));
    ASSERT_TRUE(recent.SetDword("Remember", 1));
    ASSERT_TRUE(recent.SetString("Password", LegacyScrambled("old secret")));
  }
  EXPECT_EQ((Pairs{{"admin", "old secret"}}), Users());
  bool remember = false;
  CString server, user, password;
  CHLUtilWinRegistry("Common").GetRecentLoginInfo(remember, server, user, password);
  EXPECT_EQ(CString("old secret"), password);

  EXPECT_TRUE(Stored("Passwords", "admin").starts_with("hv2:"));
  EXPECT_TRUE(Stored("Recent", "Password").starts_with("hv2:"));
  EXPECT_EQ(std::string::npos, RegistryText().find("hv1:"));
  EXPECT_EQ((Pairs{{"admin", "old secret"}}), Users()) << "the sealed value reads the same";
}

TEST_F(LoginHistoryTest, ADamagedStoredPasswordReadsAsNone) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "S", "admin", "pw");
  {
    utils::RegKey passwords(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Passwords", true);
    ASSERT_TRUE(passwords.SetString("admin", "hv1:zz"));
    utils::RegKey recent(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Recent", true);
    ASSERT_TRUE(recent.SetString("Password", "clear text"));
  }
  EXPECT_EQ((Pairs{{"admin", ""}}), Users());
  bool remember = false;
  CString server, user, password = "x";
  CHLUtilWinRegistry("Common").GetRecentLoginInfo(remember, server, user, password);
  EXPECT_TRUE(remember);
  EXPECT_EQ(CString(""), password);
}

TEST_F(LoginHistoryTest, WithRememberOffNoPasswordIsKeptAndTheEarlierOneIsForgotten) {
  CHLUtilWinRegistry registry("Common");
  registry.SetRecentLoginInfo(true, "S", "admin", "first");
  registry.SetRecentLoginInfo(false, "S", "admin", "second");
  bool remember = true;
  CString server, user, password = "untouched";
  registry.GetRecentLoginInfo(remember, server, user, password);
  EXPECT_FALSE(remember);
  EXPECT_EQ(CString("admin"), user);
  EXPECT_EQ(CString("untouched"), password);
  EXPECT_EQ((Pairs{{"admin", ""}}), Users());
}

TEST_F(LoginHistoryTest, TheMostRecentComesFirstWithoutDuplicates) {
  CHLUtilWinRegistry registry("Common");
  registry.SetRecentLoginInfo(true, "A", "ann", "1");
  registry.SetRecentLoginInfo(false, "B", "bob", "2");
  registry.SetRecentLoginInfo(true, "A", "cid", "3");
  EXPECT_EQ((Names{"A", "B"}), Servers());
  EXPECT_EQ((Pairs{{"cid", "3"}, {"bob", ""}, {"ann", "1"}}), Users());
  registry.SetRecentLoginInfo(true, "B", "ann", "4");
  EXPECT_EQ((Names{"B", "A"}), Servers());
  EXPECT_EQ((Pairs{{"ann", "4"}, {"cid", "3"}, {"bob", ""}}), Users());
}

TEST_F(LoginHistoryTest, TheHistoryKeepsTheLastTenAndForgetsPasswordsOfDroppedUsers) {
  CHLUtilWinRegistry registry("Common");
  for (int i = 0; i < 12; ++i) {
    std::string n = std::to_string(i);
    registry.SetRecentLoginInfo(true, ("server" + n).c_str(), ("user" + n).c_str(), ("pw" + n).c_str());
  }
  Names servers = Servers();
  ASSERT_EQ(static_cast<size_t>(CHLUtilWinRegistry::kMaxHistory), servers.size());
  EXPECT_EQ("server11", servers.front());
  EXPECT_EQ("server2", servers.back());
  Pairs users = Users();
  ASSERT_EQ(10u, users.size());
  EXPECT_EQ((std::pair<std::string, std::string>{"user2", "pw2"}), users.back());
  // A dropped user that logs in again without remember has no password.
  registry.SetRecentLoginInfo(false, "server0", "user0", "x");
  EXPECT_EQ((std::pair<std::string, std::string>{"user0", ""}), Users().front());
}

TEST_F(LoginHistoryTest, EmptyNamesDoNotJoinTheHistory) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "", "", "pw");
  EXPECT_TRUE(Servers().empty());
  EXPECT_TRUE(Users().empty());
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, nullptr, nullptr, nullptr);
  EXPECT_TRUE(Servers().empty());
}

TEST_F(LoginHistoryTest, UserInfoIsPerUserAndPerProfile) {
  CHLUtilWinRegistry common("Common");
  EXPECT_EQ(CString(""), common.GetUserInfo("admin"));
  ASSERT_TRUE(common.SetUserInfo("admin", "PimRox"));
  EXPECT_EQ(0, CHLUtilWinRegistry("Common").GetUserInfo("admin").CompareNoCase("pimrox"));
  EXPECT_EQ(CString(""), CHLUtilWinRegistry("Other").GetUserInfo("admin"));
  EXPECT_EQ(CString(""), common.GetUserInfo("guest"));
  EXPECT_EQ(CString(""), common.GetUserInfo(nullptr));
  EXPECT_FALSE(common.SetUserInfo("", "x"));
}

TEST_F(LoginHistoryTest, ProfilesKeepSeparateHistories) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "S", "u", "p");
  CStringArray names;
  CHLUtilWinRegistry("Other").GetRegisteredServerNames(names);
  EXPECT_EQ(0, names.GetSize());
}

}  // namespace
