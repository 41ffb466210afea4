// The common controls: one header per control, gathered here.
#pragma once

#include "win32/cc_common.h"
#include "win32/cc_imagelist.h"
#include "win32/cc_header.h"
#include "win32/cc_listview.h"
#include "win32/cc_treeview.h"
#include "win32/cc_tab.h"
#include "win32/cc_toolbar.h"
#include "win32/cc_statusbar.h"
#include "win32/cc_tooltip.h"
#include "win32/cc_progress.h"
#include "win32/cc_animate.h"
#include "win32/cc_updown.h"
#include "win32/prsht.h"
