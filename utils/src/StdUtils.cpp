// The wildcard matcher behind the tree filters.
#include <cctype>
#include <string_view>

#include "UtilFunc.h"
#include "Utf8.h"

namespace {

struct Token {
  enum class Kind { Literal, AnyOne, AnyRun } kind;
  std::string_view text;  // one character's bytes for literals
};

bool SameChar(std::string_view a, std::string_view b) {
  if (a.size() == 1 && b.size() == 1) {
    return std::tolower(static_cast<unsigned char>(a[0])) == std::tolower(static_cast<unsigned char>(b[0]));
  }
  return a == b;
}

// Reads the token at `pos` of `pattern` and moves past it.
Token NextToken(std::string_view pattern, size_t& pos) {
  char c = pattern[pos];
  if (c == '*' || c == '?') {
    ++pos;
    return Token{c == '*' ? Token::Kind::AnyRun : Token::Kind::AnyOne, {}};
  }
  if (c == '\\' && pos + 1 < pattern.size()) ++pos;
  size_t length = utils::Utf8Length(pattern, pos);
  Token token{Token::Kind::Literal, pattern.substr(pos, length)};
  pos += length;
  return token;
}

// One alternative against the whole text. The classic single-backtrack
// walk: on a mismatch, go back to the last "*" and let it take one more
// character, so the work stays proportional to text times pattern.
bool MatchOne(std::string_view text, std::string_view pattern) {
  size_t t = 0, p = 0;
  size_t starPattern = std::string_view::npos, starText = 0;
  while (t < text.size()) {
    if (p < pattern.size()) {
      size_t next = p;
      Token token = NextToken(pattern, next);
      size_t charLength = utils::Utf8Length(text, t);
      if (token.kind == Token::Kind::AnyRun) {
        starPattern = p = next;
        starText = t;
        continue;
      }
      if (token.kind == Token::Kind::AnyOne || SameChar(token.text, text.substr(t, charLength))) {
        p = next;
        t += charLength;
        continue;
      }
    }
    if (starPattern == std::string_view::npos) return false;
    starText += utils::Utf8Length(text, starText);
    t = starText;
    p = starPattern;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

BOOL CStdUtils::CheckPattern(LPCTSTR text, LPCTSTR pattern) {
  std::string_view subject = text ? text : "";
  std::string_view alternatives = pattern ? pattern : "";
  if (alternatives.empty()) return TRUE;
  size_t start = 0;
  for (size_t i = 0; i < alternatives.size(); ++i) {
    if (alternatives[i] == '\\') {
      ++i;  // the escaped character, ";" included, belongs to this alternative
    } else if (alternatives[i] == ';') {
      if (MatchOne(subject, alternatives.substr(start, i - start))) return TRUE;
      start = i + 1;
    }
  }
  return MatchOne(subject, alternatives.substr(start)) ? TRUE : FALSE;
}
