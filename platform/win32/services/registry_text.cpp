// The REGEDIT4 file format: "[key]" sections, then `"name"=data` lines.
#include <cstdio>
#include <optional>
#include <sstream>

#include "services/registry_model.h"

namespace win32::svc {
namespace {

constexpr const char* kHeader = "REGEDIT4";
constexpr const char* kEol = "\r\n";

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// Text that fits between quotes: the data ends in its one NUL and holds no
// line breaks.
std::optional<std::string> AsQuotableText(const std::vector<BYTE>& data) {
  if (data.empty() || data.back() != 0) return std::nullopt;
  std::string text(data.begin(), data.end() - 1);
  if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return std::nullopt;
  return text;
}

std::string Hex(const std::vector<BYTE>& data) {
  std::string out;
  char buf[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", data[i]);
    out += buf;
  }
  return out;
}

std::string FormatData(const RegValue& v) {
  if (v.type == REG_SZ) {
    if (auto text = AsQuotableText(v.data)) return Quote(*text);
  }
  if (v.type == REG_DWORD && v.data.size() == 4) {
    const DWORD d = v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (static_cast<DWORD>(v.data[3]) << 24);
    char buf[16];
    std::snprintf(buf, sizeof buf, "dword:%08x", d);
    return buf;
  }
  if (v.type == REG_BINARY) return "hex:" + Hex(v.data);
  char prefix[24];
  std::snprintf(prefix, sizeof prefix, "hex(%x):", v.type);
  return prefix + Hex(v.data);
}

// Reads a quoted string with \\ and \" escapes starting at s[pos] == '"';
// `pos` ends after the closing quote.
std::optional<std::string> ReadQuoted(const std::string& s, size_t& pos) {
  if (pos >= s.size() || s[pos] != '"') return std::nullopt;
  std::string out;
  for (++pos; pos < s.size(); ++pos) {
    if (s[pos] == '"') {
      ++pos;
      return out;
    }
    if (s[pos] == '\\' && pos + 1 < s.size()) ++pos;
    out += s[pos];
  }
  return std::nullopt;
}

std::optional<std::vector<BYTE>> ReadHexBytes(const std::string& s) {
  std::vector<BYTE> out;
  std::istringstream in(s);
  std::string item;
  while (std::getline(in, item, ',')) {
    const auto first = item.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    size_t used = 0;
    unsigned long b = 0;
    try {
      b = std::stoul(item.substr(first), &used, 16);
    } catch (const std::exception&) {
      return std::nullopt;
    }
    if (b > 0xFF || item.find_first_not_of(" \t", first + used) != std::string::npos) return std::nullopt;
    out.push_back(static_cast<BYTE>(b));
  }
  return out;
}

std::optional<RegValue> ParseData(const std::string& s) {
  RegValue v;
  if (s.starts_with("\"")) {
    size_t pos = 0;
    auto text = ReadQuoted(s, pos);
    if (!text || pos != s.size()) return std::nullopt;
    v.type = REG_SZ;
    v.data.assign(text->begin(), text->end());
    v.data.push_back(0);
    return v;
  }
  if (s.starts_with("dword:")) {
    const std::string digits = s.substr(6);
    if (digits.empty() || digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      return std::nullopt;
    const DWORD d = static_cast<DWORD>(std::stoul(digits, nullptr, 16));
    v.type = REG_DWORD;
    v.data = {static_cast<BYTE>(d), static_cast<BYTE>(d >> 8), static_cast<BYTE>(d >> 16), static_cast<BYTE>(d >> 24)};
    return v;
  }
  size_t colon = s.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const std::string kind = s.substr(0, colon);
  if (kind == "hex") {
    v.type = REG_BINARY;
  } else if (kind.starts_with("hex(") && kind.ends_with(")") && kind.size() > 5) {
    const std::string num = kind.substr(4, kind.size() - 5);
    if (num.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos || num.size() > 8) return std::nullopt;
    v.type = static_cast<DWORD>(std::stoul(num, nullptr, 16));
  } else {
    return std::nullopt;
  }
  auto bytes = ReadHexBytes(s.substr(colon + 1));
  if (!bytes) return std::nullopt;
  v.data = std::move(*bytes);
  return v;
}

// `"name"=data` or `@=data`.
std::optional<RegValue> ParseValueLine(const std::string& line) {
  std::string name;
  size_t pos = 0;
  if (line.starts_with("@")) {
    pos = 1;
  } else {
    auto quoted = ReadQuoted(line, pos);
    if (!quoted) return std::nullopt;
    name = *quoted;
  }
  if (pos >= line.size() || line[pos] != '=') return std::nullopt;
  auto value = ParseData(line.substr(pos + 1));
  if (value) value->name = name;
  return value;
}

// Splits into lines (LF or CR LF), joining lines that end in a backslash
// continuation as hex data is wrapped.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  bool continued = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (continued) {
      const auto first = line.find_first_not_of(" \t");
      lines.back() += first == std::string::npos ? "" : line.substr(first);
    } else {
      lines.push_back(line);
    }
    continued = !lines.back().empty() && lines.back().back() == '\\' && lines.back().find("=hex") != std::string::npos;
    if (continued) lines.back().pop_back();
  }
  return lines;
}

}  // namespace

std::string FormatRegistry(const RegModel& model) {
  std::string out = std::string(kHeader) + kEol + kEol;
  model.ForEach([&](const std::string& path, const RegKey& key) {
    // A key without values is written only where no subkey's line makes
    // it anyway, so a deep key costs one line, not one per level.
    const bool root = path.size() == key.name.size();
    if (key.values.empty() && (key.HasSubkeys() || root)) return;
    out += "[" + path + "]" + kEol;
    for (const RegValue& v : key.values) {
      out += (v.name.empty() ? std::string("@") : Quote(v.name)) + "=" + FormatData(v) + kEol;
    }
    out += kEol;
  });
  return out;
}

RegModel ParseRegistry(const std::string& text, bool& clean) {
  RegModel model;
  RegKey* current = nullptr;
  bool header = false;
  clean = true;
  for (const std::string& line : Lines(text)) {
    if (line.empty() || line.starts_with(";")) continue;
    if (line == kHeader) {
      header = true;
      continue;
    }
    if (line.starts_with("[")) {
      current = nullptr;
      const std::string path = line.size() >= 3 && line.back() == ']' ? line.substr(1, line.size() - 2) : "";
      if (path.empty() || path.front() == '-' || !HasKnownRoot(path) || path.find("\\\\") != std::string::npos ||
          path.back() == '\\') {
        clean = false;
        continue;
      }
      model.Create(path);
      current = model.Find(path);
      continue;
    }
    auto value = current ? ParseValueLine(line) : std::nullopt;
    if (!value) {
      clean = false;
      continue;
    }
    if (RegValue* old = current->FindValue(value->name)) {
      *old = std::move(*value);
    } else {
      current->values.push_back(std::move(*value));
    }
  }
  // Anything but REGEDIT4 text (a UTF-16 export, say) lacks the header.
  if (!header && !text.empty()) clean = false;
  return model;
}

}  // namespace win32::svc
