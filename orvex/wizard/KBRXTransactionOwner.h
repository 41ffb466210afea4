// What a broker export or import tells the object that runs it. The
// repository-copy import/export object implements it: the detail text
// fills the "%s" of the import/export message of the transaction's result
// code, so that one message says what went wrong.
#pragma once

#include <afx.h>

class IKBRXTransactionOwner {
 public:
  virtual ~IKBRXTransactionOwner() = default;

  // The text that goes with the result code the transaction returns next:
  // ". Variable HALVANE not found." (22), ": <jar> or <jar>" (23), or the
  // translator's findings, each followed by "\n" (15).
  virtual void SetDetailText(const CString& strText) = 0;
};
