// The thumb's place for SB_THUMBTRACK and SB_THUMBPOSITION.
#pragma once

#include <afxwin.h>

namespace gx {

// WM_VSCROLL and WM_HSCROLL carry only 16 bits of the thumb's place; the
// bar itself has all of it, which a window of more rows needs. `nPos`
// when the bar cannot be asked.
UINT ThumbPosition(CWnd* pWnd, int nBar, UINT nPos);

}  // namespace gx
