// The "tooltips_class32" class: the tool list, its messages, and the
// subclassing that lets TTF_SUBCLASS tools feed their mouse messages in.
#include "controls/tooltip.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace win32::controls {
namespace {

// The windows subclassed for TTF_SUBCLASS tools: their own procedure and
// the tooltips that watch them.
struct Subclass {
  WNDPROC previous = nullptr;
  std::vector<HWND> tips;
};

std::unordered_map<HWND, Subclass>& Subclasses() {
  static std::unordered_map<HWND, Subclass> subclasses;
  return subclasses;
}

bool IsMouseMessage(UINT msg) { return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE; }

LRESULT CALLBACK WatchedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = Subclasses().find(hwnd);
  if (it == Subclasses().end()) return DefWindowProc(hwnd, msg, wParam, lParam);
  WNDPROC previous = it->second.previous;
  if (IsMouseMessage(msg)) {
    MSG relayed{hwnd, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    std::vector<HWND> tips = it->second.tips;
    for (HWND tip : tips) SendMessage(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    Subclasses().erase(hwnd);
  }
  return CallWindowProc(previous, hwnd, msg, wParam, lParam);
}

void Watch(HWND tip, HWND window) {
  if (!IsWindow(window)) return;
  auto [it, added] = Subclasses().try_emplace(window);
  if (added) {
    it->second.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchedWindowProc)));
  }
  if (std::find(it->second.tips.begin(), it->second.tips.end(), tip) == it->second.tips.end()) {
    it->second.tips.push_back(tip);
  }
}

// Stops watching `window` for `tip` when no subclassing tool of it is left.
void Unwatch(HWND tip, const TooltipState& s, HWND window) {
  bool stillUsed = std::any_of(s.tools.begin(), s.tools.end(), [&](const Tool& t) {
    return (t.flags & TTF_SUBCLASS) && ToolWatchedWindow(t) == window;
  });
  auto it = Subclasses().find(window);
  if (stillUsed || it == Subclasses().end()) return;
  std::erase(it->second.tips, tip);
  if (!it->second.tips.empty()) return;
  // Our procedure can be taken out only while it is the window's current one.
  if (GetWindowLongPtr(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(WatchedWindowProc)) {
    SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    Subclasses().erase(it);
  }
}

const TOOLINFO* ToolInfoArg(LPARAM lParam) {
  const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
  return info && info->cbSize >= TTTOOLINFOA_V1_SIZE ? info : nullptr;
}

int FindTool(const TooltipState& s, HWND hwnd, UINT_PTR id) {
  for (size_t i = 0; i < s.tools.size(); ++i) {
    if (s.tools[i].hwnd == hwnd && s.tools[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

int FindTool(const TooltipState& s, const TOOLINFO& info) { return FindTool(s, info.hwnd, info.uId); }

void SetToolText(Tool& tool, HINSTANCE hinst, LPSTR text) {
  tool.callback = text == LPSTR_TEXTCALLBACK;
  tool.textId = 0;
  tool.text.clear();
  tool.hinst = hinst;
  if (tool.callback || !text) return;
  if (IS_INTRESOURCE(text)) {
    tool.textId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(text));
  } else {
    tool.text = text;
  }
}

Tool ToolFrom(const TOOLINFO& info) {
  Tool tool;
  tool.flags = info.uFlags;
  tool.hwnd = info.hwnd;
  tool.id = info.uId;
  tool.rect = info.rect;
  if (info.cbSize >= TTTOOLINFOA_V2_SIZE) tool.lParam = info.lParam;
  SetToolText(tool, info.hinst, info.lpszText);
  return tool;
}

void FillToolInfo(const Tool& tool, TOOLINFO& info) {
  info.uFlags = tool.flags;
  info.hwnd = tool.hwnd;
  info.uId = tool.id;
  info.rect = tool.rect;
  info.hinst = tool.hinst;
  if (info.cbSize >= TTTOOLINFOA_V2_SIZE) info.lParam = tool.lParam;
}

LRESULT AddTool(HWND tip, TooltipState& s, LPARAM lParam) {
  const TOOLINFO* info = ToolInfoArg(lParam);
  if (!info || !IsWindow(info->hwnd)) return FALSE;
  if ((info->uFlags & TTF_IDISHWND) && !IsWindow(reinterpret_cast<HWND>(info->uId))) return FALSE;
  Tool tool = ToolFrom(*info);
  int existing = FindTool(s, *info);
  if (existing >= 0) {
    s.tools[static_cast<size_t>(existing)] = tool;
  } else {
    s.tools.push_back(tool);
  }
  if (tool.flags & TTF_SUBCLASS) Watch(tip, ToolWatchedWindow(tool));
  return TRUE;
}

LRESULT DelTool(HWND tip, TooltipState& s, LPARAM lParam) {
  const TOOLINFO* info = ToolInfoArg(lParam);
  int index = info ? FindTool(s, *info) : -1;
  if (index < 0) return 0;
  if (index == s.current) {
    HideTip(tip, s);
    s.current = -1;
  } else if (index < s.current) {
    --s.current;
  }
  HWND watched = ToolWatchedWindow(s.tools[static_cast<size_t>(index)]);
  s.tools.erase(s.tools.begin() + index);
  Unwatch(tip, s, watched);
  return 0;
}

// Copies `text` into the caller's buffer (of `size` bytes, 80 when not told).
void CopyOut(const std::string& text, LPSTR buffer, size_t size) {
  if (!buffer || buffer == LPSTR_TEXTCALLBACK || IS_INTRESOURCE(buffer) || size == 0) return;
  size_t n = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

LRESULT GetText(HWND tip, TooltipState& s, WPARAM size, LPARAM lParam) {
  auto* info = const_cast<TOOLINFO*>(ToolInfoArg(lParam));
  int index = info ? FindTool(s, *info) : -1;
  if (index < 0) {
    if (info) CopyOut("", info->lpszText, size ? size : 80);
    return 0;
  }
  CopyOut(ToolText(tip, s.tools[static_cast<size_t>(index)], false), info->lpszText, size ? size : 80);
  return 0;
}

LRESULT UpdateTipText(HWND tip, TooltipState& s, LPARAM lParam) {
  const TOOLINFO* info = ToolInfoArg(lParam);
  int index = info ? FindTool(s, *info) : -1;
  if (index < 0) return 0;
  Tool& tool = s.tools[static_cast<size_t>(index)];
  SetToolText(tool, info->hinst, info->lpszText);
  if (s.shown && index == s.current) {
    SetWindowText(tip, ToolText(tip, tool, true).c_str());
    InvalidateRect(tip, nullptr, TRUE);
  }
  return 0;
}

LRESULT GetToolInfo(const TooltipState& s, LPARAM lParam, int index) {
  auto* info = const_cast<TOOLINFO*>(ToolInfoArg(lParam));
  if (!info || index < 0 || index >= static_cast<int>(s.tools.size())) return FALSE;
  FillToolInfo(s.tools[static_cast<size_t>(index)], *info);
  return TRUE;
}

LRESULT SetDelayTime(TooltipState& s, WPARAM kind, LPARAM lParam) {
  int ms = static_cast<SHORT>(LOWORD(lParam));
  int value = ms < 0 ? -1 : ms;
  switch (kind) {
    case TTDT_AUTOMATIC:
      s.initialDelay = value;
      s.autoPopDelay = value < 0 ? -1 : value * 10;
      s.reshowDelay = value < 0 ? -1 : value / 5;
      break;
    case TTDT_INITIAL:
      s.initialDelay = value;
      break;
    case TTDT_AUTOPOP:
      s.autoPopDelay = value;
      break;
    case TTDT_RESHOW:
      s.reshowDelay = value;
      break;
    default:
      break;
  }
  return 0;
}

LRESULT OnNcCreate(HWND tip, LPARAM lParam) {
  // A tooltip is always a bare popup, whatever its creator asked for.
  DWORD style = StyleOf(tip);
  style &= ~static_cast<DWORD>(WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_BORDER);
  SetWindowLong(tip, GWL_STYLE, static_cast<LONG>(style | WS_POPUP));
  return DefWindowProc(tip, WM_NCCREATE, 0, lParam);
}

void ForgetTools(HWND tip, TooltipState& s) {
  std::vector<Tool> tools = std::move(s.tools);
  s.tools.clear();
  s.current = -1;
  for (const Tool& tool : tools) {
    if (tool.flags & TTF_SUBCLASS) Unwatch(tip, s, ToolWatchedWindow(tool));
  }
}

LRESULT HandleTooltip(HWND tip, TooltipState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleTooltipWindow(tip, s, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_NCCREATE:
      return OnNcCreate(tip, lParam);
    case WM_DESTROY:
      ForgetTools(tip, s);
      return 0;
    case WM_SETFONT:
      s.font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s.font);
    case TTM_ACTIVATE:
      s.active = wParam != 0;
      if (!s.active) HideTip(tip, s);
      return 0;
    case TTM_ADDTOOL:
      return AddTool(tip, s, lParam);
    case TTM_DELTOOL:
      return DelTool(tip, s, lParam);
    case TTM_NEWTOOLRECT: {
      const TOOLINFO* info = ToolInfoArg(lParam);
      int index = info ? FindTool(s, *info) : -1;
      if (index >= 0) s.tools[static_cast<size_t>(index)].rect = info->rect;
      return 0;
    }
    case TTM_RELAYEVENT:
      if (const MSG* relayed = reinterpret_cast<const MSG*>(lParam)) RelayMouseEvent(tip, s, *relayed);
      return 0;
    case TTM_GETTOOLINFO: {
      const TOOLINFO* info = ToolInfoArg(lParam);
      return GetToolInfo(s, lParam, info ? FindTool(s, *info) : -1);
    }
    case TTM_SETTOOLINFO: {
      const TOOLINFO* info = ToolInfoArg(lParam);
      int index = info ? FindTool(s, *info) : -1;
      if (index >= 0) s.tools[static_cast<size_t>(index)] = ToolFrom(*info);
      return 0;
    }
    case TTM_ENUMTOOLS:
      return GetToolInfo(s, lParam, static_cast<int>(wParam));
    case TTM_GETCURRENTTOOL:
      if (!s.shown) return FALSE;
      if (lParam) GetToolInfo(s, lParam, s.current);
      return TRUE;
    case TTM_GETTEXT:
      return GetText(tip, s, wParam, lParam);
    case TTM_UPDATETIPTEXT:
      return UpdateTipText(tip, s, lParam);
    case TTM_GETTOOLCOUNT:
      return static_cast<LRESULT>(s.tools.size());
    case TTM_SETDELAYTIME:
      return SetDelayTime(s, wParam, lParam);
    case TTM_GETDELAYTIME:
      return static_cast<LRESULT>(TipDelay(s, wParam));
    case TTM_SETMAXTIPWIDTH: {
      int old = s.maxWidth;
      s.maxWidth = static_cast<int>(lParam);
      return old;
    }
    case TTM_GETMAXTIPWIDTH:
      return s.maxWidth;
    case TTM_POP:
      HideTip(tip, s);
      return 0;
    default:
      return DefWindowProc(tip, msg, wParam, lParam);
  }
}

using TooltipClass = ControlClass<TooltipState, HandleTooltip>;

constexpr char kTooltipClassName[] = TOOLTIPS_CLASS;

void InitTooltipClass() {
  Subclasses().clear();
  InitControlClass<TooltipClass, kTooltipClassName>();
}

const SystemClassRegistration<InitTooltipClass> kTooltipRegistration;

}  // namespace
}  // namespace win32::controls
