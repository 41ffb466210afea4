// FindFirstFile and FindNextFile over one folder. Matches are collected at
// once and answered in name order, "." and ".." first as Win32 reports
// them; the pattern matches without regard to case.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <strings.h>

#include "internal/core_kernel.h"
#include "internal/core_classes.h"
#include "services/file_attributes.h"
#include "services/spawn.h"
#include "win32/services.h"

namespace win32::svc {
namespace {

struct Search {
  std::vector<WIN32_FIND_DATA> found;
  size_t next = 0;
};

struct Searches {
  std::mutex mu;
  std::map<HANDLE, Search> open;
};

Searches& TheSearches() {
  static Searches searches;
  return searches;
}

void CloseAllSearches() {
  std::lock_guard lock(TheSearches().mu);
  TheSearches().open.clear();
}

const struct SearchReset {
  SearchReset() { internal::AddSystemClassInitializer(CloseAllSearches); }
} kSearchReset;

bool Matches(const char* pattern, const char* name) {
  for (; *pattern; ++pattern, ++name) {
    if (*pattern == '*') {
      for (const char* rest = name;; ++rest) {
        if (Matches(pattern + 1, rest)) return true;
        if (!*rest) return false;
      }
    }
    if (!*name) return false;
    if (*pattern != '?' &&
        std::tolower(static_cast<unsigned char>(*pattern)) != std::tolower(static_cast<unsigned char>(*name)))
      return false;
  }
  return !*name;
}

FILETIME FileTimeOf(const timespec& t) {
  // 100-ns ticks since 1601.
  const ULONGLONG ticks = (static_cast<ULONGLONG>(t.tv_sec) + 11644473600ULL) * 10000000ULL + t.tv_nsec / 100;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

bool Describe(const std::string& dir, const std::string& name, WIN32_FIND_DATA& data) {
  const std::string path = dir + "/" + name;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || name.size() >= MAX_PATH) return false;
  data = WIN32_FIND_DATA{};
  data.dwFileAttributes = FileAttributesOf(path, st);
  data.ftCreationTime = FileTimeOf(st.st_ctim);
  data.ftLastAccessTime = FileTimeOf(st.st_atim);
  data.ftLastWriteTime = FileTimeOf(st.st_mtim);
  const auto size = static_cast<ULONGLONG>(S_ISDIR(st.st_mode) ? 0 : st.st_size);
  data.nFileSizeLow = static_cast<DWORD>(size);
  data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  std::memcpy(data.cFileName, name.c_str(), name.size() + 1);
  return true;
}

int DotRank(const char* name) { return std::strcmp(name, ".") == 0 ? 0 : std::strcmp(name, "..") == 0 ? 1 : 2; }

std::vector<WIN32_FIND_DATA> Collect(const std::string& dir, std::string mask, DWORD& error) {
  std::vector<WIN32_FIND_DATA> found;
  // "*.*" is every name, with or without a dot.
  if (mask == "*.*") mask = "*";
  DIR* d = opendir(dir.c_str());
  if (!d) {
    error = ERROR_PATH_NOT_FOUND;
    return found;
  }
  while (const dirent* e = readdir(d)) {
    WIN32_FIND_DATA data;
    if (Matches(mask.c_str(), e->d_name) && Describe(dir, e->d_name, data)) found.push_back(data);
  }
  closedir(d);
  std::sort(found.begin(), found.end(), [](const WIN32_FIND_DATA& a, const WIN32_FIND_DATA& b) {
    const int ra = DotRank(a.cFileName), rb = DotRank(b.cFileName);
    return ra != rb ? ra < rb : strcasecmp(a.cFileName, b.cFileName) < 0;
  });
  error = found.empty() ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
  return found;
}

}  // namespace
}  // namespace win32::svc

using namespace win32::svc;

HANDLE WINAPI FindFirstFile(LPCSTR lpFileName, LPWIN32_FIND_DATA lpFindFileData) {
  const std::string pattern = SlashPath(lpFileName ? lpFileName : "");
  if (pattern.empty() || !lpFindFileData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  const auto slash = pattern.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : pattern.substr(0, slash);
  const std::string mask = pattern.substr(slash == std::string::npos ? 0 : slash + 1);
  DWORD error = ERROR_SUCCESS;
  Search search{Collect(dir, mask, error), 1};
  if (search.found.empty()) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  *lpFindFileData = search.found.front();
  auto h = reinterpret_cast<HANDLE>(win32::internal::NewHandleValue());
  std::lock_guard lock(TheSearches().mu);
  TheSearches().open.emplace(h, std::move(search));
  return h;
}

BOOL WINAPI FindNextFile(HANDLE hFindFile, LPWIN32_FIND_DATA lpFindFileData) {
  std::lock_guard lock(TheSearches().mu);
  auto it = TheSearches().open.find(hFindFile);
  if (it == TheSearches().open.end() || !lpFindFileData) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Search& s = it->second;
  if (s.next >= s.found.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  *lpFindFileData = s.found[s.next++];
  return TRUE;
}

BOOL WINAPI FindClose(HANDLE hFindFile) {
  std::lock_guard lock(TheSearches().mu);
  if (TheSearches().open.erase(hFindFile) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
