// Documents are known by their absolute path, whatever its length.
#pragma once

#include <vector>

#include <windows.h>

#include <afxstr.h>

namespace afx {

// The absolute, normalised form of a name; the name itself when it has none.
// The buffer is sized from the first answer: a path past MAX_PATH would
// otherwise come back empty.
inline CString FullPathOf(LPCTSTR lpszName) {
  const DWORD needed = ::GetFullPathName(lpszName, 0, nullptr, nullptr);
  if (needed == 0) return CString(lpszName);
  std::vector<char> buffer(needed);
  const DWORD length = ::GetFullPathName(lpszName, needed, buffer.data(), nullptr);
  return length != 0 && length < needed ? CString(buffer.data(), static_cast<int>(length)) : CString(lpszName);
}

}  // namespace afx
