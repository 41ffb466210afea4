#include "controls/edit_layout.h"

namespace win32::controls {
namespace {

// Length of the break at `pos` (CR LF or LF), 0 when there is none.
size_t BreakLength(std::string_view text, size_t pos) {
  if (pos < text.size() && text[pos] == '\n') return 1;
  if (pos + 1 < text.size() && text[pos] == '\r' && text[pos + 1] == '\n') return 2;
  return 0;
}

// Where a hard line starting at `start` ends (before its break).
size_t HardLineEnd(std::string_view text, size_t start) {
  size_t pos = start;
  while (pos < text.size() && BreakLength(text, pos) == 0) ++pos;
  return pos;
}

// The end of the longest piece of [start, end) that fits `width`, broken
// after a space when one is there; at least one character.
size_t WrapPoint(std::string_view text, size_t start, size_t end, int width, const MeasureFn& measure) {
  size_t fit = start;
  while (fit < end && measure(text.substr(start, fit + 1 - start)) <= width) ++fit;
  if (fit == end) return end;
  if (fit == start) return start + 1;
  for (size_t pos = fit; pos > start; --pos)
    if (text[pos - 1] == ' ') return pos;
  return fit;
}

}  // namespace

std::vector<EditLine> LayoutLines(std::string_view text, bool multiLine, int wrapWidth, const MeasureFn& measure) {
  if (!multiLine) return {EditLine{0, text.size(), text.size()}};
  std::vector<EditLine> lines;
  size_t start = 0;
  while (true) {
    const size_t hardEnd = HardLineEnd(text, start);
    size_t pos = start;
    while (wrapWidth > 0 && pos < hardEnd && measure(text.substr(pos, hardEnd - pos)) > wrapWidth) {
      const size_t cut = WrapPoint(text, pos, hardEnd, wrapWidth, measure);
      size_t shown = cut;
      while (shown > pos && text[shown - 1] == ' ') --shown;
      lines.push_back({pos, shown - pos, cut});
      pos = cut;
    }
    const size_t brk = BreakLength(text, hardEnd);
    lines.push_back({pos, hardEnd - pos, hardEnd + brk});
    if (brk == 0) break;
    start = hardEnd + brk;
  }
  return lines;
}

size_t LineOfChar(const std::vector<EditLine>& lines, size_t pos) {
  for (size_t i = 0; i + 1 < lines.size(); ++i)
    if (pos < lines[i + 1].start) return i;
  return lines.empty() ? 0 : lines.size() - 1;
}

}  // namespace win32::controls
