// The name rules of repository objects, attributes and connector
// properties (docs/NAME-RULES.md) and the small text classifiers.
#include <string_view>

#include "UtilFunc.h"
#include "UtilMessageBox.h"
#include "Utf8.h"

namespace {

// Names are stored in fixed-width repository columns of this many bytes.
constexpr size_t kMaxNameBytes = 255;

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

struct NameRule {
  std::string_view what;        // used in the messages: "The <what> ..."
  std::string_view innerExtra;  // characters allowed after the first one
  bool innerSpaces;             // single spaces between words
};

constexpr NameRule kObjectRule{"name", "_-", false};
constexpr NameRule kAttributeRule{"attribute name", "_-", false};
constexpr NameRule kPropertyRule{"property name", "_-.", true};

// The fault of `name` under `rule`, or an empty text when it has none.
CString FindFault(const NameRule& rule, std::string_view name) {
  CString fault;
  if (name.size() > kMaxNameBytes) {
    fault.Format("The %s cannot be longer than %d bytes", std::string(rule.what).c_str(),
                 static_cast<int>(kMaxNameBytes));
    return fault;
  }
  if (name.empty()) return fault;
  if (!IsAsciiLetter(name.front()) && name.front() != '_') {
    fault.Format("The %s must begin with a letter or \"_\"", std::string(rule.what).c_str());
    return fault;
  }
  if (rule.innerSpaces && (name.back() == ' ' || name.find("  ") != std::string_view::npos)) {
    fault.Format("The %s has blanks at its end or two blanks in a row", std::string(rule.what).c_str());
    return fault;
  }
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    bool allowed = IsAsciiLetter(c) || IsAsciiDigit(c) || rule.innerExtra.find(c) != std::string_view::npos ||
                   (rule.innerSpaces && c == ' ');
    if (!allowed) {
      fault.Format("The %s contains the character \"%s\", which is not allowed", std::string(rule.what).c_str(),
                   utils::Utf8CharAt(name, i).c_str());
      return fault;
    }
  }
  return fault;
}

BOOL Judge(const NameRule& rule, LPCTSTR name, BOOL flag, CString* msgOut) {
  CString fault = FindFault(rule, name ? std::string_view(name) : std::string_view());
  if (fault.IsEmpty()) return TRUE;
  if (msgOut) {
    *msgOut = fault;
  } else if (flag) {
    FormatMessageBox(MB_OK | MB_ICONSTOP, "%s", fault);
  }
  return FALSE;
}

template <typename Pred>
BOOL AllOf(LPCTSTR text, Pred pred) {
  if (!text || !*text) return FALSE;
  for (const char* p = text; *p; ++p) {
    if (!pred(*p)) return FALSE;
  }
  return TRUE;
}

}  // namespace

BOOL CUtilFunc::ValidateName(_E_HvObjType, LPCTSTR name, BOOL flag, CString* msgOut) {
  return Judge(kObjectRule, name, flag, msgOut);
}

BOOL CUtilFunc::ValidateBOAttribute(LPCTSTR name, BOOL flag, CString* msgOut) {
  return Judge(kAttributeRule, name, flag, msgOut);
}

BOOL CUtilFunc::ValidateConnectorPropertyName(LPCTSTR name, BOOL flag, CString* msgOut) {
  return Judge(kPropertyRule, name, flag, msgOut);
}

BOOL CUtilFunc::IsAlphanumeric(LPCTSTR text) {
  return AllOf(text, [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_'; });
}

BOOL CUtilFunc::is_name_alphanumeric(LPCTSTR text) {
  return AllOf(text, [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); });
}

BOOL CUtilFunc::is_all_digits(LPCTSTR text) { return AllOf(text, IsAsciiDigit); }

BOOL CUtilFunc::IsValidXmlName(LPCTSTR name) {
  return utils::IsXmlNcName(name ? std::string_view(name) : std::string_view()) ? FALSE : TRUE;
}

int CUtilFunc::isolation_str2int(LPCTSTR levelName) {
  static constexpr const char* kLevels[] = {"None", "Minimal Effort", "Best Effort", "Stringent"};
  constexpr int kFirstCode = 2;
  CString level(levelName ? levelName : "");
  level.Trim();
  for (int i = 0; i < 4; ++i) {
    if (level.CompareNoCase(kLevels[i]) == 0) return kFirstCode + i;
  }
  return kFirstCode;
}
