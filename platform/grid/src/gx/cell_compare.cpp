#include "gx/cell_compare.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace gx {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return Sign(ca - cb);
  }
  return Sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

// Rank of a text's kind: empty, number, other.
int Kind(std::string_view text, double& number, bool numbers) {
  if (Trimmed(text).empty()) return 0;
  return numbers && ParseCellNumber(text, number) ? 1 : 2;
}

}  // namespace

bool ParseCellNumber(std::string_view text, double& value) {
  const std::string trimmed(Trimmed(text));
  if (trimmed.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const double parsed = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

int CompareCellTexts(std::string_view a, std::string_view b, bool caseSensitive, bool numbers) {
  double na = 0, nb = 0;
  const int ka = Kind(a, na, numbers), kb = Kind(b, nb, numbers);
  if (ka != kb) return Sign(ka - kb);
  if (ka == 0) return 0;
  if (ka == 1) return (na > nb) - (na < nb);
  const int noCase = CompareNoCase(a, b);
  if (noCase != 0 || !caseSensitive) return noCase;
  return Sign(a.compare(b));
}

}  // namespace gx
