#include "FilterSupport.h"

#include <algorithm>

#include "TreeNode.h"

bool CFilterSupport::IsMatchAll(const CString& filter) {
  return filter.IsEmpty() || filter == TreeNode::m_pchDefaultFilter;
}

void CFilterSupport::AddFilter(const CString& filter) {
  if (!IsMatchAll(filter) && !IsFilterInUse(filter)) m_filters.push_back(filter);
}

bool CFilterSupport::IsFilterInUse(const CString& filter) const {
  return IsMatchAll(filter) || std::find(m_filters.begin(), m_filters.end(), filter) != m_filters.end();
}
