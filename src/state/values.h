#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace answerbook {

// Helpers for the texts and numbers of the run state, shared by every part of
// the program.

// The numeric value of a text: its leading decimal number, blanks ignored,
// 0 when the text does not begin with a number ("12abc" is 12, "1 2" is 12).
double numericValue(std::string_view text);

// A text converted where a number is needed: the whole text, blanks around it
// allowed, must be a decimal number ("2", " 2 ", "02", "2.0", "-1e3");
// anything else is the type-mismatch error 13.
double toNumber(std::string_view text);

// The decimal text of a number, without a leading blank: whole numbers as
// plain digits, others in their shortest form of up to 15 significant digits.
std::string decimalText(double value);

// One character gets "00" in front, two characters get "0"; other lengths
// stay as they are.
std::string threeCharacterForm(std::string text);

// Lower case in the Windows-1252 code page.
std::string lowered(std::string_view text);

// The first n characters (the whole text when it is shorter).
std::string_view leftChars(std::string_view text, std::size_t n);

// The text from its 1-based position `start` on (empty when it is shorter).
std::string_view fromPosition(std::string_view text, std::size_t start);

}  // namespace answerbook
