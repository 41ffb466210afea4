#include "gx/scroll_thumb.h"

namespace gx {

UINT ThumbPosition(CWnd* pWnd, int nBar, UINT nPos) {
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_TRACKPOS;
  if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || !::GetScrollInfo(pWnd->GetSafeHwnd(), nBar, &si))
    return nPos;
  return static_cast<UINT>(si.nTrackPos);
}

}  // namespace gx
