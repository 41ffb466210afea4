// Choosing the display, its metrics, and the clipboard shared with other X
// programs.
// gtest first: the X headers define None and friends as macros.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "internal/svc_clipboard.h"
#include "win32/display.h"
#include "windows.h"
#include "xvfb_server.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(StartDisplay, HeadlessWinsWhenAsked) {
  ScopedEnv headless("HALVANE_HEADLESS", "1");
  ScopedEnv display("DISPLAY", ":12345");
  std::string error;
  EXPECT_TRUE(win32::StartDisplay(error));
  EXPECT_FALSE(win32::IsX11Display());
}

TEST(StartDisplay, NoDisplayAndNoHeadlessIsOneClearLine) {
  ScopedEnv headless("HALVANE_HEADLESS", nullptr);
  ScopedEnv display("DISPLAY", nullptr);
  std::string error;
  EXPECT_FALSE(win32::StartDisplay(error));
  EXPECT_NE(error.find("DISPLAY"), std::string::npos);
  EXPECT_EQ(error.find('\n'), std::string::npos);
  EXPECT_FALSE(win32::IsX11Display());
}

TEST(StartDisplay, AnUnreachableDisplayIsNamed) {
  ScopedEnv headless("HALVANE_HEADLESS", "0");
  ScopedEnv display("DISPLAY", ":12345");
  std::string error;
  EXPECT_FALSE(win32::StartDisplay(error));
  EXPECT_NE(error.find(":12345"), std::string::npos);
  EXPECT_FALSE(win32::SyncDisplay(10));
}

class X11DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    XvfbServer* server = XvfbServer::Get();
    if (!server) GTEST_SKIP() << XvfbServer::why();
    win32::ResetWindowSystem();
    ScopedEnv headless("HALVANE_HEADLESS", nullptr);
    ScopedEnv display("DISPLAY", server->display().c_str());
    std::string error;
    ASSERT_TRUE(win32::StartDisplay(error)) << error;
    peer_ = XOpenDisplay(server->display().c_str());
    ASSERT_NE(peer_, nullptr);
  }
  void TearDown() override {
    win32::UseHeadlessDisplay();
    win32::ResetWindowSystem();
    if (peer_) XCloseDisplay(peer_);
  }

  // Asks the CLIPBOARD owner for its text, as another X program does.
  std::optional<std::string> PeerReadsClipboard() {
    Window w = XCreateSimpleWindow(peer_, DefaultRootWindow(peer_), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(peer_, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(peer_, "UTF8_STRING", False);
    const Atom prop = XInternAtom(peer_, "PEER_PASTE", False);
    XConvertSelection(peer_, clipboard, utf8, prop, w, CurrentTime);
    XEvent ev;
    do {
      XNextEvent(peer_, &ev);
    } while (ev.type != SelectionNotify);
    std::optional<std::string> text;
    if (ev.xselection.property != None) {
      Atom type;
      int format;
      unsigned long count, remaining;
      unsigned char* data = nullptr;
      XGetWindowProperty(peer_, w, prop, 0, 1 << 20, True, AnyPropertyType, &type, &format, &count, &remaining, &data);
      if (data) {
        text = std::string(reinterpret_cast<char*>(data), count);
        XFree(data);
      }
    }
    XDestroyWindow(peer_, w);
    return text;
  }

  Display* peer_ = nullptr;
};

TEST_F(X11DisplayTest, MetricsAreTheRealScreens) {
  EXPECT_TRUE(win32::IsX11Display());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
}

TEST_F(X11DisplayTest, CopiedTextReachesOtherPrograms) {
  ASSERT_TRUE(win32::internal::WriteClipboardText(nullptr, "copied here"));
  EXPECT_EQ(PeerReadsClipboard(), std::optional<std::string>("copied here"));
}

TEST_F(X11DisplayTest, TextCopiedElsewhereIsPasted) {
  // The peer takes the clipboard and answers one request for it.
  Window owner = XCreateSimpleWindow(peer_, DefaultRootWindow(peer_), 0, 0, 1, 1, 0, 0, 0);
  const Atom clipboard = XInternAtom(peer_, "CLIPBOARD", False);
  XSetSelectionOwner(peer_, clipboard, owner, CurrentTime);
  XSync(peer_, False);
  ASSERT_TRUE(win32::SyncDisplay());

  std::optional<std::string> pasted;
  std::thread reader([&] { pasted = win32::internal::ReadClipboardText(nullptr); });
  XEvent ev;
  do {
    XNextEvent(peer_, &ev);
  } while (ev.type != SelectionRequest);
  const std::string text = "from elsewhere";
  const XSelectionRequestEvent& req = ev.xselectionrequest;
  XChangeProperty(peer_, req.requestor, req.property, req.target, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = req.requestor;
  reply.xselection.selection = req.selection;
  reply.xselection.target = req.target;
  reply.xselection.property = req.property;
  reply.xselection.time = req.time;
  XSendEvent(peer_, req.requestor, False, NoEventMask, &reply);
  XFlush(peer_);
  reader.join();
  EXPECT_EQ(pasted, std::optional<std::string>(text));
  XDestroyWindow(peer_, owner);
}

}  // namespace
