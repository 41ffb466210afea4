#include "gx/header_tokens.h"

#include <cstdio>

namespace gx {
namespace {

std::string TwoDigits(int value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", value % 100);
  return buffer;
}

// The text for token character `c`, or false when it is no token.
bool TokenText(char c, const PageTokens& tokens, std::string& out) {
  switch (c) {
    case 'F':
    case 'P':
      out = std::to_string(tokens.page);
      return true;
    case 'N':
      out = std::to_string(tokens.pages);
      return true;
    case 'D':
      out = TwoDigits(tokens.when.tm_mday) + "." + TwoDigits(tokens.when.tm_mon + 1) + "." +
            std::to_string(tokens.when.tm_year + 1900);
      return true;
    case 'T':
      out = TwoDigits(tokens.when.tm_hour) + ":" + TwoDigits(tokens.when.tm_min);
      return true;
    case '$':
      out = "$";
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string ExpandHeaderTokens(std::string_view text, const PageTokens& tokens) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    std::string token;
    if (text[i] == '$' && i + 1 < text.size() && TokenText(text[i + 1], tokens, token)) {
      result += token;
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace gx
