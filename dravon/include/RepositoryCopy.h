// The repository-copy text format's general syntax, shared by every kind of
// block: a "[Pellisk]" header block with a "Version = " line, then blocks
// of "key = value" lines with one tab of indent per nesting level, each
// block closed by "[End]". Lines are written with CR LF and read split at
// LF, with every CR taken out.
//
// The business-object blocks sit on this in RepositoryCopyBO.h; other
// kinds of blocks (connectors) use LineReader and LineWriter directly.
#pragma once

#include <mfc/export.h>

#include <initializer_list>
#include <istream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dravon::repocopy {

// The version Orvex writes into the header.
inline constexpr std::string_view kBusinessObjectVersion = "3.0.0";

// --- Lines -------------------------------------------------------------------

// A field line split at its first "=": the key without its trailing
// blanks (its leading tabs stay), the value without its leading blanks
// (trailing ones stay). A line without "=" is all key.
struct AFX_EXT_CLASS Field {
  std::string_view key;
  std::string_view value;
};
AFX_EXT_API Field SplitField(std::string_view line);

// A block tag: the line's first or second character is "[".
AFX_EXT_API bool IsTag(std::string_view line);
// The name between the first "[" and the "]" after it ("Attribute" for
// "\t[Attribute]"); empty when the line has no "[".
AFX_EXT_API std::string_view TagName(std::string_view line);
// The number of leading tabs.
AFX_EXT_API int Indent(std::string_view line);
// Whether the line starts with the prefix, letters compared without case.
AFX_EXT_API bool StartsWithNoCase(std::string_view line, std::string_view prefix);
AFX_EXT_API bool EqualsNoCase(std::string_view a, std::string_view b);

// Reads a text line by line, from a stream (only the current line and a
// read buffer are held, whatever the file's size) or from memory. A
// UTF-8 byte-order mark before the first line is not part of it.
class AFX_EXT_CLASS LineReader {
 public:
  explicit LineReader(std::istream& in);
  // The text is not copied: it must outlive the reader.
  explicit LineReader(std::string_view text);
  explicit LineReader(std::string&& text) = delete;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line, empty ones included; false at the end of the text.
  bool Next();
  // The next line that is not empty; false at the end of the text.
  bool NextNonEmpty();
  // The next Next() gives the current line again (one line back at most).
  void PutBack();

  // The current line without CR characters; valid until the next Next().
  std::string_view Text() const { return m_line; }
  // Its 1-based number in the text (counted at LF); 0 before the first.
  int Number() const { return m_number; }
  // True when the stream failed for another reason than its end.
  bool ReadFailed() const { return m_readFailed; }

 private:
  bool Fill();
  bool NextFromStream();
  bool NextFromMemory();
  void Take(std::string_view raw);

  std::istream* m_stream = nullptr;
  std::string_view m_memory;
  size_t m_memoryPos = 0;
  std::vector<char> m_buffer;
  size_t m_bufferPos = 0;
  size_t m_bufferEnd = 0;
  bool m_streamEnded = false;
  bool m_readFailed = false;
  std::string m_joined;  // a line that crossed the read buffer, or had CRs inside
  std::string_view m_line;
  int m_number = 0;
  bool m_putBack = false;
  bool m_first = true;
};

class ReplacingFile;

// Writes lines with CR LF, into a text in memory or on into a file.
// A value that holds CR, LF or NUL is refused: a line break inside it
// would end its line early and let the rest pass for keys of their own.
class AFX_EXT_CLASS LineWriter {
 public:
  // Appends to the text.
  explicit LineWriter(std::string& text);
  // Writes to the file in chunks; Flush() hands over the rest.
  explicit LineWriter(ReplacingFile& file);
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // "[name]" after `indent` tabs.
  void Tag(int indent, std::string_view name);
  // "[End]" after `indent` tabs.
  void End(int indent) { Tag(indent, "End"); }
  // key " = " value after `indent` tabs. False, and nothing written, when
  // the key or the value cannot stand on one line.
  bool Put(int indent, std::string_view key, std::string_view value);
  // An empty line.
  void Blank();
  // Lines that another LineWriter made, as they are.
  void AppendWritten(std::string_view lines);
  // Writes what is held to the file (a text target has nothing to do);
  // false once a write to the file failed.
  bool Flush();

 private:
  void Indented(int indent);
  void MaybeFlush();

  std::string m_own;
  std::string& m_out;
  ReplacingFile* m_file = nullptr;
};

// Whether the text can be written as (part of) one line.
AFX_EXT_API bool FitsOnOneLine(std::string_view text);

// "[Pellisk]", "Version = " + version, the extra fields in order, "[End]".
// False, with nothing written, when a value cannot stand on one line.
AFX_EXT_API bool WriteHeader(LineWriter& out, std::string_view version,
                             std::initializer_list<std::pair<std::string_view, std::string_view>> extra = {});

// --- Files ---------------------------------------------------------------------

// A file written in full beside its target and then renamed over it, so
// that a failed or killed write never leaves a truncated file where a good
// one was. Through a symbolic link the file it names is replaced; the new
// file keeps the permissions of the one it replaces.
class AFX_EXT_CLASS ReplacingFile {
 public:
  explicit ReplacingFile(std::string path);
  // Removes the temporary file unless Commit succeeded.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file beside the target.
  bool Open();
  bool Write(std::string_view bytes);
  // Writes the file to disk and puts it in the target's place.
  bool Commit();

  const std::string& Path() const { return m_path; }
  // After a failure: the system's error number and a message naming the
  // file and the reason.
  int ErrorNumber() const { return m_errno; }
  const std::string& ErrorMessage() const { return m_message; }

 private:
  bool Fail(const char* what);
  bool NotOpen();

  std::string m_path;
  std::string m_target;
  std::string m_temporary;
  int m_fd = -1;
  bool m_committed = false;
  int m_errno = 0;
  std::string m_message;
};

}  // namespace dravon::repocopy
