// Texts and files for the repository-copy tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "RepositoryCopyBO.h"

namespace repocopy_test {

using Defs = std::vector<std::unique_ptr<CQRBusObjDef>>;

// The lines, each ended with CR LF, as the editor writes them.
std::string Crlf(std::initializer_list<const char*> lines);
// The lines, each ended with LF only.
std::string Lf(std::initializer_list<const char*> lines);

// A literal with the NUL bytes inside it.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

// Reads the text; the warnings it gave are appended to `warnings`.
dravon::repocopy::Error Read(const std::string& text, Defs& defs,
                             std::vector<dravon::repocopy::Error>* warnings = nullptr);

// A file as the editor writes it, written out by hand: two definitions
// with every kind of line, optional ones left out where empty.
std::string EditorFile();
// The definitions of that file, made in code.
Defs EditorDefinitions();
std::vector<const CQRBusObjDef*> Pointers(const Defs& defs);

std::string FileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);
// The names in the folder (hidden ones too).
std::vector<std::string> FolderEntries(const std::string& folder);

}  // namespace repocopy_test
