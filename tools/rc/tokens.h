// Tokens of the resource-script language (also used by the preprocessor).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"

namespace rc {

enum class TokenKind { Number, String, Identifier, Punct, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;     // identifier, punctuation, the number as written, or a string's raw body
  int64_t value = 0;    // numbers
  bool isLong = false;  // a number with an L suffix (a DWORD in data blocks)
  bool wide = false;    // L"..."
  Location where;

  bool is(TokenKind k, std::string_view t) const { return kind == k && text == t; }
  bool isPunct(std::string_view t) const { return is(TokenKind::Punct, t); }
  // Identifiers compare case-insensitively: keywords may be written in any case.
  bool isWord(std::string_view word) const;
};

// Splits one logical line (comments already removed) into tokens.
std::vector<Token> Tokenize(std::string_view line, const Location& where);

// The bytes a string token stands for (UTF-8), with its escapes resolved:
// \n \t \r \a \b \f \v \\ \" \' \0, \xHH, \ooo and "" for a quote.
std::string DecodeString(const Token& token);

}  // namespace rc
