// The layout of a resizable dialog that holds a grid above its OK and
// Cancel buttons.
#pragma once

#include <afxwin.h>

// At the dialog's client size (cx, cy): the grid keeps its top-left corner
// and leaves 50 pixels at the right and the bottom; Cancel sits 10 pixels
// from the bottom-right corner and OK 10 pixels to its left.
AFX_EXT_API void HLLayoutGridDialog(CWnd& dialog, CWnd& grid, CWnd& ok, CWnd& cancel, int cx, int cy);
