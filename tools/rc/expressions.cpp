#include "expressions.h"

#include <array>

namespace rc {

namespace {

struct BinaryOp {
  std::string_view text;
  int level;
};

constexpr std::array<BinaryOp, 18> kBinary{{{"||", 1},
                                            {"&&", 2},
                                            {"|", 3},
                                            {"^", 4},
                                            {"&", 5},
                                            {"==", 6},
                                            {"!=", 6},
                                            {"<", 7},
                                            {">", 7},
                                            {"<=", 7},
                                            {">=", 7},
                                            {"<<", 8},
                                            {">>", 8},
                                            {"+", 9},
                                            {"-", 9},
                                            {"*", 10},
                                            {"/", 10},
                                            {"%", 10}}};

int LevelOf(const Token& token) {
  if (token.kind != TokenKind::Punct) return 0;
  for (const auto& op : kBinary)
    if (op.text == token.text) return op.level;
  return 0;
}

int64_t Apply(const std::string& op, int64_t a, int64_t b, TokenCursor& in) {
  if ((op == "/" || op == "%") && b == 0) in.fail("division by zero");
  if (op == "||") return (a || b) ? 1 : 0;
  if (op == "&&") return (a && b) ? 1 : 0;
  if (op == "|") return a | b;
  if (op == "^") return a ^ b;
  if (op == "&") return a & b;
  if (op == "==") return a == b;
  if (op == "!=") return a != b;
  if (op == "<") return a < b;
  if (op == ">") return a > b;
  if (op == "<=") return a <= b;
  if (op == ">=") return a >= b;
  if (op == "<<") return int64_t(uint64_t(a) << (b & 63));
  if (op == ">>") return a >> (b & 63);
  if (op == "+") return a + b;
  if (op == "-") return a - b;
  if (op == "*") return a * b;
  if (op == "/") return a / b;
  return a % b;
}

int64_t Unary(TokenCursor& in, UnknownSymbols unknown) {
  const Token& token = in.next();
  if (token.kind == TokenKind::Number) return token.value;
  if (token.isPunct("-")) return -Unary(in, unknown);
  if (token.isPunct("+")) return Unary(in, unknown);
  if (token.isPunct("~")) return ~Unary(in, unknown);
  if (token.isPunct("!")) return Unary(in, unknown) == 0 ? 1 : 0;
  if (token.isPunct("(")) {
    int64_t value = Evaluate(in, unknown);
    in.expectPunct(")");
    return value;
  }
  if (token.kind == TokenKind::Identifier) {
    if (unknown == UnknownSymbols::AreZero) return 0;
    throw CompileError(token.where, "undefined symbol '" + token.text + "'");
  }
  if (token.kind == TokenKind::End) throw CompileError(token.where, "expression expected");
  throw CompileError(token.where, "unexpected '" + token.text + "' in expression");
}

}  // namespace

bool TokenCursor::acceptPunct(std::string_view p) {
  if (!peek().isPunct(p)) return false;
  next();
  return true;
}

bool TokenCursor::acceptWord(std::string_view w) {
  if (!peek().isWord(w)) return false;
  next();
  return true;
}

void TokenCursor::expectPunct(std::string_view p) {
  if (!acceptPunct(p)) fail("'" + std::string(p) + "' expected");
}

void TokenCursor::fail(const std::string& message) const { throw CompileError(peek().where, message); }

int64_t Evaluate(TokenCursor& in, UnknownSymbols unknown, int minLevel) {
  int64_t left = Unary(in, unknown);
  // Precedence climbing: fold operators at or above `minLevel`.
  for (;;) {
    int level = LevelOf(in.peek());
    if (level == 0 || level < minLevel) return left;
    std::string op = in.next().text;
    int64_t right = Evaluate(in, unknown, level + 1);
    left = Apply(op, left, right, in);
  }
}

bool StartsExpression(const Token& token) {
  return token.kind == TokenKind::Number || token.kind == TokenKind::Identifier || token.isPunct("(") ||
         token.isPunct("-") || token.isPunct("+") || token.isPunct("~") || token.isPunct("!");
}

}  // namespace rc
