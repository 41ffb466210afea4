// The "SysHeader32" window class: items and message dispatch.
#include <algorithm>
#include <cstring>

#include "controls/header.h"

namespace win32::controls {

bool ValidHeaderItem(const HeaderState& state, int index) {
  return index >= 0 && index < static_cast<int>(state.items.size());
}

RECT HeaderItemRect(HWND hwnd, const HeaderState& state, int index) {
  RECT client{};
  GetClientRect(hwnd, &client);
  int left = 0;
  for (int i = 0; i < index; ++i) left += state.items[static_cast<size_t>(i)].width;
  int width = ValidHeaderItem(state, index) ? state.items[static_cast<size_t>(index)].width : 0;
  return RECT{left, 0, left + width, client.bottom};
}

LRESULT NotifyHeader(HWND hwnd, const HeaderState& state, UINT code, int index, HDITEM* item, int button) {
  NMHEADER nm{};
  nm.hdr.hwndFrom = hwnd;
  nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  nm.hdr.code = code;
  nm.iItem = index;
  nm.iButton = button;
  nm.pitem = item;
  if (!state.notify) return 0;
  return SendMessage(state.notify, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

namespace {

void CopyText(const std::string& text, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

// Applies the fields `item` names; text pointers that are null clear it.
void Apply(HeaderItem& target, const HDITEM& item) {
  if (item.mask & HDI_WIDTH) target.width = std::max(item.cxy, 0);
  if ((item.mask & HDI_TEXT) && item.pszText != LPSTR_TEXTCALLBACK) target.text = item.pszText ? item.pszText : "";
  if (item.mask & HDI_FORMAT) target.format = item.fmt;
  if (item.mask & HDI_LPARAM) target.lParam = item.lParam;
  if (item.mask & HDI_IMAGE) target.image = item.iImage;
}

LRESULT InsertItem(HWND hwnd, HeaderState& state, int index, const HDITEM* item) {
  if (!item || index < 0) return -1;
  index = std::min(index, static_cast<int>(state.items.size()));
  HeaderItem added;
  Apply(added, *item);
  state.items.insert(state.items.begin() + index, std::move(added));
  Redraw(hwnd);
  return index;
}

LRESULT DeleteItem(HWND hwnd, HeaderState& state, int index) {
  if (!ValidHeaderItem(state, index)) return FALSE;
  state.items.erase(state.items.begin() + index);
  state.pressed = -1;
  Redraw(hwnd);
  return TRUE;
}

LRESULT GetItem(const HeaderState& state, int index, HDITEM* item) {
  if (!item || !ValidHeaderItem(state, index)) return FALSE;
  const HeaderItem& source = state.items[static_cast<size_t>(index)];
  if (item->mask & HDI_WIDTH) item->cxy = source.width;
  if (item->mask & HDI_TEXT) CopyText(source.text, item->pszText, item->cchTextMax);
  if (item->mask & HDI_FORMAT) item->fmt = source.format;
  if (item->mask & HDI_LPARAM) item->lParam = source.lParam;
  if (item->mask & HDI_IMAGE) item->iImage = source.image;
  if (item->mask & HDI_ORDER) item->iOrder = index;
  return TRUE;
}

LRESULT SetItem(HWND hwnd, HeaderState& state, int index, const HDITEM* item) {
  if (!item || !ValidHeaderItem(state, index)) return FALSE;
  HDITEM change = *item;
  if (NotifyHeader(hwnd, state, HDN_ITEMCHANGING, index, &change)) return FALSE;
  if (!ValidHeaderItem(state, index)) return FALSE;
  Apply(state.items[static_cast<size_t>(index)], *item);
  NotifyHeader(hwnd, state, HDN_ITEMCHANGED, index, &change);
  Redraw(hwnd);
  return TRUE;
}

LRESULT Layout(HWND hwnd, const HeaderState& state, HDLAYOUT* layout) {
  if (!layout || !layout->prc || !layout->pwpos) return FALSE;
  int height = (StyleOf(hwnd) & HDS_HIDDEN) ? 0 : HeaderHeight(hwnd, state);
  RECT& rc = *layout->prc;
  *layout->pwpos = WINDOWPOS{hwnd, nullptr, rc.left, rc.top, rc.right - rc.left, height, SWP_NOZORDER};
  rc.top += height;
  return TRUE;
}

LRESULT HitTest(HWND hwnd, const HeaderState& state, HDHITTESTINFO* info) {
  if (!info) return -1;
  RECT client{};
  GetClientRect(hwnd, &client);
  info->iItem = -1;
  POINT pt = info->pt;
  if (pt.y < client.top || pt.y >= client.bottom || pt.x < client.left || pt.x >= client.right) {
    info->flags = (pt.y < client.top ? HHT_ABOVE : 0) | (pt.y >= client.bottom ? HHT_BELOW : 0) |
                  (pt.x < client.left ? HHT_TOLEFT : 0) | (pt.x >= client.right ? HHT_TORIGHT : 0);
    return -1;
  }
  if (int divider = HeaderDividerAt(hwnd, state, pt.x); divider >= 0) {
    info->flags = HHT_ONDIVIDER;
    info->iItem = divider;
    return divider;
  }
  for (int i = 0; i < static_cast<int>(state.items.size()); ++i) {
    RECT rc = HeaderItemRect(hwnd, state, i);
    if (pt.x >= rc.left && pt.x < rc.right) {
      info->flags = HHT_ONHEADER;
      info->iItem = i;
      return i;
    }
  }
  info->flags = HHT_NOWHERE;
  return -1;
}

LRESULT GetItemRect(HWND hwnd, const HeaderState& state, int index, RECT* out) {
  if (!out || !ValidHeaderItem(state, index)) return FALSE;
  *out = HeaderItemRect(hwnd, state, index);
  return TRUE;
}

LRESULT HandleItemMessage(HWND hwnd, HeaderState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (msg) {
    case HDM_GETITEMCOUNT:
      return static_cast<LRESULT>(state.items.size());
    case HDM_INSERTITEM:
      return InsertItem(hwnd, state, index, reinterpret_cast<const HDITEM*>(lParam));
    case HDM_DELETEITEM:
      return DeleteItem(hwnd, state, index);
    case HDM_GETITEM:
      return GetItem(state, index, reinterpret_cast<HDITEM*>(lParam));
    case HDM_SETITEM:
      return SetItem(hwnd, state, index, reinterpret_cast<const HDITEM*>(lParam));
    case HDM_LAYOUT:
      return Layout(hwnd, state, reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_HITTEST:
      return HitTest(hwnd, state, reinterpret_cast<HDHITTESTINFO*>(lParam));
    case HDM_GETITEMRECT:
      return GetItemRect(hwnd, state, index, reinterpret_cast<RECT*>(lParam));
    case HDM_SETIMAGELIST: {
      HIMAGELIST old = state.images;
      state.images = reinterpret_cast<HIMAGELIST>(lParam);
      Redraw(hwnd);
      return reinterpret_cast<LRESULT>(old);
    }
    case HDM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(state.images);
    case HDM_ORDERTOINDEX:
      return index;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT HandleHeader(HWND hwnd, HeaderState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      state.notify = reinterpret_cast<const CREATESTRUCT*>(lParam)->hwndParent;
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintHeader(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    default:
      break;
  }
  if (msg >= HDM_FIRST && msg < HDM_FIRST + 0x100) return HandleItemMessage(hwnd, state, msg, wParam, lParam);
  return HandleHeaderInput(hwnd, state, msg, wParam, lParam);
}

using HeaderClass = ControlClass<HeaderState, HandleHeader>;
constexpr char kHeaderClassName[] = WC_HEADER;

const SystemClassRegistration<InitControlClass<HeaderClass, kHeaderClassName>> kHeaderRegistration;

}  // namespace

bool ChangeHeaderWidth(HWND hwnd, HeaderState& state, int index, int width) {
  HDITEM change{};
  change.mask = HDI_WIDTH;
  change.cxy = std::max(width, 0);
  return SetItem(hwnd, state, index, &change) != FALSE;
}

}  // namespace win32::controls
