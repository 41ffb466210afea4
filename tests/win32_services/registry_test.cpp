#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "win32/winreg.h"

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/svc_reg_XXXXXX";
    folder_ = mkdtemp(dir);
    file_ = folder_ + "/registry.reg";
    win32::SetRegistryFile(file_);
  }
  void TearDown() override {
    win32::SetRegistryFile("");
    std::system(("rm -rf " + folder_).c_str());
  }
  HKEY Create(const char* path) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    return key;
  }
  void WriteFile(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
  std::string folder_, file_;
};

TEST_F(RegistryTest, EveryTypeRoundTripsThroughTheFile) {
  HKEY key = Create("Software\\Halvane\\Test");
  const char text[] = "C:\\path \"quoted\"";
  const DWORD number = 42;
  const BYTE bin[] = {0, 1, 0xFE, 0xFF};
  const char multi[] = "a\0bc\0";
  const char expand[] = "%HOME%\\x";
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "Bin", 0, REG_BINARY, bin, sizeof bin));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "Multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi), 6));
  ASSERT_EQ(ERROR_SUCCESS,
            RegSetValueEx(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand), sizeof expand));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("dflt"), 5));
  RegCloseKey(key);

  const std::string expected =
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Halvane\\Test]\r\n"
      "\"Text\"=\"C:\\\\path \\\"quoted\\\"\"\r\n"
      "\"Number\"=dword:0000002a\r\n"
      "\"Bin\"=hex:00,01,fe,ff\r\n"
      "\"Multi\"=hex(7):61,00,62,63,00,00\r\n"
      "\"Expand\"=hex(2):25,48,4f,4d,45,25,5c,78,00\r\n"
      "@=\"dflt\"\r\n\r\n";
  EXPECT_EQ(expected, ReadText(file_));

  // A new store instance (another path, then back) reads it all again.
  win32::SetRegistryFile(folder_ + "/other.reg");
  win32::SetRegistryFile(file_);
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "software\\HALVANE\\test", 0, KEY_READ, &key));
  char buf[64];
  DWORD type = 0, size = sizeof buf;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "text", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size));
  EXPECT_EQ(REG_SZ, type);
  EXPECT_EQ(sizeof text, size);
  EXPECT_STREQ(text, buf);
  DWORD got = 0;
  size = 4;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Number", nullptr, &type, reinterpret_cast<BYTE*>(&got), &size));
  EXPECT_EQ(REG_DWORD, type);
  EXPECT_EQ(42u, got);
  size = sizeof buf;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Multi", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size));
  EXPECT_EQ(REG_MULTI_SZ, type);
  EXPECT_EQ(0, memcmp(buf, multi, 6));
  size = sizeof buf;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size));
  EXPECT_STREQ("dflt", buf);
  RegCloseKey(key);
}

TEST_F(RegistryTest, QuerySizesAndMissingValues) {
  HKEY key = Create("Software\\Q");
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "V", 0, REG_SZ, reinterpret_cast<const BYTE*>("hello"), 6));
  DWORD size = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "V", nullptr, nullptr, nullptr, &size));
  EXPECT_EQ(6u, size);
  char small[3];
  size = sizeof small;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(key, "V", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size));
  EXPECT_EQ(6u, size);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueEx(key, "Nope", nullptr, nullptr, nullptr, &size));
  HKEY missing = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Absent", 0, KEY_READ, &missing));
  EXPECT_EQ(nullptr, missing);
  DWORD disposition = 0;
  HKEY again = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Q", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                          &again, &disposition));
  EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
  RegCloseKey(again);
  RegCloseKey(key);
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegSetValueEx(key, "V", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size), 4));
}

TEST_F(RegistryTest, EnumeratesAndDeletesLeafKeysOnly) {
  HKEY parent = Create("Software\\E");
  RegCloseKey(Create("Software\\E\\beta"));
  RegCloseKey(Create("Software\\E\\Alpha\\Deep"));
  const DWORD one = 1;
  RegSetValueEx(parent, "first", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
  RegSetValueEx(parent, "second", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);

  char name[32];
  DWORD cch = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyEx(parent, 0, name, &cch, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ("Alpha", name);
  EXPECT_EQ(5u, cch);
  cch = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyEx(parent, 1, name, &cch, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ("beta", name);
  cch = 3;
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyEx(parent, 1, name, &cch, nullptr, nullptr, nullptr, nullptr));
  cch = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyEx(parent, 2, name, &cch, nullptr, nullptr, nullptr, nullptr));

  DWORD type = 0;
  cch = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumValue(parent, 1, name, &cch, nullptr, &type, nullptr, nullptr));
  EXPECT_STREQ("second", name);
  EXPECT_EQ(REG_DWORD, type);
  cch = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumValue(parent, 2, name, &cch, nullptr, nullptr, nullptr, nullptr));

  DWORD subkeys = 0, values = 0, maxName = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryInfoKey(parent, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                           &maxName, nullptr, nullptr, nullptr));
  EXPECT_EQ(2u, subkeys);
  EXPECT_EQ(2u, values);
  EXPECT_EQ(6u, maxName);

  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKey(parent, "Alpha"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKey(parent, "Alpha\\Deep"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKey(parent, "Alpha"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKey(parent, "Alpha"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteValue(parent, "first"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValue(parent, "first"));

  // A handle whose key went away answers ERROR_KEY_DELETED.
  HKEY beta = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKey(parent, "beta", &beta));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKey(parent, "beta"));
  EXPECT_EQ(ERROR_KEY_DELETED, RegSetValueEx(beta, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4));
  RegCloseKey(beta);
  RegCloseKey(parent);
  EXPECT_EQ(std::string::npos, ReadText(file_).find("Alpha"));
}

TEST_F(RegistryTest, ReadsSeeAnotherWritersFile) {
  HKEY key = Create("Software\\R");
  DWORD v = 0, size = 4;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueEx(key, "Late", nullptr, nullptr, reinterpret_cast<BYTE*>(&v), &size));
  WriteFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\R]\n\"Late\"=dword:00000007\n");
  size = 4;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Late", nullptr, nullptr, reinterpret_cast<BYTE*>(&v), &size));
  EXPECT_EQ(7u, v);
  RegCloseKey(key);
}

TEST_F(RegistryTest, MalformedLinesAreSkippedAndTheRestKept) {
  WriteFile(
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\M]\r\n"
      "\"Good\"=\"yes\"\r\n"
      "\"Broken\"=dword:zz\r\n"
      "\"Unterminated=\"x\r\n"
      "garbage line\r\n"
      "\"Hex\"=hex:01,\\\r\n"
      "  02,03\r\n"
      "[NOT_A_ROOT\\X]\r\n"
      "\"Lost\"=\"no\"\r\n"
      "[HKEY_CURRENT_USER\\Software\\M\r\n"
      "\"Num\"=dword:00000010\r\n");
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\M", 0, KEY_READ, &key));
  DWORD values = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                           nullptr, nullptr, nullptr));
  EXPECT_EQ(2u, values);
  BYTE buf[8];
  DWORD size = sizeof buf;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Hex", nullptr, nullptr, buf, &size));
  EXPECT_EQ(3u, size);
  EXPECT_EQ(3, buf[2]);
  RegCloseKey(key);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "X", 0, KEY_READ, &key));
}

TEST_F(RegistryTest, AFileWithUnreadableLinesIsKeptBeforeItIsWritten) {
  const std::string broken =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\B]\r\n\"Kept\"=\"yes\"\r\n"
      "[HKEY_CURRENT_USER\\Software\\Lost\r\n\"Orphan\"=\"no\"\r\n";
  WriteFile(broken);
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\B", 0, KEY_ALL_ACCESS, &key));
  const DWORD one = 1;
  testing::internal::CaptureStderr();
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "New", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4));
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "Newer", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4));
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadText(file_ + ".bak"), broken) << "what the writer could not keep stays on disk";
  EXPECT_NE(told.find(file_ + " held lines that could not be read; the file is kept as " + file_ + ".bak"),
            std::string::npos)
      << told;
  EXPECT_EQ(told.find("held lines", told.find("held lines") + 1), std::string::npos) << "said once: " << told;
  EXPECT_NE(ReadText(file_).find("\"New\"=dword:00000001"), std::string::npos);
  EXPECT_NE(ReadText(file_).find("\"Kept\"=\"yes\""), std::string::npos);

  // A second bad file (a UTF-16 export) gets a backup of its own.
  const std::string wide("\xff\xfeW\0i\0n\0d\0o\0w\0s\0\r\0\n\0", 20);
  WriteFile(wide);
  testing::internal::CaptureStderr();
  RegCloseKey(Create("Software\\C"));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadText(file_ + ".bak"), broken) << "a backup is never overwritten";
  EXPECT_EQ(ReadText(file_ + ".bak.1"), wide);
  RegCloseKey(key);
}

TEST_F(RegistryTest, ADeepKeyIsWrittenAsOneLine) {
  constexpr int kDepth = 300;
  std::string path = "Software\\Deep";
  for (int i = 0; i < kDepth; ++i) path += "\\L" + std::to_string(i);
  HKEY key = Create(path.c_str());
  const DWORD seven = 7;
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "Leaf", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seven), 4));
  RegCloseKey(key);
  const std::string text = ReadText(file_);
  EXPECT_EQ(std::count(text.begin(), text.end(), '['), 1) << "the parents are made by the leaf's line";
  EXPECT_LT(text.size(), path.size() + 100);
  // Read back from the file, not the cache.
  win32::SetRegistryFile(file_);
  HKEY middle = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "software\\deep\\l0\\l1", 0, KEY_READ, &middle));
  char name[16];
  DWORD cch = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyEx(middle, 0, name, &cch, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ(name, "L2");
  RegCloseKey(middle);
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key));
  DWORD value = 0, size = 4;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Leaf", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
  EXPECT_EQ(value, 7u);
  RegCloseKey(key);
  // An empty leaf still needs its own line.
  RegCloseKey(Create("Software\\Deep\\Empty"));
  EXPECT_NE(ReadText(file_).find("[HKEY_CURRENT_USER\\Software\\Deep\\Empty]"), std::string::npos);
}

}  // namespace
