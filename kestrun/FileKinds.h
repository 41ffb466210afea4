// The kinds of connector files by their names: configuration files (.cfg)
// and repository copies (.in, .out).
#pragma once

#include <afx.h>

// The extension without its dot; empty when there is none.
CString FileExtension(const CString& path);
bool IsConfigExtension(const CString& ext);
bool IsRepositoryExtension(const CString& ext);
// The path with ".cfg" in place of its extension (added when it has none).
CString WithConfigExtension(const CString& path);
