#include "paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace afx::path {

std::string Native(std::string_view name) {
  std::string result(name);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::string Full(std::string_view name) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(Native(name), error);
  if (error) path = Native(name);
  std::string result = path.lexically_normal().string();
  // "dir/" normalises to "dir/"; keep a trailing separator only for "/".
  if (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

std::string_view FileName(std::string_view path) {
  const size_t sep = path.find_last_of("/\\");
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view FileTitle(std::string_view path) {
  const std::string_view name = FileName(path);
  return name.substr(0, name.rfind('.'));
}

}  // namespace afx::path
