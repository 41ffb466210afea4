// The "SysAnimate32" class: opens a silent AVI clip from a resource of type
// "AVI" or a file, and plays a range of its frames on a timer at the clip's
// rate, telling its parent ACN_START and ACN_STOP.
#include <fstream>
#include <iterator>
#include <optional>

#include "controls/animate_clip.h"
#include "controls/bars_common.h"

namespace win32::controls {
namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr WORD kLastFrame = 0xFFFF;

struct AnimateState {
  std::optional<AnimationClip> clip;
  int frame = 0;
  int from = 0;
  int to = 0;
  int repeatsLeft = 0;  // -1: forever
  bool playing = false;
};

std::vector<BYTE> ReadResource(HINSTANCE module, LPCSTR name) {
  HRSRC found = FindResource(module, name, "AVI");
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
  DWORD size = SizeofResource(module, found);
  if (!bytes) return {};
  return std::vector<BYTE>(bytes, bytes + size);
}

std::vector<BYTE> ReadFile(LPCSTR path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The clip named by ACM_OPEN: a resource of the module, else a file path.
std::optional<AnimationClip> LoadClip(HWND hwnd, WPARAM instance, LPCSTR name) {
  HINSTANCE module = instance ? reinterpret_cast<HINSTANCE>(instance)
                              : reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE));
  std::vector<BYTE> bytes = ReadResource(module, name);
  if (bytes.empty() && !IS_INTRESOURCE(name)) bytes = ReadFile(name);
  return ParseAnimationClip(bytes.data(), bytes.size());
}

bool Stop(HWND hwnd, AnimateState& s) {
  KillTimer(hwnd, kFrameTimer);
  if (!s.playing) return false;
  s.playing = false;
  NotifyParent(hwnd, ACN_STOP);
  return true;
}

void ShowFrame(HWND hwnd, AnimateState& s, int frame) {
  s.frame = frame;
  Redraw(hwnd);
}

LRESULT Play(HWND hwnd, AnimateState& s, WPARAM repeat, LPARAM range) {
  if (!s.clip) return FALSE;
  int last = s.clip->frameCount - 1;
  int from = LOWORD(range);
  int to = HIWORD(range) == kLastFrame ? last : HIWORD(range);
  if (from > to || to > last) return FALSE;
  Stop(hwnd, s);
  s.from = from;
  s.to = to;
  ShowFrame(hwnd, s, from);
  int repeats = static_cast<int>(static_cast<INT_PTR>(repeat));
  if (repeats == 0) return TRUE;
  s.repeatsLeft = repeats < 0 ? -1 : repeats;
  s.playing = true;
  NotifyParent(hwnd, ACN_START);
  if (IsWindow(hwnd) && s.playing) SetTimer(hwnd, kFrameTimer, s.clip->frameMilliseconds, nullptr);
  return TRUE;
}

void NextFrame(HWND hwnd, AnimateState& s) {
  if (!s.playing) return;
  if (s.frame < s.to) {
    ShowFrame(hwnd, s, s.frame + 1);
    return;
  }
  if (s.repeatsLeft > 0 && --s.repeatsLeft == 0) {
    Stop(hwnd, s);
    return;
  }
  ShowFrame(hwnd, s, s.from);
}

LRESULT Open(HWND hwnd, AnimateState& s, WPARAM instance, LPCSTR name) {
  Stop(hwnd, s);
  s.clip.reset();
  s.frame = 0;
  Redraw(hwnd);
  if (!name) return TRUE;
  s.clip = LoadClip(hwnd, instance, name);
  if (!s.clip) return FALSE;
  if (!(StyleOf(hwnd) & ACS_CENTER)) {
    SetWindowPos(hwnd, nullptr, 0, 0, s.clip->width, s.clip->height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (StyleOf(hwnd) & ACS_AUTOPLAY) Play(hwnd, s, static_cast<WPARAM>(-1), MAKELPARAM(0, kLastFrame));
  return TRUE;
}

// Draws the frame's pixels; with ACS_TRANSPARENT the colour of its first
// pixel lets the background through.
void PaintFrame(HWND hwnd, const AnimationClip& clip, const std::vector<uint32_t>& pixels, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  int x = 0;
  int y = 0;
  if (StyleOf(hwnd) & ACS_CENTER) {
    x = (client.right - clip.width) / 2;
    y = (client.bottom - clip.height) / 2;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = clip.width;
  info.bmiHeader.biHeight = -clip.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return;
  std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
  HDC memory = CreateCompatibleDC(dc);
  {
    SelectGuard select(memory, bitmap);
    if (StyleOf(hwnd) & ACS_TRANSPARENT) {
      uint32_t key = pixels.front();
      COLORREF transparent = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
      TransparentBlt(dc, x, y, clip.width, clip.height, memory, 0, 0, clip.width, clip.height, transparent);
    } else {
      BitBlt(dc, x, y, clip.width, clip.height, memory, 0, 0, SRCCOPY);
    }
  }
  DeleteDC(memory);
  DeleteObject(bitmap);
}

void Paint(HWND hwnd, const AnimateState& s, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, ControlColor(hwnd, dc, WM_CTLCOLORSTATIC));
  if (!s.clip) return;
  if (const std::vector<uint32_t>* pixels = s.clip->Frame(s.frame)) PaintFrame(hwnd, *s.clip, *pixels, dc);
}

LRESULT HandleAnimate(HWND hwnd, AnimateState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      // A window name opens that clip at once, as dialog templates give it.
      if (cs->lpszName && (IS_INTRESOURCE(cs->lpszName) || *cs->lpszName)) Open(hwnd, s, 0, cs->lpszName);
      return 0;
    }
    case WM_DESTROY:
      KillTimer(hwnd, kFrameTimer);
      s.playing = false;
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      Paint(hwnd, s, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_TIMER:
      if (wParam == kFrameTimer) NextFrame(hwnd, s);
      return 0;
    case ACM_OPEN:
      return Open(hwnd, s, wParam, reinterpret_cast<LPCSTR>(lParam));
    case ACM_PLAY:
      return Play(hwnd, s, wParam, lParam);
    case ACM_STOP:
      Stop(hwnd, s);
      return TRUE;
    case ACM_ISPLAYING:
      return s.playing ? TRUE : FALSE;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using AnimateClass = ControlClass<AnimateState, HandleAnimate>;

constexpr char kAnimateClassName[] = ANIMATE_CLASS;
const SystemClassRegistration<InitControlClass<AnimateClass, kAnimateClassName>> kAnimateRegistration;

}  // namespace
}  // namespace win32::controls
