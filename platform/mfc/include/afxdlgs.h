// Dialogs of the class library: the common dialogs' wrappers, property
// sheets and pages.
#pragma once

#include "afxwin.h"
#include "mfc/filedialog.h"
#include "mfc/printdialog.h"
#include "mfc/propsheet.h"
