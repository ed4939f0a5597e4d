#include "coding/line_functions.h"

#include <cfenv>
#include <cmath>

#include "platform/run_error.h"

namespace answerbook {

double roundHalfEven(double x) {
  // nearbyint rounds in the current mode, which is to nearest, ties to even.
  return std::nearbyint(x);
}

std::string code(std::string_view aLine, double /*codeNbr*/) { return std::string(aLine); }

std::string decode(std::string_view aLine, double codeNbr) {
  std::string result;
  for (char ch : aLine) {
    const int c = static_cast<unsigned char>(ch);
    double target;
    if (c == ' ') {
      result += ' ';
      continue;
    } else if (c < 66) {
      target = (c + 209) - codeNbr;
    } else if (c <= 118) {
      continue;
    } else {
      target = c - codeNbr - 100;
    }
    const double n = roundHalfEven(target);
    if (!(n >= 0 && n <= 255)) throw RunError(err::kInvalidArgument);
    result += static_cast<char>(static_cast<unsigned char>(n));
  }
  return result;
}

std::string remSpaces(std::string_view aLine) {
  std::string result;
  result.reserve(aLine.size());
  for (char c : aLine) {
    if (c != ' ' && c != '-') result += c;
  }
  return result;
}

std::string makeCodeLine(double codeNbr, Random& random) {
  std::string line;
  for (long long i = 1; i <= codeNbr; ++i) {
    const float r1 = random.next();
    if (r1 < 0.1f) {
      const float r2 = random.next();
      line += static_cast<char>(static_cast<unsigned char>(roundHalfEven(double(r2) * 50 + 66)));
    }
    const float r3 = random.next();
    line += static_cast<char>(static_cast<unsigned char>(roundHalfEven(double(r3) * 137 + 118)));
  }
  return line;
}

}  // namespace answerbook
