// The test extension library: joins and leaves the resource chain as a
// library's attach and detach would.
#pragma once

void ExtLibraryAttach();
void ExtLibraryDetach();
