// The text type of Fennick's interface: an owned copy of a C string.
#pragma once

#include <cstddef>
#include <string>

#include <mfc/export.h>

class AFX_EXT_CLASS charStr {
 public:
  charStr() = default;
  // A null text makes the empty text.
  explicit charStr(const char* text) : m_text(text != nullptr ? text : "") {}

  const char* c_str() const { return m_text.c_str(); }
  operator const char*() const { return m_text.c_str(); }
  std::size_t length() const { return m_text.size(); }
  bool isEmpty() const { return m_text.empty(); }

 private:
  std::string m_text;
};
