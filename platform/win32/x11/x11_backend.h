// Top-level windows as real X11 windows. Each top-level window gets one X
// window whose background is a server-side pixmap holding what the window
// painted, so exposures repaint without asking the program and nothing
// flickers. A reader thread turns the display's input into the window
// system's input, the same path the test robot uses.
#pragma once

#include <X11/Xlib.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>

#include "internal/core_backend.h"

namespace win32::x11 {

class X11Backend final : public internal::DisplayBackend {
 public:
  // Null with a reason when the display cannot be opened.
  static std::unique_ptr<X11Backend> Open(const char* displayName, std::string& error);
  ~X11Backend() override;
  X11Backend(const X11Backend&) = delete;
  X11Backend& operator=(const X11Backend&) = delete;

  void Present(HWND topLevel, cairo_surface_t* surface, const RECT& damaged) override;
  void WindowChanged(HWND topLevel) override;
  SIZE ScreenSize() const override;
  void Reset() override;

  bool Sync(unsigned timeoutMs);

 private:
  struct TopWindow {
    Window xid = 0;
    Pixmap pixmap = 0;
    int width = 0;
    int height = 0;
    RECT placed{};
    bool mapped = false;
    std::string title;
    HICON icon = nullptr;
  };
  struct Atoms {
    Atom protocols, deleteWindow, motifHints, netWmName, utf8String, clipboard, targets, selectionProperty, wake, sync,
        netWmIcon;
  };

  explicit X11Backend(Display* display);
  void Start();

  TopWindow& EnsureWindowLocked(HWND hwnd);
  void CreateXWindowLocked(HWND hwnd, TopWindow& tw);
  void DestroyXWindowLocked(TopWindow& tw);
  void ResizePixmapLocked(TopWindow& tw, int width, int height);
  void UpdateTitleLocked(HWND hwnd, TopWindow& tw);
  void UpdateIconLocked(HWND hwnd, TopWindow& tw);
  void PutSurfaceLocked(TopWindow& tw, cairo_surface_t* surface, const RECT& damaged);
  void RaiseTopmostLocked(HWND raised);
  std::optional<HWND> WindowOf(Window xid);

  void ReadEvents();
  void Dispatch(XEvent& ev);
  void HandleKey(XEvent& ev);
  void TypeLatinText(XKeyEvent& key);
  void HandleButton(const XButtonEvent& ev, bool down);
  void HandleClientMessage(const XClientMessageEvent& ev);
  void HandleSelectionRequest(const XSelectionRequestEvent& req);
  void HandleSelectionNotify(const XSelectionEvent& ev);
  void SendToHelper(Atom type, long value);

  void PublishClipboard(const std::string& text);
  std::optional<std::string> FetchClipboard();

  Display* display_;
  int screen_;
  Window root_;
  Window helper_ = 0;  // unmapped: wake-ups, round trips and the clipboard
  Atoms atoms_{};

  std::mutex mu_;
  std::unordered_map<HWND, TopWindow> windows_;
  std::unordered_map<Window, HWND> byXid_;

  std::mutex syncMu_;
  std::condition_variable syncCv_;
  std::uint64_t syncSent_ = 0;
  std::uint64_t syncSeen_ = 0;

  std::mutex clipMu_;
  std::condition_variable clipCv_;
  std::string ownedText_;
  bool ownsClipboard_ = false;
  std::uint64_t fetchRequested_ = 0;
  std::uint64_t fetchAnswered_ = 0;
  std::optional<std::string> fetched_;

  std::thread reader_;
};

// The backend in use, or null when the display is headless.
X11Backend* CurrentBackend();

}  // namespace win32::x11
