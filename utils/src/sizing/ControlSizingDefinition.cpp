// CControlSizingDefinition: a control's place computed from where it was at
// the reference size, never from its last place, so sizes never drift.
#include "ControlSizingDefinition.h"

#include <algorithm>

CControlSizingDefinition::CControlSizingDefinition(CWnd* pControl, UINT nAnchor, UINT nShareX, UINT nShareY,
                                                   BOOL bRepaint, UINT nSwpFlags)
    : m_hControl(pControl != nullptr ? pControl->GetSafeHwnd() : nullptr),
      m_pPending(m_hControl == nullptr ? pControl : nullptr),
      m_nAnchor(nAnchor),
      m_nShareX(nShareX),
      m_nShareY(nShareY),
      m_bRepaint(bRepaint),
      m_nSwpFlags(nSwpFlags) {
  HWND parent = m_hControl != nullptr ? ::GetParent(m_hControl) : nullptr;
  CRect client;
  if (parent != nullptr && ::GetClientRect(parent, client)) Measure(client.Size());
}

HWND CControlSizingDefinition::GetControl() const {
  if (m_hControl == nullptr && m_pPending != nullptr) return m_pPending->GetSafeHwnd();
  return m_hControl;
}

BOOL CControlSizingDefinition::IsFor(const CWnd* pControl) const {
  if (pControl == nullptr) return FALSE;
  if (m_pPending == pControl) return TRUE;
  return pControl->GetSafeHwnd() != nullptr && pControl->GetSafeHwnd() == GetControl();
}

BOOL CControlSizingDefinition::Measure(CSize reference) {
  if (m_hControl == nullptr) m_hControl = GetControl();
  if (m_hControl == nullptr || !::IsWindow(m_hControl)) return FALSE;
  HWND parent = ::GetParent(m_hControl);
  CRect rect;
  ::GetWindowRect(m_hControl, rect);
  if (parent != nullptr) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  m_rcOrigin = rect;
  m_szReference = reference;
  m_bMeasured = TRUE;
  return TRUE;
}

int CControlSizingDefinition::Share(int growth, UINT percent) {
  if (percent == HLSIZE_SHARE_ALL || percent >= 100) return growth;
  return growth * static_cast<int>(percent) / 100;
}

void CControlSizingDefinition::Follow(LONG& nearEdge, LONG& farEdge, int growth, bool anchorNear, bool anchorFar) {
  if (anchorNear && anchorFar) {
    farEdge += growth;
    farEdge = std::max(farEdge, nearEdge);
  } else if (anchorFar) {
    nearEdge += growth;
    farEdge += growth;
  } else if (!anchorNear) {
    nearEdge += growth / 2;
    farEdge += growth / 2;
  }
}

CRect CControlSizingDefinition::LayoutFor(CSize container) const {
  CRect rect = m_rcOrigin;
  if (!m_bMeasured) return rect;
  Follow(rect.left, rect.right, Share(container.cx - m_szReference.cx, m_nShareX),
         (m_nAnchor & HLSIZE_ANCHOR_LEFT) != 0, (m_nAnchor & HLSIZE_ANCHOR_RIGHT) != 0);
  Follow(rect.top, rect.bottom, Share(container.cy - m_szReference.cy, m_nShareY), (m_nAnchor & HLSIZE_ANCHOR_TOP) != 0,
         (m_nAnchor & HLSIZE_ANCHOR_BOTTOM) != 0);
  return rect;
}

void CControlSizingDefinition::ApplyFor(CSize container) {
  if (!m_bMeasured || !::IsWindow(m_hControl)) return;
  m_szApplied = container;
  m_bApplied = TRUE;
  const CRect rect = LayoutFor(container);
  ::SetWindowPos(m_hControl, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), m_nSwpFlags);
  if (m_bRepaint) ::InvalidateRect(m_hControl, nullptr, TRUE);
}

void CControlSizingDefinition::RestoreLayout() {
  if (m_bApplied) ApplyFor(m_szApplied);
}
