// Application settings through CWinRegistry.
#include <unistd.h>

#include "HLUtilWinRegistry.h"
#include "registry_fixture.h"

namespace {

using WinRegistryTest = TempRegistryTest;

TEST_F(WinRegistryTest, ValuesRoundTripAndMissingOnesGiveTheDefault) {
  CWinRegistry registry("Halvane", "Pellisk");
  EXPECT_EQ(7u, registry.GetProfileInt("Paths", "Count", 7));
  EXPECT_EQ(CString("none"), registry.GetProfileString("Paths", "Last", "none"));
  EXPECT_EQ(CString(""), registry.GetProfileString("Paths", "Last"));

  EXPECT_TRUE(registry.WriteProfileInt("Paths", "Count", 42));
  EXPECT_TRUE(registry.WriteProfileString("Paths", "Last", "/home/me/caf\xC3\xA9"));

  CWinRegistry again("Halvane", "Pellisk");
  EXPECT_EQ(42u, again.GetProfileInt("Paths", "Count", 7));
  EXPECT_EQ(CString("/home/me/caf\xC3\xA9"), again.GetProfileString("Paths", "Last", "none"));
  EXPECT_NE(std::string::npos, RegistryText().find("[HKEY_CURRENT_USER\\Software\\Halvane\\Pellisk\\Paths]"));
}

TEST_F(WinRegistryTest, NegativeIntegersComeBackAsTheirUnsignedWord) {
  CWinRegistry registry("Halvane", "Pellisk");
  ASSERT_TRUE(registry.WriteProfileInt("S", "Offset", -3));
  EXPECT_EQ(-3, static_cast<int>(registry.GetProfileInt("S", "Offset", 0)));
}

TEST_F(WinRegistryTest, ATextValueIsNotReadAsANumberNorTheOtherWay) {
  CWinRegistry registry("Halvane", "Pellisk");
  registry.WriteProfileString("S", "Text", "12");
  registry.WriteProfileInt("S", "Number", 12);
  EXPECT_EQ(5u, registry.GetProfileInt("S", "Text", 5));
  EXPECT_EQ(CString("x"), registry.GetProfileString("S", "Number", "x"));
}

TEST_F(WinRegistryTest, NullValueRemovesTheEntryAndNullEntryTheSection) {
  CWinRegistry registry("Halvane", "Pellisk");
  registry.WriteProfileString("S", "A", "1");
  registry.WriteProfileString("S", "B", "2");
  EXPECT_TRUE(registry.WriteProfileString("S", "A", nullptr));
  EXPECT_EQ(CString("gone"), registry.GetProfileString("S", "A", "gone"));
  EXPECT_EQ(CString("2"), registry.GetProfileString("S", "B", "gone"));
  EXPECT_TRUE(registry.WriteProfileString("S", nullptr, nullptr));
  EXPECT_EQ(CString("gone"), registry.GetProfileString("S", "B", "gone"));
  EXPECT_FALSE(registry.WriteProfileString("S", nullptr, nullptr));
}

TEST_F(WinRegistryTest, ApplicationsAndRootKeysAreSeparate) {
  CWinRegistry pellisk("Halvane", "Pellisk"), other("Halvane", "Other");
  pellisk.WriteProfileInt("S", "V", 1);
  pellisk.WriteProfileInt("S", "V", 2, HKEY_LOCAL_MACHINE);
  EXPECT_EQ(0u, other.GetProfileInt("S", "V", 0));
  EXPECT_EQ(1u, pellisk.GetProfileInt("S", "V", 0));
  EXPECT_EQ(2u, pellisk.GetProfileInt("S", "V", 0, HKEY_LOCAL_MACHINE));
}

TEST_F(WinRegistryTest, NullSectionOrEntryFailsWithoutWriting) {
  CWinRegistry registry("Halvane", "Pellisk");
  EXPECT_FALSE(registry.WriteProfileInt(nullptr, "V", 1));
  EXPECT_FALSE(registry.WriteProfileInt("S", nullptr, 1));
  EXPECT_EQ(9u, registry.GetProfileInt(nullptr, "V", 9));
  EXPECT_EQ(CString("d"), registry.GetProfileString("S", nullptr, "d"));
}

}  // namespace
