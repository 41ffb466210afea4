#include "ConfigFileReader.h"

#include <afxwin.h>

#include <vector>

#include "ConnectorFileCodec.h"
#include "KestrunConstants.h"
#include "resource.h"

using namespace connector_lines;

namespace {

constexpr const char* kReadUpdateMethod = "connector restart";

bool Is(const CString& text, const char* name) { return text.CompareNoCase(name) == 0; }

// The pieces of `text` between the separators, as they stand.
std::vector<CString> Pieces(const CString& text, char separator) {
  std::vector<CString> pieces;
  int start = 0;
  for (;;) {
    const int end = text.Find(separator, start);
    pieces.push_back(text.Mid(start, (end < 0 ? text.GetLength() : end) - start));
    if (end < 0) break;
    start = end + 1;
  }
  return pieces;
}

// "name=value": the name trimmed on the right, the value on both sides.
void SplitEntry(const CString& entry, CString& name, CString& value) {
  const int eq = entry.Find('=');
  name = eq < 0 ? entry : entry.Left(eq);
  name.TrimRight();
  value = eq < 0 ? CString() : entry.Mid(eq + 1);
  value.Trim();
}

// "min,max" of a resource pool, split at the first ",".
void ReadPool(const CString& value, CResourcePool& pool) {
  const int comma = value.Find(',');
  pool.m_nMinAlloc = ParseInt(comma < 0 ? value : value.Left(comma));
  if (comma >= 0) pool.m_nMaxAlloc = ParseInt(value.Mid(comma + 1));
}

}  // namespace

CConfigFileReader::CConfigFileReader(CConnectorFileCodec& codec, CConnector& connector, CStdioFile& file)
    : m_codec(codec), m_connector(connector), m_file(file) {}

CConfigFileReader::Result CConfigFileReader::Read() {
  try {
    Line line = Next();
    while (line) {
      if (!IsSectionHeader(*line)) {
        line = Next();
        continue;
      }
      const CString name = SectionName(*line);
      if (Is(name, CONFIG_HEADER_NAME)) {
        line = ReadHeader();
      } else if (name.Find("ConnectorAgent") >= 0) {
        const int blank = name.FindOneOf(" \t");
        CString connectorName = blank < 0 ? name : name.Mid(blank + 1);
        connectorName.Trim();
        if (connectorName.IsEmpty()) return Result::Failed;
        m_connector.m_strName = connectorName;
        m_bSawConnector = true;
        line = ReadConnectorSection();
      } else if (Is(name, "LOGGING")) {
        line = ReadLogTrace(m_connector.m_log, m_connector.m_loggingComments,
                            {"LOG_FILE", "MIRROR_LOG_TO_STDOUT", "MAX_LOG_FILE_SIZE", "NUMBER_OF_ARCHIVE_LOGS"});
      } else if (Is(name, "TRACING")) {
        line =
            ReadLogTrace(m_connector.m_trace, m_connector.m_tracingComments,
                         {"TRACE_FILE", "MIRROR_TRACE_TO_STDOUT", "MAX_TRACE_FILE_SIZE", "NUMBER_OF_ARCHIVE_TRACES"});
      } else if (Is(name, "MESSAGING")) {
        line = ReadMessaging();
      } else if (Is(name, "DATAHANDLERS")) {
        line = ReadDataHandlers();
      } else {
        line = SkipSection();
      }
    }
  } catch (CException* e) {
    CConnectorFileCodec::ReportFileError(e);
    e->Delete();
    return Result::Failed;
  }
  m_codec.ReportUndecryptable(m_undecryptable);
  return m_bSawConnector ? Result::Read : Result::NoConnector;
}

CConfigFileReader::Line CConfigFileReader::NextRaw(CString& raw) {
  if (!m_file.ReadString(raw)) return std::nullopt;
  CString trimmed(raw);
  trimmed.Trim();
  return trimmed;
}

CConfigFileReader::Line CConfigFileReader::Next() {
  CString raw;
  return NextRaw(raw);
}

CConfigFileReader::Line CConfigFileReader::SkipSection() {
  for (Line line = Next();; line = Next()) {
    if (!line || IsSectionHeader(*line)) return line;
  }
}

CConfigFileReader::Line CConfigFileReader::ReadHeader() {
  m_codec.m_strInstallId.Empty();
  for (Line line = Next();; line = Next()) {
    if (!line || IsSectionHeader(*line)) return line;
    if (line->IsEmpty()) continue;
    const KeyValue field = SplitKeyValue(*line);
    if (Is(field.key, "Version")) {
      m_connector.m_strConfigVersion = field.value;
    } else if (Is(field.key, "INSTALLID")) {
      m_codec.m_strInstallId = field.value;
    }
  }
}

CConfigFileReader::Line CConfigFileReader::ReadConnectorSection() {
  for (Line line = Next();; line = Next()) {
    // The section ends at the first empty line: the writer puts none in it.
    if (!line || line->IsEmpty() || IsSectionHeader(*line)) return line;
    if ((*line)[0] == '#') {
      m_connector.m_connectorComments.AddTail(*line);
      continue;
    }
    const KeyValue field = SplitKeyValue(*line);
    if (field.key.IsEmpty()) return line;
    if (Is(field.key, SUPPORTED_OBJECTS_KEY)) {
      ReadSupportedObjects(field.value);
    } else if (Is(field.key, ASSOCIATED_MAPS_KEY)) {
      if (m_connector.m_nType == CONNECTOR_QVS) ReadAssociatedMaps(field.value);
    } else if (Is(field.key, RESOURCE_KEY)) {
      if (m_connector.m_nType == CONNECTOR_QVS) ReadResource(field.value);
    } else {
      if (Is(field.key, TRANSPORT_PROPERTY))
        m_connector.m_nType = Is(field.value, BROKER_TRANSPORT_VALUE) ? CONNECTOR_KBRX : CONNECTOR_QVS;
      ReadProperty(field);
    }
  }
}

CConfigFileReader::Line CConfigFileReader::ReadLogTrace(CLogTraceRecord& record, CStringList& comments,
                                                        const LogTraceKeys& keys) {
  for (Line line = Next();; line = Next()) {
    if (!line || IsSectionHeader(*line)) return line;
    if (line->IsEmpty()) continue;
    if ((*line)[0] == '#') {
      comments.AddTail(*line);
      continue;
    }
    const KeyValue field = SplitKeyValue(*line);
    if (Is(field.key, keys.file)) {
      const bool console = Is(field.value, "STDOUT");
      record.m_bToStdout = console;
      record.m_bToFile = !console && !field.value.IsEmpty();
      record.m_strFileName = record.m_bToFile ? field.value : CString();
    } else if (Is(field.key, keys.mirror)) {
      if (Is(field.value, "TRUE")) record.m_bToStdout = TRUE;
    } else if (Is(field.key, keys.size)) {
      record.m_bUnlimited = Is(field.value, "UNLIMITED");
      if (record.m_bUnlimited) continue;
      const int blank = field.value.Find(' ');
      record.m_nMaxSize = ParseInt(blank < 0 ? field.value : field.value.Left(blank));
      record.m_strSizeUnit = blank < 0 ? CString() : field.value.Mid(blank + 1);
      record.m_strSizeUnit.Trim();
    } else if (Is(field.key, keys.archives)) {
      record.m_nArchives = ParseInt(field.value);
    }
  }
}

CConfigFileReader::Line CConfigFileReader::ReadMessaging() {
  CString& text = m_connector.m_strMessagingText;
  text += CString(MESSAGING_HEADER_LINE) + "\r\n";
  for (;;) {
    CString raw;
    const Line line = NextRaw(raw);
    if (!line || IsSectionHeader(*line)) return line;
    if (!line->IsEmpty()) text += raw + "\r\n";
  }
}

CConfigFileReader::Line CConfigFileReader::ReadDataHandlers() {
  for (Line line = Next();; line = Next()) {
    if (!line || IsSectionHeader(*line)) return line;
    if (line->IsEmpty()) continue;
    const KeyValue field = SplitKeyValue(*line);
    if (Is(field.key, "MimeType")) {
      m_connector.m_strMimeType = field.value;
    } else if (Is(field.key, "DHClass")) {
      m_connector.m_strDHClass = field.value;
    } else if (Is(field.key, "DataHandlerConfigMOName")) {
      m_connector.m_strDataHandlerConfigMOName = field.value;
    }
  }
}

// --- Properties ------------------------------------------------------------

std::optional<CString> CConfigFileReader::Decrypt(const CString& value) {
  if (m_codec.m_strInstallId.IsEmpty()) {
    AfxMessageBox(IDS_INSTALL_ID_EMPTY, MB_OK);
    return std::nullopt;
  }
  CString clear;
  if (!m_codec.DecryptValue(value, m_codec.m_strInstallId, clear)) return std::nullopt;
  return clear;
}

void CConfigFileReader::ReadProperty(const KeyValue& field) {
  if (HvProperty::IsStandardName(field.key)) {
    ReadStandardProperty(field);
    return;
  }
  auto* property = new HvProperty(field.key, field.value, field.encrypted ? HvPropCipherText : HvPropString,
                                  kReadUpdateMethod, HvPropFlagNew);
  m_connector.AddAppProperty(property);
  if (!field.encrypted) return;
  const bool noKey = m_codec.m_strInstallId.IsEmpty();
  if (const std::optional<CString> clear = Decrypt(field.value)) {
    property->SetValue(*clear);
    property->SetState(HvPropFlagRead);
    return;
  }
  // Kept as read, encrypted; without a key the user has been told already.
  m_connector.MarkUndecryptable(property);
  if (!noKey) m_undecryptable.AddTail(field.key);
}

void CConfigFileReader::ReadStandardProperty(const KeyValue& field) {
  HvProperty* property = m_connector.FindStdProperty(field.key);
  if (property == nullptr) {
    property = new HvProperty(field.key, field.value, field.encrypted ? HvPropCipherText : HvPropString,
                              kReadUpdateMethod, HvPropFlagNew);
    m_connector.m_stdPropertyList.AddTail(property);
    m_connector.UpdateDependents(property);
    return;
  }
  CString value = field.value;
  bool undecryptable = false;
  if (field.encrypted) {
    // A value the file keeps encrypted stays so when it is written again.
    property->SetType(HvPropCipherText);
    if (m_codec.m_strInstallId.IsEmpty()) {
      Decrypt(value);
      value.Empty();
    } else if (const std::optional<CString> clear = Decrypt(value)) {
      value = *clear;
    } else {
      undecryptable = true;
    }
  }
  property->SetValue(value);
  property->SetState(HvPropFlagRead);
  m_connector.UpdateDependents(property);
  if (undecryptable && property->GetValue() == field.value) {
    m_connector.MarkUndecryptable(property);
    m_undecryptable.AddTail(field.key);
  }
}

// --- The connector section's own lines ---------------------------------------

void CConfigFileReader::ReadSupportedObjects(const CString& value) {
  const bool broker = m_connector.m_nType == CONNECTOR_KBRX;
  if (broker)
    m_connector.DeleteAllMessageSets();
  else
    m_connector.DeleteAllSupportedBOs();
  const std::vector<CString> entries = Pieces(WithoutLineBreaks(value), ';');
  for (const CString& entry : entries) {
    CString name;
    CString entryValue;
    SplitEntry(entry, name, entryValue);
    if (name.IsEmpty()) continue;
    if (broker)
      m_connector.AddMessageSetRecord(new CMessageSetRecord{name, entryValue, RECORD_NEW});
    else
      m_connector.m_supportedBOs.AddTail(new CQRSupportedBO{name, Is(entryValue, "true") ? 1 : 0, RECORD_NEW});
  }
}

void CConfigFileReader::ReadAssociatedMaps(const CString& value) {
  m_connector.ClearMaps();
  const std::vector<CString> entries = Pieces(WithoutLineBreaks(value), ';');
  for (const CString& entry : entries) {
    CString bo;
    CString rest;
    SplitEntry(entry, bo, rest);
    const std::vector<CString> parts = Pieces(rest, ',');
    CString map = parts[0];
    map.TrimRight();
    CString type = parts.size() > 1 ? parts[1] : CString();
    type.TrimRight();
    CString flag = parts.size() > 2 ? parts[2] : CString();
    flag.Trim();
    if (bo.IsEmpty() || map.IsEmpty()) continue;
    NameType binding(map, type, Is(flag, "TRUE") ? 1 : 0);
    m_connector.m_maps.SetAt(bo, binding);
  }
}

void CConfigFileReader::ReadResource(const CString& value) {
  const std::vector<CString> entries = Pieces(WithoutLineBreaks(value), ';');
  for (const CString& entry : entries) {
    CString name;
    CString entryValue;
    SplitEntry(entry, name, entryValue);
    name.Trim();
    if (Is(name, DEGREE_ENTRY)) {
      m_connector.m_nParallelDegree = ParseInt(entryValue);
    } else if (Is(name, "CTR")) {
      ReadPool(entryValue, m_connector.m_pools[POOL_CALL_TRIGGERED]);
    } else if (Is(name, "ETR")) {
      ReadPool(entryValue, m_connector.m_pools[POOL_EVENT_TRIGGERED]);
    }
  }
}
