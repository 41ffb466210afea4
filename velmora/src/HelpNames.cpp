#include "HelpNames.h"

#include <UtilFunc.h>

#include <string>
#include <string_view>

namespace velmora::help {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// `path` without its last component; the root stays the root and a lone
// relative name leaves nothing.
std::string ParentOf(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  if (cut == std::string::npos) return {};
  if (cut == 0) return path.substr(0, 1);
  return path.substr(0, cut);
}

}  // namespace

CString Cleaned(const CString& text) {
  CString cleaned = text;
  CUtilFunc::FixHelpFileName(cleaned);
  return cleaned;
}

CString PageName(const CString& application, const CString& title, const CString& subTopic) {
  return application + "/" + title + "_" + subTopic + ".html";
}

CString ImageName(const CString& page) {
  std::string text = page.str();
  size_t start = text.find('/');
  if (start == std::string::npos) start = text.find('\\');
  std::string part = start == std::string::npos ? "/" + text : text.substr(start);
  const size_t lastSeparator = part.find_last_of("/\\");
  const size_t dot = part.rfind('.');
  if (dot != std::string::npos && dot > lastSeparator) part.resize(dot);
  for (char& c : part)
    if (c == '\\') c = '/';
  return CString(("images" + part + ".jpeg").c_str());
}

CString DocumentationFolder(const CString& helpFolder) {
  std::string folder = helpFolder.str();
  while (folder.size() > 1 && IsSeparator(folder.back())) folder.pop_back();
  const std::string base = ParentOf(ParentOf(folder));
  if (base.empty()) return "documentation";
  return CString((IsSeparator(base.back()) ? base + "documentation" : base + "/documentation").c_str());
}

CString PropertySubTopic(const CString& holderCaption, const CString& tabName) {
  if (tabName.IsEmpty()) return tabName;
  const int dash = holderCaption.Find('-');
  CString prefix = dash < 0 ? holderCaption : holderCaption.Left(dash);
  prefix.Trim();
  return prefix + "_" + tabName;
}

CString HtmlEscaped(const CString& text) {
  std::string out;
  for (const char c : std::string_view(text.GetString(), static_cast<size_t>(text.GetLength()))) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return CString(out.c_str());
}

CString StubPage(const CString& title, const CString& subTopic, const CString& imageName) {
  CString page =
      "<!DOCTYPE HTML PUBLIC>\n<html><head>\n<title>Dummy Page </title></head>\n"
      "<body  TEXT=\"#000000\" BGCOLOR=\"#FFFFE0\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">\n"
      "<basefont face = \"Arial,Helvetica\">\n\n<h2>\n";
  page += HtmlEscaped(title) + " - " + HtmlEscaped(subTopic);
  if (!imageName.IsEmpty()) page += "\n<br><img src = \"" + HtmlEscaped(imageName) + "\">\n";
  page += "\n</h2>\n<p>Describe here what this window is for and how to use it.</p>\n</body>\n</html>\n";
  return page;
}

bool IsRelativePage(const CString& page) {
  std::string text = page.str();
  if (text.find_first_not_of(" \t") == std::string::npos) return false;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find_first_of("/\\", start);
    const std::string part = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part == "..") return false;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return true;
}

}  // namespace velmora::help
