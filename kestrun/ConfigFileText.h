// The lines that the tabs of a connector window contribute to the
// connector's configuration file, built from the model. A tab takes its
// controls' values into the model and appends its part with these; the
// codec's WriteConfigFile puts the header before them.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class CConnector;
class CConnectorFileCodec;
class HvProperty;

class CConfigFileText {
 public:
  // "name = value", or "name *= encrypted" for a value kept encrypted. FALSE
  // with the message in `error` when such a value cannot be encrypted: no
  // secret is ever written in clear.
  static BOOL AppendProperty(CConnectorFileCodec& codec, const CConnector& connector, const HvProperty& property,
                             CString& text, CString& error);
  // Standard properties tab: every standard property, in the model's order.
  static BOOL AppendStandardProperties(CConnectorFileCodec& codec, const CConnector& connector, CString& text,
                                       CString& error);
  // Application properties tab: its properties, then the section's kept
  // comment lines.
  static BOOL AppendApplicationProperties(CConnectorFileCodec& codec, const CConnector& connector, CString& text,
                                          CString& error);
  // Supported business objects tab of the connector's mode.
  static void AppendSupportedObjects(const CConnector& connector, CString& text);
  // Associated maps tab (QVS); the business objects bound explicitly to no
  // map are left out and named in `unassociated`.
  static void AppendAssociatedMaps(const CConnector& connector, CString& text, CStringList& unassociated);
  // Resources tab (QVS).
  static void AppendResource(const CConnector& connector, CString& text);
  // Trace and log tab: the [LOGGING] and [TRACING] sections.
  static void AppendLogTrace(const CConnector& connector, CString& text);
  // Data handler tab (KBRX): the [DATAHANDLERS] section, only while the
  // connector's events are "JMS".
  static void AppendDataHandlers(const CConnector& connector, CString& text);
  // The whole file from the model alone, every section above in the tabs'
  // order (a writer without the connector's window). FALSE when a value
  // cannot be encrypted or the file was not written.
  static BOOL WriteWholeFile(CConnectorFileCodec& codec, CConnector& connector, const CString& path);
};
