// Definition names compare without regard to the case of ASCII letters:
// the key under which a name is looked up among others.
#pragma once

#include <afx.h>

#include <string>

inline std::string NameKey(const CString& name) {
  std::string key = name.str();
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}
