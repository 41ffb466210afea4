// Extensions of the windowing part: bitmap buttons, form views, control
// bars, printing and print preview, and extension-library support.
#pragma once

#include "afxwin.h"
#include "mfc/bitmapbutton.h"
#include "mfc/ctrlbar.h"
#include "mfc/dialogbar.h"
#include "mfc/dockbar.h"
#include "mfc/formview.h"
#include "mfc/preview.h"
#include "mfc/print.h"
#include "mfc/statusbar.h"
#include "mfc/toolbar.h"
