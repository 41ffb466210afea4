// The state bits an edit of a definition sets: modified, and no longer as
// last written to a file.
#pragma once

#include "QRObj.h"

inline void MarkDefModified(CQRObj& def) {
  def.AddState(HvStateModified);
  def.RemoveState(HvStateWrittenToFile);
}
