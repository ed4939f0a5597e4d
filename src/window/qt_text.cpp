#include "window/qt_text.h"

#include "platform/codepage.h"

namespace answerbook {

QString toQString(std::string_view cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (std::size_t i = 0; i < cp1252.size(); ++i) {
    const auto byte = static_cast<unsigned char>(cp1252[i]);
    if (byte == '\r') {
      if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n') ++i;
      out += QChar(u'\n');
    } else {
      out += QChar(static_cast<char16_t>(unicodeOfByte(byte)));
    }
  }
  return out;
}

std::string fromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    char32_t code = ch.unicode();
    if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      code = QChar::surrogateToUcs4(ch, text.at(i + 1));
      ++i;
    }
    if (code == u'\n' || code == QChar::ParagraphSeparator || code == QChar::LineSeparator) {
      out += "\r\n";
      continue;
    }
    const int byte = byteOfUnicode(code);
    out += byte < 0 ? kUnmappable : static_cast<char>(byte);
  }
  return out;
}

}  // namespace answerbook
