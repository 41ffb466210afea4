#include "session/Faults.h"

#include "DravonTestHooks.h"

namespace dravon {

FaultState& Faults() {
  static FaultState state;
  return state;
}

namespace test {

void ResetFaults() { Faults() = FaultState{}; }
void RefuseLogin(bool refuse) { Faults().refuseLogin = refuse; }
void LoseServerAtCall(int n) { Faults().loseAtCall = n; }
void RefuseSave(bool refuse) { Faults().refuseSave = refuse; }
void RefuseDelete(bool refuse) { Faults().refuseDelete = refuse; }
void SetCallDelay(DWORD milliseconds) { Faults().callDelayMs = milliseconds; }

}  // namespace test
}  // namespace dravon
