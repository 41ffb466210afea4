// The faults tests asked for (see DravonTestHooks.h).
#pragma once

#include <windows.h>

namespace dravon {

struct FaultState {
  bool refuseLogin = false;
  int loseAtCall = 0;  // 0: never
  bool refuseSave = false;
  bool refuseDelete = false;
  DWORD callDelayMs = 0;
};

FaultState& Faults();

}  // namespace dravon
