// Keyboard and mouse input: injection into the input queues, the keyboard
// state, and the processing of raw events into messages on the receiving
// thread (hit testing, activation, cursor, double clicks).
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "internal/mdi_bridge.h"
#include "core/clock.h"
#include "core/queue.h"
#include "core/window.h"
#include "internal/core_input.h"
#include "internal/mdi_bridge.h"

namespace win32::core {
namespace {

constexpr const char* kShiftedDigits = ")!@#$%^&*(";
struct OemKey {
  UINT vk;
  char plain;
  char shifted;
};
constexpr OemKey kOemKeys[] = {{VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
                               {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
                               {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
                               {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'}};

bool Down(const std::array<BYTE, 256>& keys, UINT vk) { return (keys[vk & 0xFF] & 0x80) != 0; }

int CharFor(UINT vk, bool shift, bool caps, bool ctrl) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<int>(vk - 'A' + 1);
    return (shift != caps) ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
  }
  if (ctrl) return 0;
  if (vk >= '0' && vk <= '9') return shift ? kShiftedDigits[vk - '0'] : static_cast<int>(vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<int>('0' + vk - VK_NUMPAD0);
  switch (vk) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_TAB:
      return '\t';
    case VK_BACK:
      return '\b';
    case VK_ESCAPE:
      return 0x1B;
    case VK_MULTIPLY:
      return '*';
    case VK_ADD:
      return '+';
    case VK_SUBTRACT:
      return '-';
    case VK_DECIMAL:
      return '.';
    case VK_DIVIDE:
      return '/';
    default:
      break;
  }
  for (const OemKey& k : kOemKeys) {
    if (k.vk == vk) return shift ? k.shifted : k.plain;
  }
  return 0;
}

UINT ScanCode(UINT vk) { return (vk * 7 + 1) & 0x7F; }

// The thread whose input queue gets a keyboard event.
QueuePtr KeyQueueLocked() {
  State& s = S();
  HWND target = s.focus ? s.focus : s.active;
  WindowPtr w = FindWindowLocked(target);
  return w ? QueueOfLocked(w->thread) : CurrentQueueLocked();
}

void PushInputLocked(QueuePtr q, InputEvent ev) {
  if (!q) return;
  ev.time = static_cast<DWORD>(NowLocked());
  q->input.push_back(ev);
  NotifyAll();
}

void InjectKey(UINT vk, bool down) {
  Lock lk(S());
  State& s = S();
  const bool wasDown = Down(s.asyncKeys, vk);
  s.asyncKeys[vk & 0xFF] =
      down ? static_cast<BYTE>(s.asyncKeys[vk & 0xFF] | 0x80) : static_cast<BYTE>(s.asyncKeys[vk & 0xFF] & 0x7F);
  const bool alt = Down(s.asyncKeys, VK_MENU) || (vk == VK_MENU && !down);
  const bool ctrl = Down(s.asyncKeys, VK_CONTROL);
  const bool sys = (alt && !ctrl) || vk == VK_F10;
  UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  DWORD flags = ScanCode(vk);
  if (alt && !ctrl) flags |= KF_ALTDOWN;
  if (wasDown) flags |= KF_REPEAT;
  if (!down) flags |= KF_UP | KF_REPEAT;
  InputEvent ev;
  ev.kind = InputEvent::Kind::Key;
  ev.message = msg;
  ev.vk = vk;
  ev.keyData = static_cast<LPARAM>(MAKELONG(1, flags));
  PushInputLocked(KeyQueueLocked(), ev);
}

bool Skipped(const std::vector<HWND>& skip, HWND h) { return std::find(skip.begin(), skip.end(), h) != skip.end(); }

// The window under a screen point for mouse input: visible windows only;
// a disabled window takes nothing (null), a disabled child passes the
// click to its parent. Windows in `skip` answered HTTRANSPARENT: the point
// goes on to the windows beneath them.
HWND MouseTargetLocked(POINT pt, bool* disabled, const std::vector<HWND>& skip = {}) {
  *disabled = false;
  for (HWND h : S().topLevels) {
    WindowPtr w = FindWindowLocked(h);
    if (!w || Skipped(skip, h) || !(w->style & WS_VISIBLE) || !PtInRect(&w->rect, pt)) continue;
    if (w->style & WS_DISABLED) {
      *disabled = true;
      return nullptr;
    }
    for (;;) {
      const POINT o = ClientOriginLocked(*w);
      const POINT local{pt.x - o.x, pt.y - o.y};
      WindowPtr next;
      for (HWND c : w->children) {
        WindowPtr cw = FindWindowLocked(c);
        if (cw && !Skipped(skip, c) && (cw->style & WS_VISIBLE) && !(cw->style & WS_DISABLED) &&
            PtInRect(&cw->rect, local)) {
          next = cw;
          break;
        }
      }
      if (!next) return w->hwnd;
      w = next;
    }
  }
  return nullptr;
}

void InjectMouse(UINT msg, POINT pt, int wheel) {
  Lock lk(S());
  State& s = S();
  s.cursorPos = pt;
  const int vkButton = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP   ? VK_LBUTTON
                       : msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP ? VK_RBUTTON
                       : msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP ? VK_MBUTTON
                                                                      : 0;
  if (vkButton) {
    const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
    s.asyncKeys[vkButton] = down ? 0x80 : 0;
  }
  HWND target = s.capture;
  if (msg == WM_MOUSEWHEEL) target = s.focus ? s.focus : s.active;
  if (!target) {
    bool disabled;
    target = MouseTargetLocked(pt, &disabled);
  }
  // Off every window (a drag that leaves the window before the press has
  // taken the capture) the active window's thread gets it; cooking then
  // decides the window.
  WindowPtr w = FindWindowLocked(target);
  if (!w) w = FindWindowLocked(s.active);
  if (!w) return;
  InputEvent ev;
  ev.kind = InputEvent::Kind::Mouse;
  ev.message = msg;
  ev.pt = pt;
  ev.wheel = wheel;
  ev.target = target;
  PushInputLocked(QueueOfLocked(w->thread), ev);
}

WPARAM MouseKeyFlagsLocked() {
  const auto& k = S().keys;
  WPARAM f = 0;
  if (Down(k, VK_LBUTTON)) f |= MK_LBUTTON;
  if (Down(k, VK_RBUTTON)) f |= MK_RBUTTON;
  if (Down(k, VK_MBUTTON)) f |= MK_MBUTTON;
  if (Down(k, VK_SHIFT)) f |= MK_SHIFT;
  if (Down(k, VK_CONTROL)) f |= MK_CONTROL;
  return f;
}

void ApplyKeyStateLocked(UINT vk, bool down) {
  BYTE& b = S().keys[vk & 0xFF];
  if (down && !(b & 0x80)) b ^= 0x01;
  b = down ? static_cast<BYTE>(b | 0x80) : static_cast<BYTE>(b & 0x7F);
}

std::optional<MSG> CookKey(const InputEvent& ev) {
  Lock lk(S());
  State& s = S();
  if (ev.message == WM_CHAR) {
    HWND target = s.focus ? s.focus : s.active;
    if (!target) return std::nullopt;
    return MSG{target, WM_CHAR, ev.vk, ev.keyData, ev.time, s.cursorPos};
  }
  const bool down = ev.message == WM_KEYDOWN || ev.message == WM_SYSKEYDOWN;
  ApplyKeyStateLocked(ev.vk, down);
  UINT msg = ev.message;
  HWND target = s.focus;
  if (!target) {
    // Without a focus window the active window gets the keys as system keys.
    target = s.active;
    if (msg == WM_KEYDOWN) msg = WM_SYSKEYDOWN;
    if (msg == WM_KEYUP) msg = WM_SYSKEYUP;
  }
  if (!target) return std::nullopt;
  return MSG{target, msg, ev.vk, ev.keyData, ev.time, s.cursorPos};
}

bool IsButtonDown(UINT msg) { return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN; }

// Turns a button press into a double click when it follows the last press
// closely enough in time and place.
UINT DoubleClickLocked(HWND hwnd, UINT msg, POINT pt, DWORD time, bool classWantsIt) {
  State& s = S();
  auto& last = s.lastClick;
  const int dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2, dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  const bool isDouble = last.message == msg && last.hwnd == hwnd && time - last.time <= s.doubleClickTime &&
                        std::abs(pt.x - last.pt.x) <= dx && std::abs(pt.y - last.pt.y) <= dy;
  if (isDouble && classWantsIt) {
    last = State::Click{};
    return msg + 2;
  }
  last = State::Click{msg, hwnd, pt, time};
  return msg;
}

std::optional<MSG> CookMouse(const InputEvent& ev) {
  HWND hwnd;
  bool captured;
  {
    State& st = S();
    Lock lk(st);
    ApplyKeyStateLocked(ev.message == WM_LBUTTONDOWN || ev.message == WM_LBUTTONUP   ? VK_LBUTTON
                        : ev.message == WM_RBUTTONDOWN || ev.message == WM_RBUTTONUP ? VK_RBUTTON
                        : ev.message == WM_MBUTTONDOWN || ev.message == WM_MBUTTONUP ? VK_MBUTTON
                                                                                     : 0,
                        IsButtonDown(ev.message));
    captured = st.capture != nullptr;
    hwnd = (ev.message == WM_MOUSEWHEEL) ? ev.target : st.capture;
    if (!hwnd) {
      bool disabled;
      hwnd = MouseTargetLocked(ev.pt, &disabled);
    }
    if (!FindWindowLocked(hwnd)) return std::nullopt;
  }
  const LPARAM screen = MAKELPARAM(ev.pt.x, ev.pt.y);
  if (ev.message == WM_MOUSEWHEEL) {
    Lock lk(S());
    return MSG{hwnd, WM_MOUSEWHEEL, MAKEWPARAM(MouseKeyFlagsLocked(), ev.wheel), screen, ev.time, ev.pt};
  }
  LRESULT hit = HTCLIENT;
  if (!captured) {
    hit = SendMessage(hwnd, WM_NCHITTEST, 0, screen);
    // A transparent window (a group box over its radio buttons) lets the
    // point through to the windows beneath it, and in the end its parent.
    std::vector<HWND> transparent;
    while (hit == HTTRANSPARENT) {
      transparent.push_back(hwnd);
      {
        Lock lk(S());
        bool disabled;
        hwnd = MouseTargetLocked(ev.pt, &disabled, transparent);
      }
      if (!hwnd) return std::nullopt;
      hit = SendMessage(hwnd, WM_NCHITTEST, 0, screen);
    }
  }
  bool eat = false;
  if (IsButtonDown(ev.message)) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    // An inactive MDI child of the active frame is activated by the click too.
    const bool inactiveTop = top && top != GetActiveWindow();
    if (inactiveTop || (top && win32::internal::InactiveMdiChildAt(hwnd))) {
      const LRESULT r = SendMessage(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(hit, ev.message));
      if (inactiveTop && (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT)) win32::core::ActivateWindow(top, WA_CLICKACTIVE);
      eat = r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT;
    }
  }
  if (!IsWindow(hwnd)) return std::nullopt;
  if (!captured) SendMessage(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(hit, ev.message));
  if (eat) return std::nullopt;

  Lock lk(S());
  State& s = S();
  if (s.lastMouseWindow && s.lastMouseWindow != hwnd) {
    if (WindowPtr old = FindWindowLocked(s.lastMouseWindow); old && old->trackLeave) {
      old->trackLeave = false;
      lk.unlock();
      PostMessage(old->hwnd, WM_MOUSELEAVE, 0, 0);
      lk.lock();
    }
  }
  s.lastMouseWindow = hwnd;
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return std::nullopt;
  UINT msg = ev.message;
  if (hit == HTCLIENT) {
    if (IsButtonDown(msg)) msg = DoubleClickLocked(hwnd, msg, ev.pt, ev.time, (w->cls->wc.style & CS_DBLCLKS) != 0);
    const POINT o = ClientOriginLocked(*w);
    return MSG{hwnd, msg, MouseKeyFlagsLocked(), MAKELPARAM(ev.pt.x - o.x, ev.pt.y - o.y), ev.time, ev.pt};
  }
  if (IsButtonDown(msg)) msg = DoubleClickLocked(hwnd, msg, ev.pt, ev.time, true);
  return MSG{hwnd, msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), screen, ev.time, ev.pt};
}

}  // namespace

std::optional<MSG> CookInputEvent(const InputEvent& ev) {
  return ev.kind == InputEvent::Kind::Key ? CookKey(ev) : CookMouse(ev);
}

int CharFromKey(UINT vk) {
  State& st = S();
  Lock lk(st);
  const auto& k = st.keys;
  const bool alt = Down(k, VK_MENU);
  return CharFor(vk, Down(k, VK_SHIFT), (k[VK_CAPITAL] & 1) != 0, Down(k, VK_CONTROL) && !alt);
}

}  // namespace win32::core

using namespace win32::core;

namespace win32::internal {
bool IsKeyDown(UINT vk) {
  State& st = S();
  Lock lk(st);
  return Down(st.keys, vk);
}
}  // namespace win32::internal

namespace win32::input {

void KeyDown(UINT vk) { InjectKey(vk, true); }
void KeyUp(UINT vk) { InjectKey(vk, false); }

void Char(char ch) {
  const SHORT scan = VkKeyScan(ch);
  if (scan == -1) {
    // A character no key makes arrives as WM_CHAR alone.
    Lock lk(S());
    InputEvent ev;
    ev.kind = InputEvent::Kind::Key;
    ev.message = WM_CHAR;
    ev.vk = static_cast<BYTE>(ch);
    ev.keyData = 1;
    PushInputLocked(KeyQueueLocked(), ev);
    return;
  }
  const UINT vk = LOBYTE(scan);
  const bool shift = (HIBYTE(scan) & 1) != 0;
  if (shift) KeyDown(VK_SHIFT);
  KeyDown(vk);
  KeyUp(vk);
  if (shift) KeyUp(VK_SHIFT);
}

void TypeText(const std::string& text) {
  for (char c : text) Char(c == '\n' ? '\r' : c);
}

void MouseMove(POINT screen) { InjectMouse(WM_MOUSEMOVE, screen, 0); }

void MouseButton(int button, bool down, POINT screen) {
  static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  if (button < 0 || button > 2) return;
  InjectMouse(kDown[button] + (down ? 0 : 1), screen, 0);
}

void MouseWheel(int delta, POINT screen) { InjectMouse(WM_MOUSEWHEEL, screen, delta); }

}  // namespace win32::input

SHORT WINAPI GetKeyState(int nVirtKey) {
  State& st = S();
  Lock lk(st);
  const BYTE b = st.keys[static_cast<UINT>(nVirtKey) & 0xFF];
  return static_cast<SHORT>(((b & 0x80) ? 0xFF80 : 0) | (b & 1));
}

SHORT WINAPI GetAsyncKeyState(int vKey) {
  State& st = S();
  Lock lk(st);
  return static_cast<SHORT>((st.asyncKeys[static_cast<UINT>(vKey) & 0xFF] & 0x80) ? 0x8000 : 0);
}

BOOL WINAPI GetKeyboardState(PBYTE lpKeyState) {
  if (!lpKeyState) return FALSE;
  State& st = S();
  Lock lk(st);
  std::memcpy(lpKeyState, st.keys.data(), 256);
  return TRUE;
}

BOOL WINAPI SetKeyboardState(LPBYTE lpKeyState) {
  if (!lpKeyState) return FALSE;
  State& st = S();
  Lock lk(st);
  std::memcpy(st.keys.data(), lpKeyState, 256);
  return TRUE;
}

SHORT WINAPI VkKeyScan(CHAR ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (std::isupper(c)) return static_cast<SHORT>(0x100 | c);
  if (std::islower(c)) return static_cast<SHORT>(std::toupper(c));
  if (std::isdigit(c)) return static_cast<SHORT>(c);
  for (int d = 0; d < 10; ++d) {
    if (kShiftedDigits[d] == ch) return static_cast<SHORT>(0x100 | ('0' + d));
  }
  switch (ch) {
    case ' ':
      return VK_SPACE;
    case '\r':
      return VK_RETURN;
    case '\t':
      return VK_TAB;
    case '\b':
      return VK_BACK;
    case 0x1B:
      return VK_ESCAPE;
    default:
      break;
  }
  for (const OemKey& k : kOemKeys) {
    if (k.plain == ch) return static_cast<SHORT>(k.vk);
    if (k.shifted == ch) return static_cast<SHORT>(0x100 | k.vk);
  }
  return -1;
}

UINT WINAPI MapVirtualKey(UINT uCode, UINT uMapType) {
  switch (uMapType) {
    case MAPVK_VK_TO_VSC:
      return ScanCode(uCode);
    case MAPVK_VSC_TO_VK:
      for (UINT vk = 1; vk < 256; ++vk) {
        if (ScanCode(vk) == uCode) return vk;
      }
      return 0;
    case MAPVK_VK_TO_CHAR:
      return static_cast<UINT>(CharFor(uCode, false, true, false));
    default:
      return 0;
  }
}
