#pragma once

#include <string>
#include <string_view>

#include "platform/random.h"

namespace answerbook {

// The line encoder: every record line passes through it. In this
// configuration it returns the line unchanged; `codeNbr` is not used.
std::string code(std::string_view aLine, double codeNbr);

// The line decoder: blanks stay, codes below 66 become (c + 209) - codeNbr,
// codes 66..118 are dropped, codes above 118 become c - codeNbr - 100.
// A resulting code outside 0..255 is error 5.
std::string decode(std::string_view aLine, double codeNbr);

// The line without its blanks and hyphens.
std::string remSpaces(std::string_view aLine);

// A random code line of codeNbr to 2 x codeNbr characters for the record
// header: each step draws r1; below 0.1 it adds a character 66..116 from a
// second draw; it always adds one of 118..255 from a third draw.
std::string makeCodeLine(double codeNbr, Random& random);

// The whole number nearest to x, a half going to the even neighbour.
double roundHalfEven(double x);

}  // namespace answerbook
