// The class library's common controls: image lists and the wrappers of the
// list, tree, tab, header, bar and small controls.
#pragma once

#include "afxwin.h"
#include "mfc/cmn_imagelist.h"
#include "mfc/cmn_header.h"
#include "mfc/cmn_listctrl.h"
#include "mfc/cmn_progress.h"
#include "mfc/cmn_statusbar.h"
#include "mfc/cmn_tabctrl.h"
#include "mfc/cmn_toolbar.h"
#include "mfc/cmn_tooltip.h"
#include "mfc/cmn_treectrl.h"
