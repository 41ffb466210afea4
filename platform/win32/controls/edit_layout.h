// Splitting an edit control's text into display lines: hard breaks at CR LF
// (a lone LF breaks the display too, but the text keeps it as given) and,
// when wrapping, soft breaks after the last space that fits.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace win32::controls {

struct EditLine {
  size_t start = 0;   // first character
  size_t length = 0;  // characters shown, without the line break
  size_t next = 0;    // first character of the next line
};

// Width in pixels of a piece of text as it is displayed.
using MeasureFn = std::function<int(std::string_view)>;

// `wrapWidth` <= 0 means no wrapping. A single-line edit passes
// `multiLine` false: it has one line whatever the text holds.
std::vector<EditLine> LayoutLines(std::string_view text, bool multiLine, int wrapWidth, const MeasureFn& measure);

// The index of the line holding character `pos` (a position at a soft
// break belongs to the next line).
size_t LineOfChar(const std::vector<EditLine>& lines, size_t pos);

}  // namespace win32::controls
