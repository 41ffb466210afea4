// Texts that a control cuts to the buffer it is given.
#pragma once

#include <cstring>
#include <vector>

#include <afxstr.h>

namespace afx {

// Asks again with twice the room until the text fits. read(buffer, size)
// fills the zeroed buffer and answers where the text stands, or null when
// there is none.
template <class Read>
CString WholeControlText(Read read) {
  for (size_t size = 256;; size *= 2) {
    std::vector<char> buffer(size, '\0');
    const char* text = read(buffer.data(), static_cast<int>(size));
    if (text == nullptr) return CString();
    const size_t length = strnlen(text, size);
    if (length < size - 1) return CString(text, static_cast<int>(length));
  }
}

}  // namespace afx
