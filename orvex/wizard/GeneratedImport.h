// The generated definitions' way into the program: the check of the
// generated repository-copy text, its commit into the session (opening the
// definitions in windows when asked) and its copy in a file.
#pragma once

#include <afx.h>
#include <afxcoll.h>

// 0 when the text reads as repository-copy definitions, else the code of
// the import and export message table, with `message` its text.
int CheckGeneratedText(const CString& text, CString& message);

// Enters the text's definitions into the session, opening a window for
// each when bOpenInWindows; appends the names of those entered to `names`.
void CommitGeneratedText(const CString& text, BOOL bOpenInWindows, CStringArray& names);

// The text, whole, as the file's content; the file is replaced only once
// it is complete. FALSE with the reason in `error`.
BOOL WriteGeneratedText(const CString& path, const CString& text, CString& error);
