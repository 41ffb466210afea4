#include "resources/module_registry.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace win32::internal {

namespace {

// Module handles look like the classic image bases, 64 KiB apart.
constexpr uintptr_t kHandleBase = 0x400000;
constexpr uintptr_t kHandleStep = 0x10000;

std::string Upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return out;
}

std::string ProgramPath() {
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return length > 0 ? std::string(buffer, size_t(length)) : std::string();
}

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ResKey ResKey::From(LPCSTR value) {
  ResKey key;
  if (IS_INTRESOURCE(value)) {
    key.isInt = true;
    key.id = WORD(reinterpret_cast<ULONG_PTR>(value));
  } else if (value[0] == '#' && value[1] != '\0') {
    key.isInt = true;
    key.id = WORD(std::strtoul(value + 1, nullptr, 10));
  } else {
    key.text = Upper(value);
  }
  return key;
}

ModuleRegistry& ModuleRegistry::Instance() {
  static ModuleRegistry* registry = new ModuleRegistry;  // immortal: see the header
  return *registry;
}

HINSTANCE ModuleRegistry::HandleOf(size_t index) const {
  return reinterpret_cast<HINSTANCE>(kHandleBase + index * kHandleStep);
}

Module* ModuleRegistry::Get(HINSTANCE module) {
  auto value = reinterpret_cast<uintptr_t>(module);
  if (value < kHandleBase || (value - kHandleBase) % kHandleStep != 0) return nullptr;
  size_t index = (value - kHandleBase) / kHandleStep;
  return index < modules_.size() ? &modules_[index] : nullptr;
}

HINSTANCE ModuleRegistry::MainLocked() {
  for (size_t i = 0; i < modules_.size(); ++i)
    if (modules_[i].isMain) return HandleOf(i);
  Module& main = modules_.emplace_back();
  main.fileName = ProgramPath();
  main.names.push_back(Upper(BaseName(main.fileName)));
  main.isMain = true;
  return HandleOf(modules_.size() - 1);
}

HINSTANCE ModuleRegistry::Register(const char* name, const char* fileName) {
  if (name == nullptr || *name == '\0') return nullptr;
  std::lock_guard lock(mutex_);
  std::string key = Upper(name);
  for (size_t i = 0; i < modules_.size(); ++i) {
    const auto& names = modules_[i].names;
    if (std::find(names.begin(), names.end(), key) != names.end()) return HandleOf(i);
  }
  if (fileName == nullptr) {
    // The program's own module: it may already exist under its file name.
    HINSTANCE main = MainLocked();
    Get(main)->names.push_back(key);
    return main;
  }
  Module& module = modules_.emplace_back();
  module.names.push_back(key);
  module.fileName = fileName;
  return HandleOf(modules_.size() - 1);
}

HINSTANCE ModuleRegistry::MainModule() {
  std::lock_guard lock(mutex_);
  return MainLocked();
}

HINSTANCE ModuleRegistry::Find(const char* name) {
  std::lock_guard lock(mutex_);
  std::string key = Upper(name);
  for (size_t i = 0; i < modules_.size(); ++i) {
    const Module& module = modules_[i];
    // A module whose attach refused is not loaded.
    if (module.failed) continue;
    if (std::find(module.names.begin(), module.names.end(), key) != module.names.end()) return HandleOf(i);
    // Win32 also finds a module by its file name, with or without the folder.
    if (Upper(module.fileName) == key || Upper(BaseName(module.fileName)) == key) return HandleOf(i);
  }
  return nullptr;
}

std::optional<std::string> ModuleRegistry::FileName(HINSTANCE module) {
  std::lock_guard lock(mutex_);
  if (module == nullptr) return Get(MainLocked())->fileName;
  Module* found = Get(module);
  if (found == nullptr) return std::nullopt;
  return found->fileName;
}

void ModuleRegistry::SetFailed(HINSTANCE module) {
  std::lock_guard lock(mutex_);
  if (Module* found = Get(module)) found->failed = true;
}

bool ModuleRegistry::Failed(HINSTANCE module) {
  std::lock_guard lock(mutex_);
  Module* found = Get(module);
  return found != nullptr && found->failed;
}

bool ModuleRegistry::Exists(HINSTANCE module) {
  std::lock_guard lock(mutex_);
  return Get(module) != nullptr;
}

void ModuleRegistry::Add(HINSTANCE module, LPCSTR type, LPCSTR name, const void* data, size_t size) {
  if (type == nullptr || name == nullptr) return;
  std::lock_guard lock(mutex_);
  Module* found = Get(module);
  if (found == nullptr) return;
  entries_.push_back({static_cast<const BYTE*>(data), size});
  found->resources[{ResKey::From(type), ResKey::From(name)}] = entries_.size() - 1;
}

size_t ModuleRegistry::Lookup(HINSTANCE module, LPCSTR type, LPCSTR name) {
  if (type == nullptr || name == nullptr) return 0;
  std::lock_guard lock(mutex_);
  Module* found = Get(module == nullptr ? MainLocked() : module);
  if (found == nullptr || found->failed) return 0;
  auto it = found->resources.find({ResKey::From(type), ResKey::From(name)});
  return it == found->resources.end() ? 0 : it->second + 1;
}

std::optional<ResourceEntry> ModuleRegistry::Entry(size_t handle) {
  std::lock_guard lock(mutex_);
  if (handle == 0 || handle > entries_.size()) return std::nullopt;
  return entries_[handle - 1];
}

std::vector<ResKey> ModuleRegistry::Names(HINSTANCE module, LPCSTR type) {
  std::vector<ResKey> names;
  if (type == nullptr) return names;
  std::lock_guard lock(mutex_);
  Module* found = Get(module == nullptr ? MainLocked() : module);
  if (found == nullptr || found->failed) return names;
  ResKey typeKey = ResKey::From(type);
  for (const auto& [key, index] : found->resources)
    if (key.first == typeKey) names.push_back(key.second);
  return names;
}

}  // namespace win32::internal
