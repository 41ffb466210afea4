// The clipboard: process-local data in global memory blocks the clipboard
// owns. Emptied on every window-system reset; registered format names
// stay, so an id a program keeps in a static stays valid.
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <strings.h>

#include "internal/core_kernel.h"
#include "internal/core_classes.h"
#include "internal/svc_clipboard.h"
#include "win32/services.h"

namespace win32::svc {
namespace {

constexpr UINT kFirstRegisteredFormat = 0xC000;

struct Clipboard {
  std::mutex mu;
  bool open = false;
  HWND opener = nullptr;
  DWORD openerThread = 0;
  HWND owner = nullptr;
  std::vector<std::pair<UINT, HANDLE>> data;  // in the order set
  std::vector<std::string> formatNames;       // id = kFirstRegisteredFormat + index
  internal::ClipboardTextProvider provider;
};

Clipboard& Board() {
  static Clipboard board;
  return board;
}

void FreeDataLocked() {
  for (auto& [format, h] : Board().data) GlobalFree(h);
  Board().data.clear();
}

void ResetClipboard() {
  std::lock_guard lock(Board().mu);
  FreeDataLocked();
  Board().open = false;
  Board().opener = nullptr;
  Board().openerThread = 0;
  Board().owner = nullptr;
}

const struct ClipboardReset {
  ClipboardReset() { internal::AddSystemClassInitializer(ResetClipboard); }
} kClipboardReset;

HANDLE FindDataLocked(UINT format) {
  auto it = std::find_if(Board().data.begin(), Board().data.end(), [&](const auto& d) { return d.first == format; });
  return it == Board().data.end() ? nullptr : it->second;
}

bool OpenedByCallerLocked() { return Board().open && Board().openerThread == GetCurrentThreadId(); }

HGLOBAL TextBlock(const std::string& text) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(h), text.c_str(), text.size() + 1);
  GlobalUnlock(h);
  return h;
}

std::string TextOf(HGLOBAL h) {
  const auto* p = static_cast<const char*>(GlobalLock(h));
  if (!p) return {};
  std::string text(p, strnlen(p, GlobalSize(h)));
  GlobalUnlock(h);
  return text;
}

// The display's text as a CF_TEXT block when the clipboard has none.
void FetchDisplayTextLocked() {
  if (FindDataLocked(CF_TEXT) || !Board().provider.fetch) return;
  if (auto text = Board().provider.fetch()) Board().data.emplace_back(CF_TEXT, TextBlock(*text));
}

}  // namespace
}  // namespace win32::svc

using namespace win32::svc;

BOOL WINAPI OpenClipboard(HWND hWndNewOwner) {
  if (hWndNewOwner && !IsWindow(hWndNewOwner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const DWORD me = GetCurrentThreadId();
  std::lock_guard lock(Board().mu);
  Clipboard& b = Board();
  if (b.open && (b.opener != hWndNewOwner || b.openerThread != me)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  b.open = true;
  b.opener = hWndNewOwner;
  b.openerThread = me;
  return TRUE;
}

BOOL WINAPI CloseClipboard(void) {
  std::lock_guard lock(Board().mu);
  if (!OpenedByCallerLocked()) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return FALSE;
  }
  Board().open = false;
  Board().opener = nullptr;
  Board().openerThread = 0;
  return TRUE;
}

BOOL WINAPI EmptyClipboard(void) {
  HWND previous = nullptr;
  {
    std::lock_guard lock(Board().mu);
    if (!OpenedByCallerLocked()) {
      SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
      return FALSE;
    }
    previous = Board().owner;
    FreeDataLocked();
    Board().owner = Board().opener;
  }
  // Sent without the lock: the old owner may look at the clipboard.
  if (previous && IsWindow(previous)) SendMessage(previous, WM_DESTROYCLIPBOARD, 0, 0);
  return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem) {
  std::function<void(const std::string&)> publish;
  std::string text;
  {
    std::lock_guard lock(Board().mu);
    if (!OpenedByCallerLocked()) {
      SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
      return nullptr;
    }
    // Delayed rendering (a null handle) is not offered.
    if (!hMem || uFormat == 0 || GlobalSize(hMem) == 0) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
    auto& data = Board().data;
    auto it = std::find_if(data.begin(), data.end(), [&](const auto& d) { return d.first == uFormat; });
    if (it == data.end()) {
      data.emplace_back(uFormat, hMem);
    } else if (it->second != hMem) {
      GlobalFree(it->second);
      it->second = hMem;
    }
    if (uFormat == CF_TEXT && Board().provider.publish) {
      publish = Board().provider.publish;
      text = TextOf(hMem);
    }
  }
  if (publish) publish(text);
  return hMem;
}

HANDLE WINAPI GetClipboardData(UINT uFormat) {
  std::lock_guard lock(Board().mu);
  if (!OpenedByCallerLocked()) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  if (uFormat == CF_TEXT) FetchDisplayTextLocked();
  return FindDataLocked(uFormat);
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
  std::lock_guard lock(Board().mu);
  if (FindDataLocked(format)) return TRUE;
  if (format != CF_TEXT || !Board().provider.fetch) return FALSE;
  return Board().provider.fetch().has_value();
}

int WINAPI CountClipboardFormats(void) {
  std::lock_guard lock(Board().mu);
  return static_cast<int>(Board().data.size());
}

UINT WINAPI EnumClipboardFormats(UINT format) {
  std::lock_guard lock(Board().mu);
  if (!OpenedByCallerLocked()) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return 0;
  }
  SetLastError(NO_ERROR);
  const auto& data = Board().data;
  if (format == 0) return data.empty() ? 0 : data.front().first;
  auto it = std::find_if(data.begin(), data.end(), [&](const auto& d) { return d.first == format; });
  if (it == data.end() || ++it == data.end()) return 0;
  return it->first;
}

HWND WINAPI GetClipboardOwner(void) {
  HWND owner;
  {
    std::lock_guard lock(Board().mu);
    owner = Board().owner;
  }
  return owner && IsWindow(owner) ? owner : nullptr;
}

HWND WINAPI GetOpenClipboardWindow(void) {
  std::lock_guard lock(Board().mu);
  return Board().open ? Board().opener : nullptr;
}

UINT WINAPI RegisterClipboardFormat(LPCSTR lpszFormat) {
  if (!lpszFormat || !*lpszFormat) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::lock_guard lock(Board().mu);
  auto& names = Board().formatNames;
  auto it = std::find_if(names.begin(), names.end(),
                         [&](const std::string& n) { return strcasecmp(n.c_str(), lpszFormat) == 0; });
  if (it == names.end()) it = names.insert(names.end(), lpszFormat);
  return kFirstRegisteredFormat + static_cast<UINT>(it - names.begin());
}

int WINAPI GetClipboardFormatName(UINT format, LPSTR lpszFormatName, int cchMaxCount) {
  std::lock_guard lock(Board().mu);
  const auto& names = Board().formatNames;
  if (format < kFirstRegisteredFormat || format - kFirstRegisteredFormat >= names.size() || !lpszFormatName ||
      cchMaxCount <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  lstrcpyn(lpszFormatName, names[format - kFirstRegisteredFormat].c_str(), cchMaxCount);
  return lstrlen(lpszFormatName);
}

namespace win32::internal {

void SetClipboardTextProvider(ClipboardTextProvider provider) {
  std::lock_guard lock(Board().mu);
  Board().provider = std::move(provider);
}

bool WriteClipboardText(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL h = TextBlock(text);
  if (!SetClipboardData(CF_TEXT, h)) GlobalFree(h);
  CloseClipboard();
  return true;
}

std::optional<std::string> ReadClipboardText(HWND opener) {
  if (!OpenClipboard(opener)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE h = GetClipboardData(CF_TEXT)) text = TextOf(h);
  CloseClipboard();
  return text;
}

}  // namespace win32::internal
