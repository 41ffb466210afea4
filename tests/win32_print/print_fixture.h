// The printing tests' helpers: a temporary output folder, the PDF tools
// of the system (pdfinfo, pdftotext, pdftoppm) run on a printed file.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace halvane::test {

// A folder for printed files, removed with its contents; it is also the
// default output folder ($HALVANE_PRINT_DIR) while it lives.
class PrintFolder {
 public:
  PrintFolder();
  ~PrintFolder();
  PrintFolder(const PrintFolder&) = delete;
  PrintFolder& operator=(const PrintFolder&) = delete;
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // The names of the files in it.
  std::vector<std::string> files() const;

 private:
  std::string path_;
  std::string savedPrintDir_;
  bool hadPrintDir_ = false;
};

// Whether a program is on the search path.
bool HasTool(const std::string& name);
// What a command prints on its standard output.
std::string RunTool(const std::string& command);
// The value of a "Key: value" line of pdfinfo's report, or empty.
std::string PdfInfo(const std::string& file, const std::string& key);

// A page rendered by pdftoppm as grey levels, row by row.
struct GreyPage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  int at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
GreyPage RenderPage(const std::string& file, int page, int dpi);

// The printer DC for a paper and orientation.
HDC PrinterDC(short paper = DMPAPER_A4, short orientation = DMORIENT_PORTRAIT);

}  // namespace halvane::test
