#include "menus/menu_tracker.h"

#include <algorithm>

#include "internal/dlg_modal.h"
#include "internal/menu_bridge.h"
#include "menus/menu_draw.h"
#include "menus/menu_state.h"
#include "menus/popup_window.h"

namespace win32::menus {
namespace {

// Cascades overlap their parent a little, as the classic ones do.
constexpr int kCascadeOverlap = 3;

RECT ScreenRect() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// Moves a popup of `size` at `at` so that it stays on screen: past the
// right or bottom edge it goes to the other side of `avoid` (the item or
// parent popup it belongs to), then it is clamped.
RECT KeepOnScreen(POINT at, SIZE size, const RECT& avoid, bool cascade) {
  const RECT screen = ScreenRect();
  int x = at.x, y = at.y;
  if (x + size.cx > screen.right) x = cascade ? avoid.left - size.cx + kCascadeOverlap : screen.right - size.cx;
  if (y + size.cy > screen.bottom) y = cascade ? screen.bottom - size.cy : avoid.top - size.cy;
  x = std::clamp<int>(x, 0, std::max<int>(0, screen.right - size.cx));
  y = std::clamp<int>(y, 0, std::max<int>(0, screen.bottom - size.cy));
  return RECT{x, y, x + size.cx, y + size.cy};
}

UINT SelectFlags(const MenuItem& item, bool byMouse, bool system) {
  UINT flags = item.type | item.state | MF_HILITE;
  if (item.subMenu != nullptr) flags |= MF_POPUP;
  if (byMouse) flags |= MF_MOUSESELECT;
  if (system) flags |= MF_SYSMENU;
  return flags & 0xFFFF;
}

WPARAM SelectParam(const MenuItem& item, int index, UINT flags) {
  return MAKEWPARAM(item.subMenu != nullptr ? UINT(index) : item.id, flags);
}

}  // namespace

MenuTracker::MenuTracker(const TrackRequest& request) : request_(request) {
  std::lock_guard lock(State().mutex);
  previous_ = State().tracker;
  State().tracker = this;
}

MenuTracker::~MenuTracker() {
  std::lock_guard lock(State().mutex);
  State().tracker = previous_;
}

void MenuTracker::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (Notify() && IsWindow(request_.owner)) SendMessage(request_.owner, message, wParam, lParam);
}

void MenuTracker::Cancel() {
  done_ = true;
  chosen_ = 0;
}

HWND MenuTracker::topWindow() const { return levels_.empty() ? request_.owner : levels_.back().window; }

UINT MenuTracker::Run(const std::function<void(MenuTracker&)>& start) {
  const bool popupLoop = isPopupLoop();
  Send(WM_ENTERMENULOOP, popupLoop, 0);
  Send(WM_INITMENU, reinterpret_cast<WPARAM>(popupLoop ? request_.root : request_.bar), 0);
  SetCapture(request_.owner);
  start(*this);
  MSG msg{};
  while (!done_ && NextMessage(msg)) {
    if (!Handle(msg)) DispatchMessage(&msg);
    // Another window took the mouse, or the owner went: the menu closes.
    if (!done_ && (GetCapture() != request_.owner || !IsWindow(request_.owner))) Cancel();
  }
  Finish();
  return chosen_;
}

bool MenuTracker::NextMessage(MSG& msg) {
  while (!done_) {
    if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) return true;
      // The quit request belongs to an outer loop: hand it on.
      PostQuitMessage(int(msg.wParam));
      Cancel();
      return false;
    }
    if (internal::RunModalIdle(topWindow())) continue;
    Send(WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(topWindow()));
    if (!done_) WaitMessage();
  }
  return false;
}

void MenuTracker::Finish() {
  CloseFrom(0);
  Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  if (GetCapture() == request_.owner) ReleaseCapture();
  Send(WM_EXITMENULOOP, isPopupLoop(), 0);
  barSelected_ = -1;
  RedrawBar();
}

bool MenuTracker::Handle(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      TranslateMessage(&msg);
      OnKey(UINT(msg.wParam));
      return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return true;
    case WM_CHAR:
    case WM_SYSCHAR:
      OnChar(char(msg.wParam));
      return true;
    default:
      break;
  }
  if (msg.message >= WM_MOUSEMOVE && msg.message <= WM_MBUTTONDBLCLK) {
    OnMouse(msg.message, msg.pt);
    return true;
  }
  if (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK) {
    OnMouse(msg.message - WM_NCMOUSEMOVE + WM_MOUSEMOVE, msg.pt);
    return true;
  }
  return false;
}

std::vector<MenuItem> MenuTracker::BarItems() const { return ItemsOf(request_.bar); }

RECT MenuTracker::BarItemScreenRect(int index) const {
  RECT rect{};
  GetMenuItemRect(request_.owner, request_.bar, UINT(index), &rect);
  return rect;
}

void MenuTracker::RedrawBar() const {
  if (request_.bar != nullptr)
    RedrawWindow(request_.owner, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

bool MenuTracker::LevelIsSystem(size_t level) const { return level == 0 && request_.systemMenu; }

void MenuTracker::SelectBar(int index, bool open, bool selectFirst, bool byMouse) {
  const auto items = BarItems();
  if (index < 0 || size_t(index) >= items.size()) return;
  CloseFrom(0);
  barSelected_ = index;
  const MenuItem& item = items[size_t(index)];
  Send(WM_MENUSELECT, SelectParam(item, index, SelectFlags(item, byMouse, false)),
       reinterpret_cast<LPARAM>(request_.bar));
  if (open && item.subMenu != nullptr && !IsDisabled(item)) {
    const RECT r = BarItemScreenRect(index);
    OpenPopup(item.subMenu, UINT(index), POINT{r.left, r.bottom}, r, false, selectFirst);
  }
  RedrawBar();
}

void MenuTracker::OpenRoot(POINT at, bool selectFirst) {
  Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(request_.root), MAKELPARAM(0, request_.systemMenu));
  auto items = ItemsOf(request_.root);
  PopupLayout layout = LayOutPopup(items);
  const UINT align = request_.flags;
  if (align & TPM_CENTERALIGN) at.x -= layout.size.cx / 2;
  if (align & TPM_RIGHTALIGN) at.x -= layout.size.cx;
  if (align & TPM_VCENTERALIGN) at.y -= layout.size.cy / 2;
  if (align & TPM_BOTTOMALIGN) at.y -= layout.size.cy;
  const RECT screen = ScreenRect();
  // A popup past the right edge opens to the left of the point, one past
  // the bottom above it, as TrackPopupMenu keeps menus on screen.
  if (at.x + layout.size.cx > screen.right) at.x -= layout.size.cx;
  if (at.y + layout.size.cy > screen.bottom) at.y -= layout.size.cy;
  const RECT rect = KeepOnScreen(at, layout.size, RECT{at.x, at.y, at.x, at.y}, false);
  Level level{request_.root, nullptr, std::move(items), std::move(layout), rect, -1};
  level.window = CreatePopupWindow(request_.owner, request_.root, rect);
  levels_.push_back(std::move(level));
  if (selectFirst) MoveSelection(1);
}

void MenuTracker::OpenPopup(HMENU menu, UINT position, POINT at, const RECT& avoid, bool cascade, bool selectFirst) {
  Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(position, 0));
  // The application may have changed the items: read them after it.
  auto items = ItemsOf(menu);
  PopupLayout layout = LayOutPopup(items);
  const RECT rect = KeepOnScreen(at, layout.size, avoid, cascade);
  Level level{menu, nullptr, std::move(items), std::move(layout), rect, -1};
  level.window = CreatePopupWindow(request_.owner, menu, rect);
  levels_.push_back(std::move(level));
  if (selectFirst) MoveSelection(1);
}

void MenuTracker::OpenSelected(bool selectFirst) {
  if (levels_.empty()) return;
  const size_t index = levels_.size() - 1;
  const Level& level = levels_[index];
  if (level.selected < 0) return;
  const MenuItem& item = level.items[size_t(level.selected)];
  if (item.subMenu == nullptr || IsDisabled(item)) return;
  RECT itemRect{};
  ItemScreenRect(level.menu, UINT(level.selected), itemRect);
  const RECT parent = level.screen;
  OpenPopup(item.subMenu, UINT(level.selected), POINT{parent.right - kCascadeOverlap, itemRect.top - kPopupBorder},
            parent, true, selectFirst);
}

void MenuTracker::CloseFrom(size_t level) {
  while (levels_.size() > level) {
    Level closing = std::move(levels_.back());
    const bool system = LevelIsSystem(levels_.size() - 1);
    levels_.pop_back();
    if (IsWindow(closing.window)) DestroyWindow(closing.window);
    Send(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(closing.menu), MAKELPARAM(0, system ? MF_SYSMENU : 0));
  }
}

void MenuTracker::Select(size_t level, int item, bool byMouse) {
  if (level >= levels_.size()) return;
  Level& l = levels_[level];
  if (item == l.selected) return;
  CloseFrom(level + 1);
  l.selected = item;
  InvalidateRect(l.window, nullptr, FALSE);
  if (item < 0) return;
  const MenuItem& chosen = l.items[size_t(item)];
  Send(WM_MENUSELECT, SelectParam(chosen, item, SelectFlags(chosen, byMouse, LevelIsSystem(level))),
       reinterpret_cast<LPARAM>(l.menu));
}

// Moves the selection of the deepest popup by `step`, wrapping and
// stepping over separators.
void MenuTracker::MoveSelection(int step) {
  if (levels_.empty()) return;
  const Level& level = levels_.back();
  const int count = int(level.items.size());
  if (count == 0) return;
  int index = level.selected < 0 ? (step > 0 ? -1 : count) : level.selected;
  for (int tries = 0; tries < count; ++tries) {
    index = ((index + step) % count + count) % count;
    if (IsSelectable(level.items[size_t(index)])) {
      Select(levels_.size() - 1, index, false);
      return;
    }
  }
}

void MenuTracker::Choose(const MenuItem& item) {
  chosen_ = item.id;
  chosenSystem_ = !levels_.empty() && LevelIsSystem(0) && levels_.size() == 1;
  done_ = true;
}

bool MenuTracker::ItemScreenRect(HMENU menu, UINT index, RECT& rect) const {
  for (const Level& level : levels_) {
    if (level.menu != menu || index >= level.layout.items.size()) continue;
    rect = level.layout.items[index];
    OffsetRect(&rect, level.screen.left, level.screen.top);
    return true;
  }
  return false;
}

void MenuTracker::PaintPopup(HWND popup, HDC dc) const {
  for (const Level& level : levels_)
    if (level.window == popup) DrawPopup(dc, level.items, level.layout, level.selected);
}

}  // namespace win32::menus
