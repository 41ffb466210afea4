// DrawText: prefix characters, tabs, line and word breaks, ellipses,
// alignment and DT_CALCRECT.
#include <string>

#include "gdi/text.h"

using namespace win32::gdi::detail;

namespace {

struct Line {
  std::string text;
  int underline = -1;  // byte offset of the mnemonic character in text
  int width = 0;
};

struct Layout {
  const FontInstance& font;
  UINT format;
  int tabWidth;

  int Width(std::string_view s) const {
    int w = 0;
    for (uint32_t cp : DecodeText(s))
      w = cp == '\t' && (format & DT_EXPANDTABS) ? (w / tabWidth + 1) * tabWidth : w + font.Advance(cp);
    return w;
  }
};

// Removes "&" prefixes ("&&" is a literal "&"); answers the offset of the
// underlined character or -1.
int StripPrefixes(std::string& text, UINT format) {
  if (format & DT_NOPREFIX) return -1;
  std::string out;
  int underline = -1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (i + 1 < text.size() && underline < 0) {
      underline = static_cast<int>(out.size());
    }
  }
  text = std::move(out);
  return (format & DT_HIDEPREFIX) ? -1 : underline;
}

// Splits a paragraph at spaces so that each line fits `width`; a word
// wider than the line is broken by characters only for edit controls.
void WrapParagraph(const Layout& layout, std::string_view para, int width, int underline, std::vector<Line>& lines) {
  size_t start = 0;
  while (true) {
    size_t end = start, lastBreak = std::string_view::npos;
    while (end < para.size()) {
      size_t next = end + 1;
      while (next < para.size() && (static_cast<unsigned char>(para[next]) & 0xC0) == 0x80) ++next;
      // Blanks may hang past the edge: a line never breaks because of one.
      if (para[end] == ' ' || para[end] == '\t') {
        lastBreak = end;
      } else if (layout.Width(para.substr(start, next - start)) > width && end > start) {
        break;
      }
      end = next;
    }
    if (end < para.size() && lastBreak != std::string_view::npos) {
      end = lastBreak;
    } else if (end < para.size() && !(layout.format & DT_EDITCONTROL)) {
      // The word overflows; it ends at the next blank.
      while (end < para.size() && para[end] != ' ') ++end;
    }
    size_t textEnd = end;
    while (textEnd > start && para[textEnd - 1] == ' ') --textEnd;
    Line line{std::string(para.substr(start, textEnd - start)), -1, 0};
    if (underline >= static_cast<int>(start) && underline < static_cast<int>(textEnd))
      line.underline = underline - static_cast<int>(start);
    lines.push_back(std::move(line));
    while (end < para.size() && para[end] == ' ') ++end;
    if (end >= para.size()) break;
    start = end;
  }
}

void AddEllipsis(const Layout& layout, Line& line, int width) {
  if (layout.Width(line.text) <= width) return;
  std::vector<int> starts;
  DecodeText(line.text, &starts);
  while (!starts.empty() && layout.Width(line.text.substr(0, starts.back()) + "...") > width) starts.pop_back();
  line.text = line.text.substr(0, starts.empty() ? 0 : starts.back()) + "...";
  if (line.underline >= static_cast<int>(line.text.size()) - 3) line.underline = -1;
}

std::vector<Line> BreakLines(const Layout& layout, std::string text, int width) {
  const UINT format = layout.format;
  std::vector<Line> lines;
  const bool single = format & DT_SINGLELINE;
  size_t start = 0;
  const int underline = StripPrefixes(text, format);
  while (true) {
    size_t end = single ? text.size() : text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view para(text.data() + start, end - start);
    const int paraUnderline = underline - static_cast<int>(start);
    if ((format & DT_WORDBREAK) && !single) {
      WrapParagraph(layout, para, width, paraUnderline, lines);
    } else {
      lines.push_back(Line{std::string(para),
                           paraUnderline >= 0 && paraUnderline < static_cast<int>(para.size()) ? paraUnderline : -1,
                           0});
    }
    if (end >= text.size()) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  for (Line& line : lines) {
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) AddEllipsis(layout, line, width);
    line.width = layout.Width(line.text);
  }
  return lines;
}

// Draws a line with tabs expanded, in device coordinates.
void DrawLine(Canvas& canvas, const Layout& layout, const LOGFONT& lf, const Line& line, int x, int y) {
  const DcAttributes& a = canvas.Dc().attrs;
  int pen = 0;
  size_t start = 0;
  auto flush = [&](size_t end) {
    const std::string_view run(line.text.data() + start, end - start);
    const int w = TextWidth(layout.font, run);
    if (a.bkMode == OPAQUE)
      canvas.FillRects({RECT{x + pen, y, x + pen + w, y + layout.font.Metrics().tmHeight}}, a.bkColor, R2_COPYPEN);
    DrawGlyphs(canvas, layout.font, lf, x + pen, y, run, nullptr);
    pen += w;
  };
  for (size_t i = 0; i < line.text.size(); ++i) {
    if (line.text[i] != '\t' || !(layout.format & DT_EXPANDTABS)) continue;
    flush(i);
    pen = (pen / layout.tabWidth + 1) * layout.tabWidth;
    start = i + 1;
  }
  flush(line.text.size());
  if (line.underline < 0) return;
  const int ux = x + layout.Width(std::string_view(line.text).substr(0, line.underline));
  std::vector<int> starts;
  const auto cps = DecodeText(std::string_view(line.text).substr(line.underline), &starts);
  if (cps.empty()) return;
  const int uw = layout.font.Advance(cps[0]);
  const int uy = y + layout.font.Metrics().tmAscent + 1;
  canvas.FillRects({RECT{ux, uy, ux + uw, uy + 1}}, a.textColor, R2_COPYPEN);
}

}  // namespace

int WINAPI DrawTextEx(HDC hdc, LPSTR lpchText, int cchText, LPRECT lprc, UINT format, LPDRAWTEXTPARAMS lpdtp) {
  DcObject* dc = GetDc(hdc);
  if (!dc || !lprc || (!lpchText && cchText != 0)) return 0;
  const std::string text = lpchText ? (cchText < 0 ? std::string(lpchText) : std::string(lpchText, cchText)) : "";
  const LOGFONT lf = FontOf(*dc);
  const FontInstance& font = FontFor(lf);
  const TEXTMETRIC& tm = font.Metrics();
  const int tabChars =
      (format & DT_TABSTOP) ? ((format >> 8) & 0xFF) : (lpdtp && lpdtp->iTabLength ? lpdtp->iTabLength : 8);
  Layout layout{font, format, std::max(1, tabChars) * tm.tmAveCharWidth};
  if (format & DT_TABSTOP) layout.format &= ~0xFF00u;
  RECT rect = *lprc;
  if (lpdtp) {
    rect.left += lpdtp->iLeftMargin;
    rect.right -= lpdtp->iRightMargin;
  }
  const RECT device = ToDevice(dc->attrs, rect);
  const std::vector<Line> lines = BreakLines(layout, text, device.right - device.left);
  const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  const int total = lineHeight * static_cast<int>(lines.size());
  if (lpdtp) lpdtp->uiLengthDrawn = static_cast<UINT>(text.size());
  int maxWidth = 0;
  for (const Line& line : lines) maxWidth = std::max(maxWidth, line.width);

  if (format & DT_CALCRECT) {
    lprc->right = rect.left + maxWidth + (lpdtp ? lpdtp->iRightMargin : 0);
    lprc->bottom = lprc->top + total;
    return total;
  }
  int y = device.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      y = device.top + (device.bottom - device.top - total) / 2;
    else if (format & DT_BOTTOM)
      y = device.bottom - total;
  }
  Canvas canvas(hdc);
  GdiRecord rec = MakeRecord(*dc, "DrawText", device);
  rec.text = text;
  rec.flags = format;
  Record(*dc, std::move(rec));
  if (!canvas.Valid()) return y - device.top + total;
  if (!(format & DT_NOCLIP)) {
    cairo_rectangle(canvas.Cr(), device.left, device.top, device.right - device.left, device.bottom - device.top);
    cairo_clip(canvas.Cr());
  }
  for (const Line& line : lines) {
    // Edit controls never show a line cut by the bottom edge.
    if ((format & DT_EDITCONTROL) && y + lineHeight > device.bottom && y > device.top) break;
    int x = device.left;
    if (format & DT_CENTER)
      x = device.left + (device.right - device.left - line.width) / 2;
    else if (format & DT_RIGHT)
      x = device.right - line.width;
    DrawLine(canvas, layout, lf, line, x, y);
    y += lineHeight;
  }
  return y - device.top;
}

int WINAPI DrawText(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return DrawTextEx(hdc, const_cast<LPSTR>(lpchText), cchText, lprc, format & ~DT_MODIFYSTRING, nullptr);
}
