// Connectors as the server holds them: properties, supported business
// objects, associated maps and the resource table.
#pragma once

#include <afxtempl.h>

#include "HvProperty.h"
#include "OwnedPtrArray.h"
#include "QRObj.h"

// An associated map of a business object: flag 1 is an explicit binding.
class AFX_EXT_CLASS NameType : public CObject {
 public:
  NameType() = default;
  NameType(const char* mapName, const char* mapType, int flag);
  NameType(const NameType& other) : CObject() { *this = other; }
  NameType& operator=(const NameType& other);

  CString m_strName;
  CString m_strType;
  int m_nFlag = 0;
};

inline CArchive& operator<<(CArchive& ar, const NameType& n) { return ar << n.m_strName << n.m_strType << n.m_nFlag; }
inline CArchive& operator>>(CArchive& ar, NameType& n) { return ar >> n.m_strName >> n.m_strType >> n.m_nFlag; }

// Business-object name to its associated map.
using CMapTable = CMap<CString, const char*, NameType, NameType&>;

// A business object the connector supports.
struct AFX_EXT_CLASS CQRSupportedBO {
  CString name;
  int agentSupport = 0;
  int state = 0;
};

// An associated map of the connector as the server keeps it.
struct AFX_EXT_CLASS CQRConnectorMap {
  CString boName;
  CString mapName;
  CString mapType;
  int flag = 0;
};

// The connector's one resource: a degree and two pools of (min, max).
// Words: degree, pool 0 min, pool 0 max, pool 1 min, pool 1 max.
constexpr int kResourceWords = 5;
constexpr int kResourcePools = 2;

class AFX_EXT_CLASS CQRConnector : public CQRObj {
  DECLARE_DYNAMIC(CQRConnector)

 public:
  CQRConnector(const char* name, CQRServer* server, int state);

  int GetObjType() const override { return HvObjConnector; }

  int GetTransLevel() const { return m_nTransLevel; }
  void SetTransLevel(int level) { m_nTransLevel = level; }
  // "None", "Minimal Effort", "Best Effort", "Stringent" (codes 2 to 5);
  // FALSE for any other text.
  BOOL SetTransLevel(const char* levelText);

  // Sets the value of a standard property; one the connector lacks is
  // added when the standard list knows it. FALSE otherwise or when the
  // property refuses the value.
  BOOL SetStdProperty(const char* name, const char* value);
  // Appends an application property; the connector owns it.
  void AddProperty(HvProperty* property);
  void AddStdProperty(HvProperty* property);
  COwnedPtrArray<HvProperty>& GetStandardProperties(int /*refresh*/ = 0) { return m_stdProps; }
  COwnedPtrArray<HvProperty>& GetAppProperties(int /*refresh*/ = 0) { return m_appProps; }
  const COwnedPtrArray<HvProperty>& GetStandardProperties(int /*refresh*/ = 0) const { return m_stdProps; }
  const COwnedPtrArray<HvProperty>& GetAppProperties(int /*refresh*/ = 0) const { return m_appProps; }
  void DeleteAppProperties() { m_appProps.DeleteAll(); }

  void AddBO(const char* name, int agentSupport);
  COwnedPtrArray<CQRSupportedBO>& GetSupportedBOs(int /*refresh*/ = 0) { return m_bos; }
  const COwnedPtrArray<CQRSupportedBO>& GetSupportedBOs(int /*refresh*/ = 0) const { return m_bos; }
  void DeleteAllBOs() { m_bos.DeleteAll(); }

  COwnedPtrArray<CQRConnectorMap>& GetMapps(int /*refresh*/ = 0) { return m_maps; }
  const COwnedPtrArray<CQRConnectorMap>& GetMapps(int /*refresh*/ = 0) const { return m_maps; }
  // Replaces the associated maps with the table's entries.
  BOOL UpdateMaps(CMapTable& table);
  // The explicit binding of the first listed business object, else the
  // first map on the server that uses it (flag 0); null when none. Valid
  // until the next call.
  NameType* GetImplicitMap(const CStringList& oneBO, const CStringList& allBOs);
  // The names of the server's maps that use the business object.
  void GetCandidateMaps(const char* boName, CStringList& names);

  // The resource table: null when the connector has none; without one the
  // getters answer empty or -1 and the setters do nothing.
  int* GetResTable() { return m_bHasResTable ? m_resTable : nullptr; }
  const int* GetResTable() const { return m_bHasResTable ? m_resTable : nullptr; }
  void CreateResTable();
  CString getResClass(int resource, int index) const;
  BOOL setResClass(int resource, int index, const char* className);
  int getResValue(int resource) const;
  BOOL setResValue(int resource, int value);
  int getMinAllocValue(int resource, int index) const;
  int getMaxAllocValue(int resource, int index) const;
  BOOL setMinAllocValue(int resource, int index, int value);
  BOOL setMaxAllocValue(int resource, int index, int value);

  // Takes over the other connector's content; name and state stay.
  void CopyContent(const CQRConnector& other);
  int Save() override;
  int Refresh(int force) override;

 private:
  static bool ValidPool(int resource, int index) { return resource == 0 && index >= 0 && index < kResourcePools; }
  int ResWord(int resource, int word) const;
  BOOL SetResWord(int resource, int word, int value);

  int m_nTransLevel = 2;
  COwnedPtrArray<HvProperty> m_stdProps;
  COwnedPtrArray<HvProperty> m_appProps;
  COwnedPtrArray<CQRSupportedBO> m_bos;
  COwnedPtrArray<CQRConnectorMap> m_maps;
  CString m_resClass[kResourcePools];
  int m_resTable[kResourceWords] = {1, 0, 0, 0, 0};
  BOOL m_bHasResTable = FALSE;
  NameType m_implicitMap;
};
