// The choices of a cell style and the index a drop-down cell stores.
#pragma once

#include <string>
#include <vector>

#include "gx/gxstyle.h"

namespace gx {

std::vector<std::string> ChoicesOf(const CGXStyle& style);
// Position of `text` among the choices (exact, else ignoring case), or -1.
int FindChoiceIndex(const std::vector<std::string>& choices, const CString& text);
// The index mode of a cell: the style's GX_IDS_UA_INDEXVALUE when set,
// else `controlDefault`; -1 text, 0 index from 0, 1 index from 1.
int IndexModeOf(const CGXStyle& style, int controlDefault);
// A stored value as a choice position (-1 when none) and back.
int ChoiceOfValue(const std::vector<std::string>& choices, const CString& value, int indexMode);
CString ValueOfChoice(const std::vector<std::string>& choices, int choice, int indexMode);

}  // namespace gx
