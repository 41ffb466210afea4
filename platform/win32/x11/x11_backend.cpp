#include "x11/x11_backend.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "internal/svc_clipboard.h"
#include "win32/input.h"
#include "win32/winres.h"
#include "win32/winuser.h"
#include "x11/x11_icon.h"
#include "x11/x11_keys.h"

namespace win32::x11 {
namespace {

std::atomic<X11Backend*> g_current{nullptr};

// A request on a window that went away in the meantime is not a reason to
// end the program, which Xlib's default handler would do.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// Pop-up windows without a caption (menus, drop-down lists, tips, the
// splash) are placed by us alone; the window manager leaves them be.
bool IsOverrideRedirect(HWND hwnd) {
  const auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
  return (style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION;
}

// Our windows paint their own caption and frame: the window manager's
// decorations would give them two.
void TurnOffDecorations(Display* display, Window xid, Atom motifHints) {
  struct {
    unsigned long flags, functions, decorations;
    long inputMode;
    unsigned long status;
  } hints{2, 0, 0, 0, 0};
  XChangeProperty(display, xid, motifHints, motifHints, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&hints),
                  5);
}

std::string WindowTitle(HWND hwnd) {
  char text[512] = {};
  GetWindowText(hwnd, text, sizeof text);
  return text;
}

bool CloseAllowed(HWND hwnd) {
  if (!(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_SYSMENU)) return true;
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  return !menu || !(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

int MouseButtonIndex(unsigned xButton) {
  switch (xButton) {
    case Button1:
      return 0;
    case Button2:
      return 2;
    case Button3:
      return 1;
    default:
      return -1;
  }
}

}  // namespace

X11Backend* CurrentBackend() { return g_current.load(); }

std::unique_ptr<X11Backend> X11Backend::Open(const char* displayName, std::string& error) {
  static const bool threadsReady = XInitThreads() != 0;
  if (!threadsReady) {
    error = "the X11 library cannot be used from several threads";
    return nullptr;
  }
  Display* display = XOpenDisplay(displayName);
  if (!display) {
    const char* name = displayName ? displayName : std::getenv("DISPLAY");
    error = std::string("cannot open the X11 display \"") + (name ? name : "") + "\"";
    return nullptr;
  }
  Visual* visual = DefaultVisual(display, DefaultScreen(display));
  if (DefaultDepth(display, DefaultScreen(display)) != 24 || visual->red_mask != 0xFF0000 ||
      visual->green_mask != 0x00FF00 || visual->blue_mask != 0x0000FF) {
    XCloseDisplay(display);
    error = "the X11 display is not a 24-bit true-colour display";
    return nullptr;
  }
  XSetErrorHandler(IgnoreXError);
  std::unique_ptr<X11Backend> backend(new X11Backend(display));
  backend->Start();
  return backend;
}

X11Backend::X11Backend(Display* display)
    : display_(display), screen_(DefaultScreen(display)), root_(RootWindow(display, screen_)) {
  auto atom = [&](const char* name) { return XInternAtom(display_, name, False); };
  atoms_ = Atoms{atom("WM_PROTOCOLS"), atom("WM_DELETE_WINDOW"), atom("_MOTIF_WM_HINTS"), atom("_NET_WM_NAME"),
                 atom("UTF8_STRING"),  atom("CLIPBOARD"),        atom("TARGETS"),         atom("HALVANE_SELECTION"),
                 atom("HALVANE_WAKE"), atom("HALVANE_SYNC"),     atom("_NET_WM_ICON")};
  XSetWindowAttributes attrs{};
  attrs.event_mask = PropertyChangeMask;
  helper_ =
      XCreateWindow(display_, root_, -10, -10, 1, 1, 0, CopyFromParent, InputOnly, CopyFromParent, CWEventMask, &attrs);
}

void X11Backend::Start() {
  reader_ = std::thread([this] { ReadEvents(); });
  internal::SetClipboardTextProvider(internal::ClipboardTextProvider{
      [this](const std::string& text) { PublishClipboard(text); }, [this] { return FetchClipboard(); }});
  g_current.store(this);
}

X11Backend::~X11Backend() {
  g_current.store(nullptr);
  internal::SetClipboardTextProvider({});
  SendToHelper(atoms_.wake, 0);
  if (reader_.joinable()) reader_.join();
  {
    std::lock_guard<std::mutex> lk(mu_);
    for (auto& [hwnd, tw] : windows_) DestroyXWindowLocked(tw);
    windows_.clear();
    byXid_.clear();
  }
  XDestroyWindow(display_, helper_);
  XCloseDisplay(display_);
}

SIZE X11Backend::ScreenSize() const { return SIZE{DisplayWidth(display_, screen_), DisplayHeight(display_, screen_)}; }

void X11Backend::Reset() {
  std::lock_guard<std::mutex> lk(mu_);
  for (auto& [hwnd, tw] : windows_) DestroyXWindowLocked(tw);
  windows_.clear();
  byXid_.clear();
  XFlush(display_);
}

X11Backend::TopWindow& X11Backend::EnsureWindowLocked(HWND hwnd) {
  TopWindow& tw = windows_[hwnd];
  if (!tw.xid) CreateXWindowLocked(hwnd, tw);
  return tw;
}

void X11Backend::CreateXWindowLocked(HWND hwnd, TopWindow& tw) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  const int width = std::max(1L, static_cast<long>(rc.right - rc.left));
  const int height = std::max(1L, static_cast<long>(rc.bottom - rc.top));
  XSetWindowAttributes attrs{};
  attrs.override_redirect = IsOverrideRedirect(hwnd) ? True : False;
  attrs.background_pixel = BlackPixel(display_, screen_);
  attrs.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                     StructureNotifyMask | FocusChangeMask;
  tw.xid = XCreateWindow(display_, root_, rc.left, rc.top, static_cast<unsigned>(width), static_cast<unsigned>(height),
                         0, CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel | CWEventMask,
                         &attrs);
  tw.placed = rc;
  byXid_[tw.xid] = hwnd;
  if (!attrs.override_redirect) {
    TurnOffDecorations(display_, tw.xid, atoms_.motifHints);
    Atom protocols[] = {atoms_.deleteWindow};
    XSetWMProtocols(display_, tw.xid, protocols, 1);
    XSizeHints size{};
    size.flags = USPosition | USSize;
    size.x = rc.left;
    size.y = rc.top;
    size.width = width;
    size.height = height;
    XSetWMNormalHints(display_, tw.xid, &size);
    XClassHint cls{const_cast<char*>("halvane"), const_cast<char*>("Halvane")};
    XSetClassHint(display_, tw.xid, &cls);
    if (HWND owner = GetWindow(hwnd, GW_OWNER)) {
      auto it = windows_.find(owner);
      if (it != windows_.end() && it->second.xid) XSetTransientForHint(display_, tw.xid, it->second.xid);
    }
  }
  ResizePixmapLocked(tw, width, height);
  UpdateTitleLocked(hwnd, tw);
}

void X11Backend::DestroyXWindowLocked(TopWindow& tw) {
  if (tw.xid) {
    byXid_.erase(tw.xid);
    XDestroyWindow(display_, tw.xid);
  }
  if (tw.pixmap) XFreePixmap(display_, tw.pixmap);
  tw = TopWindow{};
}

void X11Backend::ResizePixmapLocked(TopWindow& tw, int width, int height) {
  if (tw.pixmap && tw.width == width && tw.height == height) return;
  const Pixmap fresh = XCreatePixmap(display_, tw.xid, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                     static_cast<unsigned>(DefaultDepth(display_, screen_)));
  if (tw.pixmap) {
    // Keep what is known until the window paints at its new size.
    GC gc = XCreateGC(display_, fresh, 0, nullptr);
    XCopyArea(display_, tw.pixmap, fresh, gc, 0, 0, static_cast<unsigned>(std::min(width, tw.width)),
              static_cast<unsigned>(std::min(height, tw.height)), 0, 0);
    XFreeGC(display_, gc);
    XFreePixmap(display_, tw.pixmap);
  }
  tw.pixmap = fresh;
  tw.width = width;
  tw.height = height;
  XSetWindowBackgroundPixmap(display_, tw.xid, tw.pixmap);
}

void X11Backend::UpdateTitleLocked(HWND hwnd, TopWindow& tw) {
  std::string title = WindowTitle(hwnd);
  if (title == tw.title && !title.empty()) return;
  tw.title = title;
  XStoreName(display_, tw.xid, title.c_str());
  XChangeProperty(display_, tw.xid, atoms_.netWmName, atoms_.utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
}

std::optional<HWND> X11Backend::WindowOf(Window xid) {
  std::lock_guard<std::mutex> lk(mu_);
  auto it = byXid_.find(xid);
  if (it == byXid_.end()) return std::nullopt;
  return it->second;
}

void X11Backend::Present(HWND topLevel, cairo_surface_t* surface, const RECT& damaged) {
  std::lock_guard<std::mutex> lk(mu_);
  TopWindow& tw = EnsureWindowLocked(topLevel);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  if (width <= 0 || height <= 0) return;
  ResizePixmapLocked(tw, width, height);
  PutSurfaceLocked(tw, surface, damaged);
  XClearArea(display_, tw.xid, damaged.left, damaged.top, static_cast<unsigned>(damaged.right - damaged.left),
             static_cast<unsigned>(damaged.bottom - damaged.top), False);
  UpdateTitleLocked(topLevel, tw);
  UpdateIconLocked(topLevel, tw);
  XFlush(display_);
}

// Present runs on the window's own thread, so asking the window for its
// icon is a plain call.
void X11Backend::UpdateIconLocked(HWND hwnd, TopWindow& tw) {
  auto icon = reinterpret_cast<HICON>(SendMessage(hwnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtr(hwnd, GCLP_HICON));
  if (icon == tw.icon) return;
  tw.icon = icon;
  const std::vector<unsigned long> data = NetWmIconData(icon);
  if (data.empty()) {
    XDeleteProperty(display_, tw.xid, atoms_.netWmIcon);
    return;
  }
  XChangeProperty(display_, tw.xid, atoms_.netWmIcon, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
}

// Copies the damaged part of what the window painted into its pixmap. The
// image surface's pixels (0x00RRGGBB words) are the layout of a 24-bit
// true-colour X image, so they go over as they are.
void X11Backend::PutSurfaceLocked(TopWindow& tw, cairo_surface_t* surface, const RECT& damaged) {
  RECT area{};
  const RECT whole{0, 0, tw.width, tw.height};
  if (!IntersectRect(&area, &damaged, &whole)) return;
  XImage* image = XCreateImage(
      display_, DefaultVisual(display_, screen_), static_cast<unsigned>(DefaultDepth(display_, screen_)), ZPixmap, 0,
      reinterpret_cast<char*>(cairo_image_surface_get_data(surface)), static_cast<unsigned>(tw.width),
      static_cast<unsigned>(tw.height), 32, cairo_image_surface_get_stride(surface));
  if (!image) return;
  GC gc = XCreateGC(display_, tw.pixmap, 0, nullptr);
  XPutImage(display_, tw.pixmap, gc, image, area.left, area.top, area.left, area.top,
            static_cast<unsigned>(area.right - area.left), static_cast<unsigned>(area.bottom - area.top));
  XFreeGC(display_, gc);
  image->data = nullptr;  // the surface keeps its pixels
  XDestroyImage(image);
}

void X11Backend::WindowChanged(HWND topLevel) {
  std::lock_guard<std::mutex> lk(mu_);
  if (!IsWindow(topLevel)) {
    auto it = windows_.find(topLevel);
    if (it != windows_.end()) {
      DestroyXWindowLocked(it->second);
      windows_.erase(it);
      XFlush(display_);
    }
    return;
  }
  const bool visible = IsWindowVisible(topLevel) != FALSE;
  if (!visible) {
    auto it = windows_.find(topLevel);
    if (it != windows_.end() && it->second.mapped) {
      XUnmapWindow(display_, it->second.xid);
      it->second.mapped = false;
      XFlush(display_);
    }
    return;
  }
  TopWindow& tw = EnsureWindowLocked(topLevel);
  RECT rc{};
  GetWindowRect(topLevel, &rc);
  if (!EqualRect(&rc, &tw.placed)) {
    XMoveResizeWindow(display_, tw.xid, rc.left, rc.top,
                      static_cast<unsigned>(std::max(1L, static_cast<long>(rc.right - rc.left))),
                      static_cast<unsigned>(std::max(1L, static_cast<long>(rc.bottom - rc.top))));
    tw.placed = rc;
  }
  if (!tw.mapped) {
    XMapRaised(display_, tw.xid);
    tw.mapped = true;
    RaiseTopmostLocked(topLevel);
  } else if (GetActiveWindow() == topLevel) {
    XRaiseWindow(display_, tw.xid);
    RaiseTopmostLocked(topLevel);
  }
  XFlush(display_);
}

// A window raised above the others must not cover the topmost ones (a
// splash, a menu), which stay above every other window as they do headless.
void X11Backend::RaiseTopmostLocked(HWND raised) {
  if (GetWindowLong(raised, GWL_EXSTYLE) & WS_EX_TOPMOST) return;
  for (const auto& [hwnd, tw] : windows_) {
    if (tw.mapped && (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) XRaiseWindow(display_, tw.xid);
  }
}

bool X11Backend::Sync(unsigned timeoutMs) {
  std::uint64_t ticket;
  {
    std::lock_guard<std::mutex> lk(syncMu_);
    ticket = ++syncSent_;
  }
  XSync(display_, False);
  SendToHelper(atoms_.sync, static_cast<long>(ticket));
  std::unique_lock<std::mutex> lk(syncMu_);
  return syncCv_.wait_for(lk, std::chrono::milliseconds(timeoutMs), [&] { return syncSeen_ >= ticket; });
}

void X11Backend::SendToHelper(Atom type, long value) {
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = helper_;
  ev.xclient.message_type = type;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = value;
  XSendEvent(display_, helper_, False, NoEventMask, &ev);
  XFlush(display_);
}

void X11Backend::ReadEvents() {
  for (;;) {
    XEvent ev;
    XNextEvent(display_, &ev);
    if (ev.type == ClientMessage && ev.xclient.window == helper_ && ev.xclient.message_type == atoms_.wake) {
      return;
    }
    Dispatch(ev);
  }
}

void X11Backend::Dispatch(XEvent& ev) {
  switch (ev.type) {
    case KeyPress:
    case KeyRelease:
      HandleKey(ev);
      break;
    case ButtonPress:
    case ButtonRelease:
      HandleButton(ev.xbutton, ev.type == ButtonPress);
      break;
    case MotionNotify:
      while (XCheckTypedWindowEvent(display_, ev.xmotion.window, MotionNotify, &ev)) {
      }
      input::MouseMove(POINT{ev.xmotion.x_root, ev.xmotion.y_root});
      break;
    case MapNotify:
      if (auto hwnd = WindowOf(ev.xmap.window); hwnd && !IsOverrideRedirect(*hwnd) && GetActiveWindow() == *hwnd)
        XSetInputFocus(display_, ev.xmap.window, RevertToParent, CurrentTime);
      break;
    case ClientMessage:
      HandleClientMessage(ev.xclient);
      break;
    case SelectionRequest:
      HandleSelectionRequest(ev.xselectionrequest);
      break;
    case SelectionClear: {
      std::lock_guard<std::mutex> lk(clipMu_);
      ownsClipboard_ = false;
      ownedText_.clear();
      break;
    }
    case SelectionNotify:
      HandleSelectionNotify(ev.xselection);
      break;
    default:
      break;
  }
}

void X11Backend::HandleKey(XEvent& ev) {
  const UINT vk = VirtualKeyFromKeysym(XLookupKeysym(&ev.xkey, 0));
  if (!vk) {
    if (ev.type == KeyPress) TypeLatinText(ev.xkey);
    return;
  }
  if (ev.type == KeyRelease && XEventsQueued(display_, QueuedAfterReading)) {
    // Auto-repeat arrives as a release and a press at the same moment; the
    // window system expects repeated key-downs without the release.
    XEvent next;
    XPeekEvent(display_, &next);
    if (next.type == KeyPress && next.xkey.keycode == ev.xkey.keycode && next.xkey.time == ev.xkey.time) return;
  }
  if (ev.type == KeyPress)
    input::KeyDown(vk);
  else
    input::KeyUp(vk);
}

// Keys with no virtual key (accented letters of the keyboard's layout)
// still type their character: its UTF-8 bytes arrive as WM_CHAR, in order
// with the other keys, as the ANSI code page of this platform is UTF-8.
void X11Backend::TypeLatinText(XKeyEvent& key) {
  KeySym sym = NoSymbol;
  char latin1[8];
  XLookupString(&key, latin1, sizeof latin1, &sym, nullptr);
  for (char byte : TextFromKeysym(sym)) input::Char(byte);
}

void X11Backend::HandleButton(const XButtonEvent& ev, bool down) {
  const POINT at{ev.x_root, ev.y_root};
  if (ev.button == Button4 || ev.button == Button5) {
    if (down) input::MouseWheel(ev.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA, at);
    return;
  }
  const int button = MouseButtonIndex(ev.button);
  if (button < 0) return;
  input::MouseMove(at);
  input::MouseButton(button, down, at);
}

void X11Backend::HandleClientMessage(const XClientMessageEvent& ev) {
  if (ev.window == helper_ && ev.message_type == atoms_.sync) {
    std::lock_guard<std::mutex> lk(syncMu_);
    syncSeen_ = std::max(syncSeen_, static_cast<std::uint64_t>(ev.data.l[0]));
    syncCv_.notify_all();
    return;
  }
  if (ev.message_type == atoms_.protocols && static_cast<Atom>(ev.data.l[0]) == atoms_.deleteWindow) {
    // The window manager's close is the caption's close button: a greyed
    // Close item makes it do nothing.
    if (auto hwnd = WindowOf(ev.window); hwnd && CloseAllowed(*hwnd)) PostMessage(*hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

}  // namespace win32::x11
