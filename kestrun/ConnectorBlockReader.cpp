#include "ConnectorBlockReader.h"

#include <afxwin.h>

#include <functional>
#include <string>

#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "ConnectorFileLines.h"
#include "KestrunConstants.h"
#include "resource.h"

namespace rc = dravon::repocopy;

namespace {

CString ToCString(std::string_view text) { return CString(text.data(), int(text.size())); }

bool Is(const CString& text, const char* name) { return text.CompareNoCase(name) == 0; }

bool IsTagLine(const CString& line) { return rc::IsTag(std::string_view(line, size_t(line.GetLength()))); }

CString TagOf(const CString& line) { return ToCString(rc::TagName(std::string_view(line, size_t(line.GetLength())))); }

// The key and value of a trimmed line.
void FieldOf(const CString& line, CString& key, CString& value) {
  const rc::Field field = rc::SplitField(std::string_view(line, size_t(line.GetLength())));
  key = ToCString(field.key);
  key.Trim();
  value = ToCString(field.value);
  value.Trim();
}

bool IsEnd(const CString& line) { return IsTagLine(line) && Is(TagOf(line), "End"); }

// "true" and "false" in either case; anything else is neither.
int TruthOf(const CString& value) {
  if (Is(value, "true")) return 1;
  if (Is(value, "false")) return 0;
  return -1;
}

}  // namespace

CConnectorBlockReader::CConnectorBlockReader(CConnectorFileCodec& codec, rc::LineReader& lines)
    : m_codec(codec), m_lines(lines) {}

bool CConnectorBlockReader::Next(CString& line) {
  while (m_lines.Next()) {
    // A text line holds no NUL: one would cut every name and value short
    // where it is handed on as a C string.
    std::string text(m_lines.Text());
    std::erase(text, '\0');
    line = ToCString(text);
    line.Trim();
    if (!line.IsEmpty()) return true;
  }
  return false;
}

bool CConnectorBlockReader::ReadHeader() {
  bool found = false;
  CString line;
  while (Next(line)) {
    if (IsTagLine(line)) {
      const CString name = TagOf(line);
      if (Is(name, REPOSITORY_HEADER_NAME)) found = true;
      if (Is(name, "End")) return found;
      continue;
    }
    CString key;
    CString value;
    FieldOf(line, key, value);
    if (Is(key, "Version")) {
      m_codec.m_strVersion = value;
    } else if (Is(key, "RepositoryID")) {
      m_codec.m_strRepositoryId = value;
    }
  }
  return false;
}

bool CConnectorBlockReader::FindNextConnector() {
  while (m_lines.Next()) {
    const std::string_view raw = m_lines.Text();
    if (rc::Indent(raw) == 0 && rc::IsTag(raw) && rc::EqualsNoCase(rc::TagName(raw), CONNECTOR_BLOCK_NAME)) return true;
  }
  return false;
}

bool CConnectorBlockReader::ReadConnector(CConnector& connector) {
  CString line;
  while (Next(line)) {
    if (IsTagLine(line)) {
      const CString name = TagOf(line);
      if (Is(name, "End")) return !connector.m_strName.IsEmpty();
      if (Is(name, "SupportedBusObjSpecs")) {
        ReadSupportedObjects(connector);
      } else if (Is(name, "Mapping")) {
        SkipBlock();
      } else if (Is(name, "DeltaSupport")) {
        ReadDeltaSupport(connector);
      } else if (Is(name, "Property")) {
        ReadProperties(connector);
      } else if (Is(name, "Resource")) {
        ReadResource(connector);
      }
      continue;
    }
    CString key;
    CString value;
    FieldOf(line, key, value);
    if (Is(key, "Name")) {
      connector.m_strName = value;
      connector.m_nType = CONNECTOR_QVS;
    } else if (Is(key, "Version")) {
      connector.SetVersion(value);
    } else if (Is(key, "ConfiguredStatus")) {
      connector.m_strConfiguredStatus = value;
    } else if (Is(key, "ListenQueue")) {
      connector.m_strListenQueue = value;
    } else if (Is(key, "SendQueue")) {
      connector.m_strSendQueue = value;
    } else if (Is(key, "MaxTranLevelSupported")) {
      connector.m_nTransLevel = connector_lines::ParseInt(value);
    }
  }
  return false;
}

// Passes over a sub-block and whatever it nests, to its own "[End]".
void CConnectorBlockReader::SkipBlock() {
  int depth = 1;
  CString line;
  while (depth > 0 && Next(line)) {
    if (!IsTagLine(line)) continue;
    depth += IsEnd(line) ? -1 : 1;
  }
}

// Reads a sub-block of "Name = " lines, each followed by a truth field
// `flagKey`, handing every name whose truth was read to `take`.
void CConnectorBlockReader::ReadNamedTruths(const char* flagKey,
                                            const std::function<void(const CString&, bool)>& take) {
  CString name;
  bool truth = false;
  bool pending = false;
  CString line;
  while (Next(line)) {
    if (IsTagLine(line)) {
      if (IsEnd(line)) {
        if (pending) take(name, truth);
      } else {
        m_lines.PutBack();
      }
      return;
    }
    CString key;
    CString value;
    FieldOf(line, key, value);
    if (Is(key, "Name")) {
      if (pending) take(name, truth);
      name = value;
      pending = false;
    } else if (Is(key, flagKey)) {
      const int read = TruthOf(value);
      pending = read >= 0;
      truth = read == 1;
    }
  }
}

void CConnectorBlockReader::ReadSupportedObjects(CConnector& connector) {
  // Mapping required means the agent does not support the object.
  ReadNamedTruths("MappingRequired", [&connector](const CString& name, bool mappingRequired) {
    connector.SetSupportedBO(name, mappingRequired ? 0 : 1);
  });
}

void CConnectorBlockReader::ReadDeltaSupport(CConnector& connector) {
  ReadNamedTruths("DeltaSupport", [&connector](const CString& name, bool deltaSupport) {
    connector.AddCodecRecord(name, static_cast<BYTE>(deltaSupport ? 1 : 0));
  });
}

void CConnectorBlockReader::ReadProperties(CConnector& connector) {
  // Its "Name" says what the sub-block holds; one of another kind is
  // passed over whole, so that its "[End]" cannot end the connector.
  CString line;
  CString kind;
  while (kind.IsEmpty()) {
    if (!Next(line)) return;
    if (IsTagLine(line)) {
      if (!IsEnd(line)) m_lines.PutBack();
      return;
    }
    CString key;
    CString value;
    FieldOf(line, key, value);
    if (Is(key, "Name")) kind = value.IsEmpty() ? CString("?") : value;
  }
  const bool properties = Is(kind, "AppEndConfInfo");
  if (!properties && !Is(kind, ASSOCIATED_MAPS_KEY)) {
    SkipBlock();
    return;
  }
  Attribute attribute;
  bool open = false;
  auto handOver = [&] {
    if (!open) return;
    if (properties)
      TakeProperty(connector, attribute);
    else
      TakeMap(connector, attribute);
    attribute = Attribute();
    open = false;
  };
  while (Next(line)) {
    if (IsTagLine(line)) {
      if (IsEnd(line))
        handOver();
      else
        m_lines.PutBack();
      return;
    }
    CString key;
    CString value;
    FieldOf(line, key, value);
    if (Is(key, "AttrName")) {
      handOver();
      attribute.name = value;
      open = true;
    } else if (Is(key, "AttrValue")) {
      attribute.value = value;
    } else if (Is(key, "AttrType")) {
      attribute.type = connector_lines::ParseInt(value);
    } else if (Is(key, "AttrDescription")) {
      attribute.description = value;
    }
  }
}

void CConnectorBlockReader::TakeProperty(CConnector& connector, Attribute& attribute) {
  if (attribute.name.IsEmpty()) return;
  bool undecryptable = false;
  if (attribute.type == HvPropCipherText) {
    CString clear;
    if (m_codec.DecryptValue(attribute.value, m_codec.m_strRepositoryId, clear))
      attribute.value = clear;
    else
      undecryptable = true;
  }
  HvProperty* property = connector.FindStdProperty(attribute.name);
  const bool standard = property != nullptr;
  if (property == nullptr) property = connector.FindAppProperty(attribute.name);
  if (property == nullptr) {
    property = new HvProperty(attribute.name, attribute.value, attribute.type >= 0 ? attribute.type : HvPropString, "");
    connector.AddAppProperty(property);
  } else {
    // The file's type and value go together: the type decides which values
    // the property takes, and a pair that does not fit leaves both as they were.
    const int oldType = property->GetType();
    if (attribute.type >= 0) property->SetType(attribute.type);
    if (!property->ValidateValue(attribute.value)) {
      property->SetType(oldType);
      undecryptable = false;
    } else if (standard) {
      // Through the model, so that the dependents follow the value.
      connector.SetStdProperty(attribute.name, attribute.value);
    } else {
      property->SetValue(attribute.value);
    }
  }
  property->SetDescription(attribute.description);
  if (undecryptable && property->GetValue() == attribute.value) {
    connector.MarkUndecryptable(property);
    m_undecryptable.AddTail(attribute.name);
  }
}

void CConnectorBlockReader::TakeMap(CConnector& connector, const Attribute& attribute) {
  if (attribute.name.IsEmpty() || attribute.description.IsEmpty()) return;
  NameType map(attribute.name, attribute.value, 1);
  connector.m_maps.SetAt(attribute.description, map);
}

void CConnectorBlockReader::ReadResource(CConnector& connector) {
  // The program wrote the degree's name with blanks, others without: both
  // name the one resource.
  CString line;
  CString key;
  CString value;
  for (;;) {
    if (!Next(line)) return;
    if (IsTagLine(line)) {
      if (!IsEnd(line)) m_lines.PutBack();
      return;
    }
    FieldOf(line, key, value);
    if (Is(key, "Name")) break;
  }
  if (!Is(value, DEGREE_ENTRY) && !Is(value, DEGREE_NAME)) {
    SkipBlock();
    return;
  }
  CResourcePool pool;
  bool inPool = false;
  while (Next(line)) {
    if (IsTagLine(line)) {
      if (!IsEnd(line)) {
        // A pool opens; anything else nested is passed over.
        if (Is(TagOf(line), "ResourcePoolAllocation") && !inPool) {
          inPool = true;
          pool = CResourcePool();
        } else {
          SkipBlock();
        }
        continue;
      }
      if (!inPool) return;
      inPool = false;
      if (Is(pool.m_strClassName, CALL_TRIGGERED_CLASS)) {
        connector.m_pools[POOL_CALL_TRIGGERED] = pool;
      } else if (Is(pool.m_strClassName, EVENT_TRIGGERED_CLASS)) {
        connector.m_pools[POOL_EVENT_TRIGGERED] = pool;
      }
      continue;
    }
    FieldOf(line, key, value);
    if (!inPool) {
      if (Is(key, "Value")) connector.m_nParallelDegree = connector_lines::ParseInt(value);
    } else if (Is(key, "ResourceClassName")) {
      pool.m_strClassName = value;
    } else if (Is(key, "Tag")) {
      pool.m_strTag = value;
    } else if (Is(key, "MinAlloc")) {
      pool.m_nMinAlloc = connector_lines::ParseInt(value);
    } else if (Is(key, "MaxAlloc")) {
      pool.m_nMaxAlloc = connector_lines::ParseInt(value);
    }
  }
}

void CConnectorBlockReader::ReportUndecryptable() {
  CConnectorFileCodec::ReportUndecryptable(m_undecryptable);
  m_undecryptable.RemoveAll();
}
