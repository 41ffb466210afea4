#include "store/RepositoryCopy.h"

#include <strings.h>

#include <functional>
#include <map>

#include "BusObjDef.h"

namespace dravon {

namespace {

struct Line {
  int number;
  std::string text;
};

struct Field {
  std::string key;
  std::string value;
};

Field Split(const std::string& text) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) return {text, ""};
  std::string key = text.substr(0, eq);
  while (!key.empty() && key.back() == ' ') key.pop_back();
  const size_t start = text.find_first_not_of(' ', eq + 1);
  return {key, start == std::string::npos ? std::string() : text.substr(start)};
}

bool StartsNoCase(const std::string& text, const char* prefix) {
  const size_t n = std::char_traits<char>::length(prefix);
  return text.size() >= n && strncasecmp(text.c_str(), prefix, n) == 0;
}

bool IsTag(const std::string& text) { return (!text.empty() && text[0] == '[') || (text.size() > 1 && text[1] == '['); }

class Reader {
 public:
  explicit Reader(const std::string& text) {
    int number = 0;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      std::erase(line, '\r');
      ++number;
      if (!line.empty()) m_lines.push_back({number, line});
      start = end + 1;
    }
  }

  bool AtEnd() const { return m_next >= m_lines.size(); }
  const Line& Peek() const { return m_lines[m_next]; }
  const Line& Take() { return m_lines[m_next++]; }

  bool Fail(std::string& error, const std::string& what) const {
    const int number = m_next > 0 ? m_lines[m_next - 1].number : 0;
    error = "line " + std::to_string(number) + ": " + what;
    return false;
  }

 private:
  std::vector<Line> m_lines;
  size_t m_next = 0;
};

using Setter = std::function<void(CBODefAttr&, const std::string&)>;

const std::map<std::string, Setter>& AttrSetters() {
  static const std::map<std::string, Setter> setters = {
      {"\tType", [](CBODefAttr& a, const std::string& v) { a.SetTypeName(v.c_str()); }},
      {"\tCardinality", [](CBODefAttr& a, const std::string& v) { a.SetCardinality(v.c_str()); }},
      {"\tMaxLength", [](CBODefAttr& a, const std::string& v) { a.SetMaxLength(v.c_str()); }},
      {"\tAppSpecificInfo", [](CBODefAttr& a, const std::string& v) { a.SetAppInfo(v.c_str()); }},
      {"\tDefaultValue", [](CBODefAttr& a, const std::string& v) { a.SetDefaultValue(v.c_str()); }},
      {"\tRelationship", [](CBODefAttr& a, const std::string& v) { a.SetRelationship(v.c_str()); }},
      {"\tContainedObjectVersion", [](CBODefAttr& a, const std::string& v) { a.SetContainedObjectVersion(v.c_str()); }},
      {"\tComments", [](CBODefAttr& a, const std::string& v) { a.SetComments(v.c_str()); }},
      {"\tIsKey", [](CBODefAttr& a, const std::string& v) { a.SetKey(v == "true"); }},
      {"\tIsForeignKey", [](CBODefAttr& a, const std::string& v) { a.SetForeignKey(v == "true"); }},
      {"\tIsRequired", [](CBODefAttr& a, const std::string& v) { a.SetRequired(v == "true"); }},
      {"\tIsRequiredServerBound", [](CBODefAttr&, const std::string&) {}},
  };
  return setters;
}

bool ReadAttribute(Reader& in, CQRBusObjDef& def, std::string& error) {
  if (in.AtEnd()) return in.Fail(error, "the attribute has no name");
  const Field first = Split(in.Take().text);
  if (strcasecmp(first.key.c_str(), "\tName") != 0) return in.Fail(error, "an attribute must begin with its name");
  auto* attr = new CBODefAttr(static_cast<int>(def.GetAttrs().GetSize()) + 1, first.value.c_str(), "");
  def.GetAttrs().Add(attr);
  while (!in.AtEnd()) {
    const std::string& text = in.Take().text;
    if (StartsNoCase(text, "\t[End]")) return true;
    const Field field = Split(text);
    const auto it = AttrSetters().find(field.key);
    if (it == AttrSetters().end()) return in.Fail(error, "unknown field name " + field.key);
    it->second(*attr, field.value);
  }
  return in.Fail(error, "the attribute has no end");
}

bool ReadVerb(Reader& in, CQRBusObjDef& def, std::string& error) {
  const Field first = in.AtEnd() ? Field{} : Split(in.Take().text);
  if (first.key != "\tName" || first.value.empty()) return in.Fail(error, "a verb must begin with its name");
  CBODefVerb* verb = def.AddVerb(first.value.c_str(), "");
  while (!in.AtEnd()) {
    const std::string& text = in.Take().text;
    if (StartsNoCase(text, "\t[End]")) return true;
    const Field field = Split(text);
    if (field.key != "\tAppSpecificInfo") return in.Fail(error, "unknown verb field " + field.key);
    verb->SetAppInfo(field.value.c_str());
  }
  return in.Fail(error, "the verb has no end");
}

bool ReadProperty(Reader& in, CQRBusObjDef& def, std::string& error) {
  const Field first = in.AtEnd() ? Field{} : Split(in.Take().text);
  if (strcasecmp(first.key.c_str(), "\tname") != 0 || first.value.empty()) {
    return in.Fail(error, "a property must begin with its name");
  }
  CBOSpecProperty entry;
  bool open = false;
  auto close = [&] {
    if (open) def.AddProperty(entry.name, entry.type, entry.value, "");
    entry = CBOSpecProperty{};
    open = false;
  };
  while (!in.AtEnd()) {
    const std::string& text = in.Take().text;
    if (StartsNoCase(text, "\t[End]")) {
      close();
      return true;
    }
    const Field field = Split(text);
    if (field.key == "\tAttrName") {
      if (open && entry.value.IsEmpty()) return in.Fail(error, "a property entry has no value");
      close();
      entry.name = field.value.c_str();
      open = true;
    } else if (field.key == "\tAttrType") {
      entry.type = field.value.c_str();
    } else if (field.key == "\tAttrValue") {
      entry.value = field.value.c_str();
    } else if (field.key != "\tAttrDescription") {
      return in.Fail(error, "unknown property field " + field.key);
    }
  }
  return in.Fail(error, "the property has no end");
}

bool ReadDefinition(Reader& in, std::vector<std::unique_ptr<CQRBusObjDef>>& defs, std::string& error) {
  if (in.AtEnd()) return in.Fail(error, "the definition ends before its name");
  const Field name = Split(in.Take().text);
  if (strcasecmp(name.key.c_str(), "Name") != 0 || name.value.empty()) {
    return in.Fail(error, "a definition must begin with its name");
  }
  auto def = std::make_unique<CQRBusObjDef>(name.value.c_str(), nullptr, HvStateNew);
  while (!in.AtEnd()) {
    const std::string& text = in.Take().text;
    bool ok = true;
    if (StartsNoCase(text, "[End]")) {
      if (def->GetAttrs().IsEmpty()) def->GetAttrs().Add(new CBODefAttr(1, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String"));
      defs.push_back(std::move(def));
      return true;
    } else if (StartsNoCase(text, "\t[Attribute]")) {
      ok = ReadAttribute(in, *def, error);
    } else if (StartsNoCase(text, "\t[Verb]")) {
      ok = ReadVerb(in, *def, error);
    } else if (StartsNoCase(text, "\t[Property]")) {
      ok = ReadProperty(in, *def, error);
    } else if (const Field field = Split(text); field.key == "Version") {
      def->SetVersion(field.value.c_str());
    } else if (field.key == "AppSpecificInfo") {
      def->SetAppInfo(field.value.c_str());
    } else {
      return in.Fail(error, "unknown field " + field.key);
    }
    if (!ok) return false;
  }
  return in.Fail(error, "the definition has no end");
}

void SkipBlock(Reader& in) {
  while (!in.AtEnd() && !StartsNoCase(in.Take().text, "[End]")) {
  }
}

void SkipHeader(Reader& in) {
  if (in.AtEnd() || StartsNoCase(in.Peek().text, "[BusinessObjectDefinition]")) return;
  in.Take();  // "[Pellisk]"
  if (!in.AtEnd() && Split(in.Peek().text).key == "Version") in.Take();
  // The header may hold one more line (the connector editor's key).
  for (int extra = 0; extra < 2 && !in.AtEnd() && !IsTag(in.Peek().text); ++extra) in.Take();
  if (!in.AtEnd() && StartsNoCase(in.Peek().text, "[End]")) in.Take();
}

}  // namespace

bool ParseRepositoryCopy(const std::string& text, std::vector<std::unique_ptr<CQRBusObjDef>>& defs,
                         std::string& error) {
  Reader in(text);
  SkipHeader(in);
  if (in.AtEnd()) return in.Fail(error, "the file holds no definition");
  while (!in.AtEnd()) {
    const std::string& tag = in.Take().text;
    if (!IsTag(tag)) return in.Fail(error, "a block must begin with a tag");
    if (StartsNoCase(tag, "[BusinessObjectDefinition]")) {
      if (!ReadDefinition(in, defs, error)) return false;
    } else {
      SkipBlock(in);
    }
  }
  return true;
}

}  // namespace dravon
