// CFilterSupport: what the source tree's filter commands share: the node
// its context menu acts on and the filters in use, which the filter dialog
// offers again.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <commctrl.h>

#include <vector>

class CFilterSupport {
 public:
  // The default filter, which matches every name.
  static bool IsMatchAll(const CString& filter);

  // Adds the filter unless it is in use already.
  void AddFilter(const CString& filter);
  bool IsFilterInUse(const CString& filter) const;
  // In the order first used; the default filter is never among them.
  const std::vector<CString>& GetFilters() const { return m_filters; }

 protected:
  HTREEITEM m_hCurrentNode = nullptr;

 private:
  std::vector<CString> m_filters;
};
