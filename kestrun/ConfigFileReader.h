// Reads one connector configuration file into a connector model, section
// by section, for CConnectorFileCodec::ReadConfigFile.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <optional>

#include "ConnectorFileLines.h"

class CConnector;
class CConnectorFileCodec;
struct CLogTraceRecord;

class CConfigFileReader {
 public:
  enum class Result { Read, NoConnector, Failed };

  CConfigFileReader(CConnectorFileCodec& codec, CConnector& connector, CStdioFile& file);
  // Read: the file held a connector and was read to its end. A file error
  // is reported here.
  Result Read();

 private:
  // Each section reader answers the header line it stopped at, or nothing
  // at the end of the file.
  using Line = std::optional<CString>;
  struct LogTraceKeys {
    const char* file;
    const char* mirror;
    const char* size;
    const char* archives;
  };

  Line Next();
  Line NextRaw(CString& raw);
  Line SkipSection();
  Line ReadHeader();
  Line ReadConnectorSection();
  Line ReadLogTrace(CLogTraceRecord& record, CStringList& comments, const LogTraceKeys& keys);
  Line ReadMessaging();
  Line ReadDataHandlers();

  void ReadProperty(const connector_lines::KeyValue& field);
  void ReadStandardProperty(const connector_lines::KeyValue& field);
  void ReadSupportedObjects(const CString& value);
  void ReadAssociatedMaps(const CString& value);
  void ReadResource(const CString& value);
  // The clear text of a value read with "*="; nullopt when there is no key
  // (after the message) or it cannot be decrypted.
  std::optional<CString> Decrypt(const CString& value);

  CConnectorFileCodec& m_codec;
  CConnector& m_connector;
  CStdioFile& m_file;
  bool m_bSawConnector = false;
  CStringList m_undecryptable;
};
