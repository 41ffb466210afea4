// Writing definitions as business-object blocks of repository-copy text.
#include "RepositoryCopyBO.h"

namespace dravon::repocopy {

namespace {

// A text shown in a message on one line.
CString Printable(const CString& text) {
  std::string shown = text.str();
  for (char& c : shown) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  return CString(std::string_view(shown));
}

WriteError BadValue(const CQRBusObjDef& def, const CString& part, const char* key, const CString& value) {
  WriteError error;
  error.kind = WriteError::kBadValue;
  error.definition = def.name();
  error.field = key;
  error.part = Printable(part);
  const bool lineBreak = value.Find('\r') >= 0 || value.Find('\n') >= 0;
  error.message.Format("The business object %s cannot be written: the %s%s%s holds %s.",
                       static_cast<const char*>(Printable(error.definition)), key, part.IsEmpty() ? "" : " of ",
                       static_cast<const char*>(error.part), lineBreak ? "a line break" : "a NUL character");
  return error;
}

WriteError FileError(const ReplacingFile& file) {
  WriteError error;
  error.kind = WriteError::kFile;
  error.osError = file.ErrorNumber();
  error.message = file.ErrorMessage().c_str();
  return error;
}

const char* TrueFalse(BOOL value) { return value ? "true" : "false"; }

// Writes one block's lines, keeping the first value that cannot be written.
class BlockWriter {
 public:
  BlockWriter(LineWriter& out, const CQRBusObjDef& def) : m_out(out), m_def(def) {}

  void Part(const char* kind, const CString& name) { m_part = CString(kind) + " " + name; }
  void Tag(int indent, const char* name) { m_out.Tag(indent, name); }
  void End(int indent) { m_out.End(indent); }
  void Blank() { m_out.Blank(); }
  void Put(int indent, const char* key, const CString& value) {
    if (!m_out.Put(indent, key, value.str()) && !m_error) m_error = BadValue(m_def, m_part, key, value);
  }
  void PutIfAny(int indent, const char* key, const CString& value) {
    if (!value.IsEmpty()) Put(indent, key, value);
  }
  const WriteError& Error() const { return m_error; }

 private:
  LineWriter& m_out;
  const CQRBusObjDef& m_def;
  CString m_part;
  WriteError m_error;
};

void WriteAttribute(BlockWriter& b, const CBODefAttr& a) {
  b.Part("attribute", a.GetName());
  b.Blank();
  b.Tag(1, "Attribute");
  b.Put(1, "Name", a.GetName());
  b.Put(1, "Type", a.GetTypeName());
  if (!a.IsSimpleType()) {
    b.Put(1, "ContainedObjectVersion", a.GetContainedObjectVersion());
    b.Put(1, "Relationship", a.GetRelationship());
  }
  b.PutIfAny(1, "Cardinality", a.GetCardinality());
  b.Put(1, "MaxLength", a.GetMaxLength());
  b.Put(1, "IsKey", TrueFalse(a.IsKey()));
  b.Put(1, "IsForeignKey", TrueFalse(a.IsForeignKey()));
  b.Put(1, "IsRequired", TrueFalse(a.IsRequired()));
  b.PutIfAny(1, "AppSpecificInfo", a.GetAppInfo());
  b.PutIfAny(1, "DefaultValue", a.GetDefaultValue());
  b.Put(1, "IsRequiredServerBound", "false");
  b.PutIfAny(1, "Comments", a.GetComments());
  b.End(1);
}

void WriteVerb(BlockWriter& b, const CBODefVerb& v) {
  b.Part("verb", v.GetName());
  b.Blank();
  b.Tag(1, "Verb");
  b.Put(1, "Name", v.GetName());
  b.PutIfAny(1, "AppSpecificInfo", v.GetAppInfo());
  b.End(1);
}

void WriteProperty(BlockWriter& b, const CBOSpecProperty& p) {
  b.Part("property", p.name);
  b.Blank();
  b.Tag(1, "Property");
  b.Put(1, "Name", "BO_SPEC_PROPERTY");
  b.Put(1, "AttrName", p.name);
  b.PutIfAny(1, "AttrType", p.type);
  b.Put(1, "AttrValue", p.value);
  b.Put(1, "AttrDescription", "");
  b.End(1);
}

// The block into `text`; the first value that cannot be written, if any.
WriteError WriteBlock(std::string& text, const CQRBusObjDef& def) {
  LineWriter out(text);
  BlockWriter b(out, def);
  b.Tag(0, "BusinessObjectDefinition");
  b.Put(0, "Name", def.name());
  b.Put(0, "Version", def.GetVersion());
  b.PutIfAny(0, "AppSpecificInfo", def.GetAppInfo());
  for (INT_PTR i = 0; i < def.GetAttrs().GetSize(); ++i) WriteAttribute(b, *def.GetAttrs()[i]);
  for (INT_PTR i = 0; i < def.GetVerbs().GetSize(); ++i) WriteVerb(b, *def.GetVerbs()[i]);
  for (INT_PTR i = 0; i < def.GetProperties().GetSize(); ++i) WriteProperty(b, def.GetProperties()[i]);
  b.End(0);
  return b.Error();
}

WriteError WriteAll(LineWriter& out, const std::vector<const CQRBusObjDef*>& defs) {
  WriteHeader(out, kBusinessObjectVersion);
  for (const CQRBusObjDef* def : defs) {
    if (WriteError error = WriteDefinition(out, *def)) return error;
  }
  return {};
}

std::vector<const CQRBusObjDef*> Pointers(const CBODefArray& defs) {
  std::vector<const CQRBusObjDef*> pointers;
  pointers.reserve(static_cast<size_t>(defs.GetSize()));
  for (INT_PTR i = 0; i < defs.GetSize(); ++i) pointers.push_back(defs[i]);
  return pointers;
}

}  // namespace

std::optional<WriteError> FindUnwritableValue(const CQRBusObjDef& def) {
  std::string scratch;
  WriteError error = WriteBlock(scratch, def);
  if (!error) return std::nullopt;
  return error;
}

WriteError WriteDefinition(LineWriter& out, const CQRBusObjDef& def) {
  // Made aside first, so that a refused value leaves nothing half-written.
  thread_local std::string block;
  block.clear();
  WriteError error = WriteBlock(block, def);
  if (!error) out.AppendWritten(block);
  return error;
}

WriteError WriteText(std::string& text, const std::vector<const CQRBusObjDef*>& defs) {
  const size_t start = text.size();
  WriteError error;
  {
    LineWriter out(text);
    error = WriteAll(out, defs);
  }
  if (error) text.resize(start);
  return error;
}

WriteError WriteFile(const std::string& path, const std::vector<const CQRBusObjDef*>& defs) {
  ReplacingFile file(path);
  if (!file.Open()) return FileError(file);
  {
    LineWriter out(file);
    if (WriteError error = WriteAll(out, defs)) return error;
    if (!out.Flush()) return FileError(file);
  }
  if (!file.Commit()) return FileError(file);
  return {};
}

WriteError WriteFile(const std::string& path, const CBODefArray& defs) { return WriteFile(path, Pointers(defs)); }

}  // namespace dravon::repocopy
