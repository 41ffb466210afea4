// Fault injection for tests of the server session. Faults last until
// ResetFaults (tests call it in SetUp and TearDown).
#pragma once

#include <windows.h>

namespace dravon::test {

void ResetFaults();
// LogToServer answers zero whatever the password.
void RefuseLogin(bool refuse);
// The server is lost at the n-th server call from now (1 = the next one):
// that call raises 0x468 and fails, and so does everything after it.
void LoseServerAtCall(int n);
// Saves (definitions, connectors, renames) fail and change nothing.
void RefuseSave(bool refuse);
// Deletes fail and change nothing.
void RefuseDelete(bool refuse);
// Every server call takes this long on the window system's clock.
void SetCallDelay(DWORD milliseconds);

}  // namespace dravon::test

namespace dravon::test {

// The work factor of new password entries (the default is slow on
// purpose; a test that makes many accounts lowers it). Not reset by
// ResetFaults.
void SetPasswordIterations(int iterations);
void ResetPasswordIterations();

}  // namespace dravon::test
