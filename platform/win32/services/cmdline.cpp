// Command lines as the classic C runtime splits them: blanks separate
// arguments, double quotes group; 2n backslashes before a quote give n
// backslashes and the quote toggles quoting, 2n+1 give n and a literal
// quote; other backslashes are literal. Inside quotes, "" gives a literal
// quote and ends the quoted part (the rule of the runtimes before 2008).
#include <cstring>
#include <fstream>
#include <iterator>

#include "win32/services.h"

namespace win32 {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: up to the next quote when it starts quoted, else up to
// a blank; backslashes are never special in it.
size_t ReadProgram(const std::string& s, size_t i, std::string& out) {
  if (s[i] == '"') {
    const size_t end = s.find('"', i + 1);
    out = s.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
    return end == std::string::npos ? s.size() : end + 1;
  }
  size_t end = i;
  while (end < s.size() && !IsBlank(s[end])) ++end;
  out = s.substr(i, end - i);
  return end;
}

size_t ReadArgument(const std::string& s, size_t i, std::string& out) {
  bool quoted = false;
  while (i < s.size()) {
    size_t slashes = 0;
    while (i < s.size() && s[i] == '\\') {
      ++slashes;
      ++i;
    }
    if (i < s.size() && s[i] == '"') {
      out.append(slashes / 2, '\\');
      if (slashes % 2) {
        out += '"';
      } else if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
        out += '"';
        quoted = false;
        ++i;
      } else {
        quoted = !quoted;
      }
      ++i;
      continue;
    }
    out.append(slashes, '\\');
    if (i >= s.size() || (!quoted && IsBlank(s[i]))) break;
    out += s[i++];
  }
  return i;
}

struct Arguments {
  std::vector<std::string> strings;
  std::vector<char*> pointers;
  std::string commandLine;
};

Arguments& ProcessArguments() {
  static Arguments args = [] {
    Arguments a;
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t start = 0; start < raw.size();) {
      const size_t end = raw.find('\0', start);
      a.strings.push_back(raw.substr(start, end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
    for (auto& s : a.strings) a.pointers.push_back(s.data());
    a.pointers.push_back(nullptr);
    a.commandLine = JoinCommandLine(a.strings);
    return a;
  }();
  return args;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> args;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  };
  skipBlanks();
  if (i >= commandLine.size()) return args;
  args.emplace_back();
  i = ReadProgram(commandLine, i, args.back());
  for (skipBlanks(); i < commandLine.size(); skipBlanks()) {
    args.emplace_back();
    i = ReadArgument(commandLine, i, args.back());
  }
  return args;
}

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string out = "\"";
  size_t slashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    out.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
    slashes = 0;
    out += c;
  }
  // Backslashes before the closing quote are doubled too.
  out.append(slashes * 2, '\\');
  return out + "\"";
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string out;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (i) out += ' ';
    // The program name cannot hold an escaped quote: it is only grouped.
    const bool plainProgram = arguments[i].find_first_of(" \t") == std::string::npos && !arguments[i].empty();
    out += i == 0 ? (plainProgram ? arguments[i] : "\"" + arguments[i] + "\"") : QuoteArgument(arguments[i]);
  }
  return out;
}

int GetArgc() { return static_cast<int>(ProcessArguments().strings.size()); }

char** GetArgv() { return ProcessArguments().pointers.data(); }

}  // namespace win32

int __argc = win32::GetArgc();
char** __argv = win32::GetArgv();

LPSTR WINAPI GetCommandLine(void) { return const_cast<LPSTR>(win32::ProcessArguments().commandLine.c_str()); }
