// Text as Java strings hold it: the program's UTF-8 to UTF-16 and back.
// Bytes that are not UTF-8 become U+FFFD, so any text crosses safely.
#pragma once

#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
