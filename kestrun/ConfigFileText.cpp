#include "ConfigFileText.h"

#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "KestrunConstants.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// The property's line; `trimValue` as the standard properties tab writes.
BOOL PropertyLine(CConnectorFileCodec& codec, const CConnector& connector, const HvProperty& property, bool trimValue,
                  CString& text, CString& error) {
  if (property.GetType() != HvPropCipherText) {
    CString value = property.GetValue();
    if (trimValue) value.Trim();
    text += property.GetName() + " = " + value + kLineEnd;
    return TRUE;
  }
  // A value that could not be decrypted goes out as it came in.
  CString encrypted = property.GetValue();
  if (!connector.IsUndecryptable(&property) && !codec.EncryptValue(property.GetValue(), encrypted)) {
    error = codec.EncryptionFailureText(property.GetName());
    return FALSE;
  }
  text += property.GetName() + " *= " + encrypted + kLineEnd;
  return TRUE;
}

void AppendLines(const CStringList& lines, CString& text) {
  for (POSITION pos = lines.GetHeadPosition(); pos != nullptr;) text += lines.GetNext(pos) + kLineEnd;
}

struct LogTraceKeys {
  const char* header;
  const char* file;
  const char* mirror;
  const char* size;
  const char* archives;
};

void AppendRecord(const CLogTraceRecord& record, const CStringList& comments, const LogTraceKeys& keys, CString& text) {
  text += CString(kLineEnd) + keys.header + kLineEnd;
  CString file;
  CString mirror = "FALSE";
  if (record.m_bToFile) {
    file = record.m_strFileName;
    if (record.m_bToStdout) mirror = "TRUE";
  } else if (record.m_bToStdout) {
    file = "STDOUT";
  }
  text += CString(keys.file) + " = " + file + kLineEnd;
  text += CString(keys.mirror) + " = " + mirror + kLineEnd;
  if (record.m_bToFile) {
    CString size = "UNLIMITED";
    if (!record.m_bUnlimited) {
      const CString unit = record.m_strSizeUnit == "Bytes" ? CString() : record.m_strSizeUnit;
      size.Format("%d %s", record.m_nMaxSize, static_cast<LPCTSTR>(unit));
    }
    CString archives;
    archives.Format("%d", record.m_nArchives);
    text += CString(keys.size) + " = " + size + kLineEnd;
    text += CString(keys.archives) + " = " + archives + kLineEnd;
  }
  AppendLines(comments, text);
}

}  // namespace

BOOL CConfigFileText::AppendProperty(CConnectorFileCodec& codec, const CConnector& connector,
                                     const HvProperty& property, CString& text, CString& error) {
  return PropertyLine(codec, connector, property, false, text, error);
}

BOOL CConfigFileText::AppendStandardProperties(CConnectorFileCodec& codec, const CConnector& connector, CString& text,
                                               CString& error) {
  const auto& list = connector.m_stdPropertyList;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    if (!PropertyLine(codec, connector, *list.GetNext(pos), true, text, error)) return FALSE;
  }
  return TRUE;
}

BOOL CConfigFileText::AppendApplicationProperties(CConnectorFileCodec& codec, const CConnector& connector,
                                                  CString& text, CString& error) {
  const auto& list = connector.m_appPropertyList;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    const HvProperty& property = *list.GetNext(pos);
    if (property.GetName().IsEmpty() || (property.GetState() & HvPropFlagDeleted)) continue;
    if (!PropertyLine(codec, connector, property, false, text, error)) return FALSE;
  }
  AppendLines(connector.m_connectorComments, text);
  return TRUE;
}

void CConfigFileText::AppendSupportedObjects(const CConnector& connector, CString& text) {
  CString entries;
  auto add = [&entries](const CString& entry) {
    if (!entries.IsEmpty()) entries += ";";
    entries += entry;
  };
  if (connector.m_nType == CONNECTOR_KBRX) {
    for (POSITION pos = connector.m_messageSets.GetHeadPosition(); pos != nullptr;) {
      const CMessageSetRecord& record = *connector.m_messageSets.GetNext(pos);
      if ((record.m_nState & RECORD_STALE) || record.m_strName.IsEmpty() || record.m_strId.IsEmpty()) continue;
      add(record.m_strName + "=" + record.m_strId);
    }
  } else {
    for (POSITION pos = connector.m_supportedBOs.GetHeadPosition(); pos != nullptr;) {
      const CQRSupportedBO& record = *connector.m_supportedBOs.GetNext(pos);
      if ((record.state & RECORD_STALE) || record.name.IsEmpty()) continue;
      add(record.name + (record.agentSupport ? "=TRUE" : "=FALSE"));
    }
  }
  text += CString(SUPPORTED_OBJECTS_KEY) + " = " + entries + kLineEnd;
}

void CConfigFileText::AppendAssociatedMaps(const CConnector& connector, CString& text, CStringList& unassociated) {
  CString entries;
  for (POSITION pos = connector.m_supportedBOs.GetHeadPosition(); pos != nullptr;) {
    const CQRSupportedBO& record = *connector.m_supportedBOs.GetNext(pos);
    if (record.state & RECORD_STALE) continue;
    NameType map;
    CString flag = "FALSE";
    if (connector.m_maps.Lookup(record.name, map) && map.m_nFlag == 1) flag = "TRUE";
    if (map.m_strType.IsEmpty()) map.m_strType = "HlMap";
    if (map.m_strName.IsEmpty() && flag == "TRUE") {
      unassociated.AddTail(record.name);
      continue;
    }
    if (!entries.IsEmpty()) entries += ";";
    entries += record.name + "=" + map.m_strName + "," + map.m_strType + "," + flag;
  }
  text += CString(ASSOCIATED_MAPS_KEY) + " = " + entries + kLineEnd;
}

void CConfigFileText::AppendResource(const CConnector& connector, CString& text) {
  const CResourcePool& call = connector.m_pools[POOL_CALL_TRIGGERED];
  const CResourcePool& event = connector.m_pools[POOL_EVENT_TRIGGERED];
  CString line;
  line.Format("%s = %s=%d;CTR=%d,%d;ETR=%d,%d", RESOURCE_KEY, DEGREE_ENTRY, connector.m_nParallelDegree,
              call.m_nMinAlloc, call.m_nMaxAlloc, event.m_nMinAlloc, event.m_nMaxAlloc);
  text += line + kLineEnd;
}

void CConfigFileText::AppendLogTrace(const CConnector& connector, CString& text) {
  AppendRecord(connector.m_log, connector.m_loggingComments,
               {LOGGING_HEADER_LINE, "LOG_FILE", "MIRROR_LOG_TO_STDOUT", "MAX_LOG_FILE_SIZE", "NUMBER_OF_ARCHIVE_LOGS"},
               text);
  text += kLineEnd;
  AppendRecord(
      connector.m_trace, connector.m_tracingComments,
      {TRACING_HEADER_LINE, "TRACE_FILE", "MIRROR_TRACE_TO_STDOUT", "MAX_TRACE_FILE_SIZE", "NUMBER_OF_ARCHIVE_TRACES"},
      text);
}

void CConfigFileText::AppendDataHandlers(const CConnector& connector, CString& text) {
  const HvProperty* events = connector.FindStdProperty("ContainerManagedEvents");
  if (events == nullptr || events->GetValue() != "JMS") return;
  text += CString(kLineEnd) + "[DATAHANDLERS]" + kLineEnd;
  text += "MimeType = " + connector.m_strMimeType + kLineEnd;
  text += "DHClass = " + connector.m_strDHClass + kLineEnd;
  text += "DataHandlerConfigMOName = " + connector.m_strDataHandlerConfigMOName + kLineEnd;
}

BOOL CConfigFileText::WriteWholeFile(CConnectorFileCodec& codec, CConnector& connector, const CString& path) {
  CString text;
  CString error;
  if (!AppendStandardProperties(codec, connector, text, error) ||
      !AppendApplicationProperties(codec, connector, text, error))
    return FALSE;
  AppendSupportedObjects(connector, text);
  CStringList unassociated;
  AppendAssociatedMaps(connector, text, unassociated);
  AppendResource(connector, text);
  AppendLogTrace(connector, text);
  AppendDataHandlers(connector, text);
  return codec.WriteConfigFile(path, &connector, text);
}
