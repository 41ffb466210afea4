// Writes a connector as a repository copy, for
// CConnectorFileCodec::WriteRepositoryFile, on Dravon's shared
// repository-copy writer.
#pragma once

#include <afx.h>

#include <string>

#include "RepositoryCopy.h"

class CConnector;
class CConnectorFileCodec;
class HvProperty;

class CConnectorBlockWriter {
 public:
  CConnectorBlockWriter(CConnectorFileCodec& codec, const CConnector& connector);

  // The whole file: the header block, then the connector's block. False
  // with the reason in `error` when a value cannot be written: it cannot be
  // encrypted, or it would not stand on one line.
  bool Write(std::string& text, CString& error);

 private:
  bool Put(int indent, const char* key, const CString& value);
  void WriteSupportedObjects();
  void WriteMaps();
  void WriteDeltaSupport();
  bool WriteProperties();
  bool WriteProperty(const HvProperty& property);
  void WriteResource();

  CConnectorFileCodec& m_codec;
  const CConnector& m_connector;
  std::string m_text;
  dravon::repocopy::LineWriter m_out{m_text};
  CString m_strError;
};
