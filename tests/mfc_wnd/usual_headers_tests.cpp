// The header names programs written for the class library include, and the
// CWnd members they call that have a same-named system function.
#include <afxdllx.h>
#include <afxpriv.h>
#include <dlgs.h>
#include <shellapi.h>

#include "wnd_fixture.h"

namespace {

using UsualHeadersTest = WndTest;

// What each header is included for.
static_assert(WM_KICKIDLE == 0x036A);
static_assert(WM_IDLEUPDATECMDUI == 0x0363);
static_assert(edt1 == 0x0480 && lst1 == 0x0460 && cmb1 == 0x0470 && stc32 == 0x045f);
[[maybe_unused]] constexpr auto kShellExecute = &::ShellExecute;
[[maybe_unused]] constexpr auto kInitExtension = &::AfxInitExtensionModule;

TEST_F(UsualHeadersTest, GetNextWindowWalksTheSiblingsBothWays) {
  CWnd parent;
  ASSERT_TRUE(CreateTopLevel(parent, "Siblings"));
  CWnd first, second;
  ASSERT_TRUE(first.Create(nullptr, "first", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
  ASSERT_TRUE(second.Create(nullptr, "second", WS_CHILD, CRect(0, 10, 10, 20), &parent, 2));
  EXPECT_EQ(first.GetNextWindow(), &second);
  EXPECT_EQ(second.GetNextWindow(GW_HWNDPREV), &first);
  EXPECT_EQ(second.GetNextWindow(), nullptr);
  EXPECT_EQ(::GetNextWindow(first.m_hWnd, GW_HWNDNEXT), second.m_hWnd);
  parent.DestroyWindow();
}

TEST_F(UsualHeadersTest, OpenClipboardMakesTheWindowItsOwnerWhileOpen) {
  CWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Clipboard"));
  ASSERT_TRUE(wnd.OpenClipboard());
  EXPECT_EQ(::GetOpenClipboardWindow(), wnd.m_hWnd);
  EXPECT_FALSE(::OpenClipboard(nullptr)) << "open once at a time";
  ASSERT_TRUE(::CloseClipboard());
  EXPECT_EQ(::GetOpenClipboardWindow(), nullptr);
  wnd.DestroyWindow();
}

}  // namespace
