// The shell's functions: ShellExecute and its relatives.
#pragma once

#include "windows.h"
