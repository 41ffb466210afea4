// Modules, library entries and the resource store.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "internal/res_store.h"
#include "resource.h"

namespace {

std::vector<DWORD> g_reasons;
BOOL RecordingEntry(HINSTANCE, DWORD reason, LPVOID) {
  g_reasons.push_back(reason);
  return TRUE;
}
BOOL RefusingEntry(HINSTANCE, DWORD reason, LPVOID) {
  g_reasons.push_back(reason);
  return FALSE;
}

const unsigned char kBlob[] = {1, 2, 3, 4, 5};

TEST(Modules, ProgramModuleOwnsTheScriptResources) {
  HMODULE main = GetModuleHandle(nullptr);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(GetModuleHandle("resources_tests"), main);
  EXPECT_EQ(GetModuleHandle("RESOURCES_TESTS"), main);  // names ignore case
  EXPECT_NE(FindResource(main, MAKEINTRESOURCE(IDD_OPTIONS), RT_DIALOG), nullptr);
  EXPECT_NE(FindResource(nullptr, MAKEINTRESOURCE(IDD_OPTIONS), RT_DIALOG), nullptr);
}

TEST(Modules, FileNames) {
  char buffer[MAX_PATH];
  DWORD length = GetModuleFileName(nullptr, buffer, sizeof buffer);
  ASSERT_GT(length, 0u);
  EXPECT_NE(std::string(buffer).find("win32_resources_tests"), std::string::npos);

  HINSTANCE lib = win32::RegisterModule("libdemo", "/opt/x/bin/libdemo.so");
  EXPECT_EQ(win32::RegisterModule("LibDemo", "/elsewhere.so"), lib);  // idempotent by name
  EXPECT_EQ(GetModuleFileName(lib, buffer, sizeof buffer), std::strlen("/opt/x/bin/libdemo.so"));
  EXPECT_STREQ(buffer, "/opt/x/bin/libdemo.so");
  EXPECT_EQ(GetModuleHandle("libdemo.so"), lib);

  // A short buffer gets a terminated prefix and the buffer size.
  char small[5];
  EXPECT_EQ(GetModuleFileName(lib, small, sizeof small), 5u);
  EXPECT_STREQ(small, "/opt");

  EXPECT_EQ(GetModuleHandle("no-such-module"), nullptr);
  EXPECT_EQ(GetModuleFileName(reinterpret_cast<HMODULE>(0x1234), buffer, sizeof buffer), 0u);
}

TEST(Modules, LibraryEntryAttachesAtOnceAndFailuresAreReported) {
  g_reasons.clear();
  HINSTANCE good = win32::RegisterModule("entry_good", "/tmp/good.so");
  win32::RegisterLibraryEntry(good, RecordingEntry);
  EXPECT_EQ(g_reasons, std::vector<DWORD>{DLL_PROCESS_ATTACH});
  EXPECT_FALSE(win32::ModuleLoadFailed(good));

  HINSTANCE bad = win32::RegisterModule("entry_bad", "/tmp/bad.so");
  win32::internal::AddResource(bad, RT_RCDATA, MAKEINTRESOURCE(9), kBlob, sizeof kBlob);
  ASSERT_NE(FindResource(bad, MAKEINTRESOURCE(9), RT_RCDATA), nullptr);
  EXPECT_EQ(GetModuleHandle("entry_bad"), bad);
  win32::RegisterLibraryEntry(bad, RefusingEntry);
  EXPECT_TRUE(win32::ModuleLoadFailed(bad));
  EXPECT_EQ(g_reasons.size(), 2u);
  // A refused attach means the library did not load: neither it nor its
  // resources are found any more.
  EXPECT_EQ(GetModuleHandle("entry_bad"), nullptr);
  EXPECT_EQ(FindResource(bad, MAKEINTRESOURCE(9), RT_RCDATA), nullptr);
  EXPECT_EQ(GetModuleHandle("entry_good"), good);
}

TEST(ResourceStore, LookupByIntegerStringAndHashName) {
  HINSTANCE lib = win32::RegisterModule("store_lib", "/tmp/store.so");
  win32::internal::AddResource(lib, "Custom", "Blob", kBlob, sizeof kBlob);
  win32::internal::AddResource(lib, RT_RCDATA, MAKEINTRESOURCE(7), kBlob, 3);

  HRSRC named = FindResource(lib, "BLOB", "custom");
  ASSERT_NE(named, nullptr);
  EXPECT_EQ(SizeofResource(lib, named), sizeof kBlob);
  EXPECT_EQ(LockResource(LoadResource(lib, named)), static_cast<const void*>(kBlob));  // never copied

  HRSRC numbered = FindResource(lib, "#7", RT_RCDATA);
  ASSERT_NE(numbered, nullptr);
  EXPECT_EQ(SizeofResource(lib, numbered), 3u);

  // Resources are per module: the same id elsewhere is a miss.
  SetLastError(0);
  EXPECT_EQ(FindResource(GetModuleHandle(nullptr), MAKEINTRESOURCE(7), RT_RCDATA), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(FindResource(reinterpret_cast<HMODULE>(0x99), MAKEINTRESOURCE(7), RT_RCDATA), nullptr);
  EXPECT_EQ(LoadResource(lib, reinterpret_cast<HRSRC>(0xFFFFFF)), nullptr);
  EXPECT_EQ(SizeofResource(lib, nullptr), 0u);
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  auto* names = reinterpret_cast<std::vector<std::string>*>(param);
  names->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name);
  return TRUE;
}

TEST(ResourceStore, EnumResourceNamesListsEachName) {
  std::vector<std::string> names;
  EXPECT_TRUE(EnumResourceNames(nullptr, RT_BITMAP, CollectName, reinterpret_cast<LONG_PTR>(&names)));
  // Named entries come before numbered ones, as in a module's resource directory.
  EXPECT_EQ(names, (std::vector<std::string>{"IDB_SPLASH", "#140"}));
  EXPECT_FALSE(EnumResourceNames(nullptr, "NOTHING", CollectName, reinterpret_cast<LONG_PTR>(&names)));
}

TEST(ResourceStore, CustomTypedClipAndVersionInfo) {
  HRSRC clip = FindResource(nullptr, MAKEINTRESOURCE(IDR_CLIP), "avi");
  ASSERT_NE(clip, nullptr);
  EXPECT_EQ(std::memcmp(LockResource(LoadResource(nullptr, clip)), "RIFF", 4), 0);

  HRSRC version = FindResource(nullptr, MAKEINTRESOURCE(1), RT_VERSION);
  ASSERT_NE(version, nullptr);
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, version)));
  WORD length = WORD(data[0] | data[1] << 8);
  EXPECT_EQ(length, SizeofResource(nullptr, version));
  // VS_FIXEDFILEINFO after the header and "VS_VERSION_INFO" (padded to 40).
  DWORD fixed[4];
  std::memcpy(fixed, data + 40, sizeof fixed);
  EXPECT_EQ(fixed[0], 0xFEEF04BDu);
  EXPECT_EQ(fixed[2], 0x00010002u);
  EXPECT_EQ(fixed[3], 0x00030004u);
}

TEST(ResourceStore, ModulesSurviveAResetButMenusDoNot) {
  win32::ResetWindowSystem();  // as every test's set-up does
  HMENU menu = CreateMenu();
  HACCEL table = LoadAccelerators(nullptr, MAKEINTRESOURCE(IDR_ACCEL));
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(IsMenu(menu));
  win32::ResetWindowSystem();
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_EQ(CopyAcceleratorTable(table, nullptr, 0), 0);
  EXPECT_NE(FindResource(nullptr, MAKEINTRESOURCE(IDD_OPTIONS), RT_DIALOG), nullptr);
  EXPECT_EQ(GetModuleHandle("resources_tests"), GetModuleHandle(nullptr));
}

}  // namespace
