// Reads the connector blocks of a repository-copy text into connector
// models, for CConnectorFileCodec's repository readers. The general syntax
// (lines, fields, tags) is Dravon's shared repository-copy reader.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <functional>
#include <string_view>

#include "RepositoryCopy.h"

class CConnector;
class CConnectorFileCodec;
class HvProperty;

class CConnectorBlockReader {
 public:
  CConnectorBlockReader(CConnectorFileCodec& codec, dravon::repocopy::LineReader& lines);

  // The header block: false when it is missing or not closed. Sets the
  // codec's version and repository identifier.
  bool ReadHeader();
  // Moves past the next "[Connector]" line; false at the end of the text.
  bool FindNextConnector();
  // The block after its "[Connector]" line: true when it closed and named
  // its connector.
  bool ReadConnector(CConnector& connector);
  // Tells the user which values stayed encrypted, once per file.
  void ReportUndecryptable();

 private:
  struct Attribute {
    CString name;
    CString value;
    int type = -1;
    CString description;
  };

  // The next line that is not empty once trimmed; false at the end.
  bool Next(CString& line);
  void ReadNamedTruths(const char* flagKey, const std::function<void(const CString&, bool)>& take);
  void ReadSupportedObjects(CConnector& connector);
  void ReadDeltaSupport(CConnector& connector);
  void ReadProperties(CConnector& connector);
  void ReadResource(CConnector& connector);
  void SkipBlock();
  void TakeProperty(CConnector& connector, Attribute& attribute);
  void TakeMap(CConnector& connector, const Attribute& attribute);

  CConnectorFileCodec& m_codec;
  dravon::repocopy::LineReader& m_lines;
  CStringList m_undecryptable;
};
