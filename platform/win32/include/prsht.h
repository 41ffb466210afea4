// Property sheets, as programs written for the window system include them.
#pragma once

#include "windows.h"
#include "win32/prsht.h"
