// Text helpers shared by Fennick's parts.
#pragma once

#include <string>
#include <string_view>

namespace fennick {

std::string Lower(std::string_view text);
bool EqualNoCase(std::string_view a, std::string_view b);
// Without leading and trailing blanks (spaces and tabs).
std::string_view Trim(std::string_view text);

}  // namespace fennick
