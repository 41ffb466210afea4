// Printing a grid in pages (CGXGridPrinter).
#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include "gx/gxcore.h"
#include "gx/gxprint.h"
#include "gx/header_tokens.h"
#include "gx/page_layout.h"

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPartsPerLine = 3;  // left, centre, right
constexpr double kDefaultHeaderPoints = 10.0;
constexpr double kLineSpacing = 1.25;

// Maps the DC so that one logical unit is one screen pixel with the origin
// at the drawing area's top-left corner; undone when it goes.
class ScreenUnits {
 public:
  ScreenUnits(CDC* dc, const CRect& rectDraw) : dc_(dc), saved_(dc->SaveDC()) {
    const int dpiX = std::max(1, dc->GetDeviceCaps(LOGPIXELSX)), dpiY = std::max(1, dc->GetDeviceCaps(LOGPIXELSY));
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(kScreenDpi, kScreenDpi);
    dc->SetViewportExt(dpiX, dpiY);
    dc->SetViewportOrg(rectDraw.left, rectDraw.top);
    size_ = CSize(MulDiv(rectDraw.Width(), kScreenDpi, dpiX), MulDiv(rectDraw.Height(), kScreenDpi, dpiY));
  }
  ~ScreenUnits() { dc_->RestoreDC(saved_); }
  ScreenUnits(const ScreenUnits&) = delete;
  ScreenUnits& operator=(const ScreenUnits&) = delete;
  // The drawing area in logical units.
  CSize Size() const { return size_; }

 private:
  CDC* dc_;
  int saved_;
  CSize size_;
};

struct HeaderPart {
  CString text;
  CGXFont font;
};

using HeaderLine = std::vector<HeaderPart>;

std::vector<HeaderLine> LinesOf(const CGXData& data) {
  std::vector<HeaderLine> lines;
  for (ROWCOL row = 1; row <= data.GetRowCount(); ++row) {
    HeaderLine& line = lines.emplace_back(kPartsPerLine);
    for (int part = 0; part < kPartsPerLine; ++part) {
      CGXStyle style;
      if (data.GetStyleRowCol(row, static_cast<ROWCOL>(part + 1), style)) {
        line[static_cast<size_t>(part)].text = style.GetValue();
        line[static_cast<size_t>(part)].font = style.GetFont();
      }
    }
  }
  return lines;
}

// Fonts are sized for the device, as the cells' fonts are.
void MakeFont(CDC* dc, CFont& font, const CGXFont& attributes) {
  CGXFont withDefaults = attributes;
  if (!attributes.GetIncludeFaceName()) withDefaults.SetFaceName(_T("Arial"));
  if (!attributes.GetIncludeSize()) withDefaults.SetSize(kDefaultHeaderPoints);
  LOGFONT lf{};
  withDefaults.GetLogFont(lf, dc->GetDeviceCaps(LOGPIXELSY));
  font.CreateFontIndirect(&lf);
}

// In screen pixels from the point sizes, with room for line spacing; the
// same on every device.
int LineHeight(const HeaderLine& line) {
  double points = 0;
  for (const HeaderPart& part : line) {
    points = std::max(points, part.font.GetIncludeSize() ? part.font.GetSize() : kDefaultHeaderPoints);
  }
  return static_cast<int>(std::ceil(points * kScreenDpi / 72.0 * kLineSpacing));
}

int BlockHeight(const std::vector<HeaderLine>& lines) {
  int height = 0;
  for (const HeaderLine& line : lines) height += LineHeight(line);
  return height;
}

// Draws the lines from `top` down; returns the height used.
int DrawLines(CDC* dc, const std::vector<HeaderLine>& lines, int top, int width, const gx::PageTokens& tokens) {
  static constexpr UINT kAlign[kPartsPerLine] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  int y = top;
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(RGB(0, 0, 0));
  for (const HeaderLine& line : lines) {
    const int height = LineHeight(line);
    for (int part = 0; part < kPartsPerLine; ++part) {
      const HeaderPart& piece = line[static_cast<size_t>(part)];
      if (piece.text.IsEmpty()) continue;
      CFont font;
      MakeFont(dc, font, piece.font);
      CFont* old = dc->SelectObject(&font);
      CString text(gx::ExpandHeaderTokens(static_cast<LPCTSTR>(piece.text), tokens).c_str());
      CRect rect(0, y, width, y + height);
      dc->DrawText(text, &rect, kAlign[part] | DT_SINGLELINE | DT_NOPREFIX | DT_TOP);
      dc->SelectObject(old);
    }
    y += height;
  }
  return y - top;
}

struct Layout {
  std::vector<HeaderLine> header;
  std::vector<HeaderLine> footer;
  int headerHeight = 0;
  int footerHeight = 0;
  std::vector<int> rowHeights;  // [0] the header row (0 when not printed)
  std::vector<int> colWidths;
  std::vector<gx::PageCell> pages;
};

// Rows or columns outside [first, last] take no room, as hidden ones.
void KeepOnly(std::vector<int>& sizes, ROWCOL first, ROWCOL last) {
  for (size_t i = 1; i < sizes.size(); ++i) {
    if (i < first || i > last) sizes[i] = 0;
  }
}

Layout MakeLayout(CGXGridCore& grid, CSize area, const CGXRange& range) {
  CGXProperties& properties = *grid.GetParam()->GetProperties();
  Layout layout;
  layout.header = LinesOf(properties.GetDataHeader());
  layout.footer = LinesOf(properties.GetDataFooter());
  const int points = kScreenDpi;  // logical units per inch
  layout.headerHeight =
      BlockHeight(layout.header) + (layout.header.empty() ? 0 : properties.GetHeaderDistance() * points / 72);
  layout.footerHeight =
      BlockHeight(layout.footer) + (layout.footer.empty() ? 0 : properties.GetFooterDistance() * points / 72);
  const ROWCOL rows = grid.GetRowCount(), cols = grid.GetColCount();
  for (ROWCOL row = 0; row <= rows; ++row) layout.rowHeights.push_back(grid.GetRowHeight(row));
  for (ROWCOL col = 0; col <= cols; ++col) layout.colWidths.push_back(grid.GetColWidth(col));
  if (range.IsValid()) {
    CGXRange bounded = range;
    bounded.ExpandRange(1, 1, rows, cols);
    KeepOnly(layout.rowHeights, bounded.top, bounded.bottom);
    KeepOnly(layout.colWidths, bounded.left, bounded.right);
  }
  if (!properties.GetPrintColHeaders()) layout.rowHeights[0] = 0;
  if (!properties.GetPrintRowHeaders()) layout.colWidths[0] = 0;
  const int room = std::max(1, static_cast<int>(area.cy) - layout.headerHeight - layout.footerHeight);
  layout.pages = gx::LayoutPages(layout.rowHeights, layout.colWidths, room, std::max(1, static_cast<int>(area.cx)));
  return layout;
}

// Row 0 (or column 0) first when printed, then the span, hidden ones left out.
std::vector<ROWCOL> Items(const std::vector<int>& sizes, const gx::PageSpan& span) {
  std::vector<ROWCOL> items;
  if (sizes[0] > 0) items.push_back(0);
  for (int i = span.first; i <= span.last; ++i) {
    if (sizes[static_cast<size_t>(i)] > 0) items.push_back(static_cast<ROWCOL>(i));
  }
  return items;
}

// The cells first, then the lines over them: when the page is scaled down (the preview) a
// cell's last row of pixels and the next cell's first one fall together, and a line drawn
// before the next cell would be painted over.
void DrawGridPart(CGXGridCore& grid, CDC* dc, const Layout& layout, const gx::PageCell& page, int top) {
  const CGXProperties& properties = *grid.GetParam()->GetProperties();
  const std::vector<ROWCOL> rows = Items(layout.rowHeights, page.rows);
  const std::vector<ROWCOL> cols = Items(layout.colWidths, page.cols);
  std::vector<CRect> cells;
  int y = top;
  for (ROWCOL row : rows) {
    const int height = layout.rowHeights[row];
    int x = 0;
    for (ROWCOL col : cols) {
      const int width = layout.colWidths[col];
      cells.emplace_back(x, y, x + width, y + height);
      grid.DrawCell(dc, row, col, cells.back());
      x += width;
    }
    y += height;
  }
  CPen pen(PS_SOLID, 1, RGB(128, 128, 128));
  CPen* old = dc->SelectObject(&pen);
  for (const CRect& rect : cells) {
    if (properties.GetPrintHorzLines()) {
      dc->MoveTo(rect.left, rect.bottom - 1);
      dc->LineTo(rect.right, rect.bottom - 1);
    }
    if (properties.GetPrintVertLines()) {
      dc->MoveTo(rect.right - 1, rect.top);
      dc->LineTo(rect.right - 1, rect.bottom);
    }
  }
  dc->SelectObject(old);
}

gx::PageTokens TokensFor(int page, int pages) {
  gx::PageTokens tokens;
  tokens.page = page;
  tokens.pages = pages;
  const std::time_t now = std::time(nullptr);
  localtime_r(&now, &tokens.when);
  return tokens;
}

}  // namespace

void CGXGridPrinter::SetPrintRange(const CGXRange& range) { m_range = range; }

CRect CGXGridPrinter::GetDrawRect(CDC* pDC, const CGXProperties& properties) {
  double top = 0, left = 0, bottom = 0, right = 0;
  properties.GetMargins(top, left, bottom, right);
  const int dpiX = pDC->GetDeviceCaps(LOGPIXELSX), dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
  CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
  rect.DeflateRect(static_cast<int>(left * dpiX), static_cast<int>(top * dpiY), static_cast<int>(right * dpiX),
                   static_cast<int>(bottom * dpiY));
  if (rect.IsRectEmpty()) rect = CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
  return rect;
}

int CGXGridPrinter::CountPages(CDC* pDC, const CRect& rectDraw) {
  ScreenUnits units(pDC, rectDraw);
  return static_cast<int>(MakeLayout(m_grid, units.Size(), m_range).pages.size());
}

void CGXGridPrinter::PrintPage(CDC* pDC, int nPage, const CRect& rectDraw) {
  ScreenUnits units(pDC, rectDraw);
  const Layout layout = MakeLayout(m_grid, units.Size(), m_range);
  if (nPage < 1 || nPage > static_cast<int>(layout.pages.size())) return;
  const int pages = static_cast<int>(layout.pages.size());
  const gx::PageTokens tokens = TokensFor(nPage, pages);
  const int width = units.Size().cx;
  DrawLines(pDC, layout.header, 0, width, tokens);
  DrawGridPart(m_grid, pDC, layout, layout.pages[static_cast<size_t>(nPage - 1)], layout.headerHeight);
  DrawLines(pDC, layout.footer, units.Size().cy - BlockHeight(layout.footer), width, tokens);
}

BOOL CGXGridPrinter::PrintDocument(CDC* pDC, LPCTSTR pszDocName, LPCTSTR pszOutput) {
  DOCINFO info{sizeof info, pszDocName, pszOutput, nullptr, 0};
  if (pDC->StartDoc(&info) <= 0) return FALSE;
  // As the class library's print loop does: cells may draw differently on paper.
  const BOOL wasPrinting = pDC->m_bPrinting;
  pDC->m_bPrinting = TRUE;
  const BOOL printed = PrintPages(pDC);
  pDC->m_bPrinting = wasPrinting;
  if (!printed) return FALSE;
  return pDC->EndDoc() > 0;
}

BOOL CGXGridPrinter::PrintPages(CDC* pDC) {
  const CRect rect = GetDrawRect(pDC, *m_grid.GetParam()->GetProperties());
  const int pages = CountPages(pDC, rect);
  for (int page = 1; page <= pages; ++page) {
    if (pDC->StartPage() <= 0) {
      pDC->AbortDoc();
      return FALSE;
    }
    PrintPage(pDC, page, rect);
    if (pDC->EndPage() <= 0) {
      pDC->AbortDoc();
      return FALSE;
    }
  }
  return TRUE;
}
