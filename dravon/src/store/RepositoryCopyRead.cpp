// Reading business-object blocks of repository-copy text into
// definitions.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "RepositoryCopyBO.h"

namespace dravon::repocopy {

namespace {

constexpr std::string_view kDefinitionTag = "[BusinessObjectDefinition]";
constexpr const char* kTheFile = "The file";

CString Str(std::string_view text) { return CString(text); }

std::string_view WithoutTabs(std::string_view text) {
  text.remove_prefix(static_cast<size_t>(Indent(text)));
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsDefinitionEnd(std::string_view line) { return StartsWithNoCase(line, "[End]"); }
bool IsSubBlockEnd(std::string_view line) { return StartsWithNoCase(line, "\t[End]"); }

// The attribute keys, compared exactly (case and tab included).
using AttrSetter = void (*)(CBODefAttr&, std::string_view);
struct AttrKey {
  std::string_view key;
  AttrSetter set;
};
const AttrKey kAttrKeys[] = {
    {"\tType", [](CBODefAttr& a, std::string_view v) { a.SetTypeName(Str(v)); }},
    {"\tMaxLength", [](CBODefAttr& a, std::string_view v) { a.SetMaxLength(Str(v)); }},
    {"\tIsKey", [](CBODefAttr& a, std::string_view v) { a.SetKey(v == "true"); }},
    {"\tIsForeignKey", [](CBODefAttr& a, std::string_view v) { a.SetForeignKey(v == "true"); }},
    {"\tIsRequired", [](CBODefAttr& a, std::string_view v) { a.SetRequired(v == "true"); }},
    {"\tIsRequiredServerBound", [](CBODefAttr&, std::string_view) {}},
    {"\tAppSpecificInfo", [](CBODefAttr& a, std::string_view v) { a.SetAppInfo(Str(v)); }},
    {"\tDefaultValue", [](CBODefAttr& a, std::string_view v) { a.SetDefaultValue(Str(v)); }},
    {"\tCardinality", [](CBODefAttr& a, std::string_view v) { a.SetCardinality(Str(v)); }},
    {"\tComments", [](CBODefAttr& a, std::string_view v) { a.SetComments(Str(v)); }},
    {"\tRelationship", [](CBODefAttr& a, std::string_view v) { a.SetRelationship(Str(v)); }},
    {"\tContainedObjectVersion", [](CBODefAttr& a, std::string_view v) { a.SetContainedObjectVersion(Str(v)); }},
};

AttrSetter FindAttrSetter(std::string_view key) {
  for (const AttrKey& k : kAttrKeys) {
    if (k.key == key) return k.set;
  }
  return nullptr;
}

CQRBusObjDef* MakePlain(const char* name) { return new CQRBusObjDef(name, nullptr, HvStateNew); }

Error CannotRead(const std::string& path, int error) {
  return {kCannotRead, 0, Str(path + ": " + std::strerror(error))};
}

// Opens a file to read, or says why not. A folder opens as a stream on
// this system but reads as nothing, so it is told apart first.
bool OpenToRead(const std::string& path, std::ifstream& in, Error& error) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    error = CannotRead(path, errno);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    error = CannotRead(path, EISDIR);
    return false;
  }
  in.open(path, std::ios::binary);
  if (!in) {
    error = CannotRead(path, errno != 0 ? errno : EIO);
    return false;
  }
  return true;
}

}  // namespace

// --- Messages ------------------------------------------------------------------------

const char* ErrorFormat(int code) {
  switch (code) {
    case kNoDefinitions:
      return "%s does not contain any Business Object definitions";
    case kNoVersion:
      return "Line %d: No repository copy version available";
    case kMissingHeader:
      return "Line %d: Missing [BusinessObjectDefinition] header";
    case kIncomplete:
      return "The content of the BO definition %s is incomplete";
    case kNoName:
      return "Line %d: The first field in a business object definition must be its name";
    case kInvalidAttribute:
      return "Line %d: %s Invalid attribute";
    case kAttributeWithoutName:
      return "Line %d: The first attribute of the business object must be its name";
    case kUnknownField:
      return "Line %d: Unknown field name %s encountered";
    case kPropertyWithoutName:
      return "Line %d: Properties must have their name as the first field";
    case kNullPropertyName:
      return "Line %d: NULL property name encountered";
    case kPropertyNameTwice:
      return "Line %d: Property name encountered twice";
    case kInvalidField:
      return "Line %d: The field is invalid";
    case kInvalidVerb:
      return "Line %d: %s Invalid verb";
    case kNameExists:
      return "A business object with this name already exists";
    case kCannotRead:
      return "Cannot read %s";
    default:
      return "";
  }
}

CString ErrorText(const Error& error) {
  CString text;
  const char* format = ErrorFormat(error.code);
  switch (error.code) {
    case kNoDefinitions:
    case kIncomplete:
    case kCannotRead:
      text.Format(format, static_cast<const char*>(error.text));
      break;
    case kInvalidAttribute:
    case kUnknownField:
    case kInvalidVerb:
      text.Format(format, error.line, static_cast<const char*>(error.text));
      break;
    case kNameExists:
      text.Format("Line %d: %s: %s", error.line, format, static_cast<const char*>(error.text));
      break;
    case kNoError:
      break;
    default:
      if (*format != '\0') text.Format(format, error.line);
      break;
  }
  return text;
}

// --- BODefReader -----------------------------------------------------------------------

BODefReader::BODefReader(LineReader& in, ReadHooks hooks, DefMaker make)
    : m_in(in), m_hooks(std::move(hooks)), m_make(make ? std::move(make) : DefMaker(MakePlain)) {}

bool BODefReader::Fail(int code, int line, const CString& text) {
  m_error = {code, line, text};
  m_ended = true;
  return false;
}

bool BODefReader::NextLine() {
  if (!m_in.NextNonEmpty()) return false;
  // A NUL would cut a name or value short where it is stored.
  if (m_in.Text().find('\0') != std::string_view::npos) return Fail(kInvalidField, m_in.Number());
  return true;
}

bool BODefReader::NextInDefinition(const CQRBusObjDef& def) {
  if (NextLine()) return true;
  if (!m_error) Fail(kIncomplete, m_in.Number(), def.name());
  return false;
}

bool BODefReader::ReadHeader() {
  m_headerRead = true;
  if (!NextLine()) return m_error ? false : Fail(kNoDefinitions, 0, kTheFile);
  if (m_in.Text().find(kDefinitionTag) != std::string_view::npos) {
    m_noVersionLine = m_in.Number();
    m_in.PutBack();
  } else if (!StartsWithNoCase(m_in.Text(), "[Pellisk]")) {
    return Fail(kMissingHeader, m_in.Number());
  } else {
    // The header's fields (the version, and the connector editor's key),
    // up to its "[End]"; another tag ends the header and starts the blocks.
    int firstLine = 0;
    for (;;) {
      if (!NextLine()) {
        if (m_error) return false;
        if (m_version.IsEmpty()) m_noVersionLine = firstLine != 0 ? firstLine : m_in.Number();
        break;
      }
      if (firstLine == 0) firstLine = m_in.Number();
      const std::string_view line = m_in.Text();
      if (IsTag(line)) {
        if (!IsDefinitionEnd(line)) m_in.PutBack();
        break;
      }
      const Field field = SplitField(line);
      if (m_version.IsEmpty() && EqualsNoCase(field.key, "Version")) m_version = Str(field.value);
    }
    if (m_version.IsEmpty() && m_noVersionLine == 0) m_noVersionLine = firstLine;
  }
  if (m_noVersionLine != 0 && m_hooks.warning) m_hooks.warning(Error{kNoVersion, m_noVersionLine, CString()});
  return true;
}

std::unique_ptr<CQRBusObjDef> BODefReader::Next() {
  if (m_ended) return nullptr;
  if (!m_headerRead && !ReadHeader()) return nullptr;
  if (!NextLine()) {
    if (!m_error && m_definitions == 0) Fail(kNoDefinitions, 0, kTheFile);
    m_ended = true;
    return nullptr;
  }
  // Only block tags stand between blocks: anything else would make the
  // rest of the text vanish unread.
  if (!StartsWithNoCase(m_in.Text(), kDefinitionTag)) {
    Fail(kMissingHeader, m_in.Number());
    return nullptr;
  }
  std::unique_ptr<CQRBusObjDef> def = ReadBlock();
  if (def) ++m_definitions;
  return def;
}

std::unique_ptr<CQRBusObjDef> BODefReader::ReadBlock() {
  const int tagLine = m_in.Number();
  if (!NextLine()) {
    if (!m_error) Fail(kIncomplete, tagLine, Str("at line " + std::to_string(tagLine)));
    return nullptr;
  }
  const Field name = SplitField(m_in.Text());
  if (!EqualsNoCase(name.key, "Name") || name.value.empty()) {
    Fail(kNoName, m_in.Number());
    return nullptr;
  }
  // Two definitions of one name would end up as one.
  if (!m_names.insert(Lower(name.value)).second) {
    Fail(kNameExists, m_in.Number(), Str(name.value));
    return nullptr;
  }
  std::unique_ptr<CQRBusObjDef> def(m_make(std::string(name.value).c_str()));
  if (!def) {
    Fail(kNoName, m_in.Number());
    return nullptr;
  }
  if (m_hooks.started) m_hooks.started(*def);
  for (;;) {
    if (!NextInDefinition(*def)) return nullptr;
    const std::string_view line = m_in.Text();
    bool ok = true;
    if (IsDefinitionEnd(line)) {
      if (def->GetAttrs().IsEmpty()) def->GetAttrs().Add(new CBODefAttr(1, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String"));
      return def;
    } else if (StartsWithNoCase(line, "\t[Attribute]")) {
      ok = ReadAttribute(*def);
    } else if (StartsWithNoCase(line, "\t[Verb]")) {
      ok = ReadVerb(*def);
    } else if (StartsWithNoCase(line, "\t[Property]")) {
      ok = ReadProperty(*def);
    } else if (const Field field = SplitField(line); field.key == "Version") {
      def->SetVersion(Str(field.value));
    } else if (field.key == "AppSpecificInfo") {
      def->SetAppInfo(Str(field.value));
    } else {
      ok = Fail(kInvalidAttribute, m_in.Number(), Str(WithoutTabs(line)));
    }
    if (!ok) return nullptr;
  }
}

bool BODefReader::ReadAttribute(CQRBusObjDef& def) {
  if (!NextInDefinition(def)) return false;
  const Field first = SplitField(m_in.Text());
  if (!EqualsNoCase(first.key, "\tName")) return Fail(kAttributeWithoutName, m_in.Number());
  auto* attr = new CBODefAttr(static_cast<int>(def.GetAttrs().GetSize()) + 1, Str(first.value), "");
  def.GetAttrs().Add(attr);
  for (;;) {
    if (!NextInDefinition(def)) return false;
    if (IsSubBlockEnd(m_in.Text())) return true;
    const Field field = SplitField(m_in.Text());
    const AttrSetter set = FindAttrSetter(field.key);
    if (set == nullptr) return Fail(kUnknownField, m_in.Number(), Str(WithoutTabs(field.key)));
    set(*attr, field.value);
  }
}

bool BODefReader::ReadVerb(CQRBusObjDef& def) {
  if (!NextInDefinition(def)) return false;
  const Field first = SplitField(m_in.Text());
  if (first.key != "\tName" || first.value.empty()) {
    return Fail(kInvalidVerb, m_in.Number(), Str(WithoutTabs(m_in.Text())));
  }
  CBODefVerb* verb = def.AddVerb(Str(first.value), "");
  for (;;) {
    if (!NextInDefinition(def)) return false;
    if (IsSubBlockEnd(m_in.Text())) return true;
    const Field field = SplitField(m_in.Text());
    if (field.key != "\tAppSpecificInfo") return Fail(kInvalidVerb, m_in.Number(), Str(WithoutTabs(m_in.Text())));
    verb->SetAppInfo(Str(field.value));
  }
}

bool BODefReader::ReadProperty(CQRBusObjDef& def) {
  if (!NextInDefinition(def)) return false;
  const Field first = SplitField(m_in.Text());
  if (!EqualsNoCase(first.key, "\tname")) return Fail(kPropertyWithoutName, m_in.Number());
  if (first.value.empty()) return Fail(kNullPropertyName, m_in.Number());
  // Entries open at "AttrName" and are stored at the next one or at the end.
  CBOSpecProperty entry;
  bool open = false;
  bool valued = false;
  const auto store = [&] {
    if (open) def.AddProperty(entry.name, entry.type, entry.value, "");
    entry = CBOSpecProperty{};
    open = valued = false;
  };
  for (;;) {
    if (!NextInDefinition(def)) return false;
    if (IsSubBlockEnd(m_in.Text())) {
      store();
      return true;
    }
    const Field field = SplitField(m_in.Text());
    if (field.key == "\tAttrName") {
      if (open && !valued) return Fail(kPropertyNameTwice, m_in.Number());
      store();
      entry.name = Str(field.value);
      open = true;
    } else if (field.key == "\tAttrType" && open) {
      entry.type = Str(field.value);
    } else if (field.key == "\tAttrValue" && open) {
      entry.value = Str(field.value);
      valued = true;
    } else if (field.key != "\tAttrDescription") {
      return Fail(kInvalidField, m_in.Number());
    }
  }
}

std::unique_ptr<CQRBusObjDef> BODefReader::FindNamed(const char* name) {
  if (m_ended || (!m_headerRead && !ReadHeader())) return nullptr;
  if (m_version.IsEmpty()) {
    Fail(kNoVersion, m_noVersionLine);
    return nullptr;
  }
  // Lines of other blocks are passed over; only a definition's tag and
  // the Name line after it are looked at.
  while (NextLine()) {
    if (!StartsWithNoCase(m_in.Text(), kDefinitionTag)) continue;
    if (!NextLine()) break;
    const Field field = SplitField(m_in.Text());
    m_in.PutBack();
    if (EqualsNoCase(field.key, "Name") && EqualsNoCase(field.value, name != nullptr ? name : "")) return ReadBlock();
  }
  m_ended = true;
  return nullptr;
}

// --- Whole texts and files -------------------------------------------------------------

namespace {

// Every definition of the text, or none: on failure what was read goes.
Error ReadAll(LineReader& in, const ReadHooks& hooks, const DefMaker& make,
              std::vector<std::unique_ptr<CQRBusObjDef>>& read) {
  BODefReader reader(in, hooks, make);
  while (std::unique_ptr<CQRBusObjDef> def = reader.Next()) read.push_back(std::move(def));
  Error error = in.ReadFailed() ? Error{kCannotRead, in.Number(), kTheFile} : reader.GetError();
  if (error) read.clear();
  return error;
}

// Runs `read` over the file's lines; a read failure names the file.
template <class ReadFn>
Error WithFile(const std::string& path, ReadFn read) {
  std::ifstream file;
  Error error;
  if (!OpenToRead(path, file, error)) return error;
  LineReader in(file);
  error = read(in);
  if (error.code == kCannotRead) error = CannotRead(path, EIO);
  return error;
}

}  // namespace

Error ReadDefinitions(LineReader& in, std::vector<std::unique_ptr<CQRBusObjDef>>& defs, const ReadHooks& hooks) {
  std::vector<std::unique_ptr<CQRBusObjDef>> read;
  const Error error = ReadAll(in, hooks, {}, read);
  for (auto& def : read) defs.push_back(std::move(def));
  return error;
}

Error ReadDefinitions(LineReader& in, CBODefArray& defs, const DefMaker& make, const ReadHooks& hooks) {
  std::vector<std::unique_ptr<CQRBusObjDef>> read;
  const Error error = ReadAll(in, hooks, make, read);
  for (auto& def : read) defs.Add(def.release());
  return error;
}

Error ReadFile(const std::string& path, std::vector<std::unique_ptr<CQRBusObjDef>>& defs, const ReadHooks& hooks) {
  return WithFile(path, [&](LineReader& in) { return ReadDefinitions(in, defs, hooks); });
}

Error ReadFile(const std::string& path, CBODefArray& defs, const DefMaker& make, const ReadHooks& hooks) {
  return WithFile(path, [&](LineReader& in) { return ReadDefinitions(in, defs, make, hooks); });
}

Error ReadEach(const std::string& path, const std::function<bool(std::unique_ptr<CQRBusObjDef> def)>& take,
               const ReadHooks& hooks) {
  return WithFile(path, [&](LineReader& in) {
    BODefReader reader(in, hooks);
    while (std::unique_ptr<CQRBusObjDef> def = reader.Next()) {
      if (!take(std::move(def))) return Error{};
    }
    return in.ReadFailed() ? Error{kCannotRead, in.Number(), kTheFile} : reader.GetError();
  });
}

Error ReadDefinitionNamed(LineReader& in, const char* name, std::unique_ptr<CQRBusObjDef>& found) {
  BODefReader reader(in);
  found = reader.FindNamed(name);
  const Error error = in.ReadFailed() ? Error{kCannotRead, in.Number(), kTheFile} : reader.GetError();
  if (error) found.reset();
  return error;
}

Error ReadDefinitionNamed(const std::string& path, const char* name, std::unique_ptr<CQRBusObjDef>& found) {
  found.reset();
  return WithFile(path, [&](LineReader& in) { return ReadDefinitionNamed(in, name, found); });
}

}  // namespace dravon::repocopy
