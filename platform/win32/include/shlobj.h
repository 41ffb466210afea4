// The shell's folder browser and item lists.
#pragma once

#include "windows.h"
