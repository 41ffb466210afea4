// The drop-down width of a combo box, measured with its own font.
#include <algorithm>

#include "HLGridBase.h"

namespace utils::grid {

void AdjustDropDownWidth(CComboBox* pCombo) {
  if (pCombo == nullptr || pCombo->GetSafeHwnd() == nullptr) return;
  CClientDC dc(pCombo);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(pCombo->SendMessage(WM_GETFONT));
  HGDIOBJ old = font != nullptr ? ::SelectObject(dc.GetSafeHdc(), font) : nullptr;
  int widest = 0;
  const int count = pCombo->GetCount();
  for (int i = 0; i < count; ++i) {
    CString text;
    pCombo->GetLBText(i, text);
    widest = std::max<int>(widest, dc.GetTextExtent(text).cx);
  }
  if (old != nullptr) ::SelectObject(dc.GetSafeHdc(), old);

  // The list's frame and the item's inner margins, and the scroll bar when
  // not every item fits the dropped height.
  int width = widest + 2 * ::GetSystemMetrics(SM_CXEDGE) + 2 * ::GetSystemMetrics(SM_CXBORDER) + 6;
  CRect dropped;
  pCombo->GetDroppedControlRect(dropped);
  CRect box;
  pCombo->GetWindowRect(box);
  const int itemHeight = std::max(1, pCombo->GetItemHeight(0));
  const int visible = std::max(1, (dropped.Height() - box.Height()) / itemHeight);
  if (count > visible) width += ::GetSystemMetrics(SM_CXVSCROLL);
  pCombo->SetDroppedWidth(static_cast<UINT>(std::max(width, box.Width())));
}

}  // namespace utils::grid
