// ParseDialogTemplate: DLGTEMPLATE and DLGTEMPLATEEX.
#include "internal/res_templates.h"
#include "resources/byte_reader.h"

namespace win32::internal {

namespace {

constexpr DWORD kSetFont = 0x40;  // DS_SETFONT (DS_SHELLFONT includes it)

// Resource editors write the list and combo box messages with their 16-bit
// numbers; readers get today's.
WORD CurrentMessage(WORD message) {
  switch (message) {
    case 0x0401:
      return 0x0180;  // LB_ADDSTRING
    case 0x0403:
      return 0x0143;  // CB_ADDSTRING
    default:
      return message;
  }
}

const char* PredefinedClass(WORD ordinal) {
  switch (ordinal) {
    case 0x0080:
      return "Button";
    case 0x0081:
      return "Edit";
    case 0x0082:
      return "Static";
    case 0x0083:
      return "ListBox";
    case 0x0084:
      return "ScrollBar";
    case 0x0085:
      return "ComboBox";
    default:
      return nullptr;
  }
}

void ReadHeader(ByteReader& in, DialogTemplate& out, WORD& count) {
  if (out.isEx) {
    in.skip(4);  // dlgVer, signature
    out.helpId = in.dword();
    out.exStyle = in.dword();
    out.style = in.dword();
  } else {
    out.style = in.dword();
    out.exStyle = in.dword();
  }
  count = in.word();
  out.x = short(in.word());
  out.y = short(in.word());
  out.cx = short(in.word());
  out.cy = short(in.word());
  out.menu = in.name();
  out.windowClass = in.name();
  out.caption = in.sz();
  if (out.style & kSetFont) {
    out.pointSize = in.word();
    if (out.isEx) {
      out.weight = in.word();
      out.italic = in.byte();
      out.charset = in.byte();
    }
    out.typeface = in.sz();
  }
}

bool ReadItem(ByteReader& in, bool isEx, DialogItem& item) {
  in.align(4);
  if (isEx) {
    item.helpId = in.dword();
    item.exStyle = in.dword();
    item.style = in.dword();
  } else {
    item.style = in.dword();
    item.exStyle = in.dword();
  }
  item.x = short(in.word());
  item.y = short(in.word());
  item.cx = short(in.word());
  item.cy = short(in.word());
  item.id = isEx ? in.dword() : in.word();
  ResName cls = in.name();
  if (cls.isOrdinal) {
    const char* name = PredefinedClass(cls.ordinal);
    if (name == nullptr) return false;
    item.classOrdinal = cls.ordinal;
    item.className = name;
  } else {
    item.className = cls.text;
  }
  item.title = in.name();
  WORD extra = in.word();
  if (!in.ok() || extra > in.remaining()) return false;
  // The old layout counts the size word itself in the creation data; the
  // extended one does not.
  size_t dataSize = (!isEx && extra >= 2) ? extra - 2u : extra;
  if (dataSize > in.remaining()) return false;
  item.creationData.assign(in.current(), in.current() + dataSize);
  in.skip(dataSize);
  return in.ok();
}

}  // namespace

bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate& out) {
  if (data == nullptr) return false;
  ByteReader in(data, size);
  out = DialogTemplate{};
  if (size >= 4) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    out.isEx = bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF && bytes[3] == 0xFF;
  }
  WORD count = 0;
  ReadHeader(in, out, count);
  if (!in.ok()) return false;
  out.items.resize(count);
  for (auto& item : out.items)
    if (!ReadItem(in, out.isEx, item)) return false;
  return true;
}

std::string DlgInitEntry::text() const {
  std::string result(data.begin(), data.end());
  size_t nul = result.find('\0');
  if (nul != std::string::npos) result.resize(nul);
  return result;
}

bool ParseDlgInit(const void* data, size_t size, std::vector<DlgInitEntry>& out) {
  if (data == nullptr) return false;
  ByteReader in(data, size);
  out.clear();
  for (;;) {
    WORD controlId = in.word();
    if (!in.ok()) return false;
    if (controlId == 0) return true;
    DlgInitEntry entry;
    entry.controlId = controlId;
    entry.message = CurrentMessage(in.word());
    DWORD length = in.dword();
    if (!in.ok() || length > in.remaining()) return false;
    entry.data.assign(in.current(), in.current() + length);
    in.skip(length);
    out.push_back(std::move(entry));
  }
}

bool ParseToolbarResource(const void* data, size_t size, ToolbarResource& out) {
  if (data == nullptr) return false;
  ByteReader in(data, size);
  out = ToolbarResource{};
  out.version = in.word();
  out.width = in.word();
  out.height = in.word();
  WORD count = in.word();
  if (!in.ok() || out.version != 1 || in.remaining() < size_t(count) * 2) return false;
  out.ids.resize(count);
  for (auto& id : out.ids) id = in.word();
  return in.ok();
}

WORD PickGroupImage(const void* data, size_t size, bool cursor, int cx, int cy) {
  if (data == nullptr) return 0;
  ByteReader in(data, size);
  in.skip(2);
  WORD type = in.word();
  WORD count = in.word();
  if (!in.ok() || type != (cursor ? 2 : 1) || count == 0) return 0;
  WORD first = 0;
  for (WORD i = 0; i < count; ++i) {
    // Icon entries hold byte sizes (0 = 256); cursor entries hold words,
    // the height doubled for the mask.
    int width = 0;
    int height = 0;
    if (cursor) {
      width = in.word();
      height = in.word() / 2;
    } else {
      width = in.byte();
      height = in.byte();
      in.skip(2);
      if (width == 0) width = 256;
      if (height == 0) height = 256;
    }
    in.skip(8);  // planes, bit count, bytes in resource
    WORD id = in.word();
    if (!in.ok()) return 0;
    if (i == 0) first = id;
    if (width == cx && height == cy) return id;
  }
  return first;
}

}  // namespace win32::internal
