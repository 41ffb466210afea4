// Painting menus in the classic look: a flat bar whose open item is sunken
// and whose keyboard-selected item is raised; popups with a raised border,
// check marks, grey (embossed) items and accelerator texts.
#pragma once

#include "menus/menu_layout.h"

namespace win32::menus {

enum class BarLook { Plain, Raised, Sunken };

void DrawBarBackground(HDC dc, const RECT& bar);
void DrawBarItem(HDC dc, const MenuItem& item, const RECT& rect, BarLook look);
void DrawPopup(HDC dc, const std::vector<MenuItem>& items, const PopupLayout& layout, int selected);

}  // namespace win32::menus
