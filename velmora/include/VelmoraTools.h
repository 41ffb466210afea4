// Velmora's exported free functions: the launcher of the product's sibling
// tools and the version query.
#pragma once

#include <mfc/export.h>

extern "C" {

// Starts sibling tool `number` (1 to 9) with the printf-formatted arguments
// (at most 1023 characters; longer text is cut) as its command line after
// the program's name and one blank. The program is found by the window
// system's program search: "Kestrun.exe" runs `kestrun` beside the running
// program, else on PATH. False for a number without a program or a failed
// start.
AFX_EXT_API bool LaunchHLLDTool(int number, const char* format, ...);

// Lumeric's version query, passed on unchanged: copies the product version
// into `buffer` (NUL-ended when `size` > 0) and answers its full length.
AFX_EXT_API int GetLumericVersion(char* buffer, int size);
}
