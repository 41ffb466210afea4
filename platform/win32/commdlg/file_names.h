// File-name rules of the file dialogs: type filters and their patterns,
// the names typed in the "File name" box, folder paths, and the results
// written back into OPENFILENAME.
#pragma once

#include <string>
#include <vector>

#include "win32/commdlg.h"

namespace win32::commdlg {

struct FileType {
  std::string description;
  std::vector<std::string> patterns;  // "*.txt", "*.log"
};

// "Text\0*.txt;*.log\0All\0*.*\0\0" as its entries; an entry without a
// pattern list is dropped.
std::vector<FileType> ParseFilter(LPCSTR filter);
std::vector<std::string> SplitPatterns(const std::string& list);

// Case-insensitive wildcard match ("*" and "?"); "*.*" matches every name.
bool MatchesPattern(const std::string& name, const std::string& pattern);
bool MatchesAny(const std::string& name, const std::vector<std::string>& patterns);
bool HasWildcard(const std::string& text);
bool MatchesEverything(const std::vector<std::string>& patterns);

// The extension of a default-extension setting: ".txt", "*.txt" and "txt"
// all give "txt".
std::string CleanExtension(const std::string& defExt);
// The extension a typed name without one gets: the selected type's own
// extension when it names exactly one, else the default extension; none
// when the type shows every file or there is no default extension.
std::string ExtensionToAdd(const std::vector<std::string>& patterns, const std::string& defExt);

// The names typed in the "File name" box: several in double quotes, or
// one (blanks at the ends removed).
std::vector<std::string> SplitTypedNames(const std::string& text);

// Paths: "\" becomes "/", "." and ".." are resolved, no trailing "/".
std::string NormalizePath(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);
std::string ParentOf(const std::string& path);
std::string LeafOf(const std::string& path);  // after the last separator
bool HasExtension(const std::string& name);
// The folder and its ancestors, root first.
std::vector<std::string> AncestorsOf(const std::string& folder);

// Lower-case ASCII comparison, the file names' order in the lists.
bool LessNoCase(const std::string& a, const std::string& b);

// Questions to the file system; errors answer false.
bool IsFolder(const std::string& path);
bool Exists(const std::string& path);

// The folders and files of `folder`, each sorted without regard to case;
// names starting with "." only when `hidden` is set.
struct FolderContents {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};
FolderContents ListFolder(const std::string& folder, bool hidden);

// Writes the result into `ofn`: one full path, or with several names the
// folder and the names separated by zero bytes. Answers 0, or
// FNERR_BUFFERTOOSMALL with the size needed in the buffer's first two
// bytes.
DWORD WriteFileResult(OPENFILENAME& ofn, const std::string& folder, const std::vector<std::string>& names);

}  // namespace win32::commdlg
