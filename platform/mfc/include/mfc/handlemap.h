// Handle maps: which C++ object wraps a window-system handle, per thread.
//
// A permanent object is one the program attached (Attach, Create...); it is
// not owned by the map. FromHandle on a handle without one makes a
// temporary object of the requested class, owned by the map until the
// thread's temporary objects are deleted at idle time (AfxUnlockTempMaps).
// Each map is one thread_local instance in the .cpp of its class.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <utility>

#include "win32/wintypes.h"

// Temporary objects survive while the thread holds a lock; the last unlock
// deletes them (when bDeleteTemps) in every handle map of the thread.
void AfxLockTempMaps();
BOOL AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

namespace afx {

// Adds a clean-up that AfxUnlockTempMaps runs for this thread; the token
// removes it again.
int RegisterTempMapCleaner(std::function<void()> cleaner);
void UnregisterTempMapCleaner(int token);

// Traits says how a handle is put into and taken out of an object without
// touching the map: static void Set(T&, H) and static void Clear(T&).
template <class T, class H, class Traits>
class HandleMap {
 public:
  HandleMap() : token_(RegisterTempMapCleaner([this] { DeleteTemp(); })) {}
  ~HandleMap() {
    UnregisterTempMapCleaner(token_);
    DeleteTemp();
  }
  HandleMap(const HandleMap&) = delete;
  HandleMap& operator=(const HandleMap&) = delete;

  T* LookupPermanent(H handle) const {
    const auto it = permanent_.find(handle);
    return it == permanent_.end() ? nullptr : it->second;
  }

  // The permanent object when it is a U, else a temporary U.
  template <class U = T>
  U* FromHandle(H handle) {
    if (!handle) return nullptr;
    if (auto* found = dynamic_cast<U*>(LookupPermanent(handle))) return found;
    auto& slot = temporary_[{handle, std::type_index(typeid(U))}];
    if (!slot) {
      auto object = std::make_unique<U>();
      Traits::Set(*object, handle);
      slot = std::move(object);
    }
    return static_cast<U*>(slot.get());
  }

  void SetPermanent(H handle, T* object) { permanent_[handle] = object; }

  // Forgets the permanent object of the handle, when it is this one.
  void RemoveHandle(H handle, const T* object) {
    const auto it = permanent_.find(handle);
    if (it != permanent_.end() && it->second == object) permanent_.erase(it);
  }

  bool IsTemporary(const T* object) const {
    for (const auto& [key, temp] : temporary_) {
      if (temp.get() == object) return true;
    }
    return false;
  }

  // The handles stay with the window system: a temporary object only
  // borrowed its handle, so it is cleared before the object goes.
  void DeleteTemp() {
    auto doomed = std::move(temporary_);
    temporary_.clear();
    for (auto& [key, object] : doomed) Traits::Clear(*object);
  }

 private:
  int token_;
  std::unordered_map<H, T*> permanent_;
  std::map<std::pair<H, std::type_index>, std::unique_ptr<T>> temporary_;
};

}  // namespace afx
