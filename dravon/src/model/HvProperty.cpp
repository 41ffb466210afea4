#include "HvProperty.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(HvProperty, CObject)

HvPropertyArray HvProperty::m_stdProperties;

namespace {

bool IsInteger(const CString& text) {
  if (text.IsEmpty()) return false;
  char* end = nullptr;
  std::strtol(text, &end, 10);
  return end != nullptr && *end == '\0';
}

bool IsNumber(const CString& text) {
  if (text.IsEmpty()) return false;
  char* end = nullptr;
  std::strtod(text, &end);
  return end != nullptr && *end == '\0';
}

bool IsBoolean(const CString& text) { return text.CompareNoCase("true") == 0 || text.CompareNoCase("false") == 0; }

}  // namespace

HvProperty::HvDependency::HvDependency(Op op, const CStringArray& operands) : m_op(op) { m_operands.Copy(operands); }

BOOL HvProperty::HvDependency::IsOpValid(const char* value) const {
  const CString text(value != nullptr ? value : "");
  auto matches = [&] {
    for (INT_PTR i = 0; i < m_operands.GetSize(); ++i) {
      if (text.CompareNoCase(m_operands[i]) == 0) return true;
    }
    return false;
  };
  switch (m_op) {
    case Equals:
    case OneOf:
      return matches();
    case NotEquals:
      return !matches();
    case NotEmpty:
      return !text.IsEmpty();
  }
  return FALSE;
}

HvProperty::HvProperty(const char* name, const char* value, int type, const char* updateMethod, int flags)
    : m_strName(name != nullptr ? name : ""),
      m_strValue(value != nullptr ? value : ""),
      m_nType(type),
      m_strUpdateMethod(updateMethod != nullptr ? updateMethod : ""),
      m_nFlags(flags) {}

HvProperty* HvProperty::Clone() const {
  auto* copy = new HvProperty(m_strName, m_strValue, m_nType, m_strUpdateMethod, m_nFlags);
  copy->m_strDescription = m_strDescription;
  copy->m_strValueText = m_strValueText;
  copy->m_strDefault = m_strDefault;
  copy->m_allowed.Copy(m_allowed);
  copy->m_pTemplate = m_pTemplate;
  return copy;
}

int HvProperty::ValidateValue(const char* value) const {
  const CString text(value != nullptr ? value : "");
  if (!m_allowed.IsEmpty()) {
    for (INT_PTR i = 0; i < m_allowed.GetSize(); ++i) {
      if (text.CompareNoCase(m_allowed[i]) == 0) return 1;
    }
    return 0;
  }
  if (text.IsEmpty()) return 1;
  switch (m_nType) {
    case HvPropBoolean:
      return IsBoolean(text) ? 1 : 0;
    case HvPropInteger:
      return IsInteger(text) ? 1 : 0;
    case HvPropFloat:
    case HvPropDouble:
      return IsNumber(text) ? 1 : 0;
    default:
      return 1;
  }
}

int HvProperty::SetValue(const char* value) {
  if (!ValidateValue(value)) return 0;
  m_strValue = value != nullptr ? value : "";
  return 1;
}

CString HvProperty::GetUpdateMethod(const char* name) {
  const HvProperty* templ = FindStandard(name);
  return templ != nullptr ? templ->GetUpdateMethod() : CString();
}

BOOL HvProperty::IsStandard() const { return IsStandardName(m_strName); }

BOOL HvProperty::IsStandardName(const char* name) { return FindStandard(name) != nullptr; }
