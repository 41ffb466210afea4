// Dialogs of the class library: the common dialogs' wrappers.
#pragma once

#include "afxwin.h"
#include "mfc/filedialog.h"
#include "mfc/printdialog.h"
