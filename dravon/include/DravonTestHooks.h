// Fault injection for tests of the server session. Faults last until
// ResetFaults (tests call it in SetUp and TearDown).
#pragma once

#include <mfc/export.h>

#include <windows.h>

namespace dravon::test {

AFX_EXT_API void ResetFaults();
// LogToServer answers zero whatever the password.
AFX_EXT_API void RefuseLogin(bool refuse);
// The server is lost at the n-th server call from now (1 = the next one):
// that call raises WM_HV_SERVER_LOST and fails, and so does everything after it.
AFX_EXT_API void LoseServerAtCall(int n);
// Saves (definitions, connectors, renames) fail and change nothing.
AFX_EXT_API void RefuseSave(bool refuse);
// Deletes fail and change nothing.
AFX_EXT_API void RefuseDelete(bool refuse);
// Every server call takes this long on the window system's clock.
AFX_EXT_API void SetCallDelay(DWORD milliseconds);
// Whether the data manager's session holds the object (and frees it).
AFX_EXT_API bool SessionOwns(const class CQRObj* object);

}  // namespace dravon::test

namespace dravon::test {

// The work factor of new password entries (the default is slow on
// purpose; a test that makes many accounts lowers it). Not reset by
// ResetFaults.
AFX_EXT_API void SetPasswordIterations(int iterations);
AFX_EXT_API void ResetPasswordIterations();

}  // namespace dravon::test
