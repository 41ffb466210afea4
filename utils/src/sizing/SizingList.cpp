// CSizingList: a list of definitions laid out together.
#include "SizingList.h"

#include <algorithm>

void CSizingList::Add(const CControlSizingDefinition& definition) {
  HWND control = definition.GetControl();
  auto same = std::find_if(m_definitions.begin(), m_definitions.end(),
                           [&](const auto& d) { return control != nullptr && d.GetControl() == control; });
  if (same != m_definitions.end())
    *same = definition;
  else
    m_definitions.push_back(definition);
}

BOOL CSizingList::Remove(const CWnd* pControl) {
  const auto before = m_definitions.size();
  std::erase_if(m_definitions, [&](const auto& d) { return d.IsFor(pControl); });
  return m_definitions.size() != before;
}

void CSizingList::RemoveAll() { m_definitions.clear(); }

HWND CSizingList::Container() const {
  for (const auto& d : m_definitions)
    if (::IsWindow(d.GetControl())) return ::GetParent(d.GetControl());
  return nullptr;
}

void CSizingList::SetContainerInitialSize(CSize size) {
  HWND container = Container();
  CRect window, client;
  if (container != nullptr && ::GetWindowRect(container, window) && ::GetClientRect(container, client) &&
      window.Size() == size)
    size = client.Size();
  m_szCurrent = size;
  m_szInitial = size;
  m_bSized = TRUE;
}

void CSizingList::ApplyMinDimensions(MINMAXINFO* pMMI) const {
  if (pMMI == nullptr) return;
  pMMI->ptMinTrackSize.x = std::max<LONG>(pMMI->ptMinTrackSize.x, m_szMin.cx);
  pMMI->ptMinTrackSize.y = std::max<LONG>(pMMI->ptMinTrackSize.y, m_szMin.cy);
}

void CSizingList::ResizeTo(int cx, int cy) {
  if (cx == 0 && cy == 0) return;
  const CSize size(cx, cy);
  if (!m_bSized) {
    m_szInitial = size;
    m_bSized = TRUE;
  }
  for (auto& d : m_definitions) {
    // A control made since is placed where the container's first layout
    // has it, as a property sheet places a page it shows the first time.
    if (!d.IsMeasured()) d.Measure(m_szInitial);
    d.ApplyFor(size);
  }
  m_szCurrent = size;
}

BOOL CSizingList::IsUpToScale(int cx, int cy) const {
  if (!m_bSized || m_szCurrent != CSize(cx, cy)) return FALSE;
  return std::all_of(m_definitions.begin(), m_definitions.end(),
                     [](const auto& d) { return d.IsMeasured() || !::IsWindow(d.GetControl()); });
}

CControlSizingDefinition* CSizingList::GetForControl(const CWnd* pControl) {
  auto it = std::find_if(m_definitions.begin(), m_definitions.end(), [&](const auto& d) { return d.IsFor(pControl); });
  return it != m_definitions.end() ? &*it : nullptr;
}

CControlSizingDefinition* CSizingList::GetForControl(HWND hControl) {
  if (hControl == nullptr) return nullptr;
  auto it = std::find_if(m_definitions.begin(), m_definitions.end(),
                         [&](const auto& d) { return d.GetControl() == hControl; });
  return it != m_definitions.end() ? &*it : nullptr;
}

CWnd* PASCAL CSizingList::GetChildItem(CWnd* pParent, UINT nID, BOOL bDeep) {
  if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr) return nullptr;
  for (HWND child = ::GetWindow(pParent->GetSafeHwnd(), GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (static_cast<UINT>(::GetDlgCtrlID(child)) == nID) return CWnd::FromHandle(child);
  }
  if (!bDeep) return nullptr;
  for (HWND child = ::GetWindow(pParent->GetSafeHwnd(), GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (CWnd* found = GetChildItem(CWnd::FromHandle(child), nID, TRUE)) return found;
  }
  return nullptr;
}
