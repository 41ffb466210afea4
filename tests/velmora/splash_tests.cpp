// The splash window: shown only when enabled, closed by its timer, a key or
// a click offered by the host's message loop, but not by a mouse move; its
// palette on palette displays.
#include <win32/input.h>

#include "HvSplash.h"
#include "velmora_fixture.h"

namespace {

using halvane::test::Window;

// The host: offers every message to the splash first, as both programs do.
class SplashHost : public CWinApp {
 public:
  SplashHost() : CWinApp("Splash Host") {}
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (HvSplash::PreTranslateAppMessage(pMsg)) return TRUE;
    return CWinApp::PreTranslateMessage(pMsg);
  }
  // The host's message loop until the queue is empty.
  void Pump() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) PumpMessage();
  }
};

class SplashTest : public VelmoraTest {
 protected:
  void TearDown() override {
    HvSplash::CloseSplashScreen();
    HvSplash::EnableSplashScreen(FALSE, TRUE);
    win32::gdi::SetScreenBitsPerPixel(32);
    VelmoraTest::TearDown();
  }

  // The splash: the topmost popup with the picture's size.
  Window Splash() const {
    for (const Window& w : robot.topLevels()) {
      if (w.isVisible() && (::GetWindowLong(w.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) && w.style() & WS_POPUP) return w;
    }
    return Window();
  }

  POINT Centre(Window w) const {
    const RECT r = w.rect();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  SplashHost host;
};

TEST_F(SplashTest, WithoutEnablingNothingShows) {
  HvSplash::ShowSplashScreen();
  EXPECT_FALSE(Splash());
  HvSplash::EnableSplashScreen(FALSE, TRUE);
  HvSplash::ShowSplashScreen();
  EXPECT_FALSE(Splash());
}

TEST_F(SplashTest, TheHostsPictureIsCentredAndClosesAfter750Milliseconds) {
  HvSplash::EnableSplashScreen(TRUE, TRUE);
  HvSplash::ShowSplashScreen();
  Window splash = Splash();
  ASSERT_TRUE(splash);
  const RECT r = splash.rect();
  EXPECT_EQ(r.right - r.left, 120);
  EXPECT_EQ(r.bottom - r.top, 60);
  RECT work{};
  ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(r.left, work.left + (work.right - work.left - 120) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 60) / 2);
  EXPECT_EQ(splash.text(), "");
  robot.snapshot(splash, "splash");
  robot.advance(700);
  EXPECT_TRUE(splash.exists());
  robot.advance(60);
  EXPECT_FALSE(splash.exists());
}

TEST_F(SplashTest, ASecondShowWhileUpDoesNothingAndANewOneMayFollowAClose) {
  HvSplash::EnableSplashScreen(TRUE, FALSE);
  HvSplash::ShowSplashScreen();
  Window first = Splash();
  ASSERT_TRUE(first);
  HvSplash::ShowSplashScreen();
  int splashes = 0;
  for (const Window& w : robot.topLevels()) splashes += w.isVisible() && (w.style() & WS_POPUP) != 0;
  EXPECT_EQ(splashes, 1);
  HvSplash::CloseSplashScreen();
  EXPECT_FALSE(first.exists());
  HvSplash::ShowSplashScreen();
  EXPECT_TRUE(Splash());
}

TEST_F(SplashTest, WithoutTheTimerAMouseMoveLeavesItAndAKeyClosesIt) {
  HvSplash::EnableSplashScreen(TRUE, FALSE);
  HvSplash::ShowSplashScreen();
  Window splash = Splash();
  ASSERT_TRUE(splash);
  robot.advance(5000);
  EXPECT_TRUE(splash.exists()) << "no timer";
  win32::input::MouseMove(Centre(splash));
  win32::input::MouseMove(POINT{Centre(splash).x + 5, Centre(splash).y + 3});
  host.Pump();
  EXPECT_TRUE(splash.exists()) << "a mouse move does not close it";
  win32::input::KeyDown(VK_SPACE);
  host.Pump();
  EXPECT_FALSE(splash.exists());
  win32::input::KeyUp(VK_SPACE);
  host.Pump();
}

TEST_F(SplashTest, AClickOnTheSplashOrARightClickElsewhereClosesItAndIsConsumed) {
  CWnd main;
  ASSERT_TRUE(
      main.CreateEx(0, nullptr, "Host Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
  host.m_pMainWnd = &main;
  HvSplash::EnableSplashScreen(TRUE, FALSE);
  HvSplash::ShowSplashScreen(&main);
  Window splash = Splash();
  ASSERT_TRUE(splash);
  win32::input::MouseButton(0, true, Centre(splash));
  host.Pump();
  EXPECT_FALSE(splash.exists());
  win32::input::MouseButton(0, false, Centre(splash));
  host.Pump();

  HvSplash::ShowSplashScreen(&main);
  splash = Splash();
  ASSERT_TRUE(splash);
  MSG rightClick{main.GetSafeHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10), 0, {10, 10}};
  EXPECT_TRUE(HvSplash::PreTranslateAppMessage(&rightClick));
  EXPECT_FALSE(splash.exists());
  EXPECT_FALSE(HvSplash::PreTranslateAppMessage(&rightClick)) << "without a splash nothing is consumed";
  host.m_pMainWnd = nullptr;
  main.DestroyWindow();
}

TEST_F(SplashTest, EveryKeyAndButtonDownClosesItButOtherMessagesPass) {
  HvSplash::EnableSplashScreen(TRUE, FALSE);
  for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN,
                       WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN}) {
    HvSplash::ShowSplashScreen();
    Window splash = Splash();
    ASSERT_TRUE(splash);
    for (UINT passing : {WM_MOUSEMOVE, WM_KEYUP, WM_LBUTTONUP, WM_CHAR, WM_TIMER, WM_PAINT}) {
      MSG msg{splash.hwnd(), passing, 0, 0, 0, {}};
      EXPECT_FALSE(HvSplash::PreTranslateAppMessage(&msg)) << passing;
    }
    MSG msg{splash.hwnd(), message, 0, 0, 0, {}};
    EXPECT_TRUE(HvSplash::PreTranslateAppMessage(&msg)) << message;
    EXPECT_FALSE(splash.exists()) << message;
  }
}

TEST_F(SplashTest, AHostWithoutThePictureShowsNoSplashAndGoesOn) {
  // The class library's own module has no "IDB_SPLASH", nor has Velmora.
  AfxSetResourceHandle(::GetModuleHandle("mfc"));
  HvSplash::EnableSplashScreen(TRUE, TRUE);
  HvSplash::ShowSplashScreen();
  EXPECT_FALSE(Splash());
  AfxSetResourceHandle(nullptr);
  HvSplash::ShowSplashScreen();
  EXPECT_TRUE(Splash()) << "a later show still works";
}

TEST_F(SplashTest, OnAPaletteDisplayItRealisesThePicturesPaletteAndTellsTheMainWindowOnClose) {
  struct Main : CWnd {
    int paletteChanges = 0;
    HWND cause = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_PALETTECHANGED) {
        ++paletteChanges;
        cause = reinterpret_cast<HWND>(wParam);
      }
      return CWnd::WindowProc(message, wParam, lParam);
    }
  } main;
  ASSERT_TRUE(
      main.CreateEx(0, nullptr, "Host Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
  host.m_pMainWnd = &main;
  win32::gdi::SetScreenBitsPerPixel(8);
  HvSplash::EnableSplashScreen(TRUE, TRUE);
  HvSplash::ShowSplashScreen();
  Window splash = Splash();
  ASSERT_TRUE(splash);
  // The picture's colours reach the screen through the realised palette.
  HDC dc = ::GetDC(splash.hwnd());
  EXPECT_EQ(::GetPixel(dc, 60, 30), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(::GetPixel(dc, 15, 15), RGB(0x00, 0x00, 0x80));
  ::ReleaseDC(splash.hwnd(), dc);
  robot.advance(750);
  EXPECT_FALSE(splash.exists());
  EXPECT_EQ(main.paletteChanges, 1);
  EXPECT_EQ(main.cause, splash.hwnd());
  host.m_pMainWnd = nullptr;
  main.DestroyWindow();
}

TEST_F(SplashTest, APaletteSplashDestroyedWithoutClosingGivesBackItsPalette) {
  // Reaches the palette of a splash that goes away without the close path,
  // as when its owner or the process ends first.
  struct PaletteSplash : HvSplash {
    using HvSplash::Create;
    HPALETTE Palette() const { return m_hPalette; }
  };
  win32::gdi::SetScreenBitsPerPixel(8);
  auto* splash = new PaletteSplash;  // deletes itself when its window is gone
  ASSERT_TRUE(splash->Create());
  const HPALETTE palette = splash->Palette();
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(::GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
  splash->DestroyWindow();
  EXPECT_EQ(::GetObjectType(palette), 0u) << "the palette is deleted with the window";
}

}  // namespace
