// Text conversion between the 8-bit code page and UTF-16. The ANSI code
// page here is UTF-8, so CP_ACP and CP_UTF8 are the same conversion.
#pragma once

#include "wintypes.h"

typedef char16_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;

#define CP_ACP 0
#define CP_UTF8 65001

#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_ERR_INVALID_CHARS 0x00000080

#define ERROR_NO_UNICODE_TRANSLATION 1113L

// A count of -1 takes the text up to and with its NUL. An output size of 0
// asks for the size needed. Malformed input becomes U+FFFD (a lone
// surrogate, on the way to UTF-8, too), unless the ERR_INVALID_CHARS flag
// asks for failure. Answers the units written (or needed), 0 on failure
// with the reason in GetLastError.
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);
int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar, LPBOOL lpUsedDefaultChar);
