// The general syntax of repository-copy text: splitting lines, reading
// them from a stream or from memory, writing them with CR LF.
#include <strings.h>

#include <algorithm>
#include <cstring>

#include "RepositoryCopy.h"

namespace dravon::repocopy {

namespace {

// Big enough that a line scan is not held up by the stream's calls.
constexpr size_t kReadChunk = 64 * 1024;
constexpr size_t kWriteChunk = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

Field SplitField(std::string_view line) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return {line, {}};
  std::string_view key = line.substr(0, eq);
  while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
  std::string_view value = line.substr(eq + 1);
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  return {key, value};
}

bool IsTag(std::string_view line) { return (!line.empty() && line[0] == '[') || (line.size() > 1 && line[1] == '['); }

std::string_view TagName(std::string_view line) {
  const size_t open = line.find('[');
  if (open == std::string_view::npos) return {};
  const size_t close = line.find(']', open + 1);
  return line.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
}

int Indent(std::string_view line) {
  const size_t first = line.find_first_not_of('\t');
  return static_cast<int>(first == std::string_view::npos ? line.size() : first);
}

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() && strncasecmp(line.data(), prefix.data(), prefix.size()) == 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithNoCase(a, b); }

bool FitsOnOneLine(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) == text.npos; }

// --- LineReader ------------------------------------------------------------------

LineReader::LineReader(std::istream& in) : m_stream(&in), m_buffer(kReadChunk) {}

LineReader::LineReader(std::string_view text) : m_memory(text) {}

bool LineReader::Next() {
  if (m_putBack) {
    m_putBack = false;
    return true;
  }
  const bool got = m_stream != nullptr ? NextFromStream() : NextFromMemory();
  if (!got) {
    m_line = {};
    return false;
  }
  ++m_number;
  if (m_first) {
    m_first = false;
    if (m_line.substr(0, kByteOrderMark.size()) == kByteOrderMark) m_line.remove_prefix(kByteOrderMark.size());
  }
  return true;
}

bool LineReader::NextNonEmpty() {
  while (Next()) {
    if (!m_line.empty()) return true;
  }
  return false;
}

void LineReader::PutBack() {
  if (m_number > 0) m_putBack = true;
}

bool LineReader::NextFromMemory() {
  if (m_memoryPos >= m_memory.size()) return false;
  const char* start = m_memory.data() + m_memoryPos;
  const size_t left = m_memory.size() - m_memoryPos;
  const auto* lf = static_cast<const char*>(std::memchr(start, '\n', left));
  const size_t length = lf != nullptr ? static_cast<size_t>(lf - start) : left;
  m_memoryPos += length + 1;
  Take({start, length});
  return true;
}

bool LineReader::Fill() {
  if (m_streamEnded) return false;
  m_stream->read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
  m_bufferPos = 0;
  m_bufferEnd = static_cast<size_t>(m_stream->gcount());
  if (m_stream->bad()) m_readFailed = true;
  if (m_bufferEnd == 0) m_streamEnded = true;
  return m_bufferEnd > 0;
}

bool LineReader::NextFromStream() {
  m_joined.clear();
  bool partial = false;  // part of the line is in m_joined
  for (;;) {
    if (m_bufferPos >= m_bufferEnd && !Fill()) {
      if (!partial) return false;
      Take(m_joined);  // the last line has no LF
      return true;
    }
    const char* start = m_buffer.data() + m_bufferPos;
    const size_t left = m_bufferEnd - m_bufferPos;
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', left));
    if (lf == nullptr) {
      m_joined.append(start, left);
      m_bufferPos = m_bufferEnd;
      partial = true;
      continue;
    }
    const size_t length = static_cast<size_t>(lf - start);
    m_bufferPos += length + 1;
    if (!partial) {
      Take({start, length});
    } else {
      m_joined.append(start, length);
      Take(m_joined);
    }
    return true;
  }
}

// Takes the CRs out: usually one at the end, which costs nothing.
void LineReader::Take(std::string_view raw) {
  while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
  if (raw.find('\r') == std::string_view::npos) {
    m_line = raw;
    return;
  }
  std::string clean;
  clean.reserve(raw.size());
  std::copy_if(raw.begin(), raw.end(), std::back_inserter(clean), [](char c) { return c != '\r'; });
  m_joined = std::move(clean);
  m_line = m_joined;
}

// --- LineWriter ------------------------------------------------------------------

LineWriter::LineWriter(std::string& text) : m_out(text) {}

LineWriter::LineWriter(ReplacingFile& file) : m_out(m_own), m_file(&file) { m_own.reserve(kWriteChunk + 4096); }

LineWriter::~LineWriter() { Flush(); }

void LineWriter::Indented(int indent) { m_out.append(static_cast<size_t>(std::max(indent, 0)), '\t'); }

void LineWriter::MaybeFlush() {
  if (m_file != nullptr && m_out.size() >= kWriteChunk) Flush();
}

void LineWriter::Tag(int indent, std::string_view name) {
  Indented(indent);
  m_out += '[';
  m_out += name;
  m_out += "]\r\n";
  MaybeFlush();
}

bool LineWriter::Put(int indent, std::string_view key, std::string_view value) {
  if (!FitsOnOneLine(key) || !FitsOnOneLine(value)) return false;
  Indented(indent);
  m_out += key;
  m_out += " = ";
  m_out += value;
  m_out += "\r\n";
  MaybeFlush();
  return true;
}

void LineWriter::Blank() {
  m_out += "\r\n";
  MaybeFlush();
}

void LineWriter::AppendWritten(std::string_view lines) {
  m_out += lines;
  MaybeFlush();
}

bool LineWriter::Flush() {
  if (m_file == nullptr) return true;
  const bool ok = m_file->Write(m_out);
  m_out.clear();
  return ok;
}

bool WriteHeader(LineWriter& out, std::string_view version,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> extra) {
  if (!FitsOnOneLine(version)) return false;
  for (const auto& [key, value] : extra) {
    if (!FitsOnOneLine(key) || !FitsOnOneLine(value)) return false;
  }
  out.Tag(0, "Pellisk");
  out.Put(0, "Version", version);
  for (const auto& [key, value] : extra) out.Put(0, key, value);
  out.End(0);
  return true;
}

}  // namespace dravon::repocopy
