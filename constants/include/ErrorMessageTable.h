// A table of numeric error codes and their message texts. Callers format
// the text they get with their own arguments (line number, name, list of
// dependencies) before they show it.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class CErrorMessageTable {
 public:
  CErrorMessageTable() = default;
  virtual ~CErrorMessageTable() = default;

  // Appends the code and its text at the end of the table.
  void Add(DWORD code, LPCTSTR text);
  // The text of the first entry with the code, else "Unknown error.".
  CString GetMessage(DWORD code) const;

 private:
  CDWordArray m_codes;
  CStringArray m_texts;
};

// The codes the discovery-agent calls of the generation wizard return.
class CAgentErrorMessageTable : public CErrorMessageTable {
 public:
  CAgentErrorMessageTable();
};

// The codes of the repository-copy reader and writer, the validator's XML
// name check and the broker export ("Line %d" takes a 1-based line).
class CImpExpErrorMessageTable : public CErrorMessageTable {
 public:
  CImpExpErrorMessageTable();
};
