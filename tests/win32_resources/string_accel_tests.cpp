// String tables and accelerator tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "command_ids.h"
#include "resource.h"
#include "win32/input.h"

namespace {

TEST(Strings, LoadStringCopiesTerminatesAndCountsBytes) {
  HINSTANCE self = GetModuleHandle(nullptr);
  char buffer[128];
  EXPECT_EQ(LoadString(self, IDS_HELLO, buffer, sizeof buffer), 12);
  EXPECT_STREQ(buffer, "Hello, world");
  int length = LoadString(self, IDS_SECOND, buffer, sizeof buffer);
  EXPECT_EQ(length, int(std::strlen(buffer)));
  EXPECT_STREQ(buffer, "Tab\there, quote \"x\" and \"y\", back\\slash\nline");
  // UTF-8 back from UTF-16: lengths count bytes.
  EXPECT_EQ(LoadString(self, IDS_UTF8, buffer, sizeof buffer), 10);
  EXPECT_STREQ(buffer, "Grüße %1");

  char small[6];
  EXPECT_EQ(LoadString(self, IDS_HELLO, small, sizeof small), 5);
  EXPECT_STREQ(small, "Hello");
  // Truncation never cuts a UTF-8 sequence in half: "Grü" is 4 bytes.
  char cut[4];
  EXPECT_EQ(LoadString(self, IDS_UTF8, cut, sizeof cut), 2);
  EXPECT_STREQ(cut, "Gr");
}

TEST(Strings, MissingStringsAnswerZeroAndAnEmptyBuffer) {
  HINSTANCE self = GetModuleHandle(nullptr);
  char buffer[16] = "junk";
  EXPECT_EQ(LoadString(self, 2, buffer, sizeof buffer), 0);  // same block as IDS_HELLO, empty slot
  EXPECT_STREQ(buffer, "");
  std::strcpy(buffer, "junk");
  EXPECT_EQ(LoadString(self, 5000, buffer, sizeof buffer), 0);  // no such block
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(LoadString(win32::RegisterModule("strings_other", "/tmp/o.so"), IDS_HELLO, buffer, sizeof buffer), 0);
  EXPECT_EQ(LoadString(self, IDS_HELLO, nullptr, 10), 0);
}

std::vector<WPARAM> g_commands;

LRESULT CALLBACK CommandProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) g_commands.push_back(wParam);
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

class Accelerators : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
    WNDCLASS wc{};
    wc.lpfnWndProc = CommandProc;
    wc.hInstance = GetModuleHandle(nullptr);
    wc.lpszClassName = "AccelTarget";
    RegisterClass(&wc);
    hwnd_ = CreateWindowEx(0, "AccelTarget", "t", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandle(nullptr), nullptr);
    table_ = LoadAccelerators(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_ACCEL));
    g_commands.clear();
  }
  void TearDown() override {
    DestroyAcceleratorTable(table_);
    win32::ResetWindowSystem();
  }

  // Injected keys travel through the queue; the key state follows them.
  static void Press(UINT vk, bool down) {
    if (down)
      win32::input::KeyDown(vk);
    else
      win32::input::KeyUp(vk);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
  }

  int Translate(UINT message, WPARAM wParam) {
    MSG msg{hwnd_, message, wParam, 0, 0, {0, 0}};
    return TranslateAccelerator(hwnd_, table_, &msg);
  }

  HWND hwnd_ = nullptr;
  HACCEL table_ = nullptr;
};

TEST_F(Accelerators, TableHoldsTheScriptEntries) {
  ASSERT_NE(table_, nullptr);
  ASSERT_EQ(CopyAcceleratorTable(table_, nullptr, 0), 6);
  ACCEL entries[6];
  ASSERT_EQ(CopyAcceleratorTable(table_, entries, 6), 6);
  EXPECT_EQ(entries[0].fVirt, FVIRTKEY | FNOINVERT);
  EXPECT_EQ(entries[0].key, VK_F5);
  EXPECT_EQ(entries[0].cmd, ID_TOOLS_RUN);
  EXPECT_EQ(entries[2].fVirt, FVIRTKEY | FCONTROL);
  EXPECT_EQ(entries[2].key, 'S');
  EXPECT_EQ(entries[3].fVirt, FVIRTKEY | FCONTROL | FSHIFT);
  EXPECT_EQ(entries[4].fVirt, 0);
  EXPECT_EQ(entries[4].key, 17);  // "^Q"
  EXPECT_EQ(entries[5].key, 'a');
  ACCEL two[2];
  EXPECT_EQ(CopyAcceleratorTable(table_, two, 2), 2);  // the last-entry flag is not an ACCEL bit
  EXPECT_EQ(entries[5].fVirt & 0x80, 0);
}

TEST_F(Accelerators, VirtualKeysNeedExactlyTheirModifiers) {
  EXPECT_EQ(Translate(WM_KEYDOWN, VK_F5), 1);
  EXPECT_EQ(Translate(WM_KEYDOWN, 'S'), 0);  // needs Control
  Press(VK_CONTROL, true);
  EXPECT_EQ(Translate(WM_KEYDOWN, 'S'), 1);
  EXPECT_EQ(Translate(WM_KEYDOWN, VK_F5), 0);  // Control is down, F5 has none
  EXPECT_EQ(Translate(WM_KEYDOWN, 'P'), 0);    // needs Shift too
  Press(VK_SHIFT, true);
  EXPECT_EQ(Translate(WM_KEYDOWN, 'P'), 1);
  Press(VK_SHIFT, false);
  Press(VK_CONTROL, false);
  EXPECT_EQ(Translate(WM_KEYUP, VK_F5), 0);
  EXPECT_EQ(g_commands, (std::vector<WPARAM>{MAKEWPARAM(ID_TOOLS_RUN, 1), MAKEWPARAM(kIdFileSave, 1),
                                             MAKEWPARAM(kIdFilePrint, 1)}));
}

TEST_F(Accelerators, CharacterEntriesMatchWmChar) {
  EXPECT_EQ(Translate(WM_CHAR, 'a'), 1);
  EXPECT_EQ(Translate(WM_CHAR, 'A'), 0);
  EXPECT_EQ(Translate(WM_CHAR, 17), 1);
  EXPECT_EQ(Translate(WM_KEYDOWN, 'A'), 0);  // an ASCII entry is no virtual key
  EXPECT_EQ(g_commands, (std::vector<WPARAM>{MAKEWPARAM(ID_TOOLS_STOP, 1), MAKEWPARAM(kIdAppExit, 1)}));
}

TEST_F(Accelerators, CreatedTablesAndStaleHandles) {
  ACCEL accel[] = {{FVIRTKEY | FALT, 'X', 900}};
  HACCEL made = CreateAcceleratorTable(accel, 1);
  ASSERT_NE(made, nullptr);
  MSG msg{hwnd_, WM_SYSKEYDOWN, 'X', LPARAM(1) << 29, 0, {0, 0}};
  EXPECT_EQ(TranslateAccelerator(hwnd_, made, &msg), 1);
  EXPECT_EQ(g_commands, std::vector<WPARAM>{MAKEWPARAM(900, 1)});
  EXPECT_TRUE(DestroyAcceleratorTable(made));
  EXPECT_FALSE(DestroyAcceleratorTable(made));
  EXPECT_EQ(TranslateAccelerator(hwnd_, made, &msg), 0);
  EXPECT_EQ(CopyAcceleratorTable(made, nullptr, 0), 0);
  EXPECT_EQ(CreateAcceleratorTable(accel, 0), nullptr);
  EXPECT_EQ(LoadAccelerators(GetModuleHandle(nullptr), MAKEINTRESOURCE(4242)), nullptr);
}

}  // namespace
