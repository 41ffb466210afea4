// The grid library: every public class.
#pragma once

#include "gx/gxdefs.h"
#include "gx/gxrange.h"
#include "gx/gxfont.h"
#include "gx/gxstyle.h"
#include "gx/gxparam.h"
#include "gx/gxcontrol.h"
#include "gx/gxstatic.h"
#include "gx/gxcheckbox.h"
#include "gx/gxedit.h"
#include "gx/gxcore.h"
#include "gx/gxwnd.h"
#include "gx/gxinit.h"
