#include "preprocessor.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "builtin_symbols.h"
#include "expressions.h"
#include "text.h"

namespace rc {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxIncludeDepth = 32;

std::string NormalizeSeparators(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  std::string out;
  for (char c : name)
    if (!(c == '/' && !out.empty() && out.back() == '/')) out += c;
  return out;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// Walks `relative` from `base` one component at a time, matching each
// component without regard to case (scripts written on Windows do not care).
std::optional<fs::path> FindNoCase(const fs::path& base, const fs::path& relative) {
  fs::path current = base;
  for (const auto& part : relative) {
    fs::path exact = current / part;
    std::error_code ec;
    if (fs::exists(exact, ec)) {
      current = exact;
      continue;
    }
    bool found = false;
    for (const auto& entry : fs::directory_iterator(current, ec)) {
      if (EqualNoCase(entry.path().filename().string(), part.string())) {
        current = entry.path();
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
  }
  return current;
}

// Replaces comments by spaces (keeping newlines, so line numbers hold).
std::string StripComments(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (inString) {
      out += c;
      if (c == '\\' && i + 1 < text.size() && text[i + 1] != '\n')
        out += text[++i];
      else if (c == '"' || c == '\n')
        inString = false;
    } else if (c == '"') {
      inString = true;
      out += c;
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
      while (i < text.size() && text[i] != '\n') ++i;
      if (i < text.size()) out += '\n';
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      i += 2;
      while (i < text.size() && !(text[i] == '*' && i + 1 < text.size() && text[i + 1] == '/')) {
        if (text[i] == '\n') out += '\n';
        ++i;
      }
      ++i;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\f\v");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r\f\v");
  return s.substr(b, e - b + 1);
}

// Splits "word rest" after a directive's '#'.
std::pair<std::string, std::string> SplitWord(const std::string& s) {
  std::string t = Trim(s);
  size_t i = 0;
  while (i < t.size() && (std::isalnum(static_cast<unsigned char>(t[i])) || t[i] == '_')) ++i;
  return {t.substr(0, i), Trim(t.substr(i))};
}

// Replaces "defined X" and "defined(X)" before macros are expanded.
std::vector<Token> ResolveDefined(const std::vector<Token>& in, const std::map<std::string, bool>& known) {
  std::vector<Token> out;
  for (size_t i = 0; i < in.size(); ++i) {
    if (!in[i].is(TokenKind::Identifier, "defined")) {
      out.push_back(in[i]);
      continue;
    }
    bool paren = i + 1 < in.size() && in[i + 1].isPunct("(");
    size_t nameAt = i + (paren ? 2 : 1);
    if (nameAt >= in.size() || in[nameAt].kind != TokenKind::Identifier)
      throw CompileError(in[i].where, "'defined' needs a macro name");
    Token value = in[i];
    value.kind = TokenKind::Number;
    value.value = known.count(in[nameAt].text) ? 1 : 0;
    value.text = std::to_string(value.value);
    out.push_back(value);
    i = nameAt;
    if (paren) {
      if (i + 1 >= in.size() || !in[i + 1].isPunct(")")) throw CompileError(in[i].where, "')' expected");
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string ReadFileBytes(const std::string& path, const Location& from) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) throw CompileError(from, "'" + path + "' is a folder, not a file");
  std::ifstream file(path, std::ios::binary);
  if (!file) throw CompileError(from, "cannot open file '" + path + "'");
  std::ostringstream text;
  try {
    text << file.rdbuf();
  } catch (const std::ios_base::failure&) {
    throw CompileError(from, "cannot read file '" + path + "'");
  }
  return text.str();
}

std::string DirectoryOf(const std::string& path) {
  fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? "." : parent.string();
}

std::optional<std::string> FindFile(const std::string& name, const std::string& baseDir,
                                    const std::vector<std::string>& dirs) {
  fs::path relative = NormalizeSeparators(name);
  if (relative.is_absolute()) {
    auto found = FindNoCase(relative.root_path(), relative.relative_path());
    if (found) return found->string();
    return std::nullopt;
  }
  std::vector<std::string> bases{baseDir};
  bases.insert(bases.end(), dirs.begin(), dirs.end());
  for (const auto& base : bases) {
    std::error_code ec;
    if (fs::exists(fs::path(base) / relative, ec)) return (fs::path(base) / relative).lexically_normal().string();
  }
  for (const auto& base : bases)
    if (auto found = FindNoCase(base, relative)) return found->lexically_normal().string();
  return std::nullopt;
}

Preprocessor::Preprocessor(std::vector<std::string> includeDirs) : includeDirs_(std::move(includeDirs)) {
  Define("RC_INVOKED", "1");
  Define("_WIN32", "1");
}

void Preprocessor::Define(const std::string& name, const std::string& value) {
  Macro macro;
  macro.body = Tokenize(value, Location{"<command line>", 0});
  macros_[name] = std::move(macro);
}

std::vector<Token> Preprocessor::Run(const std::string& path) {
  ProcessFile(path, Location{path, 0});
  if (!conditions_.empty()) throw CompileError(Location{path, 0}, "#if without #endif");
  return std::move(output_);
}

void Preprocessor::ProcessFile(const std::string& path, const Location& from) {
  if (++depth_ > kMaxIncludeDepth) throw CompileError(from, "#include nested too deeply");
  files_.push_back(path);
  std::string text = StripComments(ScriptToUtf8(ReadFileBytes(path, from)));
  std::string dir = DirectoryOf(path);
  size_t conditionDepth = conditions_.size();
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    Location where{path, ++number};
    // A backslash at the end continues the logical line.
    while (!line.empty() &&
           (line.back() == '\\' || (line.back() == '\r' && line.size() > 1 && line[line.size() - 2] == '\\'))) {
      line.erase(line.find_last_of('\\'));
      std::string more;
      if (!std::getline(lines, more)) break;
      ++number;
      line += more;
    }
    ProcessLine(line, where, dir);
  }
  if (conditions_.size() != conditionDepth) throw CompileError(Location{path, number}, "#if without #endif");
  --depth_;
}

void Preprocessor::ProcessLine(const std::string& line, const Location& where, const std::string& dir) {
  std::string trimmed = Trim(line);
  if (!trimmed.empty() && trimmed[0] == '#') {
    Directive(trimmed.substr(1), where, dir);
    return;
  }
  if (!Active() || trimmed.empty()) return;
  std::set<std::string> busy;
  Expand(Tokenize(trimmed, where), output_, busy, where);
}

void Preprocessor::Directive(const std::string& body, const Location& where, const std::string& dir) {
  auto [word, rest] = SplitWord(body);
  if (word == "ifdef" || word == "ifndef") {
    bool defined = macros_.count(SplitWord(rest).first) != 0;
    bool keep = Active() && (word == "ifdef" ? defined : !defined);
    conditions_.push_back({keep, keep, Active(), false});
  } else if (word == "if") {
    bool keep = Active() && EvaluateCondition(rest, where);
    conditions_.push_back({keep, keep, Active(), false});
  } else if (word == "elif") {
    if (conditions_.empty() || conditions_.back().seenElse) throw CompileError(where, "#elif without #if");
    Conditional& c = conditions_.back();
    bool keep = c.parentActive && !c.taken && EvaluateCondition(rest, where);
    c.active = keep;
    c.taken = c.taken || keep;
  } else if (word == "else") {
    if (conditions_.empty() || conditions_.back().seenElse) throw CompileError(where, "#else without #if");
    Conditional& c = conditions_.back();
    c.active = c.parentActive && !c.taken;
    c.taken = true;
    c.seenElse = true;
  } else if (word == "endif") {
    if (conditions_.empty()) throw CompileError(where, "#endif without #if");
    conditions_.pop_back();
  } else if (!Active()) {
    return;  // other directives in skipped blocks are not even looked at
  } else if (word == "include") {
    Include(rest, where, dir);
  } else if (word == "define") {
    DefineLine(rest, where);
  } else if (word == "undef") {
    macros_.erase(SplitWord(rest).first);
  } else if (word == "error") {
    throw CompileError(where, "#error " + rest);
  } else if (word != "pragma" && word != "line" && !word.empty()) {
    // #pragma code_page and the like: the script's encoding is detected.
    throw CompileError(where, "unknown directive '#" + word + "'");
  }
}

void Preprocessor::Include(const std::string& rest, const Location& where, const std::string& dir) {
  if (rest.size() < 2 || !((rest.front() == '"' && rest.find('"', 1) != std::string::npos) ||
                           (rest.front() == '<' && rest.find('>') != std::string::npos)))
    throw CompileError(where, "#include expects \"file\" or <file>");
  bool system = rest.front() == '<';
  std::string name = rest.substr(1, rest.find(system ? '>' : '"', 1) - 1);
  if (name.empty()) throw CompileError(where, "empty file name");
  if (IsSystemScript(name)) return;
  auto found = system ? std::nullopt : FindFile(name, dir, includeDirs_);
  if (!found && system && !IsSystemHeader(name)) found = FindFile(name, dir, includeDirs_);
  if (found) {
    ProcessFile(*found, where);
    return;
  }
  if (!system && !IsSystemHeader(name)) throw CompileError(where, "cannot open include file '" + name + "'");
  if (builtinsLoaded_) return;
  builtinsLoaded_ = true;
  std::istringstream lines{std::string(HeaderDefinitions()) + std::string(BuiltinDefinitions())};
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) ProcessLine(line, Location{"<" + name + ">", ++number}, dir);
}

void Preprocessor::DefineLine(const std::string& rest, const Location& where) {
  size_t i = 0;
  while (i < rest.size() && (std::isalnum(static_cast<unsigned char>(rest[i])) || rest[i] == '_')) ++i;
  std::string name = rest.substr(0, i);
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
    throw CompileError(where, "#define needs a macro name");
  Macro macro;
  if (i < rest.size() && rest[i] == '(') {
    macro.function = true;
    size_t close = rest.find(')', i);
    if (close == std::string::npos) throw CompileError(where, "')' expected in macro parameters");
    for (const Token& t : Tokenize(rest.substr(i + 1, close - i - 1), where)) {
      if (t.kind == TokenKind::Identifier)
        macro.params.push_back(t.text);
      else if (!t.isPunct(","))
        throw CompileError(where, "bad macro parameter list");
    }
    i = close + 1;
  }
  macro.body = Tokenize(rest.substr(i), where);
  macros_[name] = std::move(macro);
}

bool Preprocessor::EvaluateCondition(const std::string& rest, const Location& where) {
  std::map<std::string, bool> known;
  for (const auto& [name, macro] : macros_) known[name] = true;
  std::vector<Token> expanded;
  std::set<std::string> busy;
  Expand(ResolveDefined(Tokenize(rest, where), known), expanded, busy, where);
  TokenCursor in(expanded, where);
  int64_t value = Evaluate(in, UnknownSymbols::AreZero);
  if (!in.atEnd()) in.fail("unexpected '" + in.peek().text + "' in #if");
  return value != 0;
}

void Preprocessor::Expand(const std::vector<Token>& in, std::vector<Token>& out, std::set<std::string>& busy,
                          const Location& site) {
  for (size_t i = 0; i < in.size(); ++i) {
    const Token& token = in[i];
    auto it = token.kind == TokenKind::Identifier ? macros_.find(token.text) : macros_.end();
    if (it == macros_.end() || busy.count(token.text)) {
      Token copy = token;
      copy.where = site;
      out.push_back(std::move(copy));
      continue;
    }
    const Macro& macro = it->second;
    if (macro.function) {
      if (!ExpandCall(macro, token.text, in, i, out, busy, site)) {
        Token copy = token;
        copy.where = site;
        out.push_back(std::move(copy));
      }
      continue;
    }
    busy.insert(token.text);
    Expand(macro.body, out, busy, site);
    busy.erase(token.text);
  }
}

bool Preprocessor::ExpandCall(const Macro& macro, const std::string& name, const std::vector<Token>& in, size_t& i,
                              std::vector<Token>& out, std::set<std::string>& busy, const Location& site) {
  if (i + 1 >= in.size() || !in[i + 1].isPunct("(")) return false;
  std::vector<std::vector<Token>> args(1);
  int depth = 0;
  size_t j = i + 2;
  for (; j < in.size(); ++j) {
    if (in[j].isPunct("(")) ++depth;
    if (in[j].isPunct(")") && depth-- == 0) break;
    if (in[j].isPunct(",") && depth == 0) {
      args.emplace_back();
      continue;
    }
    args.back().push_back(in[j]);
  }
  if (j >= in.size()) throw CompileError(site, "unterminated call of macro '" + name + "'");
  if (macro.params.empty() && args.size() == 1 && args[0].empty()) args.clear();
  if (args.size() != macro.params.size()) throw CompileError(site, "wrong number of arguments for '" + name + "'");
  std::vector<Token> substituted;
  for (const Token& t : macro.body) {
    auto param = std::find(macro.params.begin(), macro.params.end(), t.text);
    if (t.kind == TokenKind::Identifier && param != macro.params.end()) {
      const auto& arg = args[size_t(param - macro.params.begin())];
      Expand(arg, substituted, busy, site);
    } else {
      substituted.push_back(t);
    }
  }
  busy.insert(name);
  Expand(substituted, out, busy, site);
  busy.erase(name);
  i = j;
  return true;
}

}  // namespace rc
