// Profile storage: round trips through the registry and through an
// initialisation file, and the layout each leaves behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "profile.h"
#include "temp_profile.h"

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  std::string ReadFile(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  halvane::test::TempProfile profile_{"mfc-profile"};
  const std::filesystem::path folder_{profile_.folder().path()};
};

TEST_F(ProfileTest, RegistryRoundTrips) {
  const afx::ProfileStore store("Halvane", "Orvex");
  EXPECT_TRUE(store.WriteString("Settings", "Path", "/data/objects"));
  EXPECT_TRUE(store.WriteInt("Settings", "Count", -5));
  const BYTE blob[] = {0x00, 0x7F, 0xFF, 0x10};
  EXPECT_TRUE(store.WriteBinary("Settings", "Blob", blob, sizeof(blob)));

  // A new store reads what the file holds, not what an object remembers.
  const afx::ProfileStore again("Halvane", "Orvex");
  EXPECT_STREQ(again.GetString("Settings", "Path", "none"), "/data/objects");
  EXPECT_EQ(static_cast<int>(again.GetInt("Settings", "Count", 0)), -5);
  const auto data = again.GetBinary("Settings", "Blob");
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(*data, std::vector<BYTE>(blob, blob + sizeof(blob)));

  // Missing entries and entries of another type give the default.
  EXPECT_STREQ(again.GetString("Settings", "Missing", "fallback"), "fallback");
  EXPECT_STREQ(again.GetString("Nowhere", "Path", nullptr), "");
  EXPECT_EQ(again.GetInt("Settings", "Path", 42), 42u);
  EXPECT_FALSE(again.GetBinary("Settings", "Path").has_value());
  EXPECT_STREQ(again.GetString("Settings", "Count", "not a string"), "not a string");
}

TEST_F(ProfileTest, RegistryLayoutIsSoftwareKeyProfileSection) {
  const afx::ProfileStore store("Halvane", "Common");
  ASSERT_TRUE(store.WriteInt("Preferences", "DoDelBODef", 1));
  ASSERT_TRUE(store.WriteString("Preferences", "Name", "value"));
  HKEY key = nullptr;
  ASSERT_EQ(::RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Halvane\\Common\\Preferences", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  EXPECT_EQ(::RegQueryValueEx(key, "DoDelBODef", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 1u);
  EXPECT_EQ(::RegQueryValueEx(key, "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  ::RegCloseKey(key);
}

TEST_F(ProfileTest, RegistryRemovesEntriesAndSections) {
  const afx::ProfileStore store("Halvane", "Orvex");
  store.WriteString("Recent", "File1", "a");
  store.WriteString("Recent", "File2", "b");
  EXPECT_TRUE(store.WriteString("Recent", "File1", nullptr));
  EXPECT_STREQ(store.GetString("Recent", "File1", "gone"), "gone");
  EXPECT_STREQ(store.GetString("Recent", "File2", ""), "b");
  EXPECT_TRUE(store.WriteString("Recent", nullptr, nullptr));
  EXPECT_STREQ(store.GetString("Recent", "File2", "gone"), "gone");
  // Bad arguments fail instead of writing somewhere unexpected.
  EXPECT_FALSE(store.WriteString(nullptr, "x", "y"));
  EXPECT_FALSE(store.WriteInt("Recent", nullptr, 1));
  EXPECT_FALSE(store.WriteBinary("Recent", "x", nullptr, 3));
}

TEST_F(ProfileTest, IniFileRoundTripsBesideTheRegistry) {
  const afx::ProfileStore store(nullptr, "orvex.INI");
  EXPECT_TRUE(store.WriteString("Settings", "Path", "/data/objects"));
  EXPECT_TRUE(store.WriteInt("Settings", "Count", 12));
  const BYTE blob[] = {0x00, 0x7F, 0xFF};
  EXPECT_TRUE(store.WriteBinary("Other", "Blob", blob, sizeof(blob)));

  EXPECT_EQ(ReadFile("orvex.INI"), "[Settings]\r\nPath=/data/objects\r\nCount=12\r\n[Other]\r\nBlob=AAPHPP\r\n");
  EXPECT_STREQ(store.GetString("settings", "PATH", ""), "/data/objects");  // any case
  EXPECT_EQ(store.GetInt("Settings", "Count", 0), 12u);
  EXPECT_EQ(store.GetInt("Settings", "Missing", 7), 7u);
  const auto data = store.GetBinary("Other", "Blob");
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(*data, std::vector<BYTE>(blob, blob + sizeof(blob)));

  EXPECT_TRUE(store.WriteString("Settings", "Path", nullptr));
  EXPECT_TRUE(store.WriteString("Other", nullptr, nullptr));
  EXPECT_EQ(ReadFile("orvex.INI"), "[Settings]\r\nCount=12\r\n");
}

TEST_F(ProfileTest, IniFileMakesItsFolder) {
  win32::SetRegistryFile((folder_ / "fresh" / "registry.reg").string());
  const afx::ProfileStore store(nullptr, "kestrun.INI");
  EXPECT_TRUE(store.WriteInt("Settings", "Count", 3));
  EXPECT_EQ(ReadFile("fresh/kestrun.INI"), "[Settings]\r\nCount=3\r\n");
}

TEST_F(ProfileTest, IniFileReadsHandWrittenFiles) {
  {
    std::ofstream out(folder_ / "hand.ini", std::ios::binary);
    out << "; settings written by hand\n[Main]\n  Name = \"quoted value\"  \nBroken line\nNegative=-3\n\n[Next]\nA=1\n";
  }
  const afx::ProfileStore store("", (folder_ / "hand.ini").string().c_str());
  EXPECT_STREQ(store.GetString("Main", "Name", ""), "quoted value");
  EXPECT_EQ(store.GetInt("Main", "Negative", 5), 0u);  // negative numbers read as zero
  EXPECT_FALSE(store.GetBinary("Main", "Name").has_value());
  // A new entry goes at the end of its section, before the blank line.
  EXPECT_TRUE(store.WriteString("Main", "Added", "yes"));
  EXPECT_EQ(ReadFile("hand.ini"),
            "; settings written by hand\r\n[Main]\r\n  Name = \"quoted value\"  \r\nBroken line\r\nNegative=-3\r\n"
            "Added=yes\r\n\r\n[Next]\r\nA=1\r\n");
}

TEST_F(ProfileTest, PrivateProfileListsSectionsAndKeys) {
  const std::string file = (folder_ / "list.ini").string();
  ::WritePrivateProfileString("One", "a", "1", file.c_str());
  ::WritePrivateProfileString("One", "b", "2", file.c_str());
  ::WritePrivateProfileString("Two", "c", "3", file.c_str());
  char buffer[64];
  DWORD length = ::GetPrivateProfileString(nullptr, nullptr, "", buffer, sizeof(buffer), file.c_str());
  EXPECT_EQ(std::string(buffer, length), std::string("One\0Two\0", 8));
  EXPECT_EQ(buffer[length], '\0');
  length = ::GetPrivateProfileString("One", nullptr, "", buffer, sizeof(buffer), file.c_str());
  EXPECT_EQ(std::string(buffer, length), std::string("a\0b\0", 4));
  // A short buffer cuts the value and still ends it.
  char small[3];
  EXPECT_EQ(::GetPrivateProfileString("Two", "c", "", small, sizeof(small), file.c_str()), 1u);
  EXPECT_EQ(::GetPrivateProfileString("Two", "missing", "default  ", small, sizeof(small), file.c_str()), 2u);
  EXPECT_STREQ(small, "de");
  EXPECT_EQ(::GetPrivateProfileString("Two", "c", "", nullptr, 0, file.c_str()), 0u);
}

}  // namespace
