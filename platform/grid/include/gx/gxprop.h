// CGXProperties: how a grid prints (GetParam()->GetProperties()).
//
// The header and footer are small tables of styles: line n (from 1) has a
// left (column 1), centred (2) and right (3) part. Their texts may carry
// tokens: $F or $P the page number, $N the number of pages, $D the date
// (dd.mm.yyyy), $T the time (hh:mm), $$ a dollar sign. A part without a
// font prints in 10-point Arial.
#pragma once

#include <map>
#include <utility>

#include "gx/gxstyle.h"

class CGXData {
 public:
  BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, GXModifyType mt = gxOverride);
  BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt = gxOverride);
  // FALSE when the part holds nothing.
  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style) const;
  // The last line that holds something.
  ROWCOL GetRowCount() const;
  void Clear() { m_styles.clear(); }

 private:
  std::map<std::pair<ROWCOL, ROWCOL>, CGXStyle> m_styles;
};

class CGXProperties {
 public:
  CGXData& GetDataHeader() { return m_header; }
  CGXData& GetDataFooter() { return m_footer; }

  // Row 0 and column 0 repeated on every page (both on by default).
  void SetPrintRowHeaders(BOOL b) { m_bRowHeaders = b; }
  BOOL GetPrintRowHeaders() const { return m_bRowHeaders; }
  void SetPrintColHeaders(BOOL b) { m_bColHeaders = b; }
  BOOL GetPrintColHeaders() const { return m_bColHeaders; }
  void SetPrintHorzLines(BOOL b) { m_bHorzLines = b; }
  BOOL GetPrintHorzLines() const { return m_bHorzLines; }
  void SetPrintVertLines(BOOL b) { m_bVertLines = b; }
  BOOL GetPrintVertLines() const { return m_bVertLines; }
  // Margins in inches around the printed grid (header and footer inside).
  void SetMargins(double dTop, double dLeft, double dBottom, double dRight);
  void GetMargins(double& dTop, double& dLeft, double& dBottom, double& dRight) const;
  // Space between the header and the grid and between grid and footer, in points.
  void SetDistances(int nHeader, int nFooter) {
    m_nHeaderDistance = nHeader;
    m_nFooterDistance = nFooter;
  }
  int GetHeaderDistance() const { return m_nHeaderDistance; }
  int GetFooterDistance() const { return m_nFooterDistance; }

 private:
  CGXData m_header;
  CGXData m_footer;
  BOOL m_bRowHeaders = TRUE;
  BOOL m_bColHeaders = TRUE;
  BOOL m_bHorzLines = TRUE;
  BOOL m_bVertLines = TRUE;
  double m_dTop = 0.5, m_dLeft = 0.5, m_dBottom = 0.5, m_dRight = 0.5;
  int m_nHeaderDistance = 8;
  int m_nFooterDistance = 8;
};
