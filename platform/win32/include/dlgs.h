// The ids of the common dialogs' controls.
#pragma once

#include "win32/dlgs.h"
