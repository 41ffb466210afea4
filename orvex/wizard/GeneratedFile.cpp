#include "GeneratedFile.h"

#include <RepositoryCopyBO.h>

#include <string_view>

namespace repocopy = dravon::repocopy;

namespace {

std::string_view View(const CString& text) { return {text, static_cast<size_t>(text.GetLength())}; }

}  // namespace

BOOL WriteGeneratedText(const CString& path, const CString& text, CString& error) {
  repocopy::ReplacingFile file(static_cast<LPCTSTR>(path));
  if (file.Open() && file.Write(View(text)) && file.Commit()) return TRUE;
  error = file.ErrorMessage().c_str();
  return FALSE;
}
