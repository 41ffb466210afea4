// The layout protocol between a frame and its control bars: the frame
// sends WM_SIZEPARENT to each bar with the rectangle still free; the bar
// takes its strip off an edge and moves itself there.
#pragma once

#include "mfc/types.h"

struct AFX_SIZEPARENTPARAMS {
  RECT rect;       // the part of the parent's client area still free
  SIZE sizeTotal;  // the bars' total size, for a query without stretching
  BOOL bStretch;   // bars stretch across the free rectangle
  BOOL bQuery;     // only sizes are asked: nothing moves
};

// Moves hWnd to lpRect unless it is there already or the layout is a query.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
