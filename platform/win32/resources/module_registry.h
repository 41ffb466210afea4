// The process's modules and their resources: static program data, made by
// static initializers and kept for the life of the process (a reset of the
// window system leaves them alone).
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "win32/wintypes.h"

namespace win32::internal {

// A resource type or name: an integer id or an upper-cased string.
struct ResKey {
  bool isInt = false;
  WORD id = 0;
  std::string text;

  // "#123" names the integer 123, as Win32 reads it.
  static ResKey From(LPCSTR value);
  auto operator<=>(const ResKey&) const = default;
  // A pointer form for callbacks; valid while this key lives.
  LPCSTR get() const { return isInt ? MAKEINTRESOURCE(id) : text.c_str(); }
};

struct ResourceEntry {
  const BYTE* data = nullptr;
  size_t size = 0;
};

struct Module {
  std::vector<std::string> names;  // upper-cased; the first is the registered one
  std::string fileName;
  bool failed = false;
  bool isMain = false;
  std::map<std::pair<ResKey, ResKey>, size_t> resources;  // (type, name) -> entry index
};

class ModuleRegistry {
 public:
  // The process-wide registry. It is never destroyed, so that library
  // detach handlers that run at exit still find it.
  static ModuleRegistry& Instance();

  HINSTANCE Register(const char* name, const char* fileName);
  HINSTANCE MainModule();
  HINSTANCE Find(const char* name);
  std::optional<std::string> FileName(HINSTANCE module);
  void SetFailed(HINSTANCE module);
  bool Failed(HINSTANCE module);

  void Add(HINSTANCE module, LPCSTR type, LPCSTR name, const void* data, size_t size);
  // The entry index + 1 (an HRSRC value), or 0.
  size_t Lookup(HINSTANCE module, LPCSTR type, LPCSTR name);
  std::optional<ResourceEntry> Entry(size_t handle);
  // The names of `type` in `module`, in key order.
  std::vector<ResKey> Names(HINSTANCE module, LPCSTR type);
  bool Exists(HINSTANCE module);

 private:
  ModuleRegistry() = default;
  Module* Get(HINSTANCE module);
  HINSTANCE MainLocked();
  HINSTANCE HandleOf(size_t index) const;

  std::mutex mutex_;
  std::deque<Module> modules_;
  std::deque<ResourceEntry> entries_;
};

}  // namespace win32::internal
