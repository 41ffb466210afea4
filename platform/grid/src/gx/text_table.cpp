#include "gx/text_table.h"

#include <algorithm>

namespace gx {
namespace {

std::string CellText(std::string cell) {
  std::replace_if(
      cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return cell;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

}  // namespace

std::string FormatTextTable(const TextTable& rows) {
  std::string text;
  for (const TextRow& row : rows) {
    for (size_t col = 0; col < row.size(); ++col) {
      if (col > 0) text += '\t';
      text += CellText(row[col]);
    }
    text += "\r\n";
  }
  return text;
}

TextTable ParseTextTable(std::string_view text) {
  TextTable rows;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    const std::string_view line = text.substr(start, end == std::string_view::npos ? text.size() - start : end - start);
    rows.push_back(Split(line, '\t'));
    if (end == std::string_view::npos) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return rows;
}

std::vector<std::string> SplitChoiceList(std::string_view list) {
  if (list.empty()) return {};
  std::vector<std::string> items = Split(list, '\n');
  if (list.back() == '\n') items.pop_back();
  for (std::string& item : items) {
    if (!item.empty() && item.back() == '\r') item.pop_back();
  }
  return items;
}

}  // namespace gx
