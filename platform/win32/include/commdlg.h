// The common dialogs: file open and save, and the print dialog.
#pragma once

#include "windows.h"
