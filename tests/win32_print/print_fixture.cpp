#include "print_fixture.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace halvane::test {

PrintFolder::PrintFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "print-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  path_ = made ? made : "";
  if (const char* old = getenv("HALVANE_PRINT_DIR")) {
    hadPrintDir_ = true;
    savedPrintDir_ = old;
  }
  setenv("HALVANE_PRINT_DIR", path_.c_str(), 1);
}

PrintFolder::~PrintFolder() {
  if (hadPrintDir_)
    setenv("HALVANE_PRINT_DIR", savedPrintDir_.c_str(), 1);
  else
    unsetenv("HALVANE_PRINT_DIR");
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> PrintFolder::files() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(path_, ec)) names.push_back(entry.path().filename());
  return names;
}

bool HasTool(const std::string& name) { return !RunTool("command -v " + name).empty(); }

std::string RunTool(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[512];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

std::string PdfInfo(const std::string& file, const std::string& key) {
  std::istringstream report(RunTool("pdfinfo '" + file + "'"));
  for (std::string line; std::getline(report, line);) {
    if (line.rfind(key + ":", 0) != 0) continue;
    const auto value = line.find_first_not_of(' ', key.size() + 1);
    return value == std::string::npos ? std::string() : line.substr(value);
  }
  return {};
}

// pdftoppm -gray writes a binary PGM: "P5 width height 255" then the bytes.
GreyPage RenderPage(const std::string& file, int page, int dpi) {
  const std::string base = file + ".render";
  const std::string p = std::to_string(page);
  RunTool("pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " + p + " -l " + p + " '" + file + "' '" +
          base + "'");
  GreyPage out;
  std::ifstream in(base + ".pgm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  in >> magic >> out.width >> out.height >> maxValue;
  in.get();
  if (magic != "P5" || out.width <= 0 || out.height <= 0) return GreyPage{};
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  in.read(reinterpret_cast<char*>(out.pixels.data()), static_cast<std::streamsize>(out.pixels.size()));
  std::filesystem::remove(base + ".pgm");
  return out;
}

HDC PrinterDC(short paper, short orientation) {
  DEVMODE dm{};
  dm.dmSize = sizeof dm;
  dm.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
  dm.dmPaperSize = paper;
  dm.dmOrientation = orientation;
  return CreateDC("WINSPOOL", "PDF Printer", nullptr, &dm);
}

}  // namespace halvane::test
