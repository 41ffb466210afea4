#include "ConnectorBlockWriter.h"

#include <algorithm>
#include <vector>

#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "KestrunConstants.h"

namespace {

std::string_view View(const CString& text) { return std::string_view(text, size_t(text.GetLength())); }

CString Number(int value) {
  CString text;
  text.Format("%d", value);
  return text;
}

}  // namespace

CConnectorBlockWriter::CConnectorBlockWriter(CConnectorFileCodec& codec, const CConnector& connector)
    : m_codec(codec), m_connector(connector) {}

bool CConnectorBlockWriter::Put(int indent, const char* key, const CString& value) {
  if (m_out.Put(indent, key, View(value))) return true;
  if (m_strError.IsEmpty())
    m_strError.Format("The value of '%s' holds a line break and cannot be written as a repository copy.", key);
  return false;
}

bool CConnectorBlockWriter::Write(std::string& text, CString& error) {
  const CConnector& c = m_connector;
  bool ok = dravon::repocopy::WriteHeader(m_out, View(m_codec.m_strVersion),
                                          {{"RepositoryID", View(m_codec.m_strRepositoryId)}});
  m_out.Blank();
  m_out.Tag(0, CONNECTOR_BLOCK_NAME);
  ok = Put(0, "Name", c.m_strName) && ok;
  ok = Put(0, "Version", c.GetVersion()) && ok;
  ok = Put(0, "ConfiguredStatus", c.m_strConfiguredStatus) && ok;
  ok = Put(0, "ListenQueue", c.m_strListenQueue) && ok;
  ok = Put(0, "SendQueue", c.m_strSendQueue) && ok;
  ok = Put(0, "MaxTranLevelSupported", Number(c.m_nTransLevel)) && ok;
  m_out.Blank();
  WriteSupportedObjects();
  WriteMaps();
  WriteDeltaSupport();
  ok = WriteProperties() && ok;
  WriteResource();
  m_out.End(0);
  m_out.Flush();
  if (!ok || !m_strError.IsEmpty()) {
    error = m_strError.IsEmpty() ? CString("A header value holds a line break.") : m_strError;
    return false;
  }
  text = std::move(m_text);
  return true;
}

void CConnectorBlockWriter::WriteSupportedObjects() {
  const auto& list = m_connector.m_supportedBOs;
  if (list.IsEmpty()) return;
  m_out.Tag(1, "SupportedBusObjSpecs");
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    const CQRSupportedBO& record = *list.GetNext(pos);
    Put(1, "Name", record.name);
    // The file says whether a map is required: the opposite of agent support.
    Put(1, "MappingRequired", record.agentSupport ? "false" : "true");
    m_out.Blank();
  }
  m_out.End(1);
  m_out.Blank();
}

void CConnectorBlockWriter::WriteMaps() {
  const CMapTable& maps = m_connector.m_maps;
  if (maps.IsEmpty()) return;
  // By business object, so that a copy read and written again is the same.
  std::vector<std::pair<CString, NameType>> entries;
  for (POSITION pos = maps.GetStartPosition(); pos != nullptr;) {
    CString bo;
    NameType map;
    maps.GetNextAssoc(pos, bo, map);
    entries.emplace_back(bo, map);
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first.Compare(b.first) < 0; });
  m_out.Tag(1, "Property");
  Put(1, "Name", ASSOCIATED_MAPS_KEY);
  for (const auto& [bo, map] : entries) {
    Put(1, "AttrName", map.m_strName);
    Put(1, "AttrValue", map.m_strType);
    Put(1, "AttrDescription", bo);
  }
  m_out.End(1);
  m_out.Blank();
}

void CConnectorBlockWriter::WriteDeltaSupport() {
  const auto& list = m_connector.m_deltaSupport;
  if (list.IsEmpty()) return;
  m_out.Blank();
  m_out.Tag(1, "DeltaSupport");
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    const CDeltaSupportEntry& entry = *list.GetNext(pos);
    Put(1, "Name", entry.m_strName);
    Put(1, "DeltaSupport", entry.m_bDeltaSupport ? "true" : "false");
    m_out.Blank();
  }
  m_out.End(1);
}

bool CConnectorBlockWriter::WriteProperties() {
  const auto& std = m_connector.m_stdPropertyList;
  const auto& app = m_connector.m_appPropertyList;
  if (std.IsEmpty() && app.IsEmpty()) return true;
  m_out.Tag(1, "Property");
  Put(1, "Name", "AppEndConfInfo");
  for (const auto* list : {&std, &app}) {
    for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
      if (!WriteProperty(*list->GetNext(pos))) return false;
    }
  }
  m_out.End(1);
  m_out.Blank();
  return true;
}

bool CConnectorBlockWriter::WriteProperty(const HvProperty& property) {
  CString value = property.GetValue();
  // A secret is written encrypted or not at all; one that came encrypted
  // and could not be decrypted goes out as it came.
  if (property.GetType() == HvPropCipherText && !m_connector.IsUndecryptable(&property) &&
      !m_codec.EncryptValue(property.GetValue(), value)) {
    m_strError = m_codec.EncryptionFailureText(property.GetName());
    return false;
  }
  Put(1, "AttrName", property.GetName());
  Put(1, "AttrType", Number(property.GetType()));
  Put(1, "AttrValue", value);
  if (!property.GetDescription().IsEmpty()) {
    CString description = property.GetDescription();
    description.Replace("\r\n", "  ");
    description.Replace("\n", "  ");
    description.Remove('\r');
    Put(1, "AttrDescription", description);
  }
  return true;
}

void CConnectorBlockWriter::WriteResource() {
  const CConnector& c = m_connector;
  if (c.m_strDegreeName.IsEmpty()) return;
  m_out.Blank();
  m_out.Tag(1, "Resource");
  Put(1, "Name", c.m_strDegreeName);
  Put(1, "Value", Number(c.m_nParallelDegree));
  m_out.Blank();
  for (const CResourcePool& pool : c.m_pools) {
    if (pool.m_strClassName.IsEmpty()) continue;
    m_out.Tag(2, "ResourcePoolAllocation");
    Put(2, "ResourceClassName", pool.m_strClassName);
    Put(2, "Tag", pool.m_strTag);
    Put(2, "MinAlloc", Number(pool.m_nMinAlloc));
    Put(2, "MaxAlloc", Number(pool.m_nMaxAlloc));
    m_out.End(2);
    m_out.Blank();
  }
  m_out.End(1);
  m_out.Blank();
}
