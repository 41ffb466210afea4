// Parsed forms of the binary resource templates, for the dialog manager,
// the dialog-init code and the toolbars.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "win32/wintypes.h"

namespace win32::internal {

// A name field of a template: absent, an ordinal, or a string (UTF-8).
struct ResName {
  bool isOrdinal = false;
  WORD ordinal = 0;
  std::string text;

  bool empty() const { return !isOrdinal && text.empty(); }
  // The name as the loaders take it; valid while this object lives.
  LPCSTR get() const { return isOrdinal ? MAKEINTRESOURCE(ordinal) : text.c_str(); }
};

struct DialogItem {
  DWORD style = 0;
  DWORD exStyle = 0;
  DWORD helpId = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  // The class name; the predefined ordinals 0x0080..0x0085 are mapped to
  // "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox".
  std::string className;
  WORD classOrdinal = 0;  // the ordinal when the template gave one
  ResName title;          // text, or an ordinal resource id (icons, bitmaps)
  std::vector<BYTE> creationData;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  DWORD helpId = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  ResName menu;
  ResName windowClass;
  std::string caption;
  // Font fields are meaningful when style has DS_SETFONT (or DS_SHELLFONT).
  WORD pointSize = 0;
  WORD weight = 0;
  BYTE italic = 0;
  BYTE charset = 0;
  std::string typeface;
  bool isEx = false;
  std::vector<DialogItem> items;
};

// Parses a DLGTEMPLATE or DLGTEMPLATEEX. False (and `out` unspecified) for a
// malformed or truncated template; never reads outside [data, data+size).
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate& out);

// One entry of an RT_DLGINIT resource: a message (CB_ADDSTRING 0x0143,
// LB_ADDSTRING 0x0180, 0x1234 for control data) for control `controlId`;
// the 16-bit numbers 0x0403/0x0401 that resource editors write are mapped
// to those.
struct DlgInitEntry {
  WORD controlId = 0;
  WORD message = 0;
  std::vector<BYTE> data;  // as stored (strings keep their terminating NUL)
  // The data as text: up to the first NUL.
  std::string text() const;
};

bool ParseDlgInit(const void* data, size_t size, std::vector<DlgInitEntry>& out);

// An RT_TOOLBAR resource: button size and the command ids, 0 for separators.
struct ToolbarResource {
  WORD version = 0;
  WORD width = 0;
  WORD height = 0;
  std::vector<WORD> ids;
};

bool ParseToolbarResource(const void* data, size_t size, ToolbarResource& out);

// The group-icon/group-cursor directory entry that suits `cx` x `cy` best
// (an exact size first, else the first entry); answers the RT_ICON/RT_CURSOR
// id, or 0 for a malformed directory.
WORD PickGroupImage(const void* data, size_t size, bool cursor, int cx, int cy);

}  // namespace win32::internal
