// LoadString: string tables are blocks of 16 length-prefixed UTF-16 strings.
#include <cstring>
#include <string>

#include "internal/res_store.h"
#include "resources/byte_reader.h"
#include "win32/winres.h"

namespace {

// The UTF-8 text of string `id`, or false when it is missing or empty.
bool FindString(HINSTANCE hInstance, UINT id, std::string& out) {
  const BYTE* data = nullptr;
  size_t size = 0;
  if (!win32::internal::FindResourceBytes(hInstance, RT_STRING, MAKEINTRESOURCE((id >> 4) + 1), data, size))
    return false;
  win32::internal::ByteReader reader(data, size);
  for (UINT index = 0; index < (id & 15); ++index) reader.skip(size_t(reader.word()) * 2);
  WORD length = reader.word();
  if (!reader.ok() || length == 0 || reader.remaining() < size_t(length) * 2) return false;
  std::u16string units(length, u'\0');
  for (auto& unit : units) unit = char16_t(reader.word());
  win32::internal::AppendUtf8(out, units.data(), units.size());
  return true;
}

// The longest prefix of `text` within `limit` bytes that does not cut a
// UTF-8 sequence.
size_t Utf8Prefix(const std::string& text, size_t limit) {
  if (text.size() <= limit) return text.size();
  size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

int WINAPI LoadString(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (lpBuffer == nullptr || cchBufferMax <= 0) return 0;
  std::string text;
  if (!FindString(hInstance, uID, text)) {
    lpBuffer[0] = '\0';
    return 0;
  }
  size_t copied = Utf8Prefix(text, size_t(cchBufferMax) - 1);
  std::memcpy(lpBuffer, text.data(), copied);
  lpBuffer[copied] = '\0';
  return int(copied);
}
