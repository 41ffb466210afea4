// The class library's windowing part: application and threads, windows,
// message maps, dialogs and data exchange, controls, GDI and menus.
#pragma once

#include "afx.h"
#include "afxres.h"
#include "mfc/cmdline.h"
#include "mfc/cmdtarget.h"
#include "mfc/controls.h"
#include "mfc/dc.h"
#include "mfc/ddx.h"
#include "mfc/dialog.h"
#include "mfc/gdi.h"
#include "mfc/menu.h"
#include "mfc/modulestate.h"
#include "mfc/msgmap.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/recentfiles.h"
#include "mfc/types.h"
#include "mfc/waitcursor.h"
#include "mfc/winapp.h"
#include "mfc/winthread.h"
#include "mfc/wnd.h"
#include "mfc/wnddc.h"
