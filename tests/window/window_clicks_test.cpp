#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "platform/fake_run.h"
#include "window/main_window.h"
#include "window/qt_text.h"

namespace answerbook {
namespace {

// The loop driven through the window's own widgets: clicks on its buttons
// and keys typed into its answer box.
class WindowClicksTest : public ::testing::Test {
 protected:
  WindowClicksTest() : run(window.controls()) {
    window.attach(run.form.get());
    run.loadExam();
    window.show();
  }

  void click(const char* button) {
    QTest::mouseClick(qobject_cast<QPushButton*>(window.control(button)), Qt::LeftButton);
  }
  QPlainTextEdit* box(const char* name) { return qobject_cast<QPlainTextEdit*>(window.control(name)); }
  std::string file(const std::string& name) { return run.file(testing::kHome + "\\" + name); }

  MainWindow window;
  testing::FakeRun run;
};

TEST_F(WindowClicksTest, AStudentAnswersALineAndLooksBack) {
  click("cmdNextQuestion");
  const std::string firstLine = run.state().scriptLines.at(3);
  EXPECT_EQ(box("txt_question")->toPlainText(), toQString(firstLine));

  QTest::keyClicks(box("txt_answer"), "line one");
  QTest::keyClick(box("txt_answer"), Qt::Key_Return);
  QTest::keyClicks(box("txt_answer"), "line two ");
  QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u00e9"));
  QApplication::sendEvent(box("txt_answer"), &accented);
  click("cmd_enter_response");
  EXPECT_NE(file("send_0307First_Middle_Last.txt").find("RESPONSE -->  \r\nline one\r\nline two \xE9\r\n"),
            std::string::npos);
  EXPECT_EQ(box("txt_question")->toPlainText(), "");
  EXPECT_EQ(box("txt_answer")->toPlainText(), "");

  click("cmdNextQuestion");
  QTest::keyClicks(box("txt_answer"), "a note");
  click("cmd_save_as_notes");
  EXPECT_NE(file("notes_First_Middle_Last.txt").find("NOTES -------> a note\r\n"), std::string::npos);

  click("cmd_display_note_file");
  EXPECT_TRUE(box("txt_question")->toPlainText().endsWith("NOTES -------> a note................................................."));

  click("cmd_displayCumulativeText");
  EXPECT_TRUE(box("txt_question")->toPlainText().startsWith(" YOUR ANSWER  ->->->->  NOTES -------> a note <-<-<-<-  Q/A:   "));

  click("cmd_quit");
  EXPECT_TRUE(run.ended());
  EXPECT_EQ(run.world.desktop.ends, 1);
}

TEST_F(WindowClicksTest, MovingOnWithoutRecordingBringsThePromptIntoTheAnswerBox) {
  click("cmdNextQuestion");
  QTest::keyClicks(box("txt_answer"), "not recorded");
  click("cmdNextQuestion");
  EXPECT_EQ(box("txt_answer")->toPlainText(), toQString(run.state().answerPrompt));
  EXPECT_EQ(fromQString(box("txt_answer")->toPlainText()), run.state().answerPrompt);

  // Enter Response on the untouched prompt records nothing and empties the boxes.
  const std::string master = file("masterFile_First_Middle_Last.txt");
  click("cmd_enter_response");
  EXPECT_EQ(file("masterFile_First_Middle_Last.txt"), master);
  EXPECT_EQ(box("txt_answer")->toPlainText(), "");
}

}  // namespace
}  // namespace answerbook
