#include "ValueFormat.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "Text.h"

namespace fennick {

namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

int NumberAt(std::string_view text, std::size_t pos, std::size_t count) {
  int value = 0;
  std::from_chars(text.data() + pos, text.data() + pos + count, value);
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsDay(std::string_view text) {
  if (text.size() != 8 || !AllDigits(text)) return false;
  const int year = NumberAt(text, 0, 4);
  const int month = NumberAt(text, 4, 2);
  const int day = NumberAt(text, 6, 2);
  return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsTimeOfDay(std::string_view text) {
  if (text.size() != 6 || !AllDigits(text)) return false;
  return NumberAt(text, 0, 2) < 24 && NumberAt(text, 2, 2) < 60 && NumberAt(text, 4, 2) < 60;
}

}  // namespace

bool IsBooleanText(std::string_view text) { return EqualNoCase(text, "true") || EqualNoCase(text, "false"); }

bool IsIntegerText(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (!AllDigits(digits)) return false;
  // from_chars takes no leading '+'.
  const std::string_view number = text.front() == '+' ? digits : text;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  return error == std::errc() && end == number.data() + number.size();
}

bool IsRealText(std::string_view text, bool singlePrecision) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())) != 0) return false;
  const std::string copy(text);
  // Only decimal notation: strtod would also take hexadecimal, "inf" and "nan".
  for (char c : copy) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0 && std::string_view("+-.eE").find(c) == std::string_view::npos)
      return false;
  }
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return false;
  return !singlePrecision || std::fabs(value) <= std::numeric_limits<float>::max();
}

bool IsDateText(std::string_view text) {
  if (text.size() == 8) return IsDay(text);
  return text.size() == 15 && text[8] == ' ' && IsDay(text.substr(0, 8)) && IsTimeOfDay(text.substr(9));
}

}  // namespace fennick
