#include "tokens.h"

#include <cctype>

#include "text.h"

namespace rc {

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

// Multi-character operators, longest first.
constexpr std::string_view kOperators[] = {"<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "##"};

// Numbers of resource scripts are 32-bit; a longer literal is a mistake,
// not a value to wrap.
constexpr uint64_t kMaxNumber = 0xFFFFFFFF;

Token NumberToken(std::string_view line, size_t& i, const Location& where) {
  size_t start = i;
  int base = 10;
  if (line[i] == '0' && i + 1 < line.size() && (line[i + 1] == 'x' || line[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (line[i] == '0' && i + 1 < line.size() && (line[i + 1] == 'o' || line[i + 1] == 'O')) {
    base = 8;
    i += 2;
  }
  // Leading zeros are decimal in resource scripts.
  const size_t firstDigit = i;
  uint64_t value = 0;
  bool tooLarge = false;
  for (; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(line[i])));
    const int digit = std::isdigit(c) ? c - '0' : (base == 16 && std::isxdigit(c) ? c - 'a' + 10 : -1);
    if (digit < 0 || digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    tooLarge = tooLarge || value > kMaxNumber;
    if (tooLarge) value = 0;  // keeps the arithmetic defined while the rest is skipped
  }
  if (i == firstDigit) throw CompileError(where, "malformed number");
  Token token{TokenKind::Number, "", static_cast<int64_t>(value), false, false, where};
  while (i < line.size() && (line[i] == 'L' || line[i] == 'l' || line[i] == 'U' || line[i] == 'u')) {
    if (line[i] == 'L' || line[i] == 'l') token.isLong = true;
    ++i;
  }
  if (i < line.size() && IsIdentChar(line[i])) throw CompileError(where, "malformed number");
  token.text = std::string(line.substr(start, i - start));
  if (tooLarge) throw CompileError(where, "number '" + token.text + "' does not fit in 32 bits");
  return token;
}

Token StringToken(std::string_view line, size_t& i, bool wide, const Location& where) {
  ++i;  // opening quote
  size_t start = i;
  for (;;) {
    if (i >= line.size()) throw CompileError(where, "newline in string");
    if (line[i] == '\\' && i + 1 < line.size()) {
      i += 2;
    } else if (line[i] == '"') {
      if (i + 1 < line.size() && line[i + 1] == '"') {
        i += 2;  // "" is a quote inside the string
      } else {
        break;
      }
    } else {
      ++i;
    }
  }
  Token token{TokenKind::String, std::string(line.substr(start, i - start)), 0, false, wide, where};
  ++i;
  return token;
}

int HexValue(char c) {
  if (std::isdigit(static_cast<unsigned char>(c))) return c - '0';
  return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

}  // namespace

bool Token::isWord(std::string_view word) const {
  if (kind != TokenKind::Identifier || text.size() != word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(word[i])))
      return false;
  return true;
}

std::vector<Token> Tokenize(std::string_view line, const Location& where) {
  std::vector<Token> tokens;
  for (size_t i = 0; i < line.size();) {
    char c = line[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      tokens.push_back(NumberToken(line, i, where));
    } else if ((c == 'L' || c == 'l') && i + 1 < line.size() && line[i + 1] == '"') {
      ++i;
      tokens.push_back(StringToken(line, i, true, where));
    } else if (c == '"') {
      tokens.push_back(StringToken(line, i, false, where));
    } else if (IsIdentStart(c)) {
      size_t start = i;
      while (i < line.size() && IsIdentChar(line[i])) ++i;
      tokens.push_back({TokenKind::Identifier, std::string(line.substr(start, i - start)), 0, false, false, where});
    } else {
      std::string op(1, c);
      for (auto candidate : kOperators)
        if (line.substr(i, candidate.size()) == candidate) op = std::string(candidate);
      i += op.size();
      tokens.push_back({TokenKind::Punct, op, 0, false, false, where});
    }
  }
  return tokens;
}

std::string DecodeString(const Token& token) {
  const std::string& raw = token.text;
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '"' && i + 1 < raw.size() && raw[i + 1] == '"') {
      out += '"';
      ++i;
      continue;
    }
    if (c != '\\' || i + 1 >= raw.size()) {
      out += c;
      continue;
    }
    char e = raw[++i];
    switch (e) {
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'a':
        out += '\a';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'v':
        out += '\v';
        break;
      case 'x':
      case 'X': {
        // Two hex digits in narrow strings, four in wide ones.
        size_t limit = token.wide ? 4 : 2;
        char32_t value = 0;
        size_t digits = 0;
        while (digits < limit && i + 1 < raw.size() && std::isxdigit(static_cast<unsigned char>(raw[i + 1]))) {
          value = value * 16 + char32_t(HexValue(raw[++i]));
          ++digits;
        }
        AppendUtf8(out, value);
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          char32_t value = char32_t(e - '0');
          for (int digits = 1; digits < 3 && i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7'; ++digits)
            value = value * 8 + char32_t(raw[++i] - '0');
          AppendUtf8(out, value);
        } else {
          out += e;  // \\ \" \' and unknown escapes keep the character
        }
    }
  }
  return out;
}

}  // namespace rc
