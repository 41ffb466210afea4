// The toolkit's classes in one include.
#pragma once

#include "sec/sectreectrl.h"
#include "sec/secreg.h"
#include "sec/seclayout.h"
#include "sec/secjpeg.h"
#include "sec/sectabwnd.h"
#include "sec/secctrlbar.h"
#include "sec/secmdifrm.h"
#include "sec/sectbmgr.h"
