// Faults and gates of the location service for tests of its callers.
#pragma once

#include <string>
#include <vector>

namespace orb::test {

// Undoes everything below.
void Reset();
// Without the service, resolving "LocationService" throws InvalidName.
void SetServiceAvailable(bool available);
// The agent's calls throw CORBA::Exception.
void SetCallsThrow(bool fail);
// Extra repository ids the agent lists (with no instances unless a source
// is added for them).
void InjectRepositoryIds(const std::vector<std::string>& ids);
// While closed, all_repository_ids blocks until the gate opens.
void CloseGate();
void OpenGate();
// Blocks until a call waits at the closed gate.
void WaitForGateCaller();

}  // namespace orb::test
