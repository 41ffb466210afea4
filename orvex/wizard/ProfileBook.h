// The profile books' file and registry: a book is one line of XML,
// <AgentProfiles Name="ProfileBook"><AgentProfile Name="..."><Property
// .../>...</AgentProfile>...</AgentProfiles>, whose path is the value
// "Serialization" of its key below Orvex's settings in the registry
// (HKEY_CURRENT_USER, Software\Halvane\Orvex\Settings).
#pragma once

#include <afx.h>

#include <functional>
#include <memory>
#include <vector>

#include "AgentProfile.h"

class SECRegistry;

namespace profilebook {

extern const char* const kPathValue;

// Opens the book's key (made when missing, with full access) below
// Software\Halvane\Orvex\Settings: 0, or 1 when the root cannot be reached
// and 2 when the key cannot be opened.
int OpenSettingsKey(SECRegistry& registry, LPCTSTR lpszSubkey);

// The whole book as its file holds it.
CString BookText(const std::vector<std::unique_ptr<AgentProfile>>& profiles);

enum class ReadResult {
  kRead,        // the book's profiles were handed over
  kNothing,     // no file, or an empty one
  kForeign,     // an XML document that is no profile book
  kUnreadable,  // not XML
};
// Hands each profile of the book at `path` to `store`, in book order (a
// profile without a name is left out). For an unreadable file `problem`
// says where the text breaks.
ReadResult ReadBook(LPCTSTR lpszPath, const std::function<void(const CString&, const AgentPropArray&)>& store,
                    CString& problem);

// Writes the text as the whole file, through a file beside it that
// replaces it only when complete.
BOOL WriteBook(LPCTSTR lpszPath, const CString& text);

// The folder of the books shared by the machine's users, made when
// missing: the folder holding the user's profile folder, then "All Users",
// "Application Data", "Halvane" and "Orvex"; where that cannot be made, the
// machine's application-data folder, then "Halvane" and "Orvex". Empty when
// neither can be made.
CString DefaultFolder();
// Makes an empty file unless it exists; FALSE when neither.
BOOL EnsureFile(LPCTSTR lpszPath);

// A name beside the file, not in use yet, to keep a file under that the
// book must not overwrite.
CString KeptName(LPCTSTR lpszPath);

}  // namespace profilebook
