#pragma once

#include <string>
#include <string_view>

namespace answerbook {

// Texts of the run are byte strings in the Windows-1252 code page, one byte a
// character, so that character codes 0..255 and the record files' bytes are
// exactly what the student's text holds. These functions convert at the
// program's edges: the window's widgets and the host's file names.

// The Unicode character of a byte. The five bytes the code page leaves
// undefined map to the C1 control characters of the same value, so every byte
// survives a round trip.
char32_t unicodeOfByte(unsigned char byte);

// The byte of a Unicode character, or -1 when the code page lacks it.
int byteOfUnicode(char32_t ch);

// The replacement for a character the code page lacks.
inline constexpr char kUnmappable = '?';

std::string cp1252ToUtf8(std::string_view bytes);
// Invalid UTF-8 sequences and characters outside the code page become '?'.
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace answerbook
