// Business-object definitions in repository-copy text: the
// "[BusinessObjectDefinition]" blocks with their attribute, verb and
// property sub-blocks, read into CQRBusObjDef objects and written from
// them, on the general syntax of RepositoryCopy.h.
//
// Who owns what:
// - The reader makes each definition with the caller's maker (a plain
//   `new CQRBusObjDef(name, nullptr, 0x04)` without one). What it hands
//   out belongs to the caller, or to whoever the maker says (the data
//   manager for CDataManager::CreateNewBODef, whose definitions may be
//   deleted by their holder at any time).
// - A read that fails deletes every definition it made: nothing of a
//   failed read is left half-made.
// - The writer only reads the definitions it is given.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "BusObjDef.h"
#include "RepositoryCopy.h"

namespace dravon::repocopy {

// The reader's codes, those of the import and export message table.
enum ErrorCode {
  kNoError = 0,
  kNoDefinitions = 1,         // "%s does not contain any Business Object definitions"
  kNoVersion = 2,             // "Line %d: No repository copy version available" (a warning)
  kMissingHeader = 3,         // "Line %d: Missing [BusinessObjectDefinition] header"
  kIncomplete = 4,            // "The content of the BO definition %s is incomplete"
  kNoName = 5,                // "Line %d: The first field in a business object definition must be its name"
  kInvalidAttribute = 6,      // "Line %d: %s Invalid attribute"
  kAttributeWithoutName = 7,  // "Line %d: The first attribute of the business object must be its name"
  kUnknownField = 8,          // "Line %d: Unknown field name %s encountered"
  kPropertyWithoutName = 9,   // "Line %d: Properties must have their name as the first field"
  kNullPropertyName = 10,     // "Line %d: NULL property name encountered"
  kPropertyNameTwice = 11,    // "Line %d: Property name encountered twice"
  kInvalidField = 13,         // "Line %d: The field is invalid" (also a NUL byte in a line)
  kInvalidVerb = 14,          // "Line %d: %s Invalid verb"
  kNameExists = 25,           // "A business object with this name already exists"
  kCannotRead = -1,           // the file could not be opened or read
};

// A failure of the reader (or the code-2 warning): the code, the 1-based
// line it concerns (0 when none) and the text that fills the message's
// "%s": the offending line or key (without its leading tabs), "The file",
// the definition's name, or for kCannotRead the path and the reason.
struct AFX_EXT_CLASS Error {
  int code = kNoError;
  int line = 0;
  CString text;
  explicit operator bool() const { return code != kNoError; }
};

// The message text of a reader code, unformatted ("Line %d: ..."); empty
// for a code the reader does not give.
AFX_EXT_API const char* ErrorFormat(int code);
// The message, formatted: "Line 8: Unknown field name Colour encountered".
AFX_EXT_API CString ErrorText(const Error& error);

// What the reader tells while it reads. Each may be empty.
struct AFX_EXT_CLASS ReadHooks {
  // The header has no version (code 2); the reading goes on.
  std::function<void(const Error& warning)> warning;
  // A definition's Name line was read and the definition made.
  std::function<void(CQRBusObjDef& def)> started;
};

// Makes a new, empty definition of the name; the reader fills it.
using DefMaker = std::function<CQRBusObjDef*(const char* name)>;

// Reads the header and then one definition after the other, holding only
// the current one: the reading of a file of any size in little memory.
//
// The header: a first line that contains "[BusinessObjectDefinition]"
// means the text has none (code-2 warning). Otherwise the first line must
// be "[Pellisk]" (else code 3); the header's fields follow up to its
// "[End]". No non-empty "Version" among them gives the code-2 warning; a
// block tag other than "[End]" ends the header without being taken from
// the blocks. After a block's "[End]" only empty lines and further block
// tags may follow (else code 3); names are unique ignoring case (code 25).
class AFX_EXT_CLASS BODefReader {
 public:
  explicit BODefReader(LineReader& in, ReadHooks hooks = {}, DefMaker make = {});
  BODefReader(const BODefReader&) = delete;
  BODefReader& operator=(const BODefReader&) = delete;

  // The next definition, complete; null at the end of the text or at the
  // first error (then GetError() tells it, and the reader stops there).
  std::unique_ptr<CQRBusObjDef> Next();
  const Error& GetError() const { return m_error; }
  // The header's version, once the first Next() has read the header.
  const CString& GetVersion() const { return m_version; }

  // Passes over the blocks, unread, up to the one whose name equals
  // `name` ignoring case, and reads that one. The header must carry a
  // non-empty version (else code 2). Null when there is no such block
  // (no error) or on error.
  std::unique_ptr<CQRBusObjDef> FindNamed(const char* name);

 private:
  bool ReadHeader();
  // The next non-empty line; false at the end of the text, or on a line
  // that no block may hold (the error is set then).
  bool NextLine();
  // NextLine, where the end of the text leaves the definition incomplete.
  bool NextInDefinition(const CQRBusObjDef& def);
  std::unique_ptr<CQRBusObjDef> ReadBlock();
  bool ReadAttribute(CQRBusObjDef& def);
  bool ReadVerb(CQRBusObjDef& def);
  bool ReadProperty(CQRBusObjDef& def);
  bool Fail(int code, int line, const CString& text = CString());

  LineReader& m_in;
  ReadHooks m_hooks;
  DefMaker m_make;
  Error m_error;
  CString m_version;
  int m_noVersionLine = 0;  // where the header lacked its version
  int m_definitions = 0;
  bool m_headerRead = false;
  bool m_ended = false;
  std::unordered_set<std::string> m_names;  // lower case
};

// Every definition of the text, appended to `defs` in the order read. On
// failure `defs` is as it was and every definition made is deleted.
AFX_EXT_API Error ReadDefinitions(LineReader& in, std::vector<std::unique_ptr<CQRBusObjDef>>& defs,
                                  const ReadHooks& hooks = {});
AFX_EXT_API Error ReadDefinitions(LineReader& in, CBODefArray& defs, const DefMaker& make, const ReadHooks& hooks = {});
// The same for a file; a file that cannot be read gives kCannotRead.
AFX_EXT_API Error ReadFile(const std::string& path, std::vector<std::unique_ptr<CQRBusObjDef>>& defs,
                           const ReadHooks& hooks = {});
AFX_EXT_API Error ReadFile(const std::string& path, CBODefArray& defs, const DefMaker& make,
                           const ReadHooks& hooks = {});

// Reads the file's definitions one at a time, each handed to `take` as
// soon as it is complete, so that a file of any size is read in little
// memory; false from `take` stops the reading (without an error).
AFX_EXT_API Error ReadEach(const std::string& path, const std::function<bool(std::unique_ptr<CQRBusObjDef> def)>& take,
                           const ReadHooks& hooks = {});

// The one definition of the text whose name equals `name` ignoring case,
// read by the block rules into a new definition (`found`), for reading a
// definition again from its file. The header must carry a non-empty
// version (else code 2); the other blocks are passed over unread. No such
// definition: no error and `found` stays null.
AFX_EXT_API Error ReadDefinitionNamed(LineReader& in, const char* name, std::unique_ptr<CQRBusObjDef>& found);
AFX_EXT_API Error ReadDefinitionNamed(const std::string& path, const char* name, std::unique_ptr<CQRBusObjDef>& found);

// --- Writing -------------------------------------------------------------------

// Why a write did not happen.
struct AFX_EXT_CLASS WriteError {
  enum Kind { kNone, kBadValue, kFile };
  Kind kind = kNone;
  CString definition;  // kBadValue: the definition's name
  CString field;       // kBadValue: the key, e.g. "Comments"
  CString part;        // kBadValue: where, e.g. "attribute Id" (empty: the definition itself)
  int osError = 0;     // kFile: the system's error number
  CString message;     // ready to show
  explicit operator bool() const { return kind != kNone; }
};

// The first value of the definition that cannot stand on one line (a CR,
// LF or NUL in it), or nothing.
AFX_EXT_API std::optional<WriteError> FindUnwritableValue(const CQRBusObjDef& def);

// The definition's block, byte for byte as the editor writes it. When a
// value cannot be written nothing is written and the answer says which.
AFX_EXT_API WriteError WriteDefinition(LineWriter& out, const CQRBusObjDef& def);

// A whole repository copy: the header (version 3.0.0) and the blocks in
// the order given. Every value is checked before anything is written.
AFX_EXT_API WriteError WriteText(std::string& text, const std::vector<const CQRBusObjDef*>& defs);
// The same into a file, through a temporary file beside it that replaces
// it only when complete: on any failure the file is as it was.
AFX_EXT_API WriteError WriteFile(const std::string& path, const std::vector<const CQRBusObjDef*>& defs);
AFX_EXT_API WriteError WriteFile(const std::string& path, const CBODefArray& defs);

}  // namespace dravon::repocopy
