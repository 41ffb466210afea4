// The window system's API, as programs written for it expect to include it.
#pragma once

#include "win32/wintypes.h"
#if __has_include("win32/winbase.h")
#include "win32/winbase.h"
#endif
#if __has_include("win32/winuser.h")
#include "win32/winuser.h"
#endif
#if __has_include("win32/wingdi.h")
#include "win32/wingdi.h"
#endif
#if __has_include("win32/winres.h")
#include "win32/winres.h"
#endif
#if __has_include("win32/controls.h")
#include "win32/controls.h"
#endif
#if __has_include("win32/dialogs.h")
#include "win32/dialogs.h"
#endif
#if __has_include("win32/services.h")
#include "win32/services.h"
#endif
#if __has_include("win32/winreg.h")
#include "win32/winreg.h"
#endif
#if __has_include("win32/shellapi.h")
#include "win32/shellapi.h"
#endif
