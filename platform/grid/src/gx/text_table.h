// The grid's plain-text form of a cell range: cells separated by tabs, each
// row ended by CR LF. The clipboard's CF_TEXT and the text export share it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gx {

using TextRow = std::vector<std::string>;
using TextTable = std::vector<TextRow>;

// Tabs and line breaks inside a cell become blanks, so that the table
// keeps its shape when read back.
std::string FormatTextTable(const TextTable& rows);

// Accepts CR LF, LF or CR row ends; a final row end adds no empty row.
TextTable ParseTextTable(std::string_view text);

// The items of a choice list ("a\nb\n"): one per line; a final line end
// adds no empty item, a leading one is an empty first item.
std::vector<std::string> SplitChoiceList(std::string_view list);

}  // namespace gx
