#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace answerbook {

// The window's edge between the program's Windows-1252 texts and Qt's
// Unicode ones. A line break is CR LF in the program and a newline in the
// widget, both ways; a character the code page lacks becomes '?'.
QString toQString(std::string_view cp1252);
std::string fromQString(const QString& text);

}  // namespace answerbook
