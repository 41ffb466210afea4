// The window system's API, as programs written for it expect to include it.
#pragma once

#include "win32/wintypes.h"
#include "win32/winbase.h"
#include "win32/stringapiset.h"
#include "win32/winuser.h"
#include "win32/wingdi.h"
#include "win32/winres.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/services.h"
#include "win32/winreg.h"
#include "win32/shellapi.h"
#include "win32/print.h"
#include "win32/commdlg.h"
#include "win32/shlobj.h"
#include "win32/display.h"
#include "win32/mdi.h"
