// Path helpers shared by the file classes.
#pragma once

#include <string>
#include <string_view>

namespace afx::path {

// "\" turned into "/".
std::string Native(std::string_view name);
// Native, made absolute against the current folder and normalised by name
// ("." and ".." resolved without looking at the disk).
std::string Full(std::string_view name);
// The part after the last "/" or "\".
std::string_view FileName(std::string_view path);
// FileName without its extension.
std::string_view FileTitle(std::string_view path);

}  // namespace afx::path
