// What the agent generates, written to a file: the generated
// repository-copy text when the last step asks for a file, and the files
// the agent hands over.
#pragma once

#include <afx.h>

// The text, whole, as the file's content; the file is replaced only once
// it is complete. FALSE with the reason in `error`.
BOOL WriteGeneratedText(const CString& path, const CString& text, CString& error);
