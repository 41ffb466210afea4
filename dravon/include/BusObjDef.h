// Business-object definitions: the definition, its attributes and verbs.
#pragma once

#include <afxtempl.h>

#include <memory>

#include "OwnedPtrArray.h"
#include "QRObj.h"

class AgentPropArray;
class CQRBusObjDef;

// One attribute of a definition. A business-object-typed attribute names
// another definition in its type; when the attribute is expanded in a
// window it points at that definition (not owned).
class AFX_EXT_CLASS CBODefAttr : public CObject {
  DECLARE_DYNAMIC(CBODefAttr)

 public:
  // The attribute that carries the object's event id; savers keep it last.
  static const char* const ATTR_OBJECT_EVENT_ID;

  CBODefAttr() = default;
  CBODefAttr(int position, const char* name, const char* typeName);

  // Copies every field but the expansion: copies come collapsed.
  void Copy(const CBODefAttr& other);

  int GetPosition() const { return m_nPosition; }
  void SetPosition(int position) { m_nPosition = position; }
  const CString& GetName() const { return m_strName; }
  void SetName(const char* name) { m_strName = name; }
  const CString& GetTypeName() const { return m_strType; }
  // Also decides the simple-type flag from the name.
  void SetTypeName(const char* typeName);
  BOOL IsSimpleType() const { return m_bSimple; }
  void SetSimpleType(BOOL simple) { m_bSimple = simple; }
  // True for the plain types ("Boolean", "Integer", ... "LongText").
  static BOOL IsSimpleTypeName(const char* typeName);

  BOOL IsKey() const { return m_bKey; }
  void SetKey(BOOL key) { m_bKey = key; }
  BOOL IsForeignKey() const { return m_bForeignKey; }
  void SetForeignKey(BOOL foreignKey) { m_bForeignKey = foreignKey; }
  BOOL IsRequired() const { return m_bRequired; }
  void SetRequired(BOOL required) { m_bRequired = required; }
  const CString& GetCardinality() const { return m_strCardinality; }
  void SetCardinality(const char* text) { m_strCardinality = text; }
  const CString& GetMaxLength() const { return m_strMaxLength; }
  void SetMaxLength(const char* text) { m_strMaxLength = text; }
  const CString& GetDefaultValue() const { return m_strDefault; }
  void SetDefaultValue(const char* text) { m_strDefault = text; }
  const CString& GetAppInfo() const { return m_strAppInfo; }
  void SetAppInfo(const char* text) { m_strAppInfo = text; }
  const CString& GetComments() const { return m_strComments; }
  void SetComments(const char* text) { m_strComments = text; }
  const CString& GetRelationship() const { return m_strRelationship; }
  void SetRelationship(const char* text) { m_strRelationship = text; }
  const CString& GetContainedObjectVersion() const { return m_strContainedVersion; }
  void SetContainedObjectVersion(const char* text) { m_strContainedVersion = text; }

  BOOL IsExpanded() const { return m_bExpanded; }
  void SetExpanded(BOOL expanded) { m_bExpanded = expanded; }
  CQRBusObjDef* GetContainedDef() const { return m_pContained; }
  void SetContainedDef(CQRBusObjDef* def) { m_pContained = def; }
  void Collapse();

  int GetState() const { return m_nState; }
  void SetState(int state) { m_nState = state; }
  void AddState(int bits) { m_nState |= bits; }
  void RemoveState(int bits) { m_nState &= ~bits; }

 private:
  int m_nPosition = 0;
  CString m_strName;
  CString m_strType;
  BOOL m_bSimple = TRUE;
  BOOL m_bKey = FALSE;
  BOOL m_bForeignKey = FALSE;
  BOOL m_bRequired = FALSE;
  CString m_strCardinality;
  CString m_strMaxLength;
  CString m_strDefault;
  CString m_strAppInfo;
  CString m_strComments;
  CString m_strRelationship;
  CString m_strContainedVersion;
  BOOL m_bExpanded = FALSE;
  CQRBusObjDef* m_pContained = nullptr;
  int m_nState = 0;
};

// One verb of a definition. The setters of subscription, application
// information and scenario mark the verb modified (0x08).
class AFX_EXT_CLASS CBODefVerb : public CObject {
  DECLARE_DYNAMIC(CBODefVerb)

 public:
  CBODefVerb() = default;
  CBODefVerb(const char* name, const char* appInfo);

  void Copy(const CBODefVerb& other);

  const CString& GetName() const { return m_strName; }
  void SetName(const char* name) { m_strName = name; }
  CString& GetAppInfo() { return m_strAppInfo; }
  const CString& GetAppInfo() const { return m_strAppInfo; }
  void SetAppInfo(const char* text);
  const CString& GetSubscription() const { return m_strSubscription; }
  void SetSubscription(const char* text);
  const CString& GetScenario() const { return m_strScenario; }
  void SetScenario(const char* text);

  int GetState() const { return m_nState; }
  void SetState(int state) { m_nState = state; }

 private:
  CString m_strName;
  CString m_strAppInfo;
  CString m_strSubscription;
  CString m_strScenario;
  int m_nState = 0;
};

// A definition-level property (written as BO_SPEC_PROPERTY entries).
struct AFX_EXT_CLASS CBOSpecProperty {
  CString name;
  CString type;
  CString value;
  CString description;
  bool operator==(const CBOSpecProperty&) const = default;
};

inline CArchive& operator<<(CArchive& ar, const CBOSpecProperty& p) {
  return ar << p.name << p.type << p.value << p.description;
}
inline CArchive& operator>>(CArchive& ar, CBOSpecProperty& p) {
  return ar >> p.name >> p.type >> p.value >> p.description;
}

using CBODefAttrArray = COwnedPtrArray<CBODefAttr>;
using CBODefVerbArray = COwnedPtrArray<CBODefVerb>;
using CBOSpecPropertyArray = CArray<CBOSpecProperty, const CBOSpecProperty&>;
using CBODefArray = CArray<CQRBusObjDef*, CQRBusObjDef*>;

class AFX_EXT_CLASS CQRBusObjDef : public CQRObj {
  DECLARE_DYNAMIC(CQRBusObjDef)

 public:
  CQRBusObjDef(const char* name, CQRServer* server, int state);
  ~CQRBusObjDef() override;

  int GetObjType() const override { return HvObjBusObj; }

  // The arrays own their elements; callers insert, remove and append.
  CBODefAttrArray& GetAttrs() { return m_attrs; }
  const CBODefAttrArray& GetAttrs() const { return m_attrs; }
  CBODefVerbArray& GetVerbs(int /*refresh*/ = 0) { return m_verbs; }
  const CBODefVerbArray& GetVerbs(int /*refresh*/ = 0) const { return m_verbs; }
  CBOSpecPropertyArray& GetProperties() { return m_properties; }
  const CBOSpecPropertyArray& GetProperties() const { return m_properties; }
  void AddProperty(const char* name, const char* type, const char* value, const char* description);

  const CString& GetAppInfo() const { return m_strAppInfo; }
  void SetAppInfo(const char* text) { m_strAppInfo = text; }

  // Takes over the other definition's content (version, information,
  // attributes, verbs, properties); the name, server and state stay.
  void Copy(const CQRBusObjDef& other);
  CBODefVerb* AddVerb(const char* name, const char* appInfo);
  // Create, Retrieve, Update and Delete, each added when missing.
  void SetDefaultVerbs();
  // Deletes every attribute whose type is the named business object and
  // renumbers the others; the count deleted.
  int DeleteAttribute(const char* typeName);
  // Sets the attributes and verbs back to the server's copy; FALSE when
  // the server does not have the definition or cannot be reached.
  BOOL RevertAttrs();
  // Collapses every attribute (expanded flag and contained pointer).
  void CloseAllAttrs();
  // Forgets everything tied to the server copy: parts become new.
  void ClearAsIfNew();
  // Empties the content; the name stays.
  void CleanBusObjDef();

  // The business objects this one refers to through its attributes,
  // dependencies before their users, each once; with includeSelf the
  // definition itself comes last. Valid until the next call.
  const CBODefArray& GetDependentBos(BOOL includeSelf);
  // Of the definitions the data manager knows, the one with the most
  // dependent business objects (null when it knows none).
  static CQRBusObjDef* GetBoWithMostChildren();

  int Save() override;
  int Refresh(int force) override;

  int GetSortColumn() const { return m_nSortColumn; }
  void SetSortColumn(int column) { m_nSortColumn = column; }
  BOOL IsSortDescending() const { return m_bSortDescending; }
  void SetSortDescending(BOOL descending) { m_bSortDescending = descending; }
  const CString& GetImportPath() const { return m_strImportPath; }
  void SetImportPath(const char* path) { m_strImportPath = path; }

  // The broker connection properties and whether an export writes the
  // broker's deployment files: export settings of this program, kept
  // with the definition but never stored on the server.
  // (AgentProperty.h declares the array; this header keeps the XML library
  // out of the data manager's users.)
  void SetKBRXProperties(const AgentPropArray& properties);
  const AgentPropArray& GetKBRXProperties() const { return *m_kbrxProperties; }
  BOOL GetGenerateBrokerFiles() const { return m_bGenerateBrokerFiles; }
  void SetGenerateBrokerFiles(BOOL generate) { m_bGenerateBrokerFiles = generate; }

 private:
  void CollectDependencies(CQRBusObjDef* def, CBODefArray& visited, CBODefArray& order);

  CString m_strAppInfo;
  CBODefAttrArray m_attrs;
  CBODefVerbArray m_verbs;
  CBOSpecPropertyArray m_properties;
  CBODefArray m_dependents;
  int m_nSortColumn = 1;
  BOOL m_bSortDescending = FALSE;
  CString m_strImportPath;
  std::unique_ptr<AgentPropArray> m_kbrxProperties;
  BOOL m_bGenerateBrokerFiles = FALSE;
};
