// halvane-helpdata: installs the shipped help. It reads the list of topics
// (topics.txt), names every page by the help object's own rule, writes each
// program's help data file with those topics, and writes the pages (the
// fragments of pages/ in a common frame), the contents page and the fixed
// pages into the help folder, and the documentation start page into the
// documentation folder.
//
//   halvane-helpdata <topics.txt> <source folder> <help folder> <documentation folder>
#include <HTopic.h>
#include <HvHelp.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Entry {
  std::string program, title, subTopic, source;
  std::string page;     // relative to the help folder
  std::string heading;  // HTML, from the page's fragment
  int line = 0;
};

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  const fs::path temp = path.string() + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
  fs::rename(temp, path);
}

std::string Html(const std::string& text) { return HvHelp::HtmlText(text.c_str()).GetString(); }

// A relative address: every byte but letters, digits and -._~/ escaped.
std::string Address(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) || std::string_view("-._~/").find(c) != std::string_view::npos) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The way from a page's folder back up to the help folder ("../" per level).
std::string UpToHelpFolder(const std::string& page) {
  std::string up;
  for (const char c : page)
    if (c == '/') up += "../";
  return up;
}

// The page's own heading (the first <h1> of its fragment), which names the
// window as a reader knows it.
std::string Heading(const std::string& fragment, const std::string& source) {
  const size_t start = fragment.find("<h1>"), end = fragment.find("</h1>");
  if (start == std::string::npos || end == std::string::npos || end < start)
    throw std::runtime_error(source + ": a page begins with its <h1> heading");
  return fragment.substr(start + 4, end - start - 4);
}

std::vector<Entry> ReadTopics(const fs::path& list) {
  std::istringstream in(ReadFile(list));
  std::vector<Entry> entries;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '|');) fields.push_back(Trimmed(field));
    if (fields.size() != 4 || fields[0].empty() || fields[1].empty() || fields[3].empty())
      throw std::runtime_error(list.string() + ":" + std::to_string(number) +
                               ": expected program | window title | sub-topic | page source");
    Entry e{fields[0], fields[1], fields[2], fields[3], {}, {}, number};
    e.page = HvHelp::TopicPage(e.program.c_str(), e.title.c_str(), e.subTopic.c_str()).GetString();
    entries.push_back(std::move(e));
  }
  std::set<std::string> pages;
  for (const Entry& e : entries)
    if (!pages.insert(e.page).second)
      throw std::runtime_error(list.string() + ":" + std::to_string(e.line) + ": a second topic for " + e.page);
  return entries;
}

void WritePage(Entry& e, const fs::path& sources, const fs::path& help) {
  const std::string up = UpToHelpFolder(e.page);
  const std::string fragment = ReadFile(sources / "pages" / e.source);
  e.heading = Heading(fragment, e.source);
  std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + e.heading +
                     " - " + Html(e.program) + " Help</title>\n<link rel=\"stylesheet\" href=\"" + up +
                     "help.css\">\n</head>\n<body>\n";
  page += fragment;
  page += "<p class=\"nav\"><a href=\"" + up + "contents.html\">All help pages</a></p>\n</body>\n</html>\n";
  WriteFile(help / e.page, page);
}

// Each program's topics in list order, stored as the help object stores them.
void WriteTopicFile(const std::string& program, const std::vector<Entry>& entries, const fs::path& help) {
  CObList topics;
  for (const Entry& e : entries)
    if (e.program == program)
      topics.AddTail(
          new HTopic(HvHelp::CleanName(e.title.c_str()), HvHelp::CleanName(e.subTopic.c_str()), e.page.c_str()));
  const fs::path file = help / (program + "Help.data");
  const fs::path temp = file.string() + ".tmp";
  bool written = false;
  try {
    CFile out(temp.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&out, CArchive::store);
    topics.Serialize(ar);
    ar.Close();
    out.Close();
    written = true;
  } catch (CException* e) {
    e->Delete();
  }
  for (POSITION pos = topics.GetHeadPosition(); pos != nullptr;) delete topics.GetNext(pos);
  if (!written) throw std::runtime_error("cannot write " + file.string());
  fs::rename(temp, file);
  fs::create_directories(help / program / "images");
}

void WriteContents(const std::vector<Entry>& entries, const std::vector<std::string>& programs, const fs::path& sources,
                   const fs::path& help) {
  std::string list;
  for (const std::string& program : programs) {
    list += "<h2>" + Html(program) + "</h2>\n<ul>\n";
    for (const Entry& e : entries)
      if (e.program == program) list += "<li><a href=\"" + Address(e.page) + "\">" + e.heading + "</a></li>\n";
    list += "</ul>\n";
  }
  WriteFile(help / "contents.html", Replaced(ReadFile(sources / "fixed" / "contents.html"), "@TOPICS@", list));
}

int Run(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: halvane-helpdata <topics.txt> <source folder> <help folder> <documentation folder>\n";
    return 2;
  }
  const fs::path list = argv[1], sources = argv[2], help = argv[3], documentation = argv[4];
  std::vector<Entry> entries = ReadTopics(list);
  std::vector<std::string> programs;
  for (const Entry& e : entries)
    if (std::find(programs.begin(), programs.end(), e.program) == programs.end()) programs.push_back(e.program);

  fs::create_directories(help);
  fs::create_directories(documentation);
  for (Entry& e : entries) WritePage(e, sources, help);
  for (const std::string& program : programs) WriteTopicFile(program, entries, help);
  WriteContents(entries, programs, sources, help);

  const std::string toDocumentation = fs::relative(documentation, help).generic_string() + "/";
  const std::string toHelp = fs::relative(help, documentation).generic_string() + "/";
  for (const char* fixed : {"NoHelp.html", "NoHelpInstalled.html", "help.css"})
    WriteFile(help / fixed, Replaced(ReadFile(sources / "fixed" / fixed), "@DOCUMENTATION@", toDocumentation));
  WriteFile(documentation / "welcome.html", Replaced(ReadFile(sources / "fixed" / "welcome.html"), "@HELP@", toHelp));
  WriteFile(documentation / "help.css", ReadFile(sources / "fixed" / "help.css"));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "halvane-helpdata: " << e.what() << "\n";
    return 1;
  }
}
