// Attribute descriptions and the type-name table.
#include "BOAttrType.h"

#include <array>
#include <charconv>
#include <string_view>

#include "BusObjDef.h"
#include "Text.h"
#include "ValueFormat.h"

namespace {

constexpr std::array<const char*, BOAttrType::kTypeCount + 1> kTypeNames = {
    "Object", "Boolean",   "Integer",     "Float",     "Double", "String",
    "Date",   "Long text", "Cipher text", "Directory", "File",   "Invalid type"};

// The spellings definitions write without the blank.
struct Alias {
  const char* name;
  int typeNum;
};
constexpr std::array<Alias, 2> kAliases = {
    {{"LongText", BOAttrType::LONGTEXT}, {"CipherText", BOAttrType::CIPHERTEXT}}};

int MaxLengthOf(const CString& text) {
  const std::string_view digits = fennick::Trim(text.GetString());
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  const bool whole = error == std::errc() && end == digits.data() + digits.size();
  return whole && value > 0 ? value : 0;
}

}  // namespace

BOAttrType::BOAttrType(const CBODefAttr& attr)
    : m_name(attr.GetName().GetString()),
      m_typeName(attr.GetTypeName().GetString()),
      m_cardinality(attr.GetCardinality().GetString()),
      m_key(attr.IsKey() != FALSE),
      m_foreignKey(attr.IsForeignKey() != FALSE),
      m_required(attr.IsRequired() != FALSE),
      m_maxLength(MaxLengthOf(attr.GetMaxLength())),
      m_default(attr.GetDefaultValue().GetString()),
      m_appInfo(attr.GetAppInfo().GetString()) {
  // A simple attribute without a known plain type (untyped) holds plain text.
  const int named = typeNumOf(m_typeName.c_str());
  if (!attr.IsSimpleType())
    m_typeNum = OBJECT;
  else
    m_typeNum = named == OBJECT ? STRING : named;
}

bool BOAttrType::isMultipleCard() const {
  const std::string_view card = fennick::Trim(m_cardinality);
  return !card.empty() && card != "1";
}

BOStatus BOAttrType::checkValue(const char* text) const {
  if (m_typeNum == OBJECT || text == nullptr) return BO_BAD_TYPE;
  const std::string_view value(text);
  bool valid = true;
  switch (m_typeNum) {
    case BOOLEAN:
      valid = fennick::IsBooleanText(value);
      break;
    case INTEGER:
      valid = fennick::IsIntegerText(value);
      break;
    case FLOAT:
      valid = fennick::IsRealText(value, true);
      break;
    case DOUBLE:
      valid = fennick::IsRealText(value, false);
      break;
    case DATE:
      valid = fennick::IsDateText(value);
      break;
    default:
      break;
  }
  if (!valid) return BO_BAD_FORMAT;
  if (m_maxLength > 0 && value.size() > static_cast<std::size_t>(m_maxLength)) return BO_TOO_LONG;
  return BO_OK;
}

int BOAttrType::typeNumOf(const char* typeName) {
  const std::string_view name(typeName != nullptr ? typeName : "");
  for (int num = BOOLEAN; num < kTypeCount; ++num) {
    if (fennick::EqualNoCase(name, kTypeNames[num])) return num;
  }
  for (const Alias& alias : kAliases) {
    if (fennick::EqualNoCase(name, alias.name)) return alias.typeNum;
  }
  return OBJECT;
}

const char* BOAttrType::typeNameOf(int typeNum) {
  return typeNum >= 0 && typeNum < kTypeCount ? kTypeNames[typeNum] : kTypeNames[kTypeCount];
}
