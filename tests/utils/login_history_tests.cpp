// The login history of the shared profile.
#include <unistd.h>

#include <cstring>
#include <string>

#include "HLUtilWinRegistry.h"
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

// Writes a value behind the library's back, as a damaged file would hold it.
bool PlantString(const char* key, const char* name, const char* value) {
  HKEY opened = nullptr;
  if (::RegCreateKeyEx(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG written = ::RegSetValueEx(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                       static_cast<DWORD>(std::strlen(value) + 1));
  ::RegCloseKey(opened);
  return written == ERROR_SUCCESS;
}

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

TEST_F(LoginHistoryTest, PasswordsAreNeverWrittenAsClearText) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "S", "admin", "VerySecretWord");
  std::string text = RegistryText();
  EXPECT_EQ(std::string::npos, text.find("VerySecretWord"));
  EXPECT_NE(std::string::npos, text.find("admin"));
}

TEST_F(LoginHistoryTest, ADamagedStoredPasswordReadsAsNone) {
  CHLUtilWinRegistry("Common").SetRecentLoginInfo(true, "S", "admin", "pw");
  ASSERT_TRUE(PlantString("Software\\Halvane\\Common\\Passwords", "admin", "hv1:zz"));
  ASSERT_TRUE(PlantString("Software\\Halvane\\Common\\Recent", "Password", "clear text"));
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
