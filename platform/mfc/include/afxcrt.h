// CRT-level helpers that programs written for the classic C runtime expect
// next to the standard C library: case-insensitive compares, path splitting,
// 64-bit conversions and the generic-text names.
//
// Case folding follows one rule everywhere (these functions, CString's
// CompareNoCase/MakeUpper/MakeLower): ASCII letters fold, every other byte,
// including the bytes of multibyte UTF-8 sequences, compares unchanged.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "win32/wintypes.h"

#ifndef _MAX_PATH
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256
#endif

// A macro rather than a typedef, so that "unsigned __int64" works too.
#define __int64 long long

#ifndef _T
#define _T(x) x
#endif
#ifndef TEXT
#define TEXT(x) x
#endif
#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

// The one fold rule, for code that needs it per byte.
inline unsigned char AfxFoldCase(unsigned char ch) {
  return (ch >= 'A' && ch <= 'Z') ? static_cast<unsigned char>(ch - 'A' + 'a') : ch;
}

int _mbsicmp(const unsigned char* string1, const unsigned char* string2);
int _mbsnicmp(const unsigned char* string1, const unsigned char* string2, size_t count);
int _stricmp(const char* string1, const char* string2);
int _strnicmp(const char* string1, const char* string2, size_t count);
char* _strupr(char* str);
char* _strlwr(char* str);

// Overloads for callers that pass plain char pointers to the multibyte forms.
inline int _mbsicmp(const char* string1, const char* string2) { return _stricmp(string1, string2); }
inline int _mbsnicmp(const char* string1, const char* string2, size_t count) {
  return _strnicmp(string1, string2, count);
}

// Splits at the last "/" or "\"; the folder keeps its trailing separator and
// the extension its dot. There are no drive letters: `drive` is always empty.
// Any output pointer may be null.
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
// Composes with "/" (added after the folder when missing) and adds the dot
// before the extension when missing; the drive is ignored.
void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext);

// Leading blanks and tabs are skipped; out-of-range values saturate.
__int64 _atoi64(const char* str);
__int64 _strtoi64(const char* str, char** endptr, int base);
unsigned __int64 _strtoui64(const char* str, char** endptr, int base);

// Radix 2..36; a negative value gets a minus sign only in radix 10 and is
// otherwise written as its unsigned bit pattern.
char* _itoa(int value, char* buffer, int radix);
char* _ltoa(long value, char* buffer, int radix);
char* _ultoa(unsigned long value, char* buffer, int radix);
char* _i64toa(__int64 value, char* buffer, int radix);
char* _ui64toa(unsigned __int64 value, char* buffer, int radix);

// 0 when `path` exists (mode 0), is writable (2), readable (4) or both (6)
// for this process's user; else -1 with errno set. Either separator.
int _access(const char* path, int mode);

// qsort's contract, except that elements comparing equal keep their order
// (qsort promises no order for them, and callers that sort rows by one
// column rely on the earlier order surviving).
void qsort_stable(void* base, size_t num, size_t width, int (*compare)(const void*, const void*));

#define _snprintf snprintf
#define _vsnprintf vsnprintf
#define _strdup strdup
#define stricmp _stricmp
#define strnicmp _strnicmp

// Generic-text names for the 8-bit character set.
#define _tcslen strlen
#define _tcscpy strcpy
#define _tcsncpy strncpy
#define _tcscat strcat
#define _tcsncat strncat
#define _tcscmp strcmp
#define _tcsncmp strncmp
#define _tcsicmp _stricmp
#define _tcsnicmp _strnicmp
#define _tcschr strchr
#define _tcsrchr strrchr
#define _tcsstr strstr
#define _tcsspn strspn
#define _tcscspn strcspn
#define _tcspbrk strpbrk
#define _tcstok strtok
#define _tcsupr _strupr
#define _tcslwr _strlwr
#define _tcsdup _strdup
#define _tcstol strtol
#define _tcstoul strtoul
#define _tcstod strtod
#define _ttoi atoi
#define _ttol atol
#define _tstoi atoi
#define _ttoi64 _atoi64
#define _itot _itoa
#define _ltot _ltoa
#define _stprintf sprintf
#define _sntprintf snprintf
#define _vstprintf vsprintf
#define _vsntprintf vsnprintf
#define _tsplitpath _splitpath
#define _tmakepath _makepath
#define _tfopen fopen
#define _tcsftime strftime
