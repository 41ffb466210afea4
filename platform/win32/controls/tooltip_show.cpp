// When a tip shows and hides: the initial delay after the mouse comes to a
// tool, the reshow delay when it moves on to another, the auto-pop delay,
// and hiding on leaving or clicking. Also the tip's size and painting.
#include <algorithm>
#include <cstring>

#include "controls/tooltip.h"

namespace win32::controls {
namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr int kMargin = 3;
constexpr int kBelowCursor = 20;

POINT ScreenPointOf(const MSG& msg) {
  POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  ClientToScreen(msg.hwnd, &pt);
  return pt;
}

bool ToolContains(const Tool& tool, HWND under, POINT screen) {
  if (tool.flags & TTF_IDISHWND) {
    HWND window = reinterpret_cast<HWND>(tool.id);
    RECT rc{};
    return (under == window || IsChild(window, under)) && GetWindowRect(window, &rc) && PtInRect(&rc, screen);
  }
  if (under != tool.hwnd) return false;
  POINT pt = screen;
  ScreenToClient(tool.hwnd, &pt);
  return PtInRect(&tool.rect, pt) != 0;
}

int ToolAt(const TooltipState& s, HWND under, POINT screen) {
  for (size_t i = 0; i < s.tools.size(); ++i) {
    if (ToolContains(s.tools[i], under, screen)) return static_cast<int>(i);
  }
  return -1;
}

// A tip shows for the active application only, unless TTS_ALWAYSTIP.
bool MayShow(HWND tip, const Tool& tool) {
  if (StyleOf(tip) & TTS_ALWAYSTIP) return true;
  HWND root = GetAncestor(tool.hwnd, GA_ROOT);
  return root && root == GetActiveWindow();
}

LRESULT NotifyTool(HWND tip, const Tool& tool, UINT code, NMHDR& header) {
  header.hwndFrom = tip;
  header.idFrom = tool.id;
  header.code = code;
  return SendMessage(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&header));
}

SIZE TipSize(HWND tip, const TooltipState& s, const std::string& text) {
  HDC dc = GetDC(tip);
  RECT rc{0, 0, s.maxWidth > 0 ? s.maxWidth : 0, 0};
  {
    SelectGuard font(dc, PaintFont(s.font));
    UINT format = DT_CALCRECT | DT_NOPREFIX | (s.maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
  }
  ReleaseDC(tip, dc);
  return SIZE{rc.right + 2 * (kMargin + 1), rc.bottom + 2 * (kMargin + 1) - 2};
}

POINT TipPosition(const Tool& tool, SIZE size) {
  POINT cursor{};
  GetCursorPos(&cursor);
  POINT at{cursor.x, cursor.y + kBelowCursor};
  if (tool.flags & TTF_CENTERTIP) {
    RECT rc = tool.rect;
    if (tool.flags & TTF_IDISHWND) {
      GetWindowRect(reinterpret_cast<HWND>(tool.id), &rc);
    } else {
      MapWindowPoints(tool.hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    }
    at = POINT{(rc.left + rc.right - size.cx) / 2, rc.bottom + 2};
  }
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  at.x = std::clamp(static_cast<int>(at.x), 0, std::max(0, screenWidth - static_cast<int>(size.cx)));
  if (at.y + size.cy > screenHeight) at.y = cursor.y - size.cy - 2;
  return at;
}

void StartTimer(HWND tip, UINT_PTR id, UINT delay) { SetTimer(tip, id, std::max(1u, delay), nullptr); }

void PaintTip(HWND tip, const TooltipState& s, HDC dc) {
  RECT rc{};
  GetClientRect(tip, &rc);
  FillSysColor(dc, rc, COLOR_INFOBK);
  FrameRect(dc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
  InflateRect(&rc, -(kMargin + 1), -(kMargin + 1) + 1);
  SelectGuard font(dc, PaintFont(s.font));
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  std::string text = WindowText(tip);
  UINT format = DT_NOPREFIX | (s.maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
  SetBkMode(dc, oldMode);
}

}  // namespace

HWND ToolWatchedWindow(const Tool& tool) {
  return (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) : tool.hwnd;
}

UINT TipDelay(const TooltipState& s, WPARAM kind) {
  UINT initial = s.initialDelay >= 0 ? static_cast<UINT>(s.initialDelay) : GetDoubleClickTime();
  switch (kind) {
    case TTDT_AUTOPOP:
      return s.autoPopDelay >= 0 ? static_cast<UINT>(s.autoPopDelay) : initial * 10;
    case TTDT_RESHOW:
      return s.reshowDelay >= 0 ? static_cast<UINT>(s.reshowDelay) : initial / 5;
    default:
      return initial;
  }
}

std::string ToolText(HWND tip, Tool& tool, bool ask) {
  if (!tool.callback) {
    if (!tool.textId) return tool.text;
    char buffer[1024] = {};
    LoadString(tool.hinst, tool.textId, buffer, sizeof(buffer));
    return buffer;
  }
  if (!ask) return {};
  NMTTDISPINFO info{};
  info.lpszText = info.szText;
  info.uFlags = tool.flags;
  info.lParam = tool.lParam;
  NotifyTool(tip, tool, TTN_GETDISPINFO, info.hdr);
  std::string text;
  if (info.hinst && info.lpszText && IS_INTRESOURCE(info.lpszText)) {
    char buffer[1024] = {};
    LoadString(info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)), buffer, sizeof(buffer));
    text = buffer;
  } else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACK) {
    text.assign(info.lpszText,
                info.lpszText == info.szText ? strnlen(info.szText, sizeof(info.szText)) : std::strlen(info.lpszText));
  }
  if (info.uFlags & TTF_DI_SETITEM) {
    tool.callback = false;
    tool.text = text;
  }
  return text;
}

void HideTip(HWND tip, TooltipState& s) {
  KillTimer(tip, kShowTimer);
  if (!s.shown) return;
  s.shown = false;
  KillTimer(tip, kPopTimer);
  ShowWindow(tip, SW_HIDE);
  if (s.current >= 0 && s.current < static_cast<int>(s.tools.size())) {
    NMHDR header{};
    NotifyTool(tip, s.tools[static_cast<size_t>(s.current)], TTN_POP, header);
  }
}

void ShowTip(HWND tip, TooltipState& s) {
  KillTimer(tip, kShowTimer);
  if (!s.active || s.shown || s.current < 0 || s.current >= static_cast<int>(s.tools.size())) return;
  int index = s.current;
  if (!MayShow(tip, s.tools[static_cast<size_t>(index)])) return;
  std::string text = ToolText(tip, s.tools[static_cast<size_t>(index)], true);
  // The notification may have removed tools or the tooltip itself.
  if (!IsWindow(tip) || text.empty() || s.current != index) return;
  const Tool& tool = s.tools[static_cast<size_t>(index)];
  SetWindowText(tip, text.c_str());
  SIZE size = TipSize(tip, s, text);
  POINT at = TipPosition(tool, size);
  SetWindowPos(tip, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
  NMHDR header{};
  NotifyTool(tip, tool, TTN_SHOW, header);
  if (!IsWindow(tip)) return;
  SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  s.shown = true;
  InvalidateRect(tip, nullptr, TRUE);
  StartTimer(tip, kPopTimer, TipDelay(s, TTDT_AUTOPOP));
}

void RelayMouseEvent(HWND tip, TooltipState& s, const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE: {
      int tool = ToolAt(s, msg.hwnd, ScreenPointOf(msg));
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, msg.hwnd, 0};
      TrackMouseEvent(&track);
      if (tool == s.current) return;
      bool wasShown = s.shown;
      HideTip(tip, s);
      s.current = tool;
      s.suppressed = false;
      if (tool >= 0 && s.active) StartTimer(tip, kShowTimer, TipDelay(s, wasShown ? TTDT_RESHOW : TTDT_INITIAL));
      return;
    }
    case WM_MOUSELEAVE:
      HideTip(tip, s);
      s.current = -1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
      HideTip(tip, s);
      s.suppressed = true;
      return;
    default:
      return;
  }
}

bool HandleTooltipWindow(HWND tip, TooltipState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_TIMER:
      if (wParam == kShowTimer) {
        if (s.suppressed)
          KillTimer(tip, kShowTimer);
        else
          ShowTip(tip, s);
      } else if (wParam == kPopTimer) {
        HideTip(tip, s);
        s.suppressed = true;
      }
      return true;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(tip, wParam);
      PaintTip(tip, s, paint.dc());
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_NCHITTEST:
      result = HTTRANSPARENT;
      return true;
    case WM_MOUSEACTIVATE:
      result = MA_NOACTIVATE;
      return true;
    default:
      return false;
  }
}

}  // namespace win32::controls
