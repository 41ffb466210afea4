#include "commdlg/file_names.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace win32::commdlg {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool Match(const char* n, const char* p) {
  for (; *p; ++p, ++n) {
    if (*p == '*') {
      while (p[1] == '*') ++p;
      if (!p[1]) return true;
      for (const char* rest = n; *rest; ++rest)
        if (Match(rest, p + 1)) return true;
      return Match("", p + 1);
    }
    if (!*n) return false;
    if (*p != '?' && Lower(*p) != Lower(*n)) return false;
  }
  return *n == '\0';
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The extension of "*.ext" without wildcards, or empty.
std::string ConcreteExtension(const std::string& pattern) {
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return {};
  const std::string ext = pattern.substr(2);
  return HasWildcard(ext) ? std::string() : ext;
}

}  // namespace

std::vector<std::string> SplitPatterns(const std::string& list) {
  std::vector<std::string> patterns;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(';', start), list.size());
    std::string p = Trim(list.substr(start, end - start));
    if (!p.empty()) patterns.push_back(std::move(p));
    start = end + 1;
  }
  return patterns;
}

std::vector<FileType> ParseFilter(LPCSTR filter) {
  std::vector<FileType> types;
  if (!filter) return types;
  for (const char* p = filter; *p;) {
    FileType type;
    type.description = p;
    p += type.description.size() + 1;
    if (!*p) break;
    type.patterns = SplitPatterns(p);
    p += std::strlen(p) + 1;
    if (!type.patterns.empty()) types.push_back(std::move(type));
  }
  return types;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*") return true;
  return Match(name.c_str(), pattern.c_str());
}

bool MatchesAny(const std::string& name, const std::vector<std::string>& patterns) {
  return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& p) { return MatchesPattern(name, p); });
}

bool HasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

bool MatchesEverything(const std::vector<std::string>& patterns) {
  return std::any_of(patterns.begin(), patterns.end(), [](const std::string& p) { return p == "*.*" || p == "*"; });
}

std::string CleanExtension(const std::string& defExt) {
  const auto start = defExt.find_first_not_of("*.");
  return start == std::string::npos ? std::string() : Trim(defExt.substr(start));
}

std::string ExtensionToAdd(const std::vector<std::string>& patterns, const std::string& defExt) {
  if (defExt.empty() || MatchesEverything(patterns)) return {};
  if (patterns.size() == 1) {
    const std::string own = ConcreteExtension(patterns.front());
    if (!own.empty()) return own;
  }
  return defExt;
}

std::vector<std::string> SplitTypedNames(const std::string& text) {
  std::vector<std::string> names;
  if (text.find('"') == std::string::npos) {
    std::string one = Trim(text);
    if (!one.empty()) names.push_back(std::move(one));
    return names;
  }
  size_t pos = 0;
  while ((pos = text.find('"', pos)) != std::string::npos) {
    const size_t end = text.find('"', pos + 1);
    std::string name = Trim(text.substr(pos + 1, end == std::string::npos ? std::string::npos : end - pos - 1));
    if (!name.empty()) names.push_back(std::move(name));
    if (end == std::string::npos) break;
    pos = end + 1;
  }
  return names;
}

std::string NormalizePath(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '\\', '/');
  const bool absolute = !p.empty() && p.front() == '/';
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= p.size()) {
    const size_t end = std::min(p.find('/', start), p.size());
    const std::string part = p.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..")
        parts.pop_back();
      else if (!absolute)
        parts.push_back(part);
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string out = absolute ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? "/" : "") + parts[i];
  return out.empty() ? "." : out;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!name.empty() && (name.front() == '/' || name.front() == '\\')) return NormalizePath(name);
  return NormalizePath(folder + "/" + name);
}

std::string ParentOf(const std::string& path) {
  const std::string p = NormalizePath(path);
  const auto slash = p.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : p.substr(0, slash);
}

std::string LeafOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool HasExtension(const std::string& name) {
  const std::string leaf = LeafOf(name);
  const auto dot = leaf.rfind('.');
  return dot != std::string::npos && dot > 0;
}

std::vector<std::string> AncestorsOf(const std::string& folder) {
  std::vector<std::string> chain;
  for (std::string p = NormalizePath(folder);; p = ParentOf(p)) {
    chain.push_back(p);
    if (p == "/" || p == "." || ParentOf(p) == p) break;
  }
  std::reverse(chain.begin(), chain.end());
  return chain;
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

FolderContents ListFolder(const std::string& folder, bool hidden) {
  FolderContents contents;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.front() == '.' && !hidden) continue;
    std::error_code typeError;
    (it->is_directory(typeError) ? contents.folders : contents.files).push_back(std::move(name));
  }
  std::sort(contents.folders.begin(), contents.folders.end(), LessNoCase);
  std::sort(contents.files.begin(), contents.files.end(), LessNoCase);
  return contents;
}

namespace {

void WriteNeededSize(OPENFILENAME& ofn, size_t needed) {
  if (ofn.nMaxFile < 2) return;
  const WORD size = static_cast<WORD>(std::min<size_t>(needed, 0xFFFF));
  std::memcpy(ofn.lpstrFile, &size, sizeof size);
}

void WriteTitle(OPENFILENAME& ofn, const std::string& name) {
  if (!ofn.lpstrFileTitle || ofn.nMaxFileTitle == 0) return;
  const size_t n = std::min<size_t>(name.size(), ofn.nMaxFileTitle - 1);
  std::memcpy(ofn.lpstrFileTitle, name.data(), n);
  ofn.lpstrFileTitle[n] = '\0';
}

}  // namespace

DWORD WriteFileResult(OPENFILENAME& ofn, const std::string& folder, const std::vector<std::string>& names) {
  if (names.empty()) return FNERR_INVALIDFILENAME;
  std::string block;
  if (names.size() == 1) {
    block = JoinPath(folder, names.front());
    block.push_back('\0');
  } else {
    block = folder + '\0';
    for (const std::string& name : names) block += name + '\0';
  }
  block.push_back('\0');
  // One path needs its terminator only; a list needs the final one too.
  const size_t needed = names.size() == 1 ? block.size() - 1 : block.size();
  if (needed > ofn.nMaxFile) {
    WriteNeededSize(ofn, needed);
    return FNERR_BUFFERTOOSMALL;
  }
  std::memcpy(ofn.lpstrFile, block.data(), needed);
  if (names.size() == 1) {
    const std::string path(block.c_str());
    const auto slash = path.rfind('/');
    ofn.nFileOffset = static_cast<WORD>(slash == std::string::npos ? 0 : slash + 1);
    const auto dot = path.rfind('.');
    const bool hasExt = dot != std::string::npos && dot > ofn.nFileOffset;
    ofn.nFileExtension = static_cast<WORD>(hasExt ? dot + 1 : path.size());
    WriteTitle(ofn, path.substr(ofn.nFileOffset));
  } else {
    ofn.nFileOffset = static_cast<WORD>(folder.size() + 1);
    ofn.nFileExtension = 0;
    WriteTitle(ofn, names.front());
  }
  return 0;
}

}  // namespace win32::commdlg
