// A cursor over tokens and the integer expressions of #if lines and of
// statement arguments (C operators and precedence).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tokens.h"

namespace rc {

class TokenCursor {
 public:
  TokenCursor(const std::vector<Token>& tokens, Location endWhere) : tokens_(tokens) {
    end_.where = std::move(endWhere);
  }

  const Token& peek(size_t ahead = 0) const { return pos_ + ahead < tokens_.size() ? tokens_[pos_ + ahead] : end_; }
  const Token& next() { return pos_ < tokens_.size() ? tokens_[pos_++] : end_; }
  bool atEnd() const { return pos_ >= tokens_.size(); }

  bool acceptPunct(std::string_view p);
  bool acceptWord(std::string_view w);
  void expectPunct(std::string_view p);
  [[noreturn]] void fail(const std::string& message) const;

 private:
  const std::vector<Token>& tokens_;
  Token end_;
  size_t pos_ = 0;
};

enum class UnknownSymbols { AreZero, AreErrors };

// Operator levels, loosest first; a caller may start below the loosest to
// stop at an operator it handles itself (the style lists stop at '|').
enum ExprLevel : int { kLevelOr = 1, kLevelAnd, kLevelBitOr, kLevelBitXor, kLevelBitAnd };

int64_t Evaluate(TokenCursor& in, UnknownSymbols unknown, int minLevel = kLevelOr);

// True when the next token can start an expression.
bool StartsExpression(const Token& token);

}  // namespace rc
