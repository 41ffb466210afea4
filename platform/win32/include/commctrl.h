// The common controls, as programs written for the window system include them.
#pragma once

#include "win32/commctrl.h"
