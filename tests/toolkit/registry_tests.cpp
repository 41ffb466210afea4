// The registry class over the window system's registry file: values
// round-trip, keys are created with full access, and each failure answers
// FALSE with the window system's error code.
#include <secall.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "temp_profile.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  halvane::test::TempProfile profile_{"sec_reg"};
  const halvane::test::TempFolder& folder_ = profile_.folder();
};

TEST_F(RegistryTest, StringAndNumberValuesRoundTrip) {
  {
    SECRegistry reg;
    ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER));
    DWORD disposition = 0;
    ASSERT_TRUE(reg.Create("Software\\Halvane\\Orvex\\Settings\\KBRX Profiles\\", "", SECRegistry::optionsNonVolatile,
                           SECRegistry::permissionAllAccess, &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_EQ(reg.GetKeyName(), CString("Software\\Halvane\\Orvex\\Settings\\KBRX Profiles"));
    EXPECT_TRUE(reg.SetStringValue("Serialization", "/home/u/kbrxprof.bod"));
    EXPECT_TRUE(reg.SetDoubleWordValue("Count", 3));
    EXPECT_TRUE(reg.Close());
  }
  SECRegistry reg;
  ASSERT_TRUE(reg.Connect());
  // With or without the trailing backslash the name is the same key.
  DWORD disposition = 0;
  ASSERT_TRUE(reg.Create("Software\\Halvane\\Orvex\\Settings\\KBRX Profiles", "", SECRegistry::optionsNonVolatile,
                         SECRegistry::permissionAllAccess, &disposition));
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  CString path;
  EXPECT_TRUE(reg.GetStringValue("Serialization", path));
  EXPECT_EQ(path, CString("/home/u/kbrxprof.bod"));
  DWORD count = 0;
  EXPECT_TRUE(reg.GetDoubleWordValue("Count", count));
  EXPECT_EQ(count, 3u);
  EXPECT_TRUE(reg.SetStringValue("Serialization", ""));
  EXPECT_TRUE(reg.GetStringValue("Serialization", path));
  EXPECT_TRUE(path.IsEmpty());
  EXPECT_TRUE(reg.DeleteValue("Count"));
  EXPECT_FALSE(reg.GetDoubleWordValue("Count", count));
  // The values are in the registry file for every other program.
  std::ifstream in(folder_ / "registry.reg");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Halvane\\Orvex\\Settings\\KBRX Profiles]"), std::string::npos);
}

TEST_F(RegistryTest, FailuresAnswerFalseWithTheirErrorCode) {
  SECRegistry reg;
  CString value = "unchanged";
  EXPECT_FALSE(reg.Create("Software\\Halvane")) << "not connected";
  EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(reg.Connect(reinterpret_cast<HKEY>(0x1234)));
  EXPECT_FALSE(reg.Connect(HKEY_CURRENT_USER, "OTHERHOST"));
  ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER));
  EXPECT_EQ(reg.GetErrorCode(), ERROR_SUCCESS);
  EXPECT_FALSE(reg.GetStringValue("Serialization", value)) << "no key open";
  EXPECT_EQ(reg.GetErrorCode(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(reg.SetStringValue("Serialization", "x"));
  EXPECT_FALSE(reg.Open("Software\\Missing"));
  EXPECT_EQ(reg.GetErrorCode(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(reg.IsOpen());
  EXPECT_FALSE(reg.Create("\\"));
  ASSERT_TRUE(reg.Create("Software\\Halvane\\Test"));
  EXPECT_FALSE(reg.GetStringValue("Missing", value));
  EXPECT_EQ(reg.GetErrorCode(), ERROR_FILE_NOT_FOUND);
  ASSERT_TRUE(reg.SetDoubleWordValue("Number", 7));
  EXPECT_FALSE(reg.GetStringValue("Number", value)) << "a number is no string";
  EXPECT_EQ(value, CString("unchanged"));
}

TEST_F(RegistryTest, AnUnwritableRegistryFileFailsTheWrite) {
  folder_.file("blocker");
  win32::SetRegistryFile(folder_ / "blocker/registry.reg");
  SECRegistry reg;
  ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER));
  bool failed = !reg.Create("Software\\Halvane\\Test") || !reg.SetStringValue("Serialization", "x");
  EXPECT_TRUE(failed);
  EXPECT_NE(reg.GetErrorCode(), ERROR_SUCCESS);
}

}  // namespace
