#include "gx/gxparam.h"
#include "gx/gxprop.h"

BOOL CGXData::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, GXModifyType mt) {
  return StoreStyleRowCol(nRow, nCol, &style, mt);
}

BOOL CGXData::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt) {
  if (nRow == 0 || nRow == GX_INVALID || nCol == 0 || nCol > 3) return FALSE;
  const auto key = std::make_pair(nRow, nCol);
  if (mt == gxRemove || !pStyle) {
    m_styles.erase(key);
    return TRUE;
  }
  if (mt == gxCopy) {
    m_styles[key] = *pStyle;
  } else {
    m_styles[key].ChangeStyle(*pStyle, mt);
  }
  return TRUE;
}

BOOL CGXData::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style) const {
  const auto found = m_styles.find(std::make_pair(nRow, nCol));
  if (found == m_styles.end()) return FALSE;
  style = found->second;
  return TRUE;
}

ROWCOL CGXData::GetRowCount() const { return m_styles.empty() ? 0 : m_styles.rbegin()->first.first; }

void CGXProperties::SetMargins(double dTop, double dLeft, double dBottom, double dRight) {
  m_dTop = std::max(0.0, dTop);
  m_dLeft = std::max(0.0, dLeft);
  m_dBottom = std::max(0.0, dBottom);
  m_dRight = std::max(0.0, dRight);
}

void CGXProperties::GetMargins(double& dTop, double& dLeft, double& dBottom, double& dRight) const {
  dTop = m_dTop;
  dLeft = m_dLeft;
  dBottom = m_dBottom;
  dRight = m_dRight;
}

CGXProperties* CGXGridParam::GetProperties() {
  if (!m_pProperties) m_pProperties = std::make_shared<CGXProperties>();
  return m_pProperties.get();
}
