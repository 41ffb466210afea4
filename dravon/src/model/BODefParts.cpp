// Attributes and verbs of a business-object definition.
#include "BusObjDef.h"

#include <array>

IMPLEMENT_DYNAMIC(CBODefAttr, CObject)
IMPLEMENT_DYNAMIC(CBODefVerb, CObject)

const char* const CBODefAttr::ATTR_OBJECT_EVENT_ID = "ObjectEventId";

namespace {
// The plain types; "Long text" and "Cipher text" as the type list names
// them, "LongText" as definitions write it.
constexpr std::array<const char*, 10> kSimpleTypes = {"Boolean", "Integer",  "Float",     "Double",      "String",
                                                      "Date",    "LongText", "Long text", "Cipher text", ""};
}  // namespace

CBODefAttr::CBODefAttr(int position, const char* name, const char* typeName) : m_nPosition(position), m_strName(name) {
  SetTypeName(typeName);
}

BOOL CBODefAttr::IsSimpleTypeName(const char* typeName) {
  const CString type(typeName != nullptr ? typeName : "");
  for (const char* simple : kSimpleTypes) {
    if (type.CompareNoCase(simple) == 0) return TRUE;
  }
  return FALSE;
}

void CBODefAttr::SetTypeName(const char* typeName) {
  m_strType = typeName != nullptr ? typeName : "";
  m_bSimple = IsSimpleTypeName(m_strType);
}

void CBODefAttr::Copy(const CBODefAttr& other) {
  m_nPosition = other.m_nPosition;
  m_strName = other.m_strName;
  m_strType = other.m_strType;
  m_bSimple = other.m_bSimple;
  m_bKey = other.m_bKey;
  m_bForeignKey = other.m_bForeignKey;
  m_bRequired = other.m_bRequired;
  m_strCardinality = other.m_strCardinality;
  m_strMaxLength = other.m_strMaxLength;
  m_strDefault = other.m_strDefault;
  m_strAppInfo = other.m_strAppInfo;
  m_strComments = other.m_strComments;
  m_strRelationship = other.m_strRelationship;
  m_strContainedVersion = other.m_strContainedVersion;
  m_nState = other.m_nState;
  Collapse();
}

void CBODefAttr::Collapse() {
  m_bExpanded = FALSE;
  m_pContained = nullptr;
}

CBODefVerb::CBODefVerb(const char* name, const char* appInfo)
    : m_strName(name != nullptr ? name : ""), m_strAppInfo(appInfo != nullptr ? appInfo : "") {}

void CBODefVerb::Copy(const CBODefVerb& other) {
  m_strName = other.m_strName;
  m_strAppInfo = other.m_strAppInfo;
  m_strSubscription = other.m_strSubscription;
  m_strScenario = other.m_strScenario;
  m_nState = other.m_nState;
}

void CBODefVerb::SetAppInfo(const char* text) {
  m_strAppInfo = text;
  m_nState |= 0x08;
}

void CBODefVerb::SetSubscription(const char* text) {
  m_strSubscription = text;
  m_nState |= 0x08;
}

void CBODefVerb::SetScenario(const char* text) {
  m_strScenario = text;
  m_nState |= 0x08;
}
