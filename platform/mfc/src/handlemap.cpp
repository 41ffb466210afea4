// The per-thread lock and clean-up list behind every handle map.
#include "mfc/handlemap.h"

#include <vector>

namespace {

struct TempMapState {
  int lockCount = 0;
  int nextToken = 1;
  std::vector<std::pair<int, std::function<void()>>> cleaners;
};

TempMapState& ThreadTempMaps() {
  thread_local TempMapState state;
  return state;
}

}  // namespace

namespace afx {

int RegisterTempMapCleaner(std::function<void()> cleaner) {
  auto& state = ThreadTempMaps();
  const int token = state.nextToken++;
  state.cleaners.emplace_back(token, std::move(cleaner));
  return token;
}

void UnregisterTempMapCleaner(int token) {
  auto& cleaners = ThreadTempMaps().cleaners;
  std::erase_if(cleaners, [token](const auto& entry) { return entry.first == token; });
}

}  // namespace afx

void AfxLockTempMaps() { ++ThreadTempMaps().lockCount; }

BOOL AfxUnlockTempMaps(BOOL bDeleteTemps) {
  auto& state = ThreadTempMaps();
  if (state.lockCount > 0 && --state.lockCount > 0) return FALSE;
  if (!bDeleteTemps) return FALSE;
  // A clean-up may destroy objects whose destructors touch other maps, so
  // walk a copy of the list.
  const auto cleaners = state.cleaners;
  for (const auto& [token, cleaner] : cleaners) cleaner();
  return TRUE;
}
