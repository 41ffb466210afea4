#include "core/sizemove.h"

#include <algorithm>

#include "internal/core_input.h"
#include "internal/dlg_modal.h"

namespace win32::core {
namespace {

// How far one arrow key moves the window or its edge.
constexpr int kKeyStep = 8;

// The window of the thread's running loop, for GetGUIThreadInfo.
thread_local HWND t_moveSizeWindow = nullptr;

struct Edges {
  bool left = false, right = false, top = false, bottom = false;

  bool any() const { return left || right || top || bottom; }
  bool horizontal() const { return left || right; }
  bool vertical() const { return top || bottom; }

  // The WMSZ_ code of these edges.
  int code() const {
    const int h = left ? WMSZ_LEFT : right ? WMSZ_RIGHT : 0;
    if (top) return h ? h + WMSZ_TOPLEFT - WMSZ_LEFT : WMSZ_TOP;
    if (bottom) return h ? h + WMSZ_BOTTOMLEFT - WMSZ_LEFT : WMSZ_BOTTOM;
    return h;
  }
};

Edges EdgesOf(int code) {
  Edges e;
  e.left = code == WMSZ_LEFT || code == WMSZ_TOPLEFT || code == WMSZ_BOTTOMLEFT;
  e.right = code == WMSZ_RIGHT || code == WMSZ_TOPRIGHT || code == WMSZ_BOTTOMRIGHT;
  e.top = code >= WMSZ_TOP && code <= WMSZ_TOPRIGHT;
  e.bottom = code >= WMSZ_BOTTOM && code <= WMSZ_BOTTOMRIGHT;
  return e;
}

// Moves the edges of `start` by the cursor's offset, keeping the size in
// the limits by holding the opposite edge where it is.
RECT SizedRect(const RECT& start, const Edges& e, POINT offset, const MINMAXINFO& mmi) {
  RECT r = start;
  if (e.left) r.left += offset.x;
  if (e.right) r.right += offset.x;
  if (e.top) r.top += offset.y;
  if (e.bottom) r.bottom += offset.y;
  const LONG minW = mmi.ptMinTrackSize.x, maxW = std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x);
  const LONG minH = mmi.ptMinTrackSize.y, maxH = std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y);
  const LONG w = std::clamp(r.right - r.left, minW, maxW), h = std::clamp(r.bottom - r.top, minH, maxH);
  if (e.left)
    r.left = r.right - w;
  else
    r.right = r.left + w;
  if (e.top)
    r.top = r.bottom - h;
  else
    r.bottom = r.top + h;
  return r;
}

class SizeMoveLoop {
 public:
  SizeMoveLoop(HWND hwnd, bool sizing, bool keyboard, int code, POINT cursor)
      : hwnd_(hwnd),
        sizing_(sizing),
        keyboard_(keyboard),
        edges_(EdgesOf(code)),
        cursor_(cursor),
        anchor_(cursor),
        mmi_(QueryMinMaxInfo(hwnd)) {
    GetWindowRect(hwnd, &start_);
  }

  void Run() {
    win32::internal::ModalLoopGuard modal(hwnd_);
    t_moveSizeWindow = hwnd_;
    SetCapture(hwnd_);
    SendMessage(hwnd_, WM_ENTERSIZEMOVE, 0, 0);
    MSG msg{};
    while (!done_ && Next(msg)) {
      if (!Handle(msg)) DispatchMessage(&msg);
      // Losing the mouse or the window ends the loop where it is.
      if (!done_ && (GetCapture() != hwnd_ || !IsWindow(hwnd_))) done_ = true;
    }
    if (GetCapture() == hwnd_) ReleaseCapture();
    t_moveSizeWindow = nullptr;
    if (IsWindow(hwnd_)) SendMessage(hwnd_, WM_EXITSIZEMOVE, 0, 0);
  }

 private:
  bool Next(MSG& msg) {
    while (!done_) {
      if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) return true;
        // The quit request belongs to an outer loop.
        PostQuitMessage(static_cast<int>(msg.wParam));
        done_ = true;
        return false;
      }
      if (!win32::internal::RunModalIdle(hwnd_) && IsWindow(hwnd_)) WaitMessage();
      if (!IsWindow(hwnd_)) done_ = true;
    }
    return false;
  }

  // The loop's own input; false for what goes on to the windows.
  bool Handle(const MSG& msg) {
    switch (msg.message) {
      case WM_MOUSEMOVE:
        // From the keyboard only the keys move the window.
        if (!keyboard_) Track(msg.pt);
        return true;
      case WM_LBUTTONUP:
      case WM_LBUTTONDOWN:
        done_ = true;
        return true;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        OnKey(static_cast<UINT>(msg.wParam));
        return true;
      case WM_KEYUP:
      case WM_SYSKEYUP:
      case WM_CHAR:
      case WM_SYSCHAR:
        return true;
      default:
        return msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
    }
  }

  void OnKey(UINT vk) {
    POINT step{0, 0};
    switch (vk) {
      case VK_ESCAPE:
        Cancel();
        return;
      case VK_RETURN:
        done_ = true;
        return;
      case VK_LEFT:
        step.x = -kKeyStep;
        break;
      case VK_RIGHT:
        step.x = kKeyStep;
        break;
      case VK_UP:
        step.y = -kKeyStep;
        break;
      case VK_DOWN:
        step.y = kKeyStep;
        break;
      default:
        return;
    }
    if (sizing_) ChooseEdge(vk);
    Track(POINT{cursor_.x + step.x, cursor_.y + step.y});
  }

  // From the keyboard the first arrow on each axis picks the edge to size.
  void ChooseEdge(UINT vk) {
    if ((vk == VK_LEFT || vk == VK_RIGHT) && !edges_.horizontal()) (vk == VK_LEFT ? edges_.left : edges_.right) = true;
    if ((vk == VK_UP || vk == VK_DOWN) && !edges_.vertical()) (vk == VK_UP ? edges_.top : edges_.bottom) = true;
  }

  void Track(POINT cursor) {
    cursor_ = cursor;
    const POINT offset{cursor.x - anchor_.x, cursor.y - anchor_.y};
    RECT r = start_;
    if (sizing_) {
      if (!edges_.any()) return;
      r = SizedRect(start_, edges_, offset, mmi_);
      SendMessage(hwnd_, WM_SIZING, static_cast<WPARAM>(edges_.code()), reinterpret_cast<LPARAM>(&r));
    } else {
      OffsetRect(&r, offset.x, offset.y);
      SendMessage(hwnd_, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    }
    Place(r);
  }

  // Escape puts the window back where the loop found it.
  void Cancel() {
    Place(start_);
    done_ = true;
  }

  void Place(RECT screen) {
    if (!IsWindow(hwnd_)) return;
    if (GetWindowLong(hwnd_, GWL_STYLE) & WS_CHILD)
      MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&screen), 2);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (sizing_ ? 0 : SWP_NOSIZE);
    SetWindowPos(hwnd_, nullptr, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                 flags);
  }

  HWND hwnd_;
  bool sizing_;
  bool keyboard_;
  Edges edges_;
  POINT cursor_;
  POINT anchor_;
  MINMAXINFO mmi_;
  RECT start_{};
  bool done_ = false;
};

// Where the keyboard loop puts its virtual cursor: the middle of the caption.
POINT KeyboardAnchor(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, r.top + GetSystemMetrics(SM_CYCAPTION) / 2};
}

}  // namespace

MINMAXINFO QueryMinMaxInfo(HWND hwnd) {
  MINMAXINFO mmi{};
  mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  return mmi;
}

void RunSizeMoveLoop(HWND hwnd, WPARAM command, POINT cursor) {
  const bool sizing = (command & 0xFFF0) == SC_SIZE;
  const LONG style = GetWindowLong(hwnd, GWL_STYLE);
  // A maximized or minimized window stays put, and only a sizing frame sizes.
  if (IsZoomed(hwnd) || IsIconic(hwnd) || (sizing && !(style & WS_THICKFRAME))) return;
  const int code = static_cast<int>(command & 0x000F);
  const bool keyboard = code == 0;
  SizeMoveLoop(hwnd, sizing, keyboard, sizing ? code : 0, keyboard ? KeyboardAnchor(hwnd) : cursor).Run();
}

}  // namespace win32::core

HWND win32::internal::MoveSizeWindow() { return win32::core::t_moveSizeWindow; }
