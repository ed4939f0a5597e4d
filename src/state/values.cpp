#include "state/values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/run_error.h"

namespace answerbook {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Length of the decimal number at the start of `s` (sign, digits, point,
// exponent), or 0 when `s` does not start with one. `s` holds no blanks.
std::size_t numberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

double parse(std::string number) {
  for (char& c : number) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  const double v = std::strtod(number.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0;
}

}  // namespace

double numericValue(std::string_view text) {
  std::string squeezed;
  squeezed.reserve(text.size());
  for (char c : text) {
    if (!isBlank(c)) squeezed += c;
  }
  const std::size_t n = numberLength(squeezed);
  return n == 0 ? 0.0 : parse(squeezed.substr(0, n));
}

double toNumber(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
  const std::string_view core = text.substr(first, last - first);
  const std::size_t n = numberLength(core);
  if (n == 0 || n != core.size()) throw RunError(err::kTypeMismatch);
  std::string number(core);
  for (char& c : number) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  const double v = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(v)) throw RunError(err::kTypeMismatch);
  return v;
}

std::string decimalText(double value) {
  char buf[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    std::snprintf(buf, sizeof buf, "%.0f", value);
    return buf == std::string("-0") ? "0" : buf;
  }
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

std::string threeCharacterForm(std::string text) {
  if (text.size() == 1) return "00" + text;
  if (text.size() == 2) return "0" + text;
  return text;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
      c = static_cast<char>(b + 0x20);
    } else if (b == 0x8A || b == 0x8C || b == 0x8E) {  // S, OE, Z with caron / ligature
      c = static_cast<char>(b + 0x10);
    } else if (b == 0x9F) {  // Y with diaeresis
      c = static_cast<char>(0xFF);
    }
  }
  return out;
}

std::string_view leftChars(std::string_view text, std::size_t n) { return text.substr(0, n); }

std::string_view fromPosition(std::string_view text, std::size_t start) {
  if (start < 1 || start > text.size()) return {};
  return text.substr(start - 1);
}

}  // namespace answerbook
