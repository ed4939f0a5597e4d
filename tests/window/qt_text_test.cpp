#include "window/qt_text.h"

#include <gtest/gtest.h>

namespace answerbook {
namespace {

TEST(QtText, LineBreaksAreCrLfInTheProgramAndNewlinesInTheWidget) {
  EXPECT_EQ(toQString("a\r\n\r\nb"), QString("a\n\nb"));
  EXPECT_EQ(fromQString(QString("a\n\nb")), "a\r\n\r\nb");
  const std::string prompt = "first\r\n\r\nsecond  ";
  EXPECT_EQ(fromQString(toQString(prompt)), prompt);
  EXPECT_EQ(fromQString(QString(QChar(QChar::ParagraphSeparator))), "\r\n");
}

TEST(QtText, ConvertsThroughTheCodePage) {
  EXPECT_EQ(toQString("\x80\xE9"), QString::fromUtf8("\u20ac\u00e9"));
  EXPECT_EQ(fromQString(QString::fromUtf8("\u20ac\u00e9\u4e2d\U0001F600")), "\x80\xE9??");
}

}  // namespace
}  // namespace answerbook
