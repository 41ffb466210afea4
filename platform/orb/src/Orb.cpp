#include "Orb.h"

#include <atomic>

namespace {

std::atomic<int> g_busyCount{0};

}  // namespace

CORBA::ORB* GetOrb() {
  static CORBA::ORB orb;
  return &orb;
}

void SetOrbBusy(int busy) {
  if (busy != 0) {
    ++g_busyCount;
    return;
  }
  // Leaving more often than entering must not make the count negative.
  int count = g_busyCount.load();
  while (count > 0 && !g_busyCount.compare_exchange_weak(count, count - 1)) {
  }
}

int IsOrbBusy() { return g_busyCount.load() > 0 ? 1 : 0; }
