#include "bars/bar_strings.h"

#include "mfc/modulestate.h"

namespace afx {
namespace {

CString CommandPart(UINT nID, bool tip) {
  CString text;
  if (nID == 0 || !AfxLoadString(nID, text)) return CString();
  const int newline = text.Find('\n');
  if (newline < 0) return tip ? CString() : text;
  return tip ? text.Mid(newline + 1) : text.Left(newline);
}

}  // namespace

CString CommandPrompt(UINT nID) { return CommandPart(nID, false); }
CString CommandTip(UINT nID) { return CommandPart(nID, true); }

}  // namespace afx
