// The menu loop's keyboard and mouse.
#include <cctype>

#include "menus/menu_tracker.h"

namespace win32::menus {
namespace {

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

bool IsRightButton(UINT message) {
  return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_RBUTTONDBLCLK;
}

}  // namespace

MenuTracker::Hit MenuTracker::HitTest(POINT screen) const {
  Hit hit;
  for (size_t i = levels_.size(); i > 0; --i) {
    const Level& level = levels_[i - 1];
    if (!PtInRect(&level.screen, screen)) continue;
    hit.level = int(i - 1);
    hit.item = ItemAt(level.layout.items, POINT{screen.x - level.screen.left, screen.y - level.screen.top});
    return hit;
  }
  if (request_.bar != nullptr) {
    HMENU bar = request_.bar;
    hit.barItem = MenuItemFromPoint(request_.owner, bar, screen);
  }
  return hit;
}

void MenuTracker::OnMouse(UINT message, POINT screen) {
  const bool right = IsRightButton(message);
  if (message == WM_MBUTTONUP || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK) return;
  const Hit hit = HitTest(screen);
  if (message == WM_MOUSEMOVE) {
    if (hit.level >= 0 && hit.item >= 0) {
      const Level& level = levels_[size_t(hit.level)];
      if (!IsSelectable(level.items[size_t(hit.item)])) return;
      if (level.selected == hit.item && size_t(hit.level) + 1 < levels_.size()) {
        CloseFrom(size_t(hit.level) + 2);
        return;
      }
      Select(size_t(hit.level), hit.item, true);
      if (size_t(hit.level) + 1 == levels_.size()) OpenSelected(false);
    } else if (hit.barItem >= 0 && barOpen() && hit.barItem != barSelected_) {
      SelectBar(hit.barItem, true, false, true);
    }
    return;
  }
  // The right button works only when the popup loop asked for it.
  if (right && !(request_.flags & TPM_RIGHTBUTTON)) return;
  if (IsButtonDown(message)) {
    if (hit.level >= 0) return;
    if (hit.barItem < 0 || (hit.barItem == barSelected_ && barOpen())) {
      Cancel();
      return;
    }
    SelectBar(hit.barItem, true, false, true);
    return;
  }
  if (hit.level >= 0 && hit.item >= 0) {
    const MenuItem& item = levels_[size_t(hit.level)].items[size_t(hit.item)];
    if (IsChoosable(item)) Choose(item);
    return;
  }
  if (hit.barItem >= 0 && hit.barItem == barSelected_) {
    const auto items = BarItems();
    if (size_t(hit.barItem) < items.size() && IsChoosable(items[size_t(hit.barItem)]))
      Choose(items[size_t(hit.barItem)]);
  }
}

void MenuTracker::MoveOnBar(int step) {
  const auto items = BarItems();
  const int count = int(items.size());
  if (count == 0) return;
  const bool wasOpen = barOpen();
  const int index = ((barSelected_ + step) % count + count) % count;
  SelectBar(index, wasOpen, true, false);
}

void MenuTracker::OnKey(UINT vk) {
  switch (vk) {
    case VK_MENU:
    case VK_F10:
      Cancel();
      return;
    case VK_ESCAPE:
      if (levels_.empty() || (levels_.size() == 1 && isPopupLoop())) {
        Cancel();
      } else {
        CloseFrom(levels_.size() - 1);
        RedrawBar();
      }
      return;
    case VK_UP:
    case VK_DOWN:
      if (levels_.empty()) {
        SelectBar(barSelected_, true, true, false);
      } else {
        MoveSelection(vk == VK_DOWN ? 1 : -1);
      }
      return;
    case VK_HOME:
    case VK_END:
      if (levels_.empty()) return;
      // From past the other end, the first selectable item in that direction.
      levels_.back().selected = -1;
      MoveSelection(vk == VK_HOME ? 1 : -1);
      return;
    case VK_LEFT:
      if (levels_.size() > 1) {
        CloseFrom(levels_.size() - 1);
      } else if (!isPopupLoop()) {
        MoveOnBar(-1);
      }
      return;
    case VK_RIGHT: {
      const size_t before = levels_.size();
      OpenSelected(true);
      if (levels_.size() == before && !isPopupLoop()) MoveOnBar(1);
      return;
    }
    case VK_RETURN: {
      if (levels_.empty()) {
        const auto items = BarItems();
        if (barSelected_ < 0 || size_t(barSelected_) >= items.size()) return;
        const MenuItem& item = items[size_t(barSelected_)];
        if (item.subMenu != nullptr) {
          SelectBar(barSelected_, true, true, false);
        } else if (IsChoosable(item)) {
          Choose(item);
        }
        return;
      }
      const Level& level = levels_.back();
      if (level.selected < 0) return;
      const MenuItem& item = level.items[size_t(level.selected)];
      if (item.subMenu != nullptr) {
        OpenSelected(true);
      } else if (IsChoosable(item)) {
        Choose(item);
      } else {
        // Enter on a grey item closes the menu without a command.
        Cancel();
      }
      return;
    }
    default:
      return;
  }
}

// Selects the item whose mnemonic is `key`; a single match is chosen (or
// opened), several are stepped through. False when none matches.
bool MenuTracker::ChooseByMnemonic(const std::vector<MenuItem>& items, char key, int current, int& matched) {
  int first = -1, next = -1, count = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (IsSeparator(items[i]) || MnemonicOf(LabelOf(items[i])) != key) continue;
    ++count;
    if (first < 0) first = int(i);
    if (next < 0 && int(i) > current) next = int(i);
  }
  matched = next >= 0 ? next : first;
  return count == 1;
}

void MenuTracker::OnChar(char ch) {
  const char key = char(std::tolower(static_cast<unsigned char>(ch)));
  if (key == 0) return;
  int matched = -1;
  if (levels_.empty()) {
    const auto items = BarItems();
    ChooseByMnemonic(items, key, barSelected_, matched);
    if (matched < 0) {
      MenuChar(ch);
      return;
    }
    if (items[size_t(matched)].subMenu == nullptr && IsChoosable(items[size_t(matched)])) {
      Choose(items[size_t(matched)]);
      return;
    }
    SelectBar(matched, true, true, false);
    return;
  }
  const size_t top = levels_.size() - 1;
  const bool single = ChooseByMnemonic(levels_[top].items, key, levels_[top].selected, matched);
  if (matched < 0) {
    MenuChar(ch);
    return;
  }
  Select(top, matched, false);
  if (!single) return;
  const MenuItem item = levels_[top].items[size_t(matched)];
  if (item.subMenu != nullptr) {
    OpenSelected(true);
  } else if (IsChoosable(item)) {
    Choose(item);
  }
}

// A key no item has: the owner may answer for the menu (WM_MENUCHAR).
void MenuTracker::MenuChar(char ch) {
  HMENU menu = levels_.empty() ? request_.bar : levels_.back().menu;
  const UINT flags = (levels_.empty() ? 0 : MF_POPUP) | (LevelIsSystem(levels_.size() - 1) ? MF_SYSMENU : 0);
  const LRESULT answer =
      Notify() ? SendMessage(request_.owner, WM_MENUCHAR, MAKEWPARAM(BYTE(ch), flags), reinterpret_cast<LPARAM>(menu))
               : 0;
  const int index = LOWORD(answer);
  switch (HIWORD(answer)) {
    case MNC_CLOSE:
      Cancel();
      return;
    case MNC_SELECT:
    case MNC_EXECUTE:
      if (levels_.empty()) {
        SelectBar(index, HIWORD(answer) == MNC_EXECUTE, true, false);
        return;
      }
      if (size_t(index) >= levels_.back().items.size()) return;
      Select(levels_.size() - 1, index, false);
      if (HIWORD(answer) == MNC_EXECUTE && IsChoosable(levels_.back().items[size_t(index)]))
        Choose(levels_.back().items[size_t(index)]);
      return;
    default:
      MessageBeep(0);
      return;
  }
}

}  // namespace win32::menus
