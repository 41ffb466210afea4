// Lumeric, the product's extension library.
#pragma once

#include <mfc/export.h>

extern "C" {

// The library's first export: the product version ("major.minor.patch").
// Copies as much of the text as fits into `buffer` (always ended by a NUL
// when `size` > 0) and answers the length of the whole text, so that a
// null buffer or a zero size asks for the length alone.
AFX_EXT_API int LumericVersion(char* buffer, int size);

// The signature of the query, for callers that pass it on.
using LumericVersionProc = int (*)(char* buffer, int size);
}
