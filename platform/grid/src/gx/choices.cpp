#include "gx/choices.h"

#include <cstdlib>

#include "gx/gxcombo.h"
#include "gx/text_table.h"

namespace gx {

std::vector<std::string> ChoicesOf(const CGXStyle& style) {
  if (!style.GetIncludeChoiceList()) return {};
  return SplitChoiceList(static_cast<LPCTSTR>(style.GetChoiceList()));
}

int FindChoiceIndex(const std::vector<std::string>& choices, const CString& text) {
  for (size_t i = 0; i < choices.size(); ++i) {
    if (choices[i] == static_cast<LPCTSTR>(text)) return static_cast<int>(i);
  }
  for (size_t i = 0; i < choices.size(); ++i) {
    if (text.CompareNoCase(choices[i].c_str()) == 0) return static_cast<int>(i);
  }
  return -1;
}

int IndexModeOf(const CGXStyle& style, int controlDefault) {
  if (!style.GetIncludeUserAttribute(GX_IDS_UA_INDEXVALUE)) return controlDefault;
  const int mode = std::atoi(style.GetUserAttribute(GX_IDS_UA_INDEXVALUE));
  return mode == 0 || mode == 1 ? mode : -1;
}

int ChoiceOfValue(const std::vector<std::string>& choices, const CString& value, int indexMode) {
  if (indexMode < 0) return FindChoiceIndex(choices, value);
  if (value.IsEmpty()) return -1;
  char* end = nullptr;
  const long index = std::strtol(value, &end, 10) - indexMode;
  if (*end != '\0' || index < 0 || index >= static_cast<long>(choices.size())) return -1;
  return static_cast<int>(index);
}

CString ValueOfChoice(const std::vector<std::string>& choices, int choice, int indexMode) {
  if (choice < 0 || choice >= static_cast<int>(choices.size())) return CString();
  if (indexMode < 0) return CString(choices[static_cast<size_t>(choice)].c_str());
  CString value;
  value.Format(_T("%d"), choice + indexMode);
  return value;
}

}  // namespace gx
