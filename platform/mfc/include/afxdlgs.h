// Dialogs of the class library (the common dialogs join here).
#pragma once

#include "afxwin.h"
