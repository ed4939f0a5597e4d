#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/fake_run.h"
#include "platform/qt/qt_dialogs.h"
#include "proof/record_file_check.h"
#include "window/main_window.h"

namespace answerbook {
namespace {

// Runs an input box and, once it is open, lets `student` work its field.
std::string answerInputBox(const std::function<void(QLineEdit*)>& student) {
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    student(box->findChild<QLineEdit*>());
  });
  QtDialogs dialogs;
  return dialogs.inputBox("Your full name:  ");
}

void paste(QWidget* into, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QMetaObject::invokeMethod(into, "paste");
}

// An input box gives one line: what the student pastes into it keeps its
// characters, but its line breaks become blanks, so that no answer can split
// a line of a header block. Characters outside the code page become '?'.
TEST(PastedText, AnInputBoxGivesOneLine) {
  const std::pair<QString, std::string> cases[] = {
      {"Ada Lovelace", "Ada Lovelace"},
      {"Ada\r\nLovelace", "Ada Lovelace"},
      {"a\nb\rc\r\n", "a b c "},
      {QString("a") + QChar(QChar::LineSeparator) + "b" + QChar(QChar::ParagraphSeparator), "a b "},
      {QString::fromUtf8("Zo\u00eb \u4e2d \U0001F600"), "Zo\xEB ? ?"},
      {"\t\x01x", "\t\x01x"},
      {QString(10000, 'n'), std::string(10000, 'n')},
  };
  for (const auto& [pasted, given] : cases) {
    EXPECT_EQ(answerInputBox([&](QLineEdit* field) {
                paste(field, pasted);
                QTest::keyClick(field, Qt::Key_Return);
              }),
              given)
        << pasted.toStdString();
  }
  EXPECT_EQ(answerInputBox([](QLineEdit* field) {
              QTest::keyClicks(field, "typed, then");
              QTest::keyClick(field, Qt::Key_Escape);
            }),
            "")
      << "Cancel gives the empty text";
}

// Whatever is pasted into the answer box reaches the record files with CR LF
// line ends only, so every file still reads as whole blocks.
TEST(PastedText, TheAnswerBoxRecordsLineBreaksAsCrLf) {
  MainWindow window;
  testing::FakeRun run(window.controls());
  window.attach(run.form.get());
  run.loadExam();
  window.show();
  auto* answer = qobject_cast<QPlainTextEdit*>(window.control("txt_answer"));
  const std::pair<QString, std::string> cases[] = {
      {QString("a\rb\r\nc\nd") + QChar(QChar::ParagraphSeparator) + "e\x0b\x01\tf", "a\r\nb\r\nc\r\nd\r\ne\x0b\x01\tf"},
      {QString::fromUtf8("\u4e2d\U0001F600 ..\\..\\x"), "?? ..\\..\\x"},
      {QString(10000, 'w'), std::string(10000, 'w')},
  };
  for (const auto& [pasted, recorded] : cases) {
    answer->clear();
    paste(answer, pasted);
    QTest::mouseClick(qobject_cast<QPushButton*>(window.control("cmd_enter_response")), Qt::LeftButton);
    const proof::RecordFile send =
        proof::parseRecordFile(run.file(testing::kHome + "\\send_0307First_Middle_Last.txt"), proof::RecordKind::Send);
    ASSERT_TRUE(send.whole()) << send.error;
    EXPECT_EQ(send.blocks.back().text, recorded);
  }
}

}  // namespace
}  // namespace answerbook
