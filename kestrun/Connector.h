// The model of one connector that a connector document edits: standard and
// application properties with their dependencies, supported business
// objects, message sets, maps, resources and the trace and log settings.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>

#include <map>

#include "HvProperty.h"
#include "OwnedPtrList.h"
#include "QRConnector.h"

// Bits of the model's flag word.
enum {
  CONNECTOR_SAVED = 0x02,
  CONNECTOR_NEW = 0x04,       // the server does not have it yet
  CONNECTOR_MODIFIED = 0x08,  // changed since the last load or save
  CONNECTOR_SAVED_MARK = 0x80,
};

// State words of the supported-business-object and message-set records.
enum {
  RECORD_NEW = 0x04,
  RECORD_CHANGED = 0x08,
  RECORD_STALE = 0x10,  // also "deleted" for the grids
};

// Type codes.
enum { CONNECTOR_QVS = 0, CONNECTOR_KBRX = 1 };

// The transaction-level names, in index order; the model's level code is
// the index plus 2.
extern const char* const g_szTransLevelNames[4];
constexpr int TRANS_LEVEL_FIRST_CODE = 2;

// A business object of a KBRX connector and its message-set identifier.
struct CMessageSetRecord {
  CString m_strName;
  CString m_strId;
  int m_nState = RECORD_NEW;
};

// A business object and whether the connector supports deltas for it.
struct CDeltaSupportEntry {
  CString m_strName;
  BYTE m_bDeltaSupport = 0;
};

// Where a connector writes its log or its trace.
struct CLogTraceRecord {
  CString m_strFileName = "STDOUT";
  CString m_strSizeUnit = "Bytes";
  BOOL m_bToStdout = TRUE;
  BOOL m_bToFile = FALSE;
  int m_nMaxSize = 0;
  int m_nArchives = 0;
  BOOL m_bUnlimited = FALSE;
};

// One pool of the connector's resource.
struct CResourcePool {
  CString m_strClassName;
  CString m_strTag;
  int m_nMinAlloc = 0;
  int m_nMaxAlloc = 0;
};

enum { POOL_CALL_TRIGGERED = 0, POOL_EVENT_TRIGGERED = 1, POOL_COUNT = 2 };
inline constexpr const char* DEGREE_NAME = "Parallel Process Degree";
inline constexpr const char* CALL_TRIGGERED_CLASS = "Call Triggered Requests";
inline constexpr const char* EVENT_TRIGGERED_CLASS = "Event Triggered Requests";

class CConnector : public CObject {
 public:
  // A connector with every field at its default: name, type code and flag
  // word as given (callers pass CONNECTOR_NEW | CONNECTOR_MODIFIED).
  CConnector(const char* name, int typeCode, int flags);
  // A connector loaded from the server's; a null one gives an empty new
  // connector with the standard properties at their defaults.
  explicit CConnector(CQRConnector* server);
  ~CConnector() override;
  CConnector(const CConnector&) = delete;
  CConnector& operator=(const CConnector&) = delete;

  // --- Standard and application properties ------------------------------
  HvProperty* FindStdProperty(const char* name) const;
  HvProperty* FindAppProperty(const char* name) const;
  COwnedPtrList<HvProperty>& StdPropertyList() { return m_stdPropertyList; }
  COwnedPtrList<HvProperty>& AppPropertyList() { return m_appPropertyList; }
  // False for an empty or unknown name or a refused value; otherwise marks
  // the connector modified and answers whether a dependent property became
  // active or inactive (the caller rebuilds its rows).
  bool SetStdProperty(const char* name, const char* value);
  // 1 when the value may be given to the standard property, else 0.
  int ValidateStdProperty(const char* name, const char* value) const;
  int SetAppProperty(const char* name, const char* value);
  void AddAppProperty(HvProperty* property);
  void RemoveAppProperty(const char* name);
  // Removes and deletes this very property (a grid row's own), whatever
  // other properties share its name.
  void RemoveAppProperty(HvProperty* property);
  void ApplyAppProperties(CQRConnector* server) const;
  // Re-evaluates which dependents of the property are active.
  bool UpdateDependents(HvProperty* property);

  // A property whose encrypted value could not be decrypted keeps that text
  // and is marked, so that it is written out as it came, never in clear and
  // never encrypted twice. The mark holds while the value is unchanged.
  void MarkUndecryptable(const HvProperty* property);
  bool IsUndecryptable(const HvProperty* property) const;

  // --- Supported business objects and message sets ----------------------
  int SetSupportedBO(const char* name, int agentSupport);
  void RemoveSupportedBO(const char* name);
  void DeleteAllSupportedBOs();
  CQRSupportedBO* FindSupportedBO(const char* name) const;
  CMessageSetRecord* FindMessageSet(const char* name) const;
  int SetMessageSet(const char* name, const char* id);
  void RemoveMessageSet(const char* name);
  // Removes and deletes this very record (a grid row's own).
  void RemoveMessageSetRecord(CMessageSetRecord* record);
  void DeleteAllMessageSets();
  void AddMessageSetRecord(CMessageSetRecord* record);
  void RebuildSupportedBOsFromMessageSets();
  void DropOrphanMessageSets();
  int SetTransactionLevel(const char* text);
  // Appends a delta-support entry when the name is not empty.
  void AddCodecRecord(const char* name, BYTE deltaSupport);

  // --- Name, server, resources and maps ---------------------------------
  // Detaches the model from its server connector, then renames it.
  void SetName(const char* name);
  const CString& GetVersion() const { return m_strConnectorVersion; }
  void SetVersion(const char* version) { m_strConnectorVersion = version; }
  // The server's connector, looked up or added on the server when the
  // model has none; null when the server refused it.
  CQRConnector* GetServerConnector();
  CString GetResourceClass(int resource, int row) const;
  void ApplyResources(CQRConnector* server) const;
  void ClearMaps() { m_maps.RemoveAll(); }
  // The names of the server's maps that could serve the business object.
  void BuildMapTable(const char* boName, CStringList& candidates) const;

  bool IsModified() const { return (m_nFlags & CONNECTOR_MODIFIED) != 0; }
  void SetModified() { m_nFlags |= CONNECTOR_MODIFIED; }

  CQRConnector* m_pServerConnector = nullptr;  // not owned
  int m_nType = CONNECTOR_QVS;
  CString m_strName;
  int m_nTransLevel = TRANS_LEVEL_FIRST_CODE;
  COwnedPtrList<HvProperty> m_stdPropertyList;
  COwnedPtrList<HvProperty> m_appPropertyList;
  COwnedPtrList<CQRSupportedBO> m_supportedBOs;
  CStringList m_connectorComments{10};
  CStringList m_loggingComments{10};
  CStringList m_tracingComments{10};
  COwnedPtrList<CMessageSetRecord> m_messageSets;
  CLogTraceRecord m_log;
  CLogTraceRecord m_trace;
  CString m_strMessagingText;
  CString m_strConfigVersion;
  CString m_strMimeType;
  CString m_strDHClass;
  CString m_strDataHandlerConfigMOName;
  CMapTable m_maps{10};
  COwnedPtrList<CDeltaSupportEntry> m_deltaSupport;
  CString m_strDegreeName = DEGREE_NAME;
  int m_nParallelDegree = 1;
  CResourcePool m_pools[POOL_COUNT];
  // The repository copy's texts of these names, kept as they came.
  CString m_strConfiguredStatus;
  CString m_strListenQueue;
  CString m_strSendQueue;
  CString m_strConnectorVersion = "1.0.0";
  int m_nFlags = 0;

 private:
  void LoadStandardDefaults();
  void LoadFromServer(CQRConnector* server);
  void AddDependents(HvProperty* property);
  void AddDependentsOf(HvProperty* property, CList<HvProperty*, HvProperty*>& visiting);
  bool UpdateDependentsOf(HvProperty* property, CList<HvProperty*, HvProperty*>& visiting);
  HvProperty* AddStdCopy(HvProperty* templ);
  void RemoveAppPropertyAt(POSITION at);
  void ForgetUndecryptable(const HvProperty* property) { m_undecryptable.erase(property); }

  // Property -> the encrypted text it holds and could not decrypt.
  std::map<const HvProperty*, CString> m_undecryptable;
};
