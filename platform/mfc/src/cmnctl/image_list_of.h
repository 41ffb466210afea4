// The CImageList answering for an image-list handle a control returns:
// the caller's object when attached, else a temporary one.
#pragma once

#include "mfc/cmn_imagelist.h"

namespace afx {

inline CImageList* ImageListOf(LRESULT handle) { return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(handle)); }

inline LPARAM ImageListHandle(const CImageList* pImageList) {
  return reinterpret_cast<LPARAM>(pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr);
}

// Owner-drawn controls: WM_DRAWITEM goes to the control's DrawItem.
template <class Control>
BOOL DrawItemNotify(Control& control, UINT message, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return FALSE;
  control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (pResult != nullptr) *pResult = TRUE;
  return TRUE;
}

}  // namespace afx
