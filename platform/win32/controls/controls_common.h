// Helpers shared by the standard controls: per-window state, parent
// notifications, colours from the parent, fonts and classic text drawing.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "internal/core_classes.h"
#include "windows.h"

namespace win32::controls {

// The state objects of one control class, keyed by window. A handler holds
// its state through a shared pointer, so a control destroyed from inside a
// notification it sent keeps its state alive until the handler returns.
template <class State>
class StateTable {
 public:
  std::shared_ptr<State> Find(HWND hwnd) const {
    auto it = states_.find(hwnd);
    return it == states_.end() ? nullptr : it->second;
  }
  std::shared_ptr<State> Create(HWND hwnd) { return states_[hwnd] = std::make_shared<State>(); }
  void Erase(HWND hwnd) { states_.erase(hwnd); }
  void Clear() { states_.clear(); }

 private:
  std::unordered_map<HWND, std::shared_ptr<State>> states_;
};

// The window procedure of a control class: makes the state on WM_NCCREATE,
// hands every message with its state to `Handle`, forgets the state after
// WM_NCDESTROY. Messages for a window without state go to DefWindowProc.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
class ControlClass {
 public:
  static StateTable<State>& Table() {
    static StateTable<State> table;
    return table;
  }
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) Table().Create(hwnd);
    std::shared_ptr<State> state = Table().Find(hwnd);
    if (!state) return DefWindowProc(hwnd, msg, wParam, lParam);
    LRESULT result = Handle(hwnd, *state, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) Table().Erase(hwnd);
    return result;
  }
};

// Registers a built-in class with the given procedure and cursor.
void RegisterControlClass(const char* name, WNDPROC proc, UINT classStyle);

// Runs `Init` after every window-system reset (from a static object).
template <void (*Init)()>
struct SystemClassRegistration {
  SystemClassRegistration() { win32::internal::AddSystemClassInitializer(Init); }
};

// Registers a control class anew, with no window states left from before.
template <class Class, const char* Name>
void InitControlClass() {
  Class::Table().Clear();
  RegisterControlClass(Name, Class::WndProc, CS_DBLCLKS);
}

// The window's style and its low type bits.
DWORD StyleOf(HWND hwnd);

// The text of a window.
std::string WindowText(HWND hwnd);

// Sets a scroll bar of the window without painting it now: the frame is
// painted with the window's next paint. Lists set their bars after every
// item they add, and painting the bars each time costs more than adding.
void SetScrollBarLater(HWND hwnd, int bar, const SCROLLINFO& info);

// Sends WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the control's parent, or
// to `parent` when given.
void NotifyParent(HWND hwnd, UINT code, HWND parent = nullptr);

// Sets the default colours of a WM_CTLCOLOR* message on `dc` and asks the
// parent: answers the parent's brush, or null when it gave none.
// `parent` names the window to ask when it is not GetParent(hwnd).
HBRUSH ParentColor(HWND hwnd, HDC dc, UINT ctlColorMsg, HWND parent = nullptr);

// ParentColor, falling back to the system colour DefWindowProc answers.
HBRUSH ControlColor(HWND hwnd, HDC dc, UINT ctlColorMsg, HWND parent = nullptr);

// The font a control paints with: the one given by WM_SETFONT, else the
// default GUI font.
HFONT PaintFont(HFONT fontFromSetFont);

// Draws text the classic way: in the DC's colours, or embossed grey
// (highlight offset by one pixel under shadow) when disabled.
void DrawControlText(HDC dc, const std::string& text, RECT rc, UINT format, bool disabled);

// Height of one line of text in `font`.
int FontLineHeight(HDC dc);

// Fills a rectangle with a system colour.
void FillSysColor(HDC dc, const RECT& rc, int colorIndex);

// Paints the icon or bitmap `image` (IMAGE_ICON / IMAGE_BITMAP) centred in
// `rc`, or at its top-left when `center` is false.
void DrawImage(HDC dc, UINT imageType, HANDLE image, const RECT& rc, bool center, bool disabled);

// Size of an icon or bitmap (0,0 for none).
SIZE ImageSize(UINT imageType, HANDLE image);

// Selects an object into a DC for the lifetime of the guard.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint/EndPaint, or the DC passed with WM_PAINT / WM_PRINTCLIENT.
class PaintScope {
 public:
  PaintScope(HWND hwnd, WPARAM dcFromMessage);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
  bool began_;
};

// Case-insensitive comparisons of 8-bit text (ASCII letters fold).
int CompareNoCase(const std::string& a, const std::string& b);
bool StartsWithNoCase(const std::string& text, const std::string& prefix);

// Repaints the whole control soon.
void Redraw(HWND hwnd);

// The thumb's position while a scroll bar is tracked (the 16-bit position
// of the message when the bar cannot say).
int ScrollTrackPosition(HWND hwnd, int bar, WPARAM wParam);
// The new first position for a scroll code, or `current` when unchanged.
int ScrolledPosition(UINT code, int current, int line, int page, int last, int track);
// The size of one image of an image list, {0, 0} without one.
SIZE ImageSize(HANDLE list);

}  // namespace win32::controls
