// The "msctls_updown32" class: range, position, buddy window and the step
// every arrow, key and timer goes through.
#include "controls/updown.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace win32::controls {
namespace {

constexpr char kBuddyProp[] = "HalvaneUpDownOfBuddy";

int RangeMin(const UpDownState& s) { return std::min(s.low, s.high); }
int RangeMax(const UpDownState& s) { return std::max(s.low, s.high); }
int Clamp(const UpDownState& s, int pos) { return std::clamp(pos, RangeMin(s), RangeMax(s)); }

// "1,234" in base 10 (unless UDS_NOTHOUSANDS), "0x04D2" in base 16.
std::string FormatPosition(HWND hwnd, const UpDownState& s) {
  char buffer[32];
  if (s.base == 16) {
    std::snprintf(buffer, sizeof(buffer), "0x%04X", static_cast<unsigned>(s.pos));
    return buffer;
  }
  std::snprintf(buffer, sizeof(buffer), "%d", std::abs(s.pos));
  const std::string_view digits = buffer;
  const bool group = !(StyleOf(hwnd) & UDS_NOTHOUSANDS);
  // Built forwards rather than by insert(): GCC 12 at -O2 reports a bogus
  // overlap (-Wrestrict) for the insert form.
  std::string text = s.pos < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (group && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

// The buddy's text as a number; false when it holds none.
bool ParsePosition(const std::string& text, int base, int& value) {
  std::string digits;
  for (char c : text) {
    if (c != ',' && c != ' ') digits += c;
  }
  if (digits.empty()) return false;
  char* end = nullptr;
  long parsed = std::strtol(digits.c_str(), &end, base);
  if (!end || *end != '\0') return false;
  value = static_cast<int>(parsed);
  return true;
}

bool SetsBuddyInt(HWND hwnd, const UpDownState& s) {
  return s.buddy && IsWindow(s.buddy) && (StyleOf(hwnd) & UDS_SETBUDDYINT);
}

void UpdateBuddy(HWND hwnd, const UpDownState& s) {
  if (SetsBuddyInt(hwnd, s)) SetWindowText(s.buddy, FormatPosition(hwnd, s).c_str());
}

// Takes a valid number from the buddy as the position; false when the
// buddy's text is no number in range.
bool ReadBuddy(HWND hwnd, UpDownState& s) {
  if (!SetsBuddyInt(hwnd, s)) return true;
  int value = 0;
  if (!ParsePosition(WindowText(s.buddy), s.base, value)) return false;
  if (value < RangeMin(s) || value > RangeMax(s)) return false;
  s.pos = value;
  return true;
}

int DefaultWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

// Puts the control beside its buddy, inside the buddy's old rectangle.
void AlignWithBuddy(HWND hwnd, const UpDownState& s) {
  DWORD style = StyleOf(hwnd);
  if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) || !s.buddy || !IsWindow(s.buddy)) return;
  HWND parent = GetParent(s.buddy);
  RECT buddy{};
  GetWindowRect(s.buddy, &buddy);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&buddy), 2);
  RECT own{};
  GetWindowRect(hwnd, &own);
  int width = own.right > own.left ? own.right - own.left : DefaultWidth();
  int height = buddy.bottom - buddy.top;
  int buddyWidth = std::max(0, static_cast<int>(buddy.right - buddy.left) - width);
  bool right = (style & UDS_ALIGNRIGHT) != 0;
  int buddyLeft = right ? buddy.left : buddy.left + width;
  int ownLeft = right ? buddy.left + buddyWidth : buddy.left;
  SetWindowPos(s.buddy, nullptr, buddyLeft, buddy.top, buddyWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (GetParent(hwnd) == parent) {
    SetWindowPos(hwnd, nullptr, ownLeft, buddy.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Unsubclass(UpDownState& s) {
  if (s.buddy && s.buddyProc && IsWindow(s.buddy)) {
    SetWindowLongPtr(s.buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s.buddyProc));
    RemoveProp(s.buddy, kBuddyProp);
  }
  s.buddyProc = nullptr;
}

HWND SetBuddy(HWND hwnd, UpDownState& s, HWND buddy) {
  HWND old = s.buddy;
  Unsubclass(s);
  s.buddy = IsWindow(buddy) ? buddy : nullptr;
  if (!s.buddy) return old;
  if (StyleOf(hwnd) & UDS_ARROWKEYS) {
    SetProp(s.buddy, kBuddyProp, hwnd);
    s.buddyProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(s.buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UpDownBuddyProc)));
  }
  AlignWithBuddy(hwnd, s);
  UpdateBuddy(hwnd, s);
  return old;
}

LRESULT SetPos(HWND hwnd, UpDownState& s, int pos) {
  ReadBuddy(hwnd, s);
  int old = s.pos;
  s.pos = Clamp(s, pos);
  UpdateBuddy(hwnd, s);
  return old;
}

LRESULT SetRange(HWND hwnd, UpDownState& s, int low, int high) {
  s.low = low;
  s.high = high;
  s.pos = Clamp(s, s.pos);
  Redraw(hwnd);
  return 0;
}

LRESULT GetAccel(const UpDownState& s, WPARAM count, LPARAM lParam) {
  auto* out = reinterpret_cast<UDACCEL*>(lParam);
  size_t n = std::min(static_cast<size_t>(count), s.accels.size());
  if (out) std::copy_n(s.accels.begin(), n, out);
  return static_cast<LRESULT>(s.accels.size());
}

LRESULT SetAccel(UpDownState& s, WPARAM count, LPARAM lParam) {
  const auto* in = reinterpret_cast<const UDACCEL*>(lParam);
  if (!in || count == 0) return FALSE;
  s.accels.assign(in, in + count);
  return TRUE;
}

LRESULT SetBase(HWND hwnd, UpDownState& s, WPARAM base) {
  if (base != 10 && base != 16) return 0;
  int old = s.base;
  s.base = static_cast<int>(base);
  UpdateBuddy(hwnd, s);
  return old;
}

LRESULT OnCreate(HWND hwnd, UpDownState& s) {
  if (StyleOf(hwnd) & UDS_AUTOBUDDY) SetBuddy(hwnd, s, GetWindow(hwnd, GW_HWNDPREV));
  return 0;
}

LRESULT HandleUpDown(HWND hwnd, UpDownState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleUpDownInput(hwnd, s, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd, s);
    case WM_DESTROY:
      Unsubclass(s);
      return 0;
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case UDM_SETRANGE:
      return SetRange(hwnd, s, static_cast<SHORT>(HIWORD(lParam)), static_cast<SHORT>(LOWORD(lParam)));
    case UDM_GETRANGE:
      return MAKELRESULT(static_cast<WORD>(s.high), static_cast<WORD>(s.low));
    case UDM_SETRANGE32:
      return SetRange(hwnd, s, static_cast<int>(wParam), static_cast<int>(lParam));
    case UDM_GETRANGE32:
      if (wParam) *reinterpret_cast<int*>(wParam) = s.low;
      if (lParam) *reinterpret_cast<int*>(lParam) = s.high;
      return 0;
    case UDM_SETPOS:
      return SetPos(hwnd, s, static_cast<SHORT>(LOWORD(lParam)));
    case UDM_SETPOS32:
      return SetPos(hwnd, s, static_cast<int>(lParam));
    case UDM_GETPOS: {
      bool valid = ReadBuddy(hwnd, s);
      return MAKELRESULT(static_cast<WORD>(s.pos), valid ? 0 : 1);
    }
    case UDM_GETPOS32: {
      bool valid = ReadBuddy(hwnd, s);
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = valid ? FALSE : TRUE;
      return s.pos;
    }
    case UDM_SETBUDDY:
      return reinterpret_cast<LRESULT>(SetBuddy(hwnd, s, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
      return reinterpret_cast<LRESULT>(s.buddy);
    case UDM_SETACCEL:
      return SetAccel(s, wParam, lParam);
    case UDM_GETACCEL:
      return GetAccel(s, wParam, lParam);
    case UDM_SETBASE:
      return SetBase(hwnd, s, wParam);
    case UDM_GETBASE:
      return s.base;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using UpDownClass = ControlClass<UpDownState, HandleUpDown>;

constexpr char kUpDownClassName[] = UPDOWN_CLASS;
const SystemClassRegistration<InitControlClass<UpDownClass, kUpDownClassName>> kUpDownRegistration;

}  // namespace

std::shared_ptr<UpDownState> FindUpDownState(HWND hwnd) { return UpDownClass::Table().Find(hwnd); }

bool StepUpDown(HWND hwnd, UpDownState& s, int increment) {
  ReadBuddy(hwnd, s);
  // An inverted range (maximum below minimum) makes the up arrow count down.
  int delta = s.high < s.low ? -increment : increment;
  NMUPDOWN info{};
  info.iPos = s.pos;
  info.iDelta = delta;
  if (SendNotify(hwnd, UDN_DELTAPOS, info.hdr) != 0) return false;
  if (!IsWindow(hwnd)) return false;
  int next = s.pos + delta;
  if (next > RangeMax(s) || next < RangeMin(s)) {
    bool wrap = (StyleOf(hwnd) & UDS_WRAP) != 0;
    next = !wrap ? Clamp(s, next) : (next > RangeMax(s) ? RangeMin(s) : RangeMax(s));
  }
  if (next == s.pos) return true;
  s.pos = next;
  UpdateBuddy(hwnd, s);
  UINT scroll = (StyleOf(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
  HWND parent = GetParent(hwnd);
  if (parent) {
    SendMessage(parent, scroll, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(s.pos)), reinterpret_cast<LPARAM>(hwnd));
  }
  return true;
}

int AccelIncrement(const UpDownState& s, DWORD heldMs) {
  int increment = 1;
  for (const UDACCEL& accel : s.accels) {
    if (static_cast<DWORD>(accel.nSec) * 1000 <= heldMs) increment = static_cast<int>(accel.nInc);
  }
  return increment;
}

LRESULT CALLBACK UpDownBuddyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND upDown = static_cast<HWND>(GetProp(hwnd, kBuddyProp));
  std::shared_ptr<UpDownState> state = FindUpDownState(upDown);
  if (!state || !state->buddyProc) return DefWindowProc(hwnd, msg, wParam, lParam);
  WNDPROC previous = state->buddyProc;
  if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
    StepUpDown(upDown, *state, wParam == VK_UP ? 1 : -1);
    return 0;
  }
  if (msg == WM_GETDLGCODE) return CallWindowProc(previous, hwnd, msg, wParam, lParam) | DLGC_WANTARROWS;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemoveProp(hwnd, kBuddyProp);
    state->buddyProc = nullptr;
    state->buddy = nullptr;
  }
  return CallWindowProc(previous, hwnd, msg, wParam, lParam);
}

}  // namespace win32::controls

HWND WINAPI CreateUpDownControl(DWORD dwStyle, int x, int y, int cx, int cy, HWND hParent, int nID, HINSTANCE hInst,
                                HWND hBuddy, int nUpper, int nLower, int nPos) {
  HWND hwnd = CreateWindowEx(0, UPDOWN_CLASS, nullptr, dwStyle, x, y, cx, cy, hParent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), hInst, nullptr);
  if (!hwnd) return nullptr;
  if (hBuddy) SendMessage(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hBuddy), 0);
  SendMessage(hwnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
  SendMessage(hwnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0));
  return hwnd;
}
