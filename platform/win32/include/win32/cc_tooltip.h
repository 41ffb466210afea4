// The tooltip common control (declarations come with the control itself).
#pragma once

#include "win32/cc_common.h"
