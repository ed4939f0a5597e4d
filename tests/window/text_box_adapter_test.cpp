#include "window/text_box_adapter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <string>
#include <vector>

#include "window/main_window.h"
#include "window/qt_text.h"

namespace answerbook {
namespace {

// The question box keeps the text it set and appends what a new text adds
// to it. Whatever it does, the box must end up as if the whole text had
// been set anew: each case drives the question box of one window through
// the program's adapter and that of another window with the whole text
// every time, and compares what the student has in front of them.

enum class Step {
  Set,        // the program sets the text
  Add,        // the program reads the box and sets what it read with the text behind it
  Type,       // the student types the text at the end of the box
  Undo,       // the student undoes the last edit
  ScrollDown, // the student scrolls half way down
  Select,     // the student selects characters 5 to 40
};

struct Case {
  const char* name;
  std::vector<std::pair<Step, std::string>> steps;
};

const std::string kLine =
    "The problem order is for your test is A1, C2, E4, D2, B2, F4.  Copy the first problem from part 3 of the "
    "test at the test site into the Answer Box, work the problem on paper and sketch any required graphs.  ";

std::string lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += kLine;
  return text;
}

const std::vector<Case> kCases = {
    {"lines added one after another", {{Step::Add, "001.  Final Exam"}, {Step::Add, kLine}, {Step::Add, kLine}}},
    {"a line added to a long paragraph the student scrolled and selected in",
     {{Step::Set, lines(60)}, {Step::ScrollDown, ""}, {Step::Select, ""}, {Step::Add, kLine}}},
    {"a line added to a long text in lines the student scrolled in",
     {{Step::Set, "one\r\ntwo\r\n" + lines(20) + "\r\n" + lines(20)}, {Step::ScrollDown, ""}, {Step::Add, kLine}}},
    {"what the student typed stays in front of the new line",
     {{Step::Add, kLine}, {Step::Type, " my own words"}, {Step::Add, "second line  "}, {Step::Add, "third  "}}},
    {"an undone edit", {{Step::Add, kLine}, {Step::Type, "x"}, {Step::Undo, ""}, {Step::Add, "next  "}}},
    {"a text that does not extend the last one replaces it",
     {{Step::Set, "abc"}, {Step::Set, "xyz"}, {Step::Add, "more"}, {Step::Set, ""}, {Step::Set, "ab"},
      {Step::Set, "abc" + kLine}}},
    {"the same text set again", {{Step::Set, lines(30)}, {Step::ScrollDown, ""}, {Step::Set, lines(30)}}},
    {"line breaks of every kind",
     {{Step::Set, kLine + "\r\nb"}, {Step::Add, "\r\n\r\nc\r"}, {Step::Add, "\nd\n"}, {Step::Add, "e\r\n"},
      {Step::Add, "\rf"}}},
    {"a CR set last and an LF added make one line break", {{Step::Set, kLine + "\r"}, {Step::Set, kLine + "\r\nb"}}},
    {"characters of the code page, and a no-break space that reads back as a blank",
     {{Step::Set, kLine + "price \x80 5 \x93quoted\x94"}, {Step::Add, " caf\xE9"}, {Step::Add, "a\xA0" "b"},
      {Step::Add, "c"}, {Step::Set, kLine + "x\xA0y"}, {Step::Set, kLine + "x\xA0yz"}}},
};

class TextBoxAdapterTest : public ::testing::TestWithParam<Case> {
 protected:
  TextBoxAdapterTest() {
    subject.show();
    reference.show();
  }

  QPlainTextEdit& box(MainWindow& window) { return *qobject_cast<QPlainTextEdit*>(window.control("txt_question")); }

  void set(const std::string& text) {
    subject.controls().txt_question.setText(text);
    box(reference).setPlainText(toQString(text));
  }

  void run(Step step, const std::string& text) {
    switch (step) {
      case Step::Set: set(text); break;
      case Step::Add: set(subject.controls().txt_question.text() + text); break;
      case Step::Type:
        for (MainWindow* window : {&subject, &reference}) {
          box(*window).moveCursor(QTextCursor::End);
          QTest::keyClicks(&box(*window), toQString(text));
        }
        break;
      case Step::Undo:
        for (MainWindow* window : {&subject, &reference}) box(*window).undo();
        break;
      case Step::ScrollDown:
        for (MainWindow* window : {&subject, &reference}) {
          QScrollBar* bar = box(*window).verticalScrollBar();
          bar->setValue(bar->maximum() / 2);
        }
        break;
      case Step::Select:
        for (MainWindow* window : {&subject, &reference}) {
          QTextCursor cursor(box(*window).document());
          cursor.setPosition(5);
          cursor.setPosition(40, QTextCursor::KeepAnchor);
          box(*window).setTextCursor(cursor);
        }
        break;
    }
    // Only one window can have the focus, and with it a blinking cursor:
    // neither box keeps it, so that both pictures are alike.
    for (MainWindow* window : {&subject, &reference}) window->control("cmdNextQuestion")->setFocus();
    QApplication::processEvents();
  }

  void expectAlike() {
    QPlainTextEdit& a = box(subject);
    QPlainTextEdit& b = box(reference);
    EXPECT_EQ(subject.controls().txt_question.text(), fromQString(b.toPlainText()));
    EXPECT_EQ(a.toPlainText(), b.toPlainText());
    EXPECT_EQ(a.document()->toRawText(), b.document()->toRawText()) << "the same paragraphs";
    EXPECT_EQ(a.textCursor().position(), b.textCursor().position());
    EXPECT_EQ(a.textCursor().anchor(), b.textCursor().anchor());
    EXPECT_EQ(a.verticalScrollBar()->value(), b.verticalScrollBar()->value());
    EXPECT_EQ(a.verticalScrollBar()->maximum(), b.verticalScrollBar()->maximum());
    EXPECT_EQ(a.document()->isUndoAvailable(), b.document()->isUndoAvailable());
    EXPECT_EQ(a.document()->isRedoAvailable(), b.document()->isRedoAvailable());
    EXPECT_EQ(a.document()->isModified(), b.document()->isModified());
    EXPECT_EQ(a.grab().toImage(), b.grab().toImage()) << "what the student sees";
  }

  MainWindow subject;
  MainWindow reference;
};

TEST_P(TextBoxAdapterTest, LeavesTheBoxAsSettingTheWholeTextDoes) {
  int i = 0;
  for (const auto& [step, text] : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(++i));
    run(step, text);
    expectAlike();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextBoxAdapterTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c != '\0'; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

}  // namespace
}  // namespace answerbook
