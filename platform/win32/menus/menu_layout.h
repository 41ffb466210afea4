// Where the items of a menu bar and of a popup menu go, in the classic
// metrics of the menu font.
#pragma once

#include <vector>

#include "menus/menu_model.h"
#include <windows.h>

namespace win32::menus {

// The menu font (bold for a popup's default item), freed with its holder.
class MenuFont {
 public:
  explicit MenuFont(bool bold = false);
  ~MenuFont();
  MenuFont(const MenuFont&) = delete;
  MenuFont& operator=(const MenuFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

// The items of a bar inside `bar`, same coordinates; right-justified items
// and those after them go to the right end.
// Items that do not fit wrap to further rows of SM_CYMENU.
std::vector<RECT> LayOutBar(const std::vector<MenuItem>& items, const RECT& bar);
// How many rows a bar `width` wide needs.
int BarRows(const std::vector<MenuItem>& items, int width);

struct PopupLayout {
  SIZE size{};              // the popup window, border included
  std::vector<RECT> items;  // client coordinates
  int labelLeft = 0;
  int acceleratorRight = 0;
};
PopupLayout LayOutPopup(const std::vector<MenuItem>& items);

// The index of the rectangle holding `point`, or -1.
int ItemAt(const std::vector<RECT>& rects, POINT point);

// The popup's border on every side.
constexpr int kPopupBorder = 3;

}  // namespace win32::menus
