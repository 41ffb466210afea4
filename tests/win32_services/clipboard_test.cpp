#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "internal/svc_clipboard.h"
#include "win32/services.h"

namespace {

std::vector<HWND> g_destroyClipboard;

LRESULT CALLBACK RecordProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROYCLIPBOARD) g_destroyClipboard.push_back(hwnd);
  return DefWindowProc(hwnd, msg, wp, lp);
}

HGLOBAL Text(const char* s) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, std::strlen(s) + 1);
  std::strcpy(static_cast<char*>(GlobalLock(h)), s);
  GlobalUnlock(h);
  return h;
}

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    g_destroyClipboard.clear();
    WNDCLASSEX wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = RecordProc;
    wc.lpszClassName = "SvcClipTest";
    RegisterClassEx(&wc);
    a_ = CreateWindowEx(0, "SvcClipTest", "a", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    b_ = CreateWindowEx(0, "SvcClipTest", "b", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override { win32::ResetWindowSystem(); }
  HWND a_ = nullptr, b_ = nullptr;
};

TEST_F(ClipboardTest, OneOpenerAtATimeAndDataNeedsIt) {
  ASSERT_TRUE(OpenClipboard(a_));
  EXPECT_FALSE(OpenClipboard(b_));
  EXPECT_EQ(a_, GetOpenClipboardWindow());
  EXPECT_TRUE(CloseClipboard());
  EXPECT_FALSE(CloseClipboard());
  EXPECT_FALSE(EmptyClipboard());
  HGLOBAL h = Text("x");
  EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, h));
  GlobalFree(h);
  EXPECT_TRUE(OpenClipboard(b_));
  EXPECT_TRUE(CloseClipboard());
}

TEST_F(ClipboardTest, FormatsOwnershipAndDestroyNotice) {
  ASSERT_TRUE(OpenClipboard(a_));
  ASSERT_TRUE(EmptyClipboard());
  const UINT custom = RegisterClipboardFormat("CF_QROBJ");
  HGLOBAL text = Text("hello");
  EXPECT_EQ(text, SetClipboardData(CF_TEXT, text));
  EXPECT_EQ(nullptr, SetClipboardData(custom, nullptr));
  SetClipboardData(custom, Text("rec"));
  EXPECT_EQ(2, CountClipboardFormats());
  EXPECT_EQ(static_cast<UINT>(CF_TEXT), EnumClipboardFormats(0));
  EXPECT_EQ(custom, EnumClipboardFormats(CF_TEXT));
  EXPECT_EQ(0u, EnumClipboardFormats(custom));
  EXPECT_STREQ("hello", static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT))));
  GlobalUnlock(GetClipboardData(CF_TEXT));
  EXPECT_EQ(nullptr, GetClipboardData(CF_DIB));
  CloseClipboard();
  EXPECT_EQ(a_, GetClipboardOwner());
  EXPECT_TRUE(IsClipboardFormatAvailable(custom));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_TRUE(g_destroyClipboard.empty());

  // Emptying by another window tells the old owner and frees its data.
  ASSERT_TRUE(OpenClipboard(b_));
  ASSERT_TRUE(EmptyClipboard());
  ASSERT_EQ(1u, g_destroyClipboard.size());
  EXPECT_EQ(a_, g_destroyClipboard[0]);
  EXPECT_EQ(0u, GlobalSize(text));
  EXPECT_EQ(0, CountClipboardFormats());
  CloseClipboard();
  EXPECT_EQ(b_, GetClipboardOwner());
  DestroyWindow(b_);
  EXPECT_EQ(nullptr, GetClipboardOwner());
}

TEST_F(ClipboardTest, RegisteredFormatsAreStableAndNamed) {
  const UINT id = RegisterClipboardFormat("CF_QROBJ");
  EXPECT_GE(id, 0xC000u);
  EXPECT_EQ(id, RegisterClipboardFormat("cf_qrobj"));
  EXPECT_NE(id, RegisterClipboardFormat("Other"));
  char name[32];
  EXPECT_EQ(8, GetClipboardFormatName(id, name, sizeof name));
  EXPECT_STREQ("CF_QROBJ", name);
  EXPECT_EQ(0, GetClipboardFormatName(CF_TEXT, name, sizeof name));
  win32::ResetWindowSystem();
  EXPECT_EQ(id, RegisterClipboardFormat("CF_QROBJ"));
}

TEST_F(ClipboardTest, ResetEmptiesAndTextHelpersAndProviderWork) {
  EXPECT_TRUE(win32::internal::WriteClipboardText(a_, "copied"));
  EXPECT_EQ("copied", win32::internal::ReadClipboardText(nullptr).value_or(""));
  win32::ResetWindowSystem();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(win32::internal::ReadClipboardText(nullptr).has_value());

  std::string published;
  win32::internal::SetClipboardTextProvider(
      {[&](const std::string& t) { published = t; }, [] { return std::optional<std::string>("from display"); }});
  EXPECT_EQ("from display", win32::internal::ReadClipboardText(nullptr).value_or(""));
  EXPECT_TRUE(win32::internal::WriteClipboardText(nullptr, "mine"));
  EXPECT_EQ("mine", published);
  win32::internal::SetClipboardTextProvider({});
}

TEST(GlobalMemoryTest, MoveableAndFixedBlocksAndStaleHandles) {
  HGLOBAL m = GlobalAlloc(GHND, 16);
  ASSERT_NE(nullptr, m);
  EXPECT_EQ(16u, GlobalSize(m));
  auto* p = static_cast<BYTE*>(GlobalLock(m));
  EXPECT_EQ(0, p[15]);
  EXPECT_EQ(m, GlobalHandle(p));
  EXPECT_NE(nullptr, GlobalLock(m));
  EXPECT_TRUE(GlobalUnlock(m));
  EXPECT_FALSE(GlobalUnlock(m));
  EXPECT_EQ(static_cast<DWORD>(NO_ERROR), GetLastError());
  EXPECT_FALSE(GlobalUnlock(m));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_LOCKED), GetLastError());
  p[0] = 7;
  HGLOBAL grown = GlobalReAlloc(m, 64, GMEM_ZEROINIT);
  EXPECT_EQ(m, grown);
  p = static_cast<BYTE*>(GlobalLock(m));
  EXPECT_EQ(7, p[0]);
  EXPECT_EQ(0, p[63]);
  GlobalUnlock(m);
  EXPECT_EQ(nullptr, GlobalFree(m));
  EXPECT_EQ(m, GlobalFree(m));
  EXPECT_EQ(nullptr, GlobalLock(m));
  EXPECT_EQ(0u, GlobalSize(m));

  HGLOBAL f = GlobalAlloc(GPTR, 8);
  EXPECT_EQ(f, GlobalLock(f));
  EXPECT_EQ(nullptr, GlobalReAlloc(f, 100, 0));
  EXPECT_EQ(nullptr, LocalFree(f));
  EXPECT_EQ(0u, LocalSize(f));
}

}  // namespace
