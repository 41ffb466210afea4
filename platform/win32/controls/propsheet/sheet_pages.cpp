// The sheet's pages: adding and removing them, making their windows, the
// notifications they get and which one is shown.
#include <algorithm>

#include "controls/propsheet/sheet.h"

namespace win32::propsheet {

bool Sheet::InsertPage(int at, HPROPSHEETPAGE page) {
  if (!page || IndexOfHandle(page) >= 0) return false;
  Page entry;
  entry.handle = page;
  if (!ReadPageTemplate(page, entry.info)) return false;
  entry.title = page->title.empty() ? entry.info.caption : page->title;
  at = std::clamp(at, 0, PageCount());
  pages_.insert(pages_.begin() + at, std::move(entry));
  if (current_ >= at) ++current_;
  if (tab_) {
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = pages_[static_cast<size_t>(at)].title.data();
    TabCtrl_InsertItem(tab_, at, &item);
  }
  return true;
}

// PSM_INSERTPAGE names an index to insert before or a page handle to
// insert after; -1 for a handle that is no page of this sheet.
int Sheet::InsertionPoint(WPARAM where) const {
  if (IS_INTRESOURCE(where)) return std::min(static_cast<int>(where), PageCount());
  const int after = IndexOfHandle(reinterpret_cast<HPROPSHEETPAGE>(where));
  return after < 0 ? -1 : after + 1;
}

bool Sheet::RemovePage(int index) {
  if (index < 0 || index >= PageCount()) return false;
  // The page shown gives way to its neighbour first, without asking it.
  if (index == current_) {
    const int neighbour = index + 1 < PageCount() ? index + 1 : index - 1;
    if (neighbour < 0 || !Activate(neighbour, neighbour > index ? 1 : -1)) current_ = -1;
  }
  Page page = std::move(pages_[static_cast<size_t>(index)]);
  pages_.erase(pages_.begin() + index);
  if (current_ > index) --current_;
  if (tab_) {
    TabCtrl_DeleteItem(tab_, index);
    if (current_ >= 0) TabCtrl_SetCurSel(tab_, current_);
  }
  if (page.wnd) DestroyWindow(page.wnd);
  DestroyPropertySheetPage(page.handle);
  UpdateApply();
  return true;
}

bool Sheet::EnsureWindow(int index) {
  Page& page = pages_[static_cast<size_t>(index)];
  if (page.wnd && IsWindow(page.wnd)) return true;
  page.wnd = CreatePageWindow(page.handle, hwnd_);
  if (!page.wnd) return false;
  // On top of the tab control, so that it is drawn above it and comes
  // first in the tab order, before the buttons.
  SetWindowPos(page.wnd, HWND_TOP, pageRect_.left, pageRect_.top, pageRect_.right - pageRect_.left,
               pageRect_.bottom - pageRect_.top, SWP_NOACTIVATE);
  return true;
}

LRESULT Sheet::NotifyPage(int index, UINT code, LPARAM lParam) {
  if (index < 0 || index >= PageCount()) return 0;
  HWND wnd = pages_[static_cast<size_t>(index)].wnd;
  if (!wnd || !IsWindow(wnd)) return 0;
  PSHNOTIFY note{};
  note.hdr.hwndFrom = hwnd_;
  note.hdr.idFrom = 0;
  note.hdr.code = code;
  note.lParam = lParam;
  return SendMessage(wnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&note));
}

bool Sheet::Leave() { return current_ < 0 || NotifyPage(current_, PSN_KILLACTIVE) == 0; }

bool Sheet::Activate(int index, int direction) {
  // A page may answer -1 (the next one in the direction of travel) or the
  // template id of another; each page is asked once at most.
  for (int asked = 0; asked < PageCount(); ++asked) {
    if (index < 0 || index >= PageCount() || !EnsureWindow(index)) return false;
    const LRESULT answer = NotifyPage(index, PSN_SETACTIVE);
    if (answer == 0) break;
    index = answer == -1 ? index + (direction < 0 ? -1 : 1) : IndexOfId(answer);
    if (asked + 1 == PageCount()) return false;
  }
  HWND focus = GetFocus();
  HWND old = current_ >= 0 ? pages_[static_cast<size_t>(current_)].wnd : nullptr;
  const bool focusInOld = old && focus && (focus == old || IsChild(old, focus));
  HWND shown = pages_[static_cast<size_t>(index)].wnd;
  current_ = index;
  ShowWindow(shown, SW_SHOWNA);
  if (old && old != shown) ShowWindow(old, SW_HIDE);
  if (tab_) TabCtrl_SetCurSel(tab_, index);
  // The focus follows into the page unless the user works the tabs.
  if (focusInOld || !focus || !IsChild(hwnd_, focus) || !IsWindowVisible(focus)) {
    if (HWND first = GetNextDlgTabItem(shown, nullptr, FALSE))
      SendMessage(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  }
  UpdateHelp();
  if (IsWizard()) ShowTitle();
  return true;
}

bool Sheet::SelectPage(int index) {
  if (index < 0 || index >= PageCount()) return false;
  if (index == current_) return true;
  if (!Leave()) return false;
  return Activate(index, index < current_ ? -1 : 1);
}

int Sheet::IndexOfHandle(HPROPSHEETPAGE page) const {
  for (int i = 0; i < PageCount(); ++i)
    if (pages_[static_cast<size_t>(i)].handle == page) return i;
  return -1;
}

int Sheet::IndexOfWindow(HWND wnd) const {
  for (int i = 0; wnd && i < PageCount(); ++i)
    if (pages_[static_cast<size_t>(i)].wnd == wnd) return i;
  return -1;
}

int Sheet::IndexOfId(LRESULT id) const {
  for (int i = 0; i < PageCount(); ++i)
    if (PageTemplateId(pages_[static_cast<size_t>(i)].handle) == id) return i;
  return -1;
}

void Sheet::MarkChanged(HWND page, bool changed) {
  const int index = IndexOfWindow(page);
  if (index < 0) return;
  pages_[static_cast<size_t>(index)].changed = changed;
  UpdateApply();
}

}  // namespace win32::propsheet
