// The class library's standard command ids that the test script uses
// through <afxres.h>.
#pragma once

#include "win32/wintypes.h"

constexpr UINT kIdFileNew = 0xE100;
constexpr UINT kIdFileOpen = 0xE101;
constexpr UINT kIdFileSave = 0xE103;
constexpr UINT kIdFilePrint = 0xE107;
constexpr UINT kIdAppAbout = 0xE140;
constexpr UINT kIdAppExit = 0xE141;
constexpr UINT kIdHelp = 0xE146;
